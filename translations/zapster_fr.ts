<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerScreen</name>
    <message>
        <source>NO Zapster!</source>
        <translation>PAS DE Zapster!</translation>
    </message>
    <message>
        <source>Got it!</source>
        <translation>Juste&#xa0;!</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Raté</translation>
    </message>
</context>
<context>
    <name>BoardScreen</name>
    <message>
        <source>Round: %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Cette partie ne peut pas être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The record…</source>
        <translation>Historique…</translation>
    </message>
</context>
<context>
    <name>CategoryFiles</name>
    <message>
        <source>Round %1, column %2: %3 is not there any more; the built-in category is played there.</source>
        <translation>Manche %1, colonne %2&#xa0;: %3 n’est plus là&#xa0;; la catégorie intégrée y est jouée.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 cannot be read; the built-in category is played there.</source>
        <translation>Manche %1, colonne %2&#xa0;: %3 est illisible&#xa0;; la catégorie intégrée y est jouée.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has no categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Manche %1, colonne %2&#xa0;: %3 ne contient aucune catégorie, et cette place prend la catégorie %4&#xa0;; la catégorie intégrée y est jouée.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has 1 category, and this place takes category %4; the built-in category is played there.</source>
        <translation>Manche %1, colonne %2&#xa0;: %3 contient 1 catégorie, et cette place prend la catégorie %4&#xa0;; la catégorie intégrée y est jouée.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has %5 categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Manche %1, colonne %2&#xa0;: %3 contient %5 catégories, et cette place prend la catégorie %4&#xa0;; la catégorie intégrée y est jouée.</translation>
    </message>
    <message>
        <source>Round %1, column %2: category %3 of %4 (“%5”) has too few questions: it ends after %6 of its %7 lines; the built-in category is played there.</source>
        <translation>Manche %1, colonne %2&#xa0;: la catégorie %3 de %4 («&#xa0;%5&#xa0;») n’a pas assez de questions&#xa0;: elle s’arrête après %6 de ses %7 lignes&#xa0;; la catégorie intégrée y est jouée.</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>%1 (%2x%3)</source>
        <translation>%1 (%2x%3)</translation>
    </message>
    <message>
        <source>display</source>
        <translation>écran</translation>
    </message>
    <message>
        <source>No host window: there is one display, and the room sees everything on it.</source>
        <translation>Pas de fenêtre d&apos;animation : il n&apos;y a qu&apos;un écran, et toute la salle voit ce qu&apos;il affiche.</translation>
    </message>
    <message>
        <source>No host window: the displays show the same picture, and the room would see the answers.</source>
        <translation>Pas de fenêtre d&apos;animation : les écrans affichent la même image, et la salle verrait les réponses.</translation>
    </message>
    <message>
        <source>Two displays: the room&apos;s screens on %1, the host window on %2.</source>
        <translation>Deux écrans : la salle voit %1, la fenêtre d&apos;animation est sur %2.</translation>
    </message>
    <message>
        <source>No host window: turned off for this game; the room&apos;s screens on %1.</source>
        <translation>Pas de fenêtre d&apos;animation : désactivée pour cette partie ; la salle voit %1.</translation>
    </message>
</context>
<context>
    <name>Flow</name>
    <message>
        <source>Zapster is already running: play on in its window.</source>
        <translation>Zapster est déjà ouvert : continuez dans sa fenêtre.</translation>
    </message>
    <message>
        <source>Save the night&apos;s results</source>
        <translation>Enregistrer les résultats de la soirée</translation>
    </message>
    <message>
        <source>Spreadsheet, with a page to print (*.csv)</source>
        <translation>Tableur, avec une page à imprimer (*.csv)</translation>
    </message>
    <message>
        <source>Results saved in %1: %2 and %3</source>
        <translation>Résultats enregistrés dans %1&#xa0;: %2 et %3</translation>
    </message>
    <message>
        <source>The results could not be saved: %1</source>
        <translation>Les résultats n’ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HostScreen</name>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Manche %1 sur %2</translation>
    </message>
    <message>
        <source>Zapster calls of %1</source>
        <translation>Appels Zapster&#xa0;: %1</translation>
    </message>
    <message>
        <source>Thanks For Playing!   [End]</source>
        <translation>Merci d’avoir joué&#xa0;!   [Fin]</translation>
    </message>
    <message>
        <source>%1 – %2 points</source>
        <translation>%1 – %2 points</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster, called</source>
        <translation>%1 – %2 points – Zapster, appelé</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster</source>
        <translation>%1 – %2 points – Zapster</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Temps écoulé&#xa0;!</translation>
    </message>
    <message>
        <source>Zapster! announced to the room</source>
        <translation>Zapster! annoncé à la salle</translation>
    </message>
    <message>
        <source>Zapster clock: %1, counting down</source>
        <translation>Horloge Zapster&#xa0;: %1, à rebours</translation>
    </message>
    <message>
        <source>Zapster clock: %1</source>
        <translation>Horloge Zapster&#xa0;: %1</translation>
    </message>
    <message>
        <source>No time limit</source>
        <translation>Sans limite de temps</translation>
    </message>
    <message>
        <source>%1 s, once you start the time</source>
        <translation>%1 s, dès que vous lancez le temps</translation>
    </message>
    <message>
        <source>Time left: %1 s</source>
        <translation>Temps restant&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>Paused – %1</source>
        <translation>En pause – %1</translation>
    </message>
    <message>
        <source>Start the time   [Space] [Page Down]</source>
        <translation>Lancer le temps   [Espace] [Page suiv]</translation>
    </message>
    <message>
        <source>Go on   [P]</source>
        <translation>Reprendre   [P]</translation>
    </message>
    <message>
        <source>NO Zapster!   [G]</source>
        <translation>PAS DE Zapster!   [G]</translation>
    </message>
    <message>
        <source>Got it!   [G]</source>
        <translation>Juste&#xa0;!   [G]</translation>
    </message>
    <message>
        <source>Zapster!   [M]</source>
        <translation>Zapster!   [M]</translation>
    </message>
    <message>
        <source>Missed it   [M]</source>
        <translation>Raté   [M]</translation>
    </message>
    <message>
        <source>The board   [R]</source>
        <translation>Le tableau   [R]</translation>
    </message>
    <message>
        <source>The game is saved at every rest.</source>
        <translation>La partie est enregistrée à chaque étape.</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Cette partie ne peut pas être enregistrée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Metadata</name>
    <message>
        <source>Team Quiz Game</source>
        <translation>Quiz par équipes</translation>
    </message>
    <message>
        <source>Host a quiz for two teams on one screen</source>
        <translation>Animez un quiz pour deux équipes sur un seul écran</translation>
    </message>
    <message>
        <source>quiz;trivia;questions;teams;classroom;party;moderator;</source>
        <extracomment>The menu&apos;s search words: separated by semicolons, and one after the last.</extracomment>
        <translation>quiz;culture générale;questions;équipes;classe;soirée;animateur;</translation>
    </message>
    <message>
        <source>Zapster is a quiz game for two teams, played on one computer that a moderator operates while the teams watch: a classroom, a club, or a quiz night on a projector.</source>
        <translation>Zapster est un jeu de quiz pour deux équipes, joué sur un seul ordinateur qu’un animateur manipule sous les yeux des équipes&#xa0;: en classe, dans un club ou lors d’une soirée quiz au vidéoprojecteur.</translation>
    </message>
    <message>
        <source>Each round shows a board of five category columns of six squares. The team on turn picks a square, its question runs against a 32-second time bar, and the moderator reveals the answer and judges it. Zapster questions turn the scoring round: answering one right hands the points to the other team.</source>
        <translation>Chaque manche présente un plateau de cinq colonnes de catégories de six cases. L’équipe dont c’est le tour choisit une case, sa question court contre une barre de temps de 32&#xa0;secondes, puis l’animateur dévoile la réponse et la juge. Les questions Zapster inversent le score&#xa0;: y répondre juste donne les points à l’autre équipe.</translation>
    </message>
    <message>
        <source>One, two or three rounds of thirty questions</source>
        <translation>Une, deux ou trois manches de trente questions</translation>
    </message>
    <message>
        <source>Questions from plain text category files that anyone can write</source>
        <translation>Des questions tirées de simples fichiers texte que chacun peut écrire</translation>
    </message>
    <message>
        <source>A built-in question bank fills every column that no file supplies</source>
        <translation>Des questions intégrées remplissent chaque colonne qu’aucun fichier ne fournit</translation>
    </message>
    <message>
        <source>Sample category files to start from</source>
        <translation>Des fichiers de catégorie d’exemple pour bien démarrer</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>quiz</translation>
    </message>
    <message>
        <source>trivia</source>
        <translation>culture générale</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>équipes</translation>
    </message>
    <message>
        <source>classroom</source>
        <translation>classe</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Time Is Up!</source>
        <translation>Temps écoulé&#xa0;!</translation>
    </message>
    <message>
        <source>Click here or press Space to start the time</source>
        <translation>Clic ou Espace pour lancer le temps</translation>
    </message>
    <message>
        <source>No time limit: click here to show the answer</source>
        <translation>Sans limite&#xa0;: cliquez pour la réponse</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Start the time</source>
        <translation>Lancer le temps</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>+10 s</source>
        <translation>+10 s</translation>
    </message>
</context>
<context>
    <name>RecordPanel</name>
    <message>
        <source>no team</source>
        <translation>aucune équipe</translation>
    </message>
    <message>
        <source>%1 %2 by hand: %3</source>
        <translation>%1 %2 à la main&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 (corrected from %2)</source>
        <translation>%1 (corrigé, avant&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1. Round %2  %3   [%4 : %5]</source>
        <translation>%1. Manche %2  %3   [%4 : %5]</translation>
    </message>
    <message>
        <source>reason</source>
        <translation>raison</translation>
    </message>
    <message>
        <source>Judge: %1</source>
        <translation>Juger&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Zapster</source>
        <translation>Zapster</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Judged in play</source>
        <translation>Jugé en jeu</translation>
    </message>
    <message>
        <source>Zapster: right</source>
        <translation>Zapster&#xa0;: juste</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Zapster: wrong</source>
        <translation>Zapster&#xa0;: faux</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Raté</translation>
    </message>
    <message>
        <source>Time up</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Zapster: clock ran out</source>
        <translation>Zapster&#xa0;: horloge écoulée</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>À la main</translation>
    </message>
    <message>
        <source>Score corrected by hand: %1</source>
        <translation>Score corrigé à la main&#xa0;: %1</translation>
    </message>
    <message>
        <source>Round %1 of %2 is being played</source>
        <translation>La manche %1 sur %2 est en cours</translation>
    </message>
    <message>
        <source>A tie</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Zapster! results</source>
        <translation>Zapster! – résultats</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>avant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game could not be used (%1); it is kept as %2.</source>
        <translation>La partie enregistrée est inutilisable (%1) ; elle est conservée sous le nom %2.</translation>
    </message>
    <message>
        <source>The saved game could not be used (%1); it could not be set aside.</source>
        <translation>La partie enregistrée est inutilisable (%1) ; elle n&apos;a pas pu être mise de côté.</translation>
    </message>
    <message>
        <source>Resume the game of %1 %2 – %3 %4, round %5, saved %6?</source>
        <translation>Reprendre la partie %1 %2 – %3 %4, manche %5 (enregistrée : %6) ?</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 n’est pas un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 n’est ni true ni false</translation>
    </message>
    <message>
        <source>%1 is not a text of at most 64 Ki characters</source>
        <translation>%1 n’est pas un texte d’au plus 64&#xa0;Ki caractères</translation>
    </message>
    <message>
        <source>%1 is not a list of %2</source>
        <translation>%1 n’est pas une liste de %2 éléments</translation>
    </message>
    <message>
        <source>points are not its square&apos;s</source>
        <translation>points ne sont pas ceux de sa case</translation>
    </message>
    <message>
        <source>%1 is not a verdict</source>
        <translation>%1 n’est pas un verdict</translation>
    </message>
    <message>
        <source>a correction by hand changes a score, with a one-line reason of at most %1 characters</source>
        <translation>une correction à la main change un score, avec un motif d’une ligne d’au plus %1 caractères</translation>
    </message>
    <message>
        <source>inPlay is not another verdict of its question</source>
        <translation>inPlay n’est pas un autre verdict de sa question</translation>
    </message>
    <message>
        <source>recordKept has no moment before it</source>
        <translation>recordKept n’a aucun moment avant lui</translation>
    </message>
    <message>
        <source>recordKept follows a record of other scores</source>
        <translation>recordKept suit un historique d’autres scores</translation>
    </message>
    <message>
        <source>record is not a list of at most %1</source>
        <translation>record n’est pas une liste d’au plus %1 éléments</translation>
    </message>
    <message>
        <source>its scores do not add up</source>
        <translation>ses scores ne concordent pas</translation>
    </message>
    <message>
        <source>the record does not add up to the scores</source>
        <translation>l’historique ne donne pas les scores</translation>
    </message>
    <message>
        <source>squaresLeft and questionsOpened do not add up to 30</source>
        <translation>squaresLeft et questionsOpened ne font pas 30 à eux deux</translation>
    </message>
    <message>
        <source>the board&apos;s open squares and squaresLeft differ</source>
        <translation>les cases ouvertes du plateau et squaresLeft diffèrent</translation>
    </message>
    <message>
        <source>bar is not a length the setup offers</source>
        <translation>bar n’est pas une durée que la préparation propose</translation>
    </message>
    <message>
        <source>seed is not a number of at most 16 hexadecimal digits</source>
        <translation>seed n’est pas un nombre d’au plus 16 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>phase is not one of board, question, answer, time up</source>
        <translation>phase n’est pas l’une des valeurs board, question, answer, time up</translation>
    </message>
    <message>
        <source>a question is open exactly when the phase is not board</source>
        <translation>une question est ouverte exactement quand phase n’est pas board</translation>
    </message>
    <message>
        <source>its square is still open</source>
        <translation>sa case est encore ouverte</translation>
    </message>
    <message>
        <source>the board shows not exactly one sound logo</source>
        <translation>le plateau ne montre pas exactement un logo du son</translation>
    </message>
    <message>
        <source>no square played has this answer and points</source>
        <translation>aucune case jouée n’a cette réponse et ces points</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is larger than any game</source>
        <translation>elle est plus grosse que n’importe quelle partie</translation>
    </message>
    <message>
        <source>it is neither on its answer screen nor on the board</source>
        <translation>elle n’est ni sur son écran de réponse ni sur le plateau</translation>
    </message>
    <message>
        <source>it is cut short or damaged at byte %1: %2</source>
        <translation>elle est tronquée ou abîmée à l’octet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a saved Zapster game</source>
        <translation>ce n’est pas une partie Zapster enregistrée</translation>
    </message>
    <message>
        <source>it was saved by a newer Zapster (format %1, this one reads %2)</source>
        <translation>elle a été enregistrée par un Zapster plus récent (format %1, celui-ci lit le %2)</translation>
    </message>
    <message>
        <source>saved is not a date and time</source>
        <translation>saved n’est pas une date et une heure</translation>
    </message>
    <message>
        <source>takeBacks is not a list of at most %1</source>
        <translation>takeBacks n’est pas une liste d’au plus %1 éléments</translation>
    </message>
    <message>
        <source>it is neither on the board nor on an answer screen</source>
        <translation>elle n’est ni sur le plateau ni sur un écran de réponse</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>built-in questions</source>
        <translation>questions intégrées</translation>
    </message>
    <message>
        <source>Every chosen file supplies its category. A slot with no file plays the built-in category.</source>
        <translation>Chaque fichier choisi fournit sa catégorie. Une case sans fichier joue la catégorie intégrée.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Équipe %1</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Team Names</source>
        <translation>Noms des équipes</translation>
    </message>
    <message>
        <source>Default is &quot;Team #1&quot;</source>
        <translation>Par défaut&#xa0;: «&#xa0;Équipe 1&#xa0;»</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Par défaut&#xa0;: «&#xa0;Équipe 2&#xa0;»</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manches</translation>
    </message>
    <message>
        <source>1 Round</source>
        <translation>Une</translation>
    </message>
    <message>
        <source>2 Rounds</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>3 Rounds</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>-⁠&#xa0;Select 5 category         files per round.          -⁠&#xa0;Click to select,            doubleclick to clear.  -⁠&#xa0;Categories may be       selected more than      once.</source>
        <extracomment>The runs of blanks end the box&apos;s short lines: each dash begins one. A translation may use blanks the same way; the word joiner and no-break space after each dash keep it with its word.</extracomment>
        <translation>-⁠&#xa0;Choisissez 5 fichiers de catégorie par manche.
-⁠&#xa0;Clic pour choisir, double-clic pour vider.
-⁠&#xa0;Une catégorie peut revenir plusieurs fois.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Manche 1</translation>
    </message>
    <message>
        <source>Round 2</source>
        <translation>Manche 2</translation>
    </message>
    <message>
        <source>Round 3</source>
        <translation>Manche 3</translation>
    </message>
    <message>
        <source>Zapsters</source>
        <translation>Zapsters</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Total!</source>
        <translation>Total&#xa0;!</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Host window</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Swapped</source>
        <translation>Inversé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Time Bar</source>
        <translation>Barre de temps</translation>
    </message>
    <message>
        <source>15 s</source>
        <translation>15 s</translation>
    </message>
    <message>
        <source>20 s</source>
        <translation>20 s</translation>
    </message>
    <message>
        <source>32 s</source>
        <translation>32 s</translation>
    </message>
    <message>
        <source>45 s</source>
        <translation>45 s</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>90 s</source>
        <translation>90 s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>Start Bar</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Tout de suite</translation>
    </message>
    <message>
        <source>After reading</source>
        <translation>Après lecture</translation>
    </message>
    <message>
        <source>Category Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Game Setup</source>
        <translation>Préparer la partie</translation>
    </message>
    <message>
        <source>Where winning depends on your using what you know, using what you don&apos;t know, and using what you hope they don&apos;t know.</source>
        <translation>Où la victoire dépend de ce que vous savez, de ce que vous ignorez et de ce que les autres ignorent, espérez-vous.</translation>
    </message>
    <message>
        <source>Warning: Playing this game may  be  hazardous  to  the fragile egos  of  those  who thought  that  they&apos;d  taught you  something  while  you were in their classes.</source>
        <extracomment>The doubled blanks spread the words over the box&apos;s lines; a translation need not keep them.</extracomment>
        <translation>Attention : ce jeu peut nuire à l&apos;ego fragile de ceux qui pensaient vous avoir appris quelque chose en classe.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.00             (December, 1999)</source>
        <translation>Version 1.00             (décembre 1999)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Play Zapster!</source>
        <translation>Jouer à Zapster!</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Got It!</source>
        <translation>Juste&#xa0;!</translation>
    </message>
    <message>
        <source>Missed It</source>
        <translation>Raté</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Thanks For Playing!</source>
        <translation>Merci d’avoir joué&#xa0;!</translation>
    </message>
    <message>
        <source>Save the Results</source>
        <translation>Sauver les scores</translation>
    </message>
    <message>
        <source>Take back   [Ctrl+Z]</source>
        <translation>Annuler   [Ctrl+Z]</translation>
    </message>
    <message>
        <source>End the game   [End]</source>
        <translation>Terminer la partie   [Fin]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Montrer la réponse   [Espace] [Page suiv]</translation>
    </message>
    <message>
        <source>Turn the Zapster clock   [T]</source>
        <translation>Retourner l’horloge Zapster   [T]</translation>
    </message>
    <message>
        <source>The record   [R]</source>
        <translation>Historique   [R]</translation>
    </message>
    <message>
        <source>Pause   [P]</source>
        <translation>Pause   [P]</translation>
    </message>
    <message>
        <source>+10 s   [+]</source>
        <translation>+10 s   [+]</translation>
    </message>
    <message>
        <source>Zapster! – host</source>
        <translation>Zapster! – animation</translation>
    </message>
    <message>
        <source>Zapster! – the record</source>
        <translation>Zapster! – historique</translation>
    </message>
    <message>
        <source>The record: choose an entry to judge it again</source>
        <translation>Historique&#xa0;: choisissez une entrée pour la juger à nouveau</translation>
    </message>
    <message>
        <source>Correct a score by hand: points and reason</source>
        <translation>Corriger un score à la main&#xa0;: points et raison</translation>
    </message>
    <message>
        <source>Correct the score</source>
        <translation>Corriger le score</translation>
    </message>
    <message>
        <source>Save the results…</source>
        <translation>Exporter les résultats…</translation>
    </message>
</context>
<context>
    <name>zapcheck</name>
    <message>
        <source>round %1, column %2</source>
        <translation>manche %1, colonne %2</translation>
    </message>
    <message>
        <source>the title is empty; a blank line between blocks shifts every later line</source>
        <translation>le titre est vide&#xa0;; une ligne vide entre deux blocs décale toutes les lignes suivantes</translation>
    </message>
    <message>
        <source>title line looks like a question or answer</source>
        <translation>la ligne de titre ressemble à une question ou à une réponse</translation>
    </message>
    <message>
        <source>the title is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>le titre est si long que le jeu l’affiche à %1 % de sa taille normale&#xa0;; plus court, il se lit mieux du fond de la salle</translation>
    </message>
    <message>
        <source>question line is shorter than its two-character tag; the game shows an empty question</source>
        <translation>la ligne de question est plus courte que son préfixe de deux caractères&#xa0;; le jeu affiche une question vide</translation>
    </message>
    <message>
        <source>answer line is shorter than its two-character tag; the game shows an empty answer</source>
        <translation>la ligne de réponse est plus courte que son préfixe de deux caractères&#xa0;; le jeu affiche une réponse vide</translation>
    </message>
    <message>
        <source>question line seems to have no tag; the game drops its first two characters %1</source>
        <translation>la ligne de question semble sans préfixe&#xa0;; le jeu supprime ses deux premiers caractères %1</translation>
    </message>
    <message>
        <source>answer line seems to have no tag; the game drops its first two characters %1</source>
        <translation>la ligne de réponse semble sans préfixe&#xa0;; le jeu supprime ses deux premiers caractères %1</translation>
    </message>
    <message>
        <source>question line is tagged %1</source>
        <translation>la ligne de question porte le préfixe %1</translation>
    </message>
    <message>
        <source>answer line is tagged %1</source>
        <translation>la ligne de réponse porte le préfixe %1</translation>
    </message>
    <message>
        <source>the question is empty once the tag is dropped</source>
        <translation>la question est vide une fois le préfixe retiré</translation>
    </message>
    <message>
        <source>the answer is empty once the tag is dropped</source>
        <translation>la réponse est vide une fois le préfixe retiré</translation>
    </message>
    <message>
        <source>tab around the question is kept; the game trims only spaces</source>
        <translation>une tabulation en début ou en fin de question est conservée&#xa0;; le jeu ne retire que les espaces</translation>
    </message>
    <message>
        <source>tab around the answer is kept; the game trims only spaces</source>
        <translation>une tabulation en début ou en fin de réponse est conservée&#xa0;; le jeu ne retire que les espaces</translation>
    </message>
    <message>
        <source>the question is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>la question est si longue que le jeu l’affiche à %1 % de sa taille normale&#xa0;; plus courte, elle se lit mieux du fond de la salle</translation>
    </message>
    <message>
        <source>%1; is a line missing or extra above? (later lines may be shifted)</source>
        <translation>%1&#xa0;; manque-t-il une ligne plus haut, ou y en a-t-il une de trop&#xa0;? (les lignes suivantes sont peut-être décalées)</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>impossible de l’ouvrir</translation>
    </message>
    <message>
        <source>cannot be read as a category file: %1</source>
        <translation>impossible de le lire comme fichier de catégorie&#xa0;: %1</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes; the game keeps only its start</source>
        <translation>la ligne dépasse %1 octets&#xa0;; le jeu n’en garde que le début</translation>
    </message>
    <message>
        <source>block %1 (%2): %3</source>
        <translation>bloc %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 after the last block ignored</source>
        <translation>%1 après le dernier bloc&#xa0;; le jeu n’en tient pas compte</translation>
    </message>
    <message numerus="yes">
        <source>%1 blank line</source>
        <translation>
            <numerusform>%1 ligne vide</numerusform>
            <numerusform>%1 lignes vides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 blank lines</source>
        <translation>
            <numerusform>%1 ligne vide</numerusform>
            <numerusform>%1 lignes vides</numerusform>
        </translation>
    </message>
    <message>
        <source>block %1 ends after %2 of its %3 lines; %4 keeps the built-in questions when this file is picked there</source>
        <translation>le bloc %1 s’arrête après %2 de ses %3 lignes&#xa0;; si ce fichier est choisi pour %4, les questions intégrées y sont jouées</translation>
    </message>
    <message>
        <source>holds no complete block; it fills no category slot</source>
        <translation>ne contient aucun bloc complet&#xa0;; il ne remplit aucune case de catégorie</translation>
    </message>
    <message>
        <source>lines %1-%2 lie past the fifteenth block; the game never reads them</source>
        <translation>les lignes %1 à %2 se trouvent après le quinzième bloc&#xa0;; le jeu ne les lit jamais</translation>
    </message>
    <message>
        <source>UTF-16 %1 without a byte-order mark, it seems</source>
        <translation>UTF-16 %1 sans indicateur d’ordre des octets, semble-t-il</translation>
    </message>
    <message>
        <source>looks like UTF-16 %1 without a byte-order mark (every other byte is zero); the game reads it as garbage: save it as UTF-8, or as UTF-16 with a byte-order mark (Notepad&apos;s &quot;Unicode&quot;)</source>
        <translation>semble être de l’UTF-16 %1 sans indicateur d’ordre des octets (un octet sur deux est nul)&#xa0;; le jeu n’y lit que des caractères incohérents&#xa0;: enregistrez-le en UTF-8, ou en UTF-16 avec indicateur d’ordre des octets («&#xa0;Unicode&#xa0;» du Bloc-notes)</translation>
    </message>
    <message>
        <source>line is not valid UTF-8 like the rest of the file; the game reads it as Windows-1252</source>
        <translation>la ligne n’est pas en UTF-8 valide comme le reste du fichier&#xa0;; le jeu la lit en Windows-1252</translation>
    </message>
    <message>
        <source>the game lists only files named *.zap that do not start with &apos;.&apos;</source>
        <translation>le jeu ne liste que les fichiers nommés *.zap qui ne commencent pas par &apos;.&apos;</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>mixed (%1; first change at line %2)</source>
        <translation>mixtes (%1&#xa0;; premier changement à la ligne %2)</translation>
    </message>
    <message>
        <source>UTF-8 (plain ASCII)</source>
        <translation>UTF-8 (ASCII pur)</translation>
    </message>
    <message>
        <source>mixed (UTF-8; Windows-1252 on %1, first at line %2)</source>
        <translation>mixte (UTF-8&#xa0;; Windows-1252 sur %1, la première à la ligne %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 line</source>
        <translation>
            <numerusform>%1 ligne</numerusform>
            <numerusform>%1 lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines</source>
        <translation>
            <numerusform>%1 ligne</numerusform>
            <numerusform>%1 lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with byte-order mark</source>
        <translation>%1, avec indicateur d’ordre des octets</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation>%1, %2&#xa0;; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 complete block</source>
        <translation>
            <numerusform>%1 bloc complet</numerusform>
            <numerusform>%1 blocs complets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 complete blocks</source>
        <translation>
            <numerusform>%1 bloc complet</numerusform>
            <numerusform>%1 blocs complets</numerusform>
        </translation>
    </message>
    <message>
        <source>line ends %1; encoding %2</source>
        <translation>fins de ligne&#xa0;: %1&#xa0;; encodage&#xa0;: %2</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>correct</translation>
    </message>
    <message numerus="yes">
        <source>%1 problem</source>
        <translation>
            <numerusform>%1 problème</numerusform>
            <numerusform>%1 problèmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 problems</source>
        <translation>
            <numerusform>%1 problème</numerusform>
            <numerusform>%1 problèmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warning</source>
        <translation>
            <numerusform>%1 avertissement</numerusform>
            <numerusform>%1 avertissements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warnings</source>
        <translation>
            <numerusform>%1 avertissement</numerusform>
            <numerusform>%1 avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>fills no category slot</source>
        <translation>ne remplit aucune case de catégorie</translation>
    </message>
    <message>
        <source>fills every category slot (rounds 1-3)</source>
        <translation>remplit toutes les cases de catégorie (manches 1 à 3)</translation>
    </message>
    <message>
        <source>round %1 column 1</source>
        <translation>manche %1 colonne 1</translation>
    </message>
    <message>
        <source>round %1 columns 1-%2</source>
        <translation>manche %1 colonnes 1 à %2</translation>
    </message>
    <message>
        <source>fills %1</source>
        <translation>remplit %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is a pipe, not a regular file</source>
        <translation>c’est un tube, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c’est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the title is empty</source>
        <translation>le titre est vide</translation>
    </message>
    <message>
        <source>the title holds a line break; a line of a category file cannot</source>
        <translation>le titre contient un saut de ligne&#xa0;; c’est impossible dans une ligne de fichier de catégorie</translation>
    </message>
    <message>
        <source>the title is longer than the game reads (%1 bytes)</source>
        <translation>le titre dépasse la longueur lue par le jeu (%1 octets)</translation>
    </message>
    <message>
        <source>the question is empty</source>
        <translation>la question est vide</translation>
    </message>
    <message>
        <source>the question holds a line break; a line of a category file cannot</source>
        <translation>la question contient un saut de ligne&#xa0;; c’est impossible dans une ligne de fichier de catégorie</translation>
    </message>
    <message>
        <source>the question is longer than the game reads (%1 bytes)</source>
        <translation>la question dépasse la longueur lue par le jeu (%1 octets)</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>la réponse est vide</translation>
    </message>
    <message>
        <source>the answer holds a line break; a line of a category file cannot</source>
        <translation>la réponse contient un saut de ligne&#xa0;; c’est impossible dans une ligne de fichier de catégorie</translation>
    </message>
    <message>
        <source>the answer is longer than the game reads (%1 bytes)</source>
        <translation>la réponse dépasse la longueur lue par le jeu (%1 octets)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>impossible de le lire&#xa0;: %1</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not a sheet of questions</source>
        <translation>plus de %1 MiB&#xa0;; ce n’est pas une feuille de questions</translation>
    </message>
    <message>
        <source>UTF-16 text; save the sheet as CSV in UTF-8</source>
        <translation>texte en UTF-16&#xa0;; enregistrez la feuille en CSV, en UTF-8</translation>
    </message>
    <message>
        <source>not valid UTF-8; save the sheet as CSV in UTF-8</source>
        <translation>UTF-8 non valide&#xa0;; enregistrez la feuille en CSV, en UTF-8</translation>
    </message>
    <message>
        <source>a quoted cell that starts here never ends</source>
        <translation>une cellule entre guillemets commence ici et ne se termine jamais</translation>
    </message>
    <message>
        <source>holds no question rows</source>
        <translation>ne contient aucune ligne de question</translation>
    </message>
    <message>
        <source>the category that starts here has %1 of its %2 rows; a header row is skipped only when it names the columns Question and Answer</source>
        <translation>la catégorie qui commence ici n’a que %1 de ses %2 lignes&#xa0;; une ligne d’en-tête n’est ignorée que si elle nomme les colonnes «&#xa0;Question&#xa0;» et «&#xa0;Answer&#xa0;»</translation>
    </message>
    <message>
        <source>more than three columns (title, question, answer); is a separator in an unquoted cell?</source>
        <translation>plus de trois colonnes (titre, question, réponse)&#xa0;; un séparateur se trouve-t-il dans une cellule sans guillemets&#xa0;?</translation>
    </message>
    <message>
        <source>the first row of a category needs its title</source>
        <translation>la première ligne d’une catégorie doit porter son titre</translation>
    </message>
    <message>
        <source>title %1 differs from %2 on row %3; each category is six rows under one title</source>
        <translation>le titre %1 diffère de %2, celui de la ligne %3&#xa0;; chaque catégorie compte six lignes sous un même titre</translation>
    </message>
    <message>
        <source>categories from here on go past the fifteenth; the game never reads them</source>
        <translation>à partir d’ici, les catégories vont au-delà de la quinzième&#xa0;; le jeu ne les lit jamais</translation>
    </message>
    <message>
        <source>already exists; add --force to replace it</source>
        <translation>existe déjà&#xa0;; ajoutez --force pour le remplacer</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>rien n’a été écrit</translation>
    </message>
    <message>
        <source>cannot be written: %1; nothing written</source>
        <translation>impossible de l’écrire&#xa0;: %1&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>written from %1: %2; %3</source>
        <translation>écrit à partir de %1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 category</source>
        <translation>
            <numerusform>%1 catégorie</numerusform>
            <numerusform>%1 catégories</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 categories</source>
        <translation>
            <numerusform>%1 catégorie</numerusform>
            <numerusform>%1 catégories</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: zapcheck FILE...
       zapcheck --from-csv [--force] IN.csv OUT.zap

Reads each category file exactly as Zapster does and reports how many complete
13-line blocks it holds, which category slots they fill (block 1 is round 1
column 1, block 6 round 2 column 1, ...), each block&apos;s title, the line ends
and text encoding, then every problem and warning as &quot;file:line: ...&quot;.

A question or answer line whose first two characters are both letters or
both digits (&quot;What...&quot;, &quot;1984&quot;) is taken to lack its tag: the game would cut
those two characters off. Blank lines after the last block are ignored.

A title or question so long that the game must draw it below two thirds of
its full size to fit its box (measured with the game&apos;s fonts on a screen of the
board&apos;s design size, 777x545 pixels; a larger screen scales everything alike)
gets a warning: shorter reads better from the back of the room.

Exit status: 0 when every file is sound (warnings allowed), 1 when a file has a
problem (it cannot be read, a block is incomplete, a question or answer line is
shorter than its two-character tag), 2 on a usage error.

--from-csv   turn a spreadsheet export into a category file: one row per
             question with the columns title, question, answer; six rows per
             category, the title on the first of them (the other five may
             repeat it or leave it empty). Separator comma, semicolon or tab
             (whichever gives the most rows three columns); UTF-8 text; a first
             row whose question and answer cells read &quot;Question&quot; and &quot;Answer&quot;
             is taken as a header and skipped; empty rows are skipped.
             Nothing is written unless the whole sheet converts.
--force      with --from-csv: replace OUT.zap if it exists
--lang XX    messages in language XX (de, es, fr, nl); otherwise the
             desktop&apos;s, as the game does
--help       show this text
</source>
        <translation>Usage&#xa0;: zapcheck FILE...
        zapcheck --from-csv [--force] IN.csv OUT.zap

Lit chaque fichier de catégorie exactement comme le fait Zapster et indique
combien de blocs complets de 13 lignes il contient, quelles cases de catégorie
ils remplissent (le bloc 1 est la manche 1 colonne 1, le bloc 6 la manche 2
colonne 1, ...), le titre de chaque bloc, les fins de ligne et l’encodage du
texte, puis chaque problème et chaque avertissement sous la forme
«&#xa0;file:line: ...&#xa0;».

Une ligne de question ou de réponse dont les deux premiers caractères sont deux
lettres ou deux chiffres («&#xa0;Quel...&#xa0;», «&#xa0;1984&#xa0;») est considérée comme dépourvue
de préfixe&#xa0;: le jeu couperait ces deux caractères. Les lignes vides après le
dernier bloc sont ignorées.

Un titre ou une question si long que le jeu doit l’afficher à moins des deux
tiers de sa taille normale pour qu’il tienne dans son cadre (mesure faite avec
les polices du jeu sur un écran de la taille pour laquelle le tableau a été
conçu, 777x545 pixels&#xa0;; un écran plus grand agrandit tout dans les mêmes
proportions) donne lieu à un avertissement&#xa0;: plus court, il se lit mieux du
fond de la salle.

Code de sortie&#xa0;: 0 si tous les fichiers sont corrects (avertissements permis),
1 si un fichier a un problème (il est illisible, un bloc est incomplet, une
ligne de question ou de réponse est plus courte que son préfixe de deux
caractères), 2 en cas d’erreur d’utilisation.

--from-csv   transforme un export de tableur en fichier de catégorie&#xa0;: une
             ligne par question avec les colonnes titre, question, réponse&#xa0;;
             six lignes par catégorie, le titre sur la première d’entre elles
             (les cinq autres peuvent le répéter ou le laisser vide).
             Séparateur virgule, point-virgule ou tabulation (celui qui donne
             trois colonnes au plus grand nombre de lignes)&#xa0;; texte en UTF-8&#xa0;;
             une première ligne dont les cellules de question et de réponse
             contiennent «&#xa0;Question&#xa0;» et «&#xa0;Answer&#xa0;» est prise pour un en-tête
             et ignorée&#xa0;; les lignes vides sont ignorées.
             Rien n’est écrit tant que la feuille entière ne se convertit pas.
--force      avec --from-csv&#xa0;: remplace OUT.zap s’il existe
--lang XX    messages dans la langue XX (de, es, fr, nl)&#xa0;; sinon celle du
             bureau, comme le fait le jeu
--help       affiche ce texte
</translation>
    </message>
    <message>
        <source>Try &apos;zapcheck --help&apos;.</source>
        <translation>Essayez «&#xa0;zapcheck --help&#xa0;».</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--from-csv takes IN.csv and OUT.zap</source>
        <translation>--from-csv attend IN.csv et OUT.zap</translation>
    </message>
    <message>
        <source>--force goes only with --from-csv</source>
        <translation>--force ne s’utilise qu’avec --from-csv</translation>
    </message>
    <message>
        <source>no category file named</source>
        <translation>aucun fichier de catégorie indiqué</translation>
    </message>
</context>
</TS>
