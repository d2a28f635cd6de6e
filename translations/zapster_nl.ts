<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AnswerScreen</name>
    <message>
        <source>NO Zapster!</source>
        <translation>GEEN Zapster!</translation>
    </message>
    <message>
        <source>Got it!</source>
        <translation>Goed!</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>BoardScreen</name>
    <message>
        <source>Round: %1</source>
        <translation>Ronde: %1</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Dit spel kan niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>The record…</source>
        <translation>Overzicht…</translation>
    </message>
</context>
<context>
    <name>CategoryFiles</name>
    <message>
        <source>Round %1, column %2: %3 is not there any more; the built-in category is played there.</source>
        <translation>Ronde %1, kolom %2: %3 is er niet meer; daar wordt de ingebouwde categorie gespeeld.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 cannot be read; the built-in category is played there.</source>
        <translation>Ronde %1, kolom %2: %3 kan niet worden gelezen; daar wordt de ingebouwde categorie gespeeld.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has no categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Ronde %1, kolom %2: %3 heeft geen categorieën en deze plek neemt categorie %4; daar wordt de ingebouwde categorie gespeeld.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has 1 category, and this place takes category %4; the built-in category is played there.</source>
        <translation>Ronde %1, kolom %2: %3 heeft 1 categorie en deze plek neemt categorie %4; daar wordt de ingebouwde categorie gespeeld.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has %5 categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Ronde %1, kolom %2: %3 heeft %5 categorieën en deze plek neemt categorie %4; daar wordt de ingebouwde categorie gespeeld.</translation>
    </message>
    <message>
        <source>Round %1, column %2: category %3 of %4 (“%5”) has too few questions: it ends after %6 of its %7 lines; the built-in category is played there.</source>
        <translation>Ronde %1, kolom %2: categorie %3 van %4 (“%5”) heeft te weinig vragen: ze stopt na %6 van haar %7 regels; daar wordt de ingebouwde categorie gespeeld.</translation>
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
        <translation>scherm</translation>
    </message>
    <message>
        <source>No host window: there is one display, and the room sees everything on it.</source>
        <translation>Geen presentatorvenster: er is één scherm en de hele zaal ziet wat erop staat.</translation>
    </message>
    <message>
        <source>No host window: the displays show the same picture, and the room would see the answers.</source>
        <translation>Geen presentatorvenster: de schermen tonen hetzelfde beeld en de zaal zou de antwoorden zien.</translation>
    </message>
    <message>
        <source>Two displays: the room&apos;s screens on %1, the host window on %2.</source>
        <translation>Twee schermen: de zaal ziet %1, het presentatorvenster staat op %2.</translation>
    </message>
    <message>
        <source>No host window: turned off for this game; the room&apos;s screens on %1.</source>
        <translation>Geen presentatorvenster: uitgezet voor dit spel; de zaal ziet %1.</translation>
    </message>
</context>
<context>
    <name>Flow</name>
    <message>
        <source>Zapster is already running: play on in its window.</source>
        <translation>Zapster is al geopend: speel verder in dat venster.</translation>
    </message>
    <message>
        <source>Save the night&apos;s results</source>
        <translation>De uitslag van de avond opslaan</translation>
    </message>
    <message>
        <source>Spreadsheet, with a page to print (*.csv)</source>
        <translation>Spreadsheet, met een pagina om af te drukken (*.csv)</translation>
    </message>
    <message>
        <source>Results saved in %1: %2 and %3</source>
        <translation>Uitslag opgeslagen in %1: %2 en %3</translation>
    </message>
    <message>
        <source>The results could not be saved: %1</source>
        <translation>De uitslag kon niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>HostScreen</name>
    <message>
        <source>Game over</source>
        <translation>Einde van het spel</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Ronde %1 van %2</translation>
    </message>
    <message>
        <source>Zapster calls of %1</source>
        <translation>Zapster-oproepen van %1</translation>
    </message>
    <message>
        <source>Thanks For Playing!   [End]</source>
        <translation>Bedankt voor het spelen!   [End]</translation>
    </message>
    <message>
        <source>%1 – %2 points</source>
        <translation>%1 – %2 punten</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster, called</source>
        <translation>%1 – %2 punten – Zapster, opgeroepen</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster</source>
        <translation>%1 – %2 punten – Zapster</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>De tijd is om!</translation>
    </message>
    <message>
        <source>Zapster! announced to the room</source>
        <translation>Zapster! aangekondigd aan de zaal</translation>
    </message>
    <message>
        <source>Zapster clock: %1, counting down</source>
        <translation>Zapster-klok: %1, telt af</translation>
    </message>
    <message>
        <source>Zapster clock: %1</source>
        <translation>Zapster-klok: %1</translation>
    </message>
    <message>
        <source>No time limit</source>
        <translation>Geen tijdslimiet</translation>
    </message>
    <message>
        <source>%1 s, once you start the time</source>
        <translation>%1 s, zodra je de tijd start</translation>
    </message>
    <message>
        <source>Time left: %1 s</source>
        <translation>Resterende tijd: %1 s</translation>
    </message>
    <message>
        <source>Paused – %1</source>
        <translation>Gepauzeerd – %1</translation>
    </message>
    <message>
        <source>Start the time   [Space] [Page Down]</source>
        <translation>Tijd starten   [Space] [Page Down]</translation>
    </message>
    <message>
        <source>Go on   [P]</source>
        <translation>Verder   [P]</translation>
    </message>
    <message>
        <source>NO Zapster!   [G]</source>
        <translation>GEEN Zapster!   [G]</translation>
    </message>
    <message>
        <source>Got it!   [G]</source>
        <translation>Goed!   [G]</translation>
    </message>
    <message>
        <source>Zapster!   [M]</source>
        <translation>Zapster!   [M]</translation>
    </message>
    <message>
        <source>Missed it   [M]</source>
        <translation>Fout   [M]</translation>
    </message>
    <message>
        <source>The board   [R]</source>
        <translation>Het bord   [R]</translation>
    </message>
    <message>
        <source>The game is saved at every rest.</source>
        <translation>Het spel wordt bij elke stap opgeslagen.</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Dit spel kan niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Time Is Up!</source>
        <translation>De tijd is om!</translation>
    </message>
    <message>
        <source>Click here or press Space to start the time</source>
        <translation>Klik of spatie om de tijd te starten</translation>
    </message>
    <message>
        <source>No time limit: click here to show the answer</source>
        <translation>Geen tijdslimiet: klik voor het antwoord</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Start the time</source>
        <translation>Tijd starten</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
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
        <translation>geen team</translation>
    </message>
    <message>
        <source>%1 %2 by hand: %3</source>
        <translation>%1 %2 met de hand: %3</translation>
    </message>
    <message>
        <source>%1 (corrected from %2)</source>
        <translation>%1 (gecorrigeerd, eerst: %2)</translation>
    </message>
    <message>
        <source>%1. Round %2  %3   [%4 : %5]</source>
        <translation>%1. Ronde %2  %3   [%4 : %5]</translation>
    </message>
    <message>
        <source>reason</source>
        <translation>reden</translation>
    </message>
    <message>
        <source>Judge: %1</source>
        <translation>Beoordelen: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwoord</translation>
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
        <translation>Oordeel</translation>
    </message>
    <message>
        <source>Judged in play</source>
        <translation>Tijdens het spel beoordeeld</translation>
    </message>
    <message>
        <source>Zapster: right</source>
        <translation>Zapster: goed</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Zapster: wrong</source>
        <translation>Zapster: fout</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Time up</source>
        <translation>Tijd om</translation>
    </message>
    <message>
        <source>Zapster: clock ran out</source>
        <translation>Zapster: klok afgelopen</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>Met de hand</translation>
    </message>
    <message>
        <source>Score corrected by hand: %1</source>
        <translation>Score met de hand gecorrigeerd: %1</translation>
    </message>
    <message>
        <source>Round %1 of %2 is being played</source>
        <translation>Ronde %1 van %2 is bezig</translation>
    </message>
    <message>
        <source>A tie</source>
        <translation>Gelijkspel</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 wint</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Zapster! results</source>
        <translation>Zapster! – uitslag</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>eerst: %1</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game could not be used (%1); it is kept as %2.</source>
        <translation>Het opgeslagen spel is niet bruikbaar (%1); het is bewaard als %2.</translation>
    </message>
    <message>
        <source>The saved game could not be used (%1); it could not be set aside.</source>
        <translation>Het opgeslagen spel is niet bruikbaar (%1); het kon niet apart worden gezet.</translation>
    </message>
    <message>
        <source>Resume the game of %1 %2 – %3 %4, round %5, saved %6?</source>
        <translation>Het spel %1 %2 – %3 %4 hervatten, ronde %5 (opgeslagen: %6)?</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>built-in questions</source>
        <translation>ingebouwde vragen</translation>
    </message>
    <message>
        <source>Every chosen file supplies its category. A slot with no file plays the built-in category.</source>
        <translation>Elk gekozen bestand levert zijn categorie. Een vak zonder bestand speelt de ingebouwde categorie.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
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
        <translation>Standaard is “Team #1”</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Standaard is “Team #2”</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondes</translation>
    </message>
    <message>
        <source>1 Round</source>
        <translation>1 ronde</translation>
    </message>
    <message>
        <source>2 Rounds</source>
        <translation>2 rondes</translation>
    </message>
    <message>
        <source>3 Rounds</source>
        <translation>3 rondes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>-⁠&#xa0;Select 5 category         files per round.          -⁠&#xa0;Click to select,            doubleclick to clear.  -⁠&#xa0;Categories may be       selected more than      once.</source>
        <extracomment>The runs of blanks end the box&apos;s short lines: each dash begins one. A translation may use blanks the same way; the word joiner and no-break space after each dash keep it with its word.</extracomment>
        <translation>-⁠&#xa0;Kies 5 categorie­bestanden per ronde.
-⁠&#xa0;Klik om te kiezen, dubbelklik om te wissen.
-⁠&#xa0;Een categorie mag vaker voorkomen.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Ronde 1</translation>
    </message>
    <message>
        <source>Round 2</source>
        <translation>Ronde 2</translation>
    </message>
    <message>
        <source>Round 3</source>
        <translation>Ronde 3</translation>
    </message>
    <message>
        <source>Zapsters</source>
        <translation>Zapsters</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Total!</source>
        <translation>Totaal!</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Schermen</translation>
    </message>
    <message>
        <source>Host window</source>
        <translation>Presentator</translation>
    </message>
    <message>
        <source>Swapped</source>
        <translation>Gewisseld</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Time Bar</source>
        <translation>Tijdbalk</translation>
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
        <translation>Geen limiet</translation>
    </message>
    <message>
        <source>Start Bar</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Meteen</translation>
    </message>
    <message>
        <source>After reading</source>
        <translation>Na het lezen</translation>
    </message>
    <message>
        <source>Category Files</source>
        <translation>Categoriebestanden</translation>
    </message>
    <message>
        <source>Game Setup</source>
        <translation>Spel instellen</translation>
    </message>
    <message>
        <source>Where winning depends on your using what you know, using what you don&apos;t know, and using what you hope they don&apos;t know.</source>
        <translation>Waar winnen afhangt van wat je weet, wat je niet weet en wat je hoopt dat de anderen niet weten.</translation>
    </message>
    <message>
        <source>Warning: Playing this game may  be  hazardous  to  the fragile egos  of  those  who thought  that  they&apos;d  taught you  something  while  you were in their classes.</source>
        <extracomment>The doubled blanks spread the words over the box&apos;s lines; a translation need not keep them.</extracomment>
        <translation>Waarschuwing: dit spel kan het breekbare ego schaden van wie dacht je in de les iets te hebben geleerd.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.00             (December, 1999)</source>
        <translation>Versie 1.00             (december 1999)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Play Zapster!</source>
        <translation>Speel Zapster!</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Got It!</source>
        <translation>Goed!</translation>
    </message>
    <message>
        <source>Missed It</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Afgelopen</translation>
    </message>
    <message>
        <source>Thanks For Playing!</source>
        <translation>Bedankt voor het spelen!</translation>
    </message>
    <message>
        <source>Save the Results</source>
        <translation>Uitslag opslaan</translation>
    </message>
    <message>
        <source>Take back   [Ctrl+Z]</source>
        <translation>Terugnemen   [Ctrl+Z]</translation>
    </message>
    <message>
        <source>End the game   [End]</source>
        <translation>Spel beëindigen   [End]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Antwoord tonen   [Space] [Page Down]</translation>
    </message>
    <message>
        <source>Turn the Zapster clock   [T]</source>
        <translation>Zapster-klok omdraaien   [T]</translation>
    </message>
    <message>
        <source>The record   [R]</source>
        <translation>Overzicht   [R]</translation>
    </message>
    <message>
        <source>Pause   [P]</source>
        <translation>Pauze   [P]</translation>
    </message>
    <message>
        <source>+10 s   [+]</source>
        <translation>+10 s   [+]</translation>
    </message>
    <message>
        <source>Zapster! – host</source>
        <translation>Zapster! – presentator</translation>
    </message>
    <message>
        <source>Zapster! – the record</source>
        <translation>Zapster! – overzicht</translation>
    </message>
    <message>
        <source>The record: choose an entry to judge it again</source>
        <translation>Overzicht: kies een regel om die opnieuw te beoordelen</translation>
    </message>
    <message>
        <source>Correct a score by hand: points and reason</source>
        <translation>Een score met de hand corrigeren: punten en reden</translation>
    </message>
    <message>
        <source>Correct the score</source>
        <translation>Score corrigeren</translation>
    </message>
    <message>
        <source>Save the results…</source>
        <translation>Uitslag opslaan…</translation>
    </message>
</context>
</TS>
