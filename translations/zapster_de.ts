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
        <translation>Danke fürs Mitspielen!   [End]</translation>
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
        <translation>Zeit starten   [Space] [Page Down]</translation>
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
</context>
<context>
    <name>layout</name>
    <message>
        <source>Team Names</source>
        <translation>Teamnamen</translation>
    </message>
    <message>
        <source>Default is &quot;Team #1&quot;</source>
        <translation>Vorgabe ist „Team #1“</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Vorgabe ist „Team #2“</translation>
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
        <translation>Zurücknehmen   [Ctrl+Z]</translation>
    </message>
    <message>
        <source>End the game   [End]</source>
        <translation>Spiel beenden   [End]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Antwort zeigen   [Space] [Page Down]</translation>
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
        <translation>Punktestand von Hand berichtigen: Punkte und Grund</translation>
    </message>
    <message>
        <source>Correct the score</source>
        <translation>Punktestand berichtigen</translation>
    </message>
    <message>
        <source>Save the results…</source>
        <translation>Ergebnisse speichern…</translation>
    </message>
</context>
</TS>
