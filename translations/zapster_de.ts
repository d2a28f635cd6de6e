<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnswerScreen</name>
    <message>
        <source>NO Zapster!</source>
        <translation>KEIN Zapster!</translation>
    </message>
    <message>
        <source>Got it!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Daneben</translation>
    </message>
</context>
<context>
    <name>BoardScreen</name>
    <message>
        <source>Round: %1</source>
        <translation>Runde: %1</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Dieses Spiel kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The record…</source>
        <translation>Protokoll…</translation>
    </message>
</context>
<context>
    <name>CategoryFiles</name>
    <message>
        <source>Round %1, column %2: %3 is not there any more; the built-in category is played there.</source>
        <translation>Runde %1, Spalte %2: %3 ist nicht mehr da; dort wird die eingebaute Kategorie gespielt.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 cannot be read; the built-in category is played there.</source>
        <translation>Runde %1, Spalte %2: %3 lässt sich nicht lesen; dort wird die eingebaute Kategorie gespielt.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has no categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Runde %1, Spalte %2: %3 enthält keine Kategorien, dieser Platz nimmt aber Kategorie %4; dort wird die eingebaute Kategorie gespielt.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has 1 category, and this place takes category %4; the built-in category is played there.</source>
        <translation>Runde %1, Spalte %2: %3 enthält 1 Kategorie, dieser Platz nimmt aber Kategorie %4; dort wird die eingebaute Kategorie gespielt.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has %5 categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Runde %1, Spalte %2: %3 enthält %5 Kategorien, dieser Platz nimmt aber Kategorie %4; dort wird die eingebaute Kategorie gespielt.</translation>
    </message>
    <message>
        <source>Round %1, column %2: category %3 of %4 (“%5”) has too few questions: it ends after %6 of its %7 lines; the built-in category is played there.</source>
        <translation>Runde %1, Spalte %2: Kategorie %3 von %4 („%5“) hat zu wenige Fragen: Sie endet nach %6 ihrer %7 Zeilen; dort wird die eingebaute Kategorie gespielt.</translation>
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
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>No host window: there is one display, and the room sees everything on it.</source>
        <translation>Kein Moderatorfenster: Es gibt nur einen Bildschirm, und alle im Raum sehen, was darauf ist.</translation>
    </message>
    <message>
        <source>No host window: the displays show the same picture, and the room would see the answers.</source>
        <translation>Kein Moderatorfenster: Die Bildschirme zeigen dasselbe Bild, und alle im Raum würden die Antworten sehen.</translation>
    </message>
    <message>
        <source>Two displays: the room&apos;s screens on %1, the host window on %2.</source>
        <translation>Zwei Bildschirme: Der Raum sieht %1, das Moderatorfenster ist auf %2.</translation>
    </message>
    <message>
        <source>No host window: turned off for this game; the room&apos;s screens on %1.</source>
        <translation>Kein Moderatorfenster: für dieses Spiel ausgeschaltet; der Raum sieht %1.</translation>
    </message>
</context>
<context>
    <name>Flow</name>
    <message>
        <source>Zapster is already running: play on in its window.</source>
        <translation>Zapster läuft bereits: Bitte in seinem Fenster weiterspielen.</translation>
    </message>
    <message>
        <source>Save the night&apos;s results</source>
        <translation>Ergebnisse des Abends speichern</translation>
    </message>
    <message>
        <source>Spreadsheet, with a page to print (*.csv)</source>
        <translation>Tabelle, mit einer Seite zum Drucken (*.csv)</translation>
    </message>
    <message>
        <source>Results saved in %1: %2 and %3</source>
        <translation>Ergebnisse gespeichert in %1: %2 und %3</translation>
    </message>
    <message>
        <source>The results could not be saved: %1</source>
        <translation>Die Ergebnisse konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>HostScreen</name>
    <message>
        <source>Game over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source>Zapster calls of %1</source>
        <translation>Zapster-Rufe von %1</translation>
    </message>
    <message>
        <source>Thanks For Playing!   [End]</source>
        <translation>Danke fürs Mitspielen!   [Ende]</translation>
    </message>
    <message>
        <source>%1 – %2 points</source>
        <translation>%1 – %2 Punkte</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster, called</source>
        <translation>%1 – %2 Punkte – Zapster, gerufen</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster</source>
        <translation>%1 – %2 Punkte – Zapster</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Die Zeit ist um!</translation>
    </message>
    <message>
        <source>Zapster! announced to the room</source>
        <translation>Zapster! wird dem Raum angekündigt</translation>
    </message>
    <message>
        <source>Zapster clock: %1, counting down</source>
        <translation>Zapster-Uhr: %1, läuft rückwärts</translation>
    </message>
    <message>
        <source>Zapster clock: %1</source>
        <translation>Zapster-Uhr: %1</translation>
    </message>
    <message>
        <source>No time limit</source>
        <translation>Ohne Zeitlimit</translation>
    </message>
    <message>
        <source>%1 s, once you start the time</source>
        <translation>%1 s ab dem Start der Zeit</translation>
    </message>
    <message>
        <source>Time left: %1 s</source>
        <translation>Restzeit: %1 s</translation>
    </message>
    <message>
        <source>Paused – %1</source>
        <translation>Pausiert – %1</translation>
    </message>
    <message>
        <source>Start the time   [Space] [Page Down]</source>
        <translation>Zeit starten   [Leertaste] [Bild abwärts]</translation>
    </message>
    <message>
        <source>Go on   [P]</source>
        <translation>Weiter   [P]</translation>
    </message>
    <message>
        <source>NO Zapster!   [G]</source>
        <translation>KEIN Zapster!   [G]</translation>
    </message>
    <message>
        <source>Got it!   [G]</source>
        <translation>Richtig!   [G]</translation>
    </message>
    <message>
        <source>Zapster!   [M]</source>
        <translation>Zapster!   [M]</translation>
    </message>
    <message>
        <source>Missed it   [M]</source>
        <translation>Daneben   [M]</translation>
    </message>
    <message>
        <source>The board   [R]</source>
        <translation>Spielbrett   [R]</translation>
    </message>
    <message>
        <source>The game is saved at every rest.</source>
        <translation>Das Spiel wird laufend gespeichert.</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Dieses Spiel kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>Metadata</name>
    <message>
        <source>Team Quiz Game</source>
        <translation>Quizspiel für Teams</translation>
    </message>
    <message>
        <source>Host a quiz for two teams on one screen</source>
        <translation>Ein Quiz für zwei Teams auf einem Bildschirm leiten</translation>
    </message>
    <message>
        <source>quiz;trivia;questions;teams;classroom;party;moderator;</source>
        <extracomment>The menu&apos;s search words: separated by semicolons, and one after the last.</extracomment>
        <translation>Quiz;Wissen;Fragen;Teams;Klasse;Unterricht;Party;Moderator;</translation>
    </message>
    <message>
        <source>Zapster is a quiz game for two teams, played on one computer that a moderator operates while the teams watch: a classroom, a club, or a quiz night on a projector.</source>
        <translation>Zapster ist ein Quizspiel für zwei Teams an einem Computer: Eine Moderatorin oder ein Moderator bedient ihn, und die Teams schauen zu – in der Schulklasse, im Verein oder beim Quizabend am Beamer.</translation>
    </message>
    <message>
        <source>Each round shows a board of five category columns of six squares. The team on turn picks a square, its question runs against a 32-second time bar, and the moderator reveals the answer and judges it. Zapster questions turn the scoring round: answering one right hands the points to the other team.</source>
        <translation>Jede Runde zeigt ein Spielbrett mit fünf Kategorien zu je sechs Feldern. Das Team am Zug wählt ein Feld, seine Frage läuft gegen einen Zeitbalken von 32 Sekunden, und die Moderation zeigt die Antwort und bewertet sie. Zapster-Fragen drehen die Wertung um: Wer eine richtig beantwortet, gibt die Punkte dem anderen Team.</translation>
    </message>
    <message>
        <source>One, two or three rounds of thirty questions</source>
        <translation>Eine, zwei oder drei Runden mit je dreißig Fragen</translation>
    </message>
    <message>
        <source>Questions from plain text category files that anyone can write</source>
        <translation>Fragen aus einfachen Textdateien, die jede und jeder schreiben kann</translation>
    </message>
    <message>
        <source>A built-in question bank fills every column that no file supplies</source>
        <translation>Eingebaute Fragen füllen jede Spalte, für die keine Datei gewählt ist</translation>
    </message>
    <message>
        <source>Sample category files to start from</source>
        <translation>Beispieldateien mit Kategorien zum Loslegen</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>trivia</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>classroom</source>
        <translation>Schulklasse</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Time Is Up!</source>
        <translation>Die Zeit ist um!</translation>
    </message>
    <message>
        <source>Click here or press Space to start the time</source>
        <translation>Klicken oder Leertaste: Zeit starten</translation>
    </message>
    <message>
        <source>No time limit: click here to show the answer</source>
        <translation>Ohne Zeitlimit: Klick zeigt die Antwort</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Start the time</source>
        <translation>Zeit starten</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Weiter</translation>
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
        <translation>kein Team</translation>
    </message>
    <message>
        <source>%1 %2 by hand: %3</source>
        <translation>%1 %2 von Hand: %3</translation>
    </message>
    <message>
        <source>%1 (corrected from %2)</source>
        <translation>%1 (vorher: %2)</translation>
    </message>
    <message>
        <source>%1. Round %2  %3   [%4 : %5]</source>
        <translation>%1. Runde %2  %3   [%4 : %5]</translation>
    </message>
    <message>
        <source>reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Judge: %1</source>
        <translation>Bewerten: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Zapster</source>
        <translation>Zapster</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Judged in play</source>
        <translation>Im Spiel bewertet</translation>
    </message>
    <message>
        <source>Zapster: right</source>
        <translation>Zapster: richtig</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Zapster: wrong</source>
        <translation>Zapster: falsch</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Daneben</translation>
    </message>
    <message>
        <source>Time up</source>
        <translation>Zeit um</translation>
    </message>
    <message>
        <source>Zapster: clock ran out</source>
        <translation>Zapster: Uhr abgelaufen</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>Von Hand</translation>
    </message>
    <message>
        <source>Score corrected by hand: %1</source>
        <translation>Punktestand von Hand berichtigt: %1</translation>
    </message>
    <message>
        <source>Round %1 of %2 is being played</source>
        <translation>Runde %1 von %2 läuft</translation>
    </message>
    <message>
        <source>A tie</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Zapster! results</source>
        <translation>Zapster! – Ergebnisse</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>vorher: %1</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game could not be used (%1); it is kept as %2.</source>
        <translation>Das gespeicherte Spiel ist nicht verwendbar (%1); es wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The saved game could not be used (%1); it could not be set aside.</source>
        <translation>Das gespeicherte Spiel ist nicht verwendbar (%1); es konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>Resume the game of %1 %2 – %3 %4, round %5, saved %6?</source>
        <translation>Das Spiel %1 %2 – %3 %4 fortsetzen, Runde %5 (gespeichert: %6)?</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 ist weder true noch false</translation>
    </message>
    <message>
        <source>%1 is not a text of at most 64 Ki characters</source>
        <translation>%1 ist kein Text von höchstens 64 Ki Zeichen</translation>
    </message>
    <message>
        <source>%1 is not a list of %2</source>
        <translation>%1 ist keine Liste mit %2 Einträgen</translation>
    </message>
    <message>
        <source>points are not its square&apos;s</source>
        <translation>points sind nicht die seines Feldes</translation>
    </message>
    <message>
        <source>%1 is not a verdict</source>
        <translation>%1 ist kein Urteil</translation>
    </message>
    <message>
        <source>a correction by hand changes a score, with a one-line reason of at most %1 characters</source>
        <translation>eine Korrektur von Hand ändert einen Punktestand, mit einer einzeiligen Begründung von höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>inPlay is not another verdict of its question</source>
        <translation>inPlay ist kein anderes Urteil seiner Frage</translation>
    </message>
    <message>
        <source>recordKept has no moment before it</source>
        <translation>recordKept hat keinen Zeitpunkt davor</translation>
    </message>
    <message>
        <source>recordKept follows a record of other scores</source>
        <translation>recordKept folgt auf ein Protokoll mit anderen Punkteständen</translation>
    </message>
    <message>
        <source>record is not a list of at most %1</source>
        <translation>record ist keine Liste mit höchstens %1 Einträgen</translation>
    </message>
    <message>
        <source>its scores do not add up</source>
        <translation>seine Punktestände gehen nicht auf</translation>
    </message>
    <message>
        <source>the record does not add up to the scores</source>
        <translation>das Protokoll ergibt nicht die Punktestände</translation>
    </message>
    <message>
        <source>squaresLeft and questionsOpened do not add up to 30</source>
        <translation>squaresLeft und questionsOpened ergeben zusammen nicht 30</translation>
    </message>
    <message>
        <source>the board&apos;s open squares and squaresLeft differ</source>
        <translation>die offenen Felder des Spielbretts und squaresLeft stimmen nicht überein</translation>
    </message>
    <message>
        <source>bar is not a length the setup offers</source>
        <translation>bar ist keine Länge, die die Einstellungen anbieten</translation>
    </message>
    <message>
        <source>seed is not a number of at most 16 hexadecimal digits</source>
        <translation>seed ist keine Zahl mit höchstens 16 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>phase is not one of board, question, answer, time up</source>
        <translation>phase ist keiner der Werte board, question, answer, time up</translation>
    </message>
    <message>
        <source>a question is open exactly when the phase is not board</source>
        <translation>eine Frage ist genau dann offen, wenn phase nicht board ist</translation>
    </message>
    <message>
        <source>its square is still open</source>
        <translation>ihr Feld ist noch offen</translation>
    </message>
    <message>
        <source>the board shows not exactly one sound logo</source>
        <translation>das Spielbrett zeigt nicht genau ein Ton-Logo</translation>
    </message>
    <message>
        <source>no square played has this answer and points</source>
        <translation>kein gespieltes Feld hat diese Antwort und Punktzahl</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>it is larger than any game</source>
        <translation>es ist größer als jedes Spiel</translation>
    </message>
    <message>
        <source>it is neither on its answer screen nor on the board</source>
        <translation>es steht weder auf seinem Antwortbildschirm noch auf dem Spielbrett</translation>
    </message>
    <message>
        <source>it is cut short or damaged at byte %1: %2</source>
        <translation>es ist bei Byte %1 abgeschnitten oder beschädigt: %2</translation>
    </message>
    <message>
        <source>it is not a saved Zapster game</source>
        <translation>es ist kein gespeichertes Zapster-Spiel</translation>
    </message>
    <message>
        <source>it was saved by a newer Zapster (format %1, this one reads %2)</source>
        <translation>es wurde von einem neueren Zapster gespeichert (Format %1, dieses liest %2)</translation>
    </message>
    <message>
        <source>saved is not a date and time</source>
        <translation>saved ist kein Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>takeBacks is not a list of at most %1</source>
        <translation>takeBacks ist keine Liste mit höchstens %1 Einträgen</translation>
    </message>
    <message>
        <source>it is neither on the board nor on an answer screen</source>
        <translation>es steht weder auf dem Spielbrett noch auf einem Antwortbildschirm</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>built-in questions</source>
        <translation>eingebaute Fragen</translation>
    </message>
    <message>
        <source>Every chosen file supplies its category. A slot with no file plays the built-in category.</source>
        <translation>Jede gewählte Datei liefert ihre Kategorie. Ein Platz ohne Datei spielt die eingebaute Kategorie.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Team Names</source>
        <translation>Teamnamen</translation>
    </message>
    <message>
        <source>Default is &quot;Team #1&quot;</source>
        <translation>Vorgabe ist „Team 1“</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Vorgabe ist „Team 2“</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>1 Round</source>
        <translation>Eine</translation>
    </message>
    <message>
        <source>2 Rounds</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>3 Rounds</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>-⁠&#xa0;Select 5 category         files per round.          -⁠&#xa0;Click to select,            doubleclick to clear.  -⁠&#xa0;Categories may be       selected more than      once.</source>
        <extracomment>The runs of blanks end the box&apos;s short lines: each dash begins one. A translation may use blanks the same way; the word joiner and no-break space after each dash keep it with its word.</extracomment>
        <translation>-⁠&#xa0;Pro Runde 5 Kategorie­dateien wählen.
-⁠&#xa0;Klick wählt, Doppelklick leert.
-⁠&#xa0;Kategorien dürfen mehrfach vorkommen.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Runde 1</translation>
    </message>
    <message>
        <source>Round 2</source>
        <translation>Runde 2</translation>
    </message>
    <message>
        <source>Round 3</source>
        <translation>Runde 3</translation>
    </message>
    <message>
        <source>Zapsters</source>
        <translation>Zapster</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Total!</source>
        <translation>Total!</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Host window</source>
        <translation>Moderator</translation>
    </message>
    <message>
        <source>Swapped</source>
        <translation>Vertauscht</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Time Bar</source>
        <translation>Zeitbalken</translation>
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
        <translation>Ohne Limit</translation>
    </message>
    <message>
        <source>Start Bar</source>
        <translation>Balkenstart</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>After reading</source>
        <translation>Nach dem Lesen</translation>
    </message>
    <message>
        <source>Category Files</source>
        <translation>Kategoriedateien</translation>
    </message>
    <message>
        <source>Game Setup</source>
        <translation>Spiel einrichten</translation>
    </message>
    <message>
        <source>Where winning depends on your using what you know, using what you don&apos;t know, and using what you hope they don&apos;t know.</source>
        <translation>Wo der Sieg davon abhängt, wie ihr nutzt, was ihr wisst, was ihr nicht wisst und was die anderen hoffentlich nicht wissen.</translation>
    </message>
    <message>
        <source>Warning: Playing this game may  be  hazardous  to  the fragile egos  of  those  who thought  that  they&apos;d  taught you  something  while  you were in their classes.</source>
        <extracomment>The doubled blanks spread the words over the box&apos;s lines; a translation need not keep them.</extracomment>
        <translation>Warnung: Dieses Spiel kann das zarte Ego all jener gefährden, die glaubten, euch im Unterricht etwas beigebracht zu haben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.00             (December, 1999)</source>
        <translation>Version 1.00             (Dezember 1999)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Play Zapster!</source>
        <translation>Zapster! spielen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Got It!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Missed It</source>
        <translation>Daneben</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Thanks For Playing!</source>
        <translation>Danke fürs Mitspielen!</translation>
    </message>
    <message>
        <source>Save the Results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Take back   [Ctrl+Z]</source>
        <translation>Zurücknehmen   [Strg+Z]</translation>
    </message>
    <message>
        <source>End the game   [End]</source>
        <translation>Spiel beenden   [Ende]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Antwort zeigen   [Leertaste] [Bild abwärts]</translation>
    </message>
    <message>
        <source>Turn the Zapster clock   [T]</source>
        <translation>Zapster-Uhr umdrehen   [T]</translation>
    </message>
    <message>
        <source>The record   [R]</source>
        <translation>Protokoll   [R]</translation>
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
        <translation>Zapster! – Moderation</translation>
    </message>
    <message>
        <source>Zapster! – the record</source>
        <translation>Zapster! – Protokoll</translation>
    </message>
    <message>
        <source>The record: choose an entry to judge it again</source>
        <translation>Protokoll: einen Eintrag wählen, um ihn neu zu bewerten</translation>
    </message>
    <message>
        <source>Correct a score by hand: points and reason</source>
        <translation>Punktestand von Hand korrigieren: Punkte und Grund</translation>
    </message>
    <message>
        <source>Correct the score</source>
        <translation>Punkte korrigieren</translation>
    </message>
    <message>
        <source>Save the results…</source>
        <translation>Ergebnisse speichern…</translation>
    </message>
</context>
<context>
    <name>zapcheck</name>
    <message>
        <source>round %1, column %2</source>
        <translation>Runde %1, Spalte %2</translation>
    </message>
    <message>
        <source>the title is empty; a blank line between blocks shifts every later line</source>
        <translation>der Titel ist leer; eine Leerzeile zwischen den Blöcken verschiebt alle folgenden Zeilen</translation>
    </message>
    <message>
        <source>title line looks like a question or answer</source>
        <translation>die Titelzeile sieht wie eine Frage oder Antwort aus</translation>
    </message>
    <message>
        <source>the title is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>der Titel ist so lang, dass das Spiel ihn auf %1 % seiner vollen Größe verkleinert; kürzer ist er auch in der letzten Reihe gut lesbar</translation>
    </message>
    <message>
        <source>question line is shorter than its two-character tag; the game shows an empty question</source>
        <translation>die Fragezeile ist kürzer als ihre zwei Zeichen lange Markierung; das Spiel zeigt eine leere Frage</translation>
    </message>
    <message>
        <source>answer line is shorter than its two-character tag; the game shows an empty answer</source>
        <translation>die Antwortzeile ist kürzer als ihre zwei Zeichen lange Markierung; das Spiel zeigt eine leere Antwort</translation>
    </message>
    <message>
        <source>question line seems to have no tag; the game drops its first two characters %1</source>
        <translation>die Fragezeile scheint keine Markierung zu haben; das Spiel lässt ihre ersten beiden Zeichen %1 weg</translation>
    </message>
    <message>
        <source>answer line seems to have no tag; the game drops its first two characters %1</source>
        <translation>die Antwortzeile scheint keine Markierung zu haben; das Spiel lässt ihre ersten beiden Zeichen %1 weg</translation>
    </message>
    <message>
        <source>question line is tagged %1</source>
        <translation>die Fragezeile ist mit %1 markiert</translation>
    </message>
    <message>
        <source>answer line is tagged %1</source>
        <translation>die Antwortzeile ist mit %1 markiert</translation>
    </message>
    <message>
        <source>the question is empty once the tag is dropped</source>
        <translation>ohne die Markierung ist die Frage leer</translation>
    </message>
    <message>
        <source>the answer is empty once the tag is dropped</source>
        <translation>ohne die Markierung ist die Antwort leer</translation>
    </message>
    <message>
        <source>tab around the question is kept; the game trims only spaces</source>
        <translation>ein Tabulator vor oder nach der Frage bleibt erhalten; das Spiel entfernt nur Leerzeichen</translation>
    </message>
    <message>
        <source>tab around the answer is kept; the game trims only spaces</source>
        <translation>ein Tabulator vor oder nach der Antwort bleibt erhalten; das Spiel entfernt nur Leerzeichen</translation>
    </message>
    <message>
        <source>the question is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>die Frage ist so lang, dass das Spiel sie auf %1 % ihrer vollen Größe verkleinert; kürzer ist sie auch in der letzten Reihe gut lesbar</translation>
    </message>
    <message>
        <source>%1; is a line missing or extra above? (later lines may be shifted)</source>
        <translation>%1; fehlt weiter oben eine Zeile, oder ist dort eine zu viel? (spätere Zeilen können verschoben sein)</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>cannot be read as a category file: %1</source>
        <translation>lässt sich nicht als Kategoriedatei lesen: %1</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes; the game keeps only its start</source>
        <translation>die Zeile ist länger als %1 Bytes; das Spiel liest nur ihren Anfang</translation>
    </message>
    <message>
        <source>block %1 (%2): %3</source>
        <translation>Block %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 after the last block ignored</source>
        <translation>%1 nach dem letzten Block ignoriert</translation>
    </message>
    <message numerus="yes">
        <source>%1 blank line</source>
        <translation>
            <numerusform>%1 Leerzeile</numerusform>
            <numerusform>%1 Leerzeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 blank lines</source>
        <translation>
            <numerusform>%1 Leerzeile</numerusform>
            <numerusform>%1 Leerzeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>block %1 ends after %2 of its %3 lines; %4 keeps the built-in questions when this file is picked there</source>
        <translation>Block %1 endet nach %2 seiner %3 Zeilen; wird diese Datei für %4 gewählt, bleiben dort die eingebauten Fragen</translation>
    </message>
    <message>
        <source>holds no complete block; it fills no category slot</source>
        <translation>enthält keinen vollständigen Block und füllt daher keinen Kategorieplatz</translation>
    </message>
    <message>
        <source>lines %1-%2 lie past the fifteenth block; the game never reads them</source>
        <translation>die Zeilen %1-%2 stehen hinter dem fünfzehnten Block; das Spiel liest sie nie</translation>
    </message>
    <message>
        <source>UTF-16 %1 without a byte-order mark, it seems</source>
        <translation>anscheinend UTF-16 %1 ohne Byte-Order-Mark</translation>
    </message>
    <message>
        <source>looks like UTF-16 %1 without a byte-order mark (every other byte is zero); the game reads it as garbage: save it as UTF-8, or as UTF-16 with a byte-order mark (Notepad&apos;s &quot;Unicode&quot;)</source>
        <translation>sieht nach UTF-16 %1 ohne Byte-Order-Mark aus (jedes zweite Byte ist null); das Spiel liest daraus nur Zeichensalat: bitte als UTF-8 speichern oder als UTF-16 mit Byte-Order-Mark (&quot;Unicode&quot; im Windows-Editor)</translation>
    </message>
    <message>
        <source>line is not valid UTF-8 like the rest of the file; the game reads it as Windows-1252</source>
        <translation>anders als der Rest der Datei ist die Zeile kein gültiges UTF-8; das Spiel liest sie als Windows-1252</translation>
    </message>
    <message>
        <source>the game lists only files named *.zap that do not start with &apos;.&apos;</source>
        <translation>das Spiel zeigt nur Dateien namens *.zap an, die nicht mit &apos;.&apos; beginnen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>mixed (%1; first change at line %2)</source>
        <translation>gemischt (%1; erster Wechsel in Zeile %2)</translation>
    </message>
    <message>
        <source>UTF-8 (plain ASCII)</source>
        <translation>UTF-8 (reines ASCII)</translation>
    </message>
    <message>
        <source>mixed (UTF-8; Windows-1252 on %1, first at line %2)</source>
        <translation>gemischt (UTF-8; Windows-1252 in %1, zuerst in Zeile %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 line</source>
        <translation>
            <numerusform>%1 Zeile</numerusform>
            <numerusform>%1 Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines</source>
        <translation>
            <numerusform>%1 Zeile</numerusform>
            <numerusform>%1 Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with byte-order mark</source>
        <translation>%1, mit Byte-Order-Mark</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation>%1, %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 complete block</source>
        <translation>
            <numerusform>%1 vollständiger Block</numerusform>
            <numerusform>%1 vollständige Blöcke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 complete blocks</source>
        <translation>
            <numerusform>%1 vollständiger Block</numerusform>
            <numerusform>%1 vollständige Blöcke</numerusform>
        </translation>
    </message>
    <message>
        <source>line ends %1; encoding %2</source>
        <translation>Zeilenenden: %1; Kodierung: %2</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>in Ordnung</translation>
    </message>
    <message numerus="yes">
        <source>%1 problem</source>
        <translation>
            <numerusform>%1 Problem</numerusform>
            <numerusform>%1 Probleme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 problems</source>
        <translation>
            <numerusform>%1 Problem</numerusform>
            <numerusform>%1 Probleme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warning</source>
        <translation>
            <numerusform>%1 Warnung</numerusform>
            <numerusform>%1 Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warnings</source>
        <translation>
            <numerusform>%1 Warnung</numerusform>
            <numerusform>%1 Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>fills no category slot</source>
        <translation>füllt keinen Kategorieplatz</translation>
    </message>
    <message>
        <source>fills every category slot (rounds 1-3)</source>
        <translation>füllt alle Kategorieplätze (Runden 1-3)</translation>
    </message>
    <message>
        <source>round %1 column 1</source>
        <translation>Runde %1 Spalte 1</translation>
    </message>
    <message>
        <source>round %1 columns 1-%2</source>
        <translation>Runde %1 Spalten 1-%2</translation>
    </message>
    <message>
        <source>fills %1</source>
        <translation>füllt %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a pipe, not a regular file</source>
        <translation>das ist eine Pipe, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>das ist ein Gerät, keine normale Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine normale Datei</translation>
    </message>
    <message>
        <source>the title is empty</source>
        <translation>der Titel ist leer</translation>
    </message>
    <message>
        <source>the title holds a line break; a line of a category file cannot</source>
        <translation>der Titel enthält einen Zeilenumbruch; in einer Zeile der Kategoriedatei ist das nicht möglich</translation>
    </message>
    <message>
        <source>the title is longer than the game reads (%1 bytes)</source>
        <translation>der Titel ist länger, als das Spiel liest (%1 Bytes)</translation>
    </message>
    <message>
        <source>the question is empty</source>
        <translation>die Frage ist leer</translation>
    </message>
    <message>
        <source>the question holds a line break; a line of a category file cannot</source>
        <translation>die Frage enthält einen Zeilenumbruch; in einer Zeile der Kategoriedatei ist das nicht möglich</translation>
    </message>
    <message>
        <source>the question is longer than the game reads (%1 bytes)</source>
        <translation>die Frage ist länger, als das Spiel liest (%1 Bytes)</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>die Antwort ist leer</translation>
    </message>
    <message>
        <source>the answer holds a line break; a line of a category file cannot</source>
        <translation>die Antwort enthält einen Zeilenumbruch; in einer Zeile der Kategoriedatei ist das nicht möglich</translation>
    </message>
    <message>
        <source>the answer is longer than the game reads (%1 bytes)</source>
        <translation>die Antwort ist länger, als das Spiel liest (%1 Bytes)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not a sheet of questions</source>
        <translation>größer als %1 MiB; das ist keine Tabelle mit Fragen</translation>
    </message>
    <message>
        <source>UTF-16 text; save the sheet as CSV in UTF-8</source>
        <translation>UTF-16-Text; bitte die Tabelle als CSV in UTF-8 speichern</translation>
    </message>
    <message>
        <source>not valid UTF-8; save the sheet as CSV in UTF-8</source>
        <translation>kein gültiges UTF-8; bitte die Tabelle als CSV in UTF-8 speichern</translation>
    </message>
    <message>
        <source>a quoted cell that starts here never ends</source>
        <translation>eine hier beginnende Zelle in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>holds no question rows</source>
        <translation>enthält keine Zeilen mit Fragen</translation>
    </message>
    <message>
        <source>the category that starts here has %1 of its %2 rows; a header row is skipped only when it names the columns Question and Answer</source>
        <translation>die hier beginnende Kategorie hat nur %1 ihrer %2 Zeilen; eine Kopfzeile wird nur übersprungen, wenn sie die Spalten &quot;Question&quot; und &quot;Answer&quot; nennt</translation>
    </message>
    <message>
        <source>more than three columns (title, question, answer); is a separator in an unquoted cell?</source>
        <translation>mehr als drei Spalten (Titel, Frage, Antwort); steht ein Trennzeichen in einer Zelle ohne Anführungszeichen?</translation>
    </message>
    <message>
        <source>the first row of a category needs its title</source>
        <translation>die erste Zeile einer Kategorie braucht den Titel</translation>
    </message>
    <message>
        <source>title %1 differs from %2 on row %3; each category is six rows under one title</source>
        <translation>der Titel %1 weicht von %2 in Zeile %3 ab; jede Kategorie besteht aus sechs Zeilen unter einem Titel</translation>
    </message>
    <message>
        <source>categories from here on go past the fifteenth; the game never reads them</source>
        <translation>die Kategorien ab hier liegen hinter der fünfzehnten; das Spiel liest sie nie</translation>
    </message>
    <message>
        <source>already exists; add --force to replace it</source>
        <translation>existiert bereits; zum Ersetzen --force angeben</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>nichts geschrieben</translation>
    </message>
    <message>
        <source>cannot be written: %1; nothing written</source>
        <translation>lässt sich nicht schreiben: %1; nichts geschrieben</translation>
    </message>
    <message>
        <source>written from %1: %2; %3</source>
        <translation>aus %1 geschrieben: %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 category</source>
        <translation>
            <numerusform>%1 Kategorie</numerusform>
            <numerusform>%1 Kategorien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 categories</source>
        <translation>
            <numerusform>%1 Kategorie</numerusform>
            <numerusform>%1 Kategorien</numerusform>
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
        <translation>Aufruf: zapcheck FILE...
        zapcheck --from-csv [--force] IN.csv OUT.zap

Liest jede Kategoriedatei genau so, wie Zapster es tut, und meldet, wie viele
vollständige Blöcke zu 13 Zeilen sie enthält, welche Kategorieplätze diese
füllen (Block 1 ist Runde 1 Spalte 1, Block 6 Runde 2 Spalte 1, ...), den Titel
jedes Blocks, die Zeilenenden und die Zeichenkodierung, danach jedes Problem
und jede Warnung als &quot;file:line: ...&quot;.

Eine Frage- oder Antwortzeile, deren erste beiden Zeichen beide Buchstaben oder
beide Ziffern sind (&quot;Wer...&quot;, &quot;1984&quot;), gilt als Zeile ohne Markierung: Das
Spiel würde diese beiden Zeichen abschneiden. Leerzeilen nach dem letzten Block
werden ignoriert.

Ein Titel oder eine Frage, die so lang ist, dass das Spiel sie auf weniger als
zwei Drittel ihrer vollen Größe verkleinern muss, damit sie in ihr Feld passt
(gemessen mit den Schriften des Spiels auf einem Bildschirm in der
Entwurfsgröße des Spielbretts, 777x545 Pixel; auf einem größeren Bildschirm
wird alles gleichermaßen skaliert), erhält eine Warnung: Kürzer ist auch in der
letzten Reihe gut lesbar.

Exit-Status: 0, wenn jede Datei in Ordnung ist (Warnungen erlaubt), 1, wenn eine
Datei ein Problem hat (sie lässt sich nicht lesen, ein Block ist unvollständig,
eine Frage- oder Antwortzeile ist kürzer als ihre zwei Zeichen lange
Markierung), 2 bei einem Aufruffehler.

--from-csv   einen Tabellen-Export in eine Kategoriedatei umwandeln: eine Zeile
             pro Frage mit den Spalten Titel, Frage, Antwort; sechs Zeilen pro
             Kategorie, der Titel in der ersten davon (die anderen fünf dürfen
             ihn wiederholen oder leer lassen). Trennzeichen Komma, Semikolon
             oder Tab (je nachdem, womit die meisten Zeilen drei Spalten
             haben); Text in UTF-8; eine erste Zeile, deren Frage- und
             Antwortzelle &quot;Question&quot; und &quot;Answer&quot; lauten, gilt als Kopfzeile
             und wird übersprungen; leere Zeilen werden übersprungen.
             Geschrieben wird nur, wenn sich die ganze Tabelle umwandeln lässt.
--force      mit --from-csv: OUT.zap ersetzen, falls es schon existiert
--lang XX    Meldungen in der Sprache XX (de, es, fr, nl); sonst in der
             Sprache des Desktops, wie im Spiel
--help       diesen Text anzeigen
</translation>
    </message>
    <message>
        <source>Try &apos;zapcheck --help&apos;.</source>
        <translation>Weitere Informationen mit &apos;zapcheck --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from-csv takes IN.csv and OUT.zap</source>
        <translation>--from-csv erwartet IN.csv und OUT.zap</translation>
    </message>
    <message>
        <source>--force goes only with --from-csv</source>
        <translation>--force geht nur zusammen mit --from-csv</translation>
    </message>
    <message>
        <source>no category file named</source>
        <translation>keine Kategoriedatei angegeben</translation>
    </message>
</context>
</TS>
