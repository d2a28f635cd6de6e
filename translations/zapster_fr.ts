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
        <translation>Appels Zapster de %1</translation>
    </message>
    <message>
        <source>Thanks For Playing!   [End]</source>
        <translation>Merci d’avoir joué&#xa0;!   [End]</translation>
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
        <translation>Lancer le temps   [Space] [Page Down]</translation>
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
</context>
<context>
    <name>layout</name>
    <message>
        <source>Team Names</source>
        <translation>Noms des équipes</translation>
    </message>
    <message>
        <source>Default is &quot;Team #1&quot;</source>
        <translation>Par défaut : «&#xa0;Team #1&#xa0;»</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Par défaut : «&#xa0;Team #2&#xa0;»</translation>
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
        <translation>Terminer la partie   [End]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Montrer la réponse   [Space] [Page Down]</translation>
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
        <translation>Enregistrer les résultats…</translation>
    </message>
</context>
</TS>
