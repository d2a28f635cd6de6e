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
    <name>Metadata</name>
    <message>
        <source>Team Quiz Game</source>
        <translation>Quizspel voor teams</translation>
    </message>
    <message>
        <source>Host a quiz for two teams on one screen</source>
        <translation>Presenteer een quiz voor twee teams op één scherm</translation>
    </message>
    <message>
        <source>quiz;trivia;questions;teams;classroom;party;moderator;</source>
        <extracomment>The menu&apos;s search words: separated by semicolons, and one after the last.</extracomment>
        <translation>quiz;kennis;vragen;teams;klas;feest;presentator;</translation>
    </message>
    <message>
        <source>Zapster is a quiz game for two teams, played on one computer that a moderator operates while the teams watch: a classroom, a club, or a quiz night on a projector.</source>
        <translation>Zapster is een quizspel voor twee teams op één computer, die een presentator bedient terwijl de teams meekijken: in de klas, in een club of op een quizavond met een beamer.</translation>
    </message>
    <message>
        <source>Each round shows a board of five category columns of six squares. The team on turn picks a square, its question runs against a 32-second time bar, and the moderator reveals the answer and judges it. Zapster questions turn the scoring round: answering one right hands the points to the other team.</source>
        <translation>Elke ronde toont een bord met vijf categoriekolommen van zes vakken. Het team dat aan de beurt is kiest een vak, de vraag loopt tegen een tijdbalk van 32 seconden, en de presentator toont het antwoord en beoordeelt het. Zapster-vragen draaien de score om: wie er een goed beantwoordt, geeft de punten aan het andere team.</translation>
    </message>
    <message>
        <source>One, two or three rounds of thirty questions</source>
        <translation>Een, twee of drie rondes van dertig vragen</translation>
    </message>
    <message>
        <source>Questions from plain text category files that anyone can write</source>
        <translation>Vragen uit gewone tekstbestanden die iedereen kan schrijven</translation>
    </message>
    <message>
        <source>A built-in question bank fills every column that no file supplies</source>
        <translation>Ingebouwde vragen vullen elke kolom waarvoor geen bestand is gekozen</translation>
    </message>
    <message>
        <source>Sample category files to start from</source>
        <translation>Voorbeeldbestanden met categorieën om mee te beginnen</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>quiz</translation>
    </message>
    <message>
        <source>trivia</source>
        <translation>kennis</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>teams</translation>
    </message>
    <message>
        <source>classroom</source>
        <translation>klas</translation>
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
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 is geen geheel getal van %2 tot en met %3</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 is niet true of false</translation>
    </message>
    <message>
        <source>%1 is not a text of at most 64 Ki characters</source>
        <translation>%1 is geen tekst van hoogstens 64 Ki tekens</translation>
    </message>
    <message>
        <source>%1 is not a list of %2</source>
        <translation>%1 is geen lijst van %2 items</translation>
    </message>
    <message>
        <source>points are not its square&apos;s</source>
        <translation>points zijn niet die van zijn vak</translation>
    </message>
    <message>
        <source>%1 is not a verdict</source>
        <translation>%1 is geen oordeel</translation>
    </message>
    <message>
        <source>a correction by hand changes a score, with a one-line reason of at most %1 characters</source>
        <translation>een correctie met de hand wijzigt een score, met een reden van één regel van hoogstens %1 tekens</translation>
    </message>
    <message>
        <source>inPlay is not another verdict of its question</source>
        <translation>inPlay is geen ander oordeel over zijn vraag</translation>
    </message>
    <message>
        <source>recordKept has no moment before it</source>
        <translation>recordKept heeft geen moment ervoor</translation>
    </message>
    <message>
        <source>recordKept follows a record of other scores</source>
        <translation>recordKept volgt op een verloop met andere scores</translation>
    </message>
    <message>
        <source>record is not a list of at most %1</source>
        <translation>record is geen lijst van hoogstens %1 items</translation>
    </message>
    <message>
        <source>its scores do not add up</source>
        <translation>de scores kloppen niet</translation>
    </message>
    <message>
        <source>the record does not add up to the scores</source>
        <translation>het verloop komt niet uit op de scores</translation>
    </message>
    <message>
        <source>squaresLeft and questionsOpened do not add up to 30</source>
        <translation>squaresLeft en questionsOpened zijn samen geen 30</translation>
    </message>
    <message>
        <source>the board&apos;s open squares and squaresLeft differ</source>
        <translation>de open vakken van het bord en squaresLeft verschillen</translation>
    </message>
    <message>
        <source>bar is not a length the setup offers</source>
        <translation>bar is geen lengte die de instellingen aanbieden</translation>
    </message>
    <message>
        <source>seed is not a number of at most 16 hexadecimal digits</source>
        <translation>seed is geen getal van hoogstens 16 hexadecimale cijfers</translation>
    </message>
    <message>
        <source>phase is not one of board, question, answer, time up</source>
        <translation>phase is niet een van board, question, answer, time up</translation>
    </message>
    <message>
        <source>a question is open exactly when the phase is not board</source>
        <translation>er is precies dan een vraag open als phase niet board is</translation>
    </message>
    <message>
        <source>its square is still open</source>
        <translation>het vak is nog open</translation>
    </message>
    <message>
        <source>the board shows not exactly one sound logo</source>
        <translation>het bord toont niet precies één geluidslogo</translation>
    </message>
    <message>
        <source>no square played has this answer and points</source>
        <translation>geen gespeeld vak heeft dit antwoord en deze punten</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>it is larger than any game</source>
        <translation>het is groter dan welk spel ook</translation>
    </message>
    <message>
        <source>it is neither on its answer screen nor on the board</source>
        <translation>het staat niet op het antwoordscherm en niet op het bord</translation>
    </message>
    <message>
        <source>it is cut short or damaged at byte %1: %2</source>
        <translation>het is afgebroken of beschadigd bij byte %1: %2</translation>
    </message>
    <message>
        <source>it is not a saved Zapster game</source>
        <translation>het is geen opgeslagen Zapster-spel</translation>
    </message>
    <message>
        <source>it was saved by a newer Zapster (format %1, this one reads %2)</source>
        <translation>het is opgeslagen door een nieuwere Zapster (formaat %1, deze leest %2)</translation>
    </message>
    <message>
        <source>saved is not a date and time</source>
        <translation>saved is geen datum en tijd</translation>
    </message>
    <message>
        <source>takeBacks is not a list of at most %1</source>
        <translation>takeBacks is geen lijst van hoogstens %1 items</translation>
    </message>
    <message>
        <source>it is neither on the board nor on an answer screen</source>
        <translation>het staat niet op het bord en niet op een antwoordscherm</translation>
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
        <translation>Standaard is “Team 1”</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Standaard is “Team 2”</translation>
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
<context>
    <name>zapcheck</name>
    <message>
        <source>round %1, column %2</source>
        <translation>ronde %1, kolom %2</translation>
    </message>
    <message>
        <source>the title is empty; a blank line between blocks shifts every later line</source>
        <translation>de titel is leeg; een lege regel tussen de blokken verschuift alle volgende regels</translation>
    </message>
    <message>
        <source>title line looks like a question or answer</source>
        <translation>de titelregel lijkt op een vraag of antwoord</translation>
    </message>
    <message>
        <source>the title is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>de titel is zo lang dat het spel hem op %1 % van zijn volle grootte toont; een kortere titel is achter in de zaal beter te lezen</translation>
    </message>
    <message>
        <source>question line is shorter than its two-character tag; the game shows an empty question</source>
        <translation>de vraagregel is korter dan zijn label van twee tekens; het spel toont een lege vraag</translation>
    </message>
    <message>
        <source>answer line is shorter than its two-character tag; the game shows an empty answer</source>
        <translation>de antwoordregel is korter dan zijn label van twee tekens; het spel toont een leeg antwoord</translation>
    </message>
    <message>
        <source>question line seems to have no tag; the game drops its first two characters %1</source>
        <translation>de vraagregel lijkt geen label te hebben; het spel laat de eerste twee tekens %1 weg</translation>
    </message>
    <message>
        <source>answer line seems to have no tag; the game drops its first two characters %1</source>
        <translation>de antwoordregel lijkt geen label te hebben; het spel laat de eerste twee tekens %1 weg</translation>
    </message>
    <message>
        <source>question line is tagged %1</source>
        <translation>de vraagregel heeft het label %1</translation>
    </message>
    <message>
        <source>answer line is tagged %1</source>
        <translation>de antwoordregel heeft het label %1</translation>
    </message>
    <message>
        <source>the question is empty once the tag is dropped</source>
        <translation>zonder het label is de vraag leeg</translation>
    </message>
    <message>
        <source>the answer is empty once the tag is dropped</source>
        <translation>zonder het label is het antwoord leeg</translation>
    </message>
    <message>
        <source>tab around the question is kept; the game trims only spaces</source>
        <translation>een tab voor of na de vraag blijft staan; het spel haalt alleen spaties weg</translation>
    </message>
    <message>
        <source>tab around the answer is kept; the game trims only spaces</source>
        <translation>een tab voor of na het antwoord blijft staan; het spel haalt alleen spaties weg</translation>
    </message>
    <message>
        <source>the question is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>de vraag is zo lang dat het spel haar op %1 % van haar volle grootte toont; een kortere vraag is achter in de zaal beter te lezen</translation>
    </message>
    <message>
        <source>%1; is a line missing or extra above? (later lines may be shifted)</source>
        <translation>%1; ontbreekt er hierboven een regel, of staat er een te veel? (latere regels kunnen verschoven zijn)</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>het kan niet worden geopend</translation>
    </message>
    <message>
        <source>cannot be read as a category file: %1</source>
        <translation>kan niet als categoriebestand worden gelezen: %1</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes; the game keeps only its start</source>
        <translation>de regel is langer dan %1 bytes; het spel leest alleen het begin ervan</translation>
    </message>
    <message>
        <source>block %1 (%2): %3</source>
        <translation>blok %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 after the last block ignored</source>
        <translation>%1 na het laatste blok genegeerd</translation>
    </message>
    <message numerus="yes">
        <source>%1 blank line</source>
        <translation>
            <numerusform>%1 lege regel</numerusform>
            <numerusform>%1 lege regels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 blank lines</source>
        <translation>
            <numerusform>%1 lege regel</numerusform>
            <numerusform>%1 lege regels</numerusform>
        </translation>
    </message>
    <message>
        <source>block %1 ends after %2 of its %3 lines; %4 keeps the built-in questions when this file is picked there</source>
        <translation>blok %1 stopt na %2 van zijn %3 regels; kies je dit bestand voor %4, dan blijven daar de ingebouwde vragen</translation>
    </message>
    <message>
        <source>holds no complete block; it fills no category slot</source>
        <translation>bevat geen volledig blok en vult dus geen categorievak</translation>
    </message>
    <message>
        <source>lines %1-%2 lie past the fifteenth block; the game never reads them</source>
        <translation>de regels %1-%2 staan na het vijftiende blok; het spel leest ze nooit</translation>
    </message>
    <message>
        <source>UTF-16 %1 without a byte-order mark, it seems</source>
        <translation>zo te zien UTF-16 %1 zonder byte-order-mark</translation>
    </message>
    <message>
        <source>looks like UTF-16 %1 without a byte-order mark (every other byte is zero); the game reads it as garbage: save it as UTF-8, or as UTF-16 with a byte-order mark (Notepad&apos;s &quot;Unicode&quot;)</source>
        <translation>lijkt UTF-16 %1 zonder byte-order-mark (elke tweede byte is nul); het spel maakt er onleesbare tekens van: sla het op als UTF-8, of als UTF-16 met byte-order-mark (&quot;Unicode&quot; in Kladblok)</translation>
    </message>
    <message>
        <source>line is not valid UTF-8 like the rest of the file; the game reads it as Windows-1252</source>
        <translation>anders dan de rest van het bestand is deze regel geen geldige UTF-8; het spel leest hem als Windows-1252</translation>
    </message>
    <message>
        <source>the game lists only files named *.zap that do not start with &apos;.&apos;</source>
        <translation>het spel toont alleen bestanden met de naam *.zap die niet met &apos;.&apos; beginnen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>mixed (%1; first change at line %2)</source>
        <translation>gemengd (%1; eerste wissel op regel %2)</translation>
    </message>
    <message>
        <source>UTF-8 (plain ASCII)</source>
        <translation>UTF-8 (alleen ASCII)</translation>
    </message>
    <message>
        <source>mixed (UTF-8; Windows-1252 on %1, first at line %2)</source>
        <translation>gemengd (UTF-8; Windows-1252 op %1, voor het eerst op regel %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 line</source>
        <translation>
            <numerusform>%1 regel</numerusform>
            <numerusform>%1 regels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines</source>
        <translation>
            <numerusform>%1 regel</numerusform>
            <numerusform>%1 regels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with byte-order mark</source>
        <translation>%1, met byte-order-mark</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation>%1, %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 complete block</source>
        <translation>
            <numerusform>%1 volledig blok</numerusform>
            <numerusform>%1 volledige blokken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 complete blocks</source>
        <translation>
            <numerusform>%1 volledig blok</numerusform>
            <numerusform>%1 volledige blokken</numerusform>
        </translation>
    </message>
    <message>
        <source>line ends %1; encoding %2</source>
        <translation>regeleinden: %1; codering: %2</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>in orde</translation>
    </message>
    <message numerus="yes">
        <source>%1 problem</source>
        <translation>
            <numerusform>%1 probleem</numerusform>
            <numerusform>%1 problemen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 problems</source>
        <translation>
            <numerusform>%1 probleem</numerusform>
            <numerusform>%1 problemen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warning</source>
        <translation>
            <numerusform>%1 waarschuwing</numerusform>
            <numerusform>%1 waarschuwingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warnings</source>
        <translation>
            <numerusform>%1 waarschuwing</numerusform>
            <numerusform>%1 waarschuwingen</numerusform>
        </translation>
    </message>
    <message>
        <source>fills no category slot</source>
        <translation>vult geen categorievak</translation>
    </message>
    <message>
        <source>fills every category slot (rounds 1-3)</source>
        <translation>vult alle categorievakken (rondes 1-3)</translation>
    </message>
    <message>
        <source>round %1 column 1</source>
        <translation>ronde %1 kolom 1</translation>
    </message>
    <message>
        <source>round %1 columns 1-%2</source>
        <translation>ronde %1 kolommen 1-%2</translation>
    </message>
    <message>
        <source>fills %1</source>
        <translation>vult %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is a pipe, not a regular file</source>
        <translation>het is een pipe, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>het is een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the title is empty</source>
        <translation>de titel is leeg</translation>
    </message>
    <message>
        <source>the title holds a line break; a line of a category file cannot</source>
        <translation>de titel bevat een regeleinde, en dat past niet in één regel van een categoriebestand</translation>
    </message>
    <message>
        <source>the title is longer than the game reads (%1 bytes)</source>
        <translation>de titel is langer dan het spel leest (%1 bytes)</translation>
    </message>
    <message>
        <source>the question is empty</source>
        <translation>de vraag is leeg</translation>
    </message>
    <message>
        <source>the question holds a line break; a line of a category file cannot</source>
        <translation>de vraag bevat een regeleinde, en dat past niet in één regel van een categoriebestand</translation>
    </message>
    <message>
        <source>the question is longer than the game reads (%1 bytes)</source>
        <translation>de vraag is langer dan het spel leest (%1 bytes)</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>het antwoord is leeg</translation>
    </message>
    <message>
        <source>the answer holds a line break; a line of a category file cannot</source>
        <translation>het antwoord bevat een regeleinde, en dat past niet in één regel van een categoriebestand</translation>
    </message>
    <message>
        <source>the answer is longer than the game reads (%1 bytes)</source>
        <translation>het antwoord is langer dan het spel leest (%1 bytes)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not a sheet of questions</source>
        <translation>groter dan %1 MiB; dat is geen spreadsheet met vragen</translation>
    </message>
    <message>
        <source>UTF-16 text; save the sheet as CSV in UTF-8</source>
        <translation>UTF-16-tekst; sla de spreadsheet op als CSV in UTF-8</translation>
    </message>
    <message>
        <source>not valid UTF-8; save the sheet as CSV in UTF-8</source>
        <translation>geen geldige UTF-8; sla de spreadsheet op als CSV in UTF-8</translation>
    </message>
    <message>
        <source>a quoted cell that starts here never ends</source>
        <translation>een cel tussen aanhalingstekens die hier begint, wordt nooit afgesloten</translation>
    </message>
    <message>
        <source>holds no question rows</source>
        <translation>bevat geen rijen met vragen</translation>
    </message>
    <message>
        <source>the category that starts here has %1 of its %2 rows; a header row is skipped only when it names the columns Question and Answer</source>
        <translation>de categorie die hier begint, heeft maar %1 van haar %2 rijen; een kopregel wordt alleen overgeslagen als die de kolommen &quot;Question&quot; en &quot;Answer&quot; noemt</translation>
    </message>
    <message>
        <source>more than three columns (title, question, answer); is a separator in an unquoted cell?</source>
        <translation>meer dan drie kolommen (titel, vraag, antwoord); staat er een scheidingsteken in een cel zonder aanhalingstekens?</translation>
    </message>
    <message>
        <source>the first row of a category needs its title</source>
        <translation>de eerste rij van een categorie moet de titel bevatten</translation>
    </message>
    <message>
        <source>title %1 differs from %2 on row %3; each category is six rows under one title</source>
        <translation>de titel %1 wijkt af van %2 op rij %3; elke categorie bestaat uit zes rijen onder één titel</translation>
    </message>
    <message>
        <source>categories from here on go past the fifteenth; the game never reads them</source>
        <translation>de categorieën vanaf hier komen na de vijftiende; het spel leest ze nooit</translation>
    </message>
    <message>
        <source>already exists; add --force to replace it</source>
        <translation>bestaat al; voeg --force toe om het te vervangen</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>niets geschreven</translation>
    </message>
    <message>
        <source>cannot be written: %1; nothing written</source>
        <translation>kan niet worden geschreven: %1; niets geschreven</translation>
    </message>
    <message>
        <source>written from %1: %2; %3</source>
        <translation>geschreven uit %1: %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 category</source>
        <translation>
            <numerusform>%1 categorie</numerusform>
            <numerusform>%1 categorieën</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 categories</source>
        <translation>
            <numerusform>%1 categorie</numerusform>
            <numerusform>%1 categorieën</numerusform>
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
        <translation>Gebruik: zapcheck FILE...
         zapcheck --from-csv [--force] IN.csv OUT.zap

Leest elk categoriebestand precies zoals Zapster dat doet en meldt hoeveel
volledige blokken van 13 regels het bevat, welke categorievakken die vullen
(blok 1 is ronde 1 kolom 1, blok 6 ronde 2 kolom 1, ...), de titel van elk
blok, de regeleinden en de tekencodering, en daarna elk probleem en elke
waarschuwing als &quot;file:line: ...&quot;.

Een vraag- of antwoordregel waarvan de eerste twee tekens allebei letters of
allebei cijfers zijn (&quot;Wie...&quot;, &quot;1984&quot;), geldt als regel zonder label: het spel
zou die twee tekens eraf knippen. Lege regels na het laatste blok worden
genegeerd.

Een titel of vraag die zo lang is dat het spel hem kleiner dan twee derde van
zijn volle grootte moet tonen om in zijn kader te passen (gemeten met de
lettertypen van het spel op een scherm met de ontwerpgrootte van het bord,
777x545 pixels; op een groter scherm wordt alles evenredig geschaald), krijgt
een waarschuwing: korter is achter in de zaal beter te lezen.

Afsluitstatus: 0 als elk bestand in orde is (waarschuwingen toegestaan), 1 als
een bestand een probleem heeft (het kan niet worden gelezen, een blok is
onvolledig, een vraag- of antwoordregel is korter dan zijn label van twee
tekens), 2 bij een gebruiksfout.

--from-csv   een spreadsheet-export omzetten in een categoriebestand: één rij
             per vraag met de kolommen titel, vraag, antwoord; zes rijen per
             categorie, met de titel in de eerste ervan (de andere vijf mogen
             hem herhalen of leeg laten). Scheidingsteken komma, puntkomma of
             tab (het teken waarmee de meeste rijen drie kolommen krijgen);
             tekst in UTF-8; een eerste rij waarvan de vraag- en antwoordcel
             &quot;Question&quot; en &quot;Answer&quot; luiden, geldt als kopregel en wordt
             overgeslagen; lege rijen worden overgeslagen.
             Er wordt alleen geschreven als de hele spreadsheet kan worden
             omgezet.
--force      met --from-csv: OUT.zap vervangen als het al bestaat
--lang XX    meldingen in taal XX (de, es, fr, nl); anders in de taal van
             de desktop, zoals het spel doet
--help       deze tekst tonen
</translation>
    </message>
    <message>
        <source>Try &apos;zapcheck --help&apos;.</source>
        <translation>Typ &apos;zapcheck --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from-csv takes IN.csv and OUT.zap</source>
        <translation>--from-csv verwacht IN.csv en OUT.zap</translation>
    </message>
    <message>
        <source>--force goes only with --from-csv</source>
        <translation>--force kan alleen samen met --from-csv</translation>
    </message>
    <message>
        <source>no category file named</source>
        <translation>geen categoriebestand opgegeven</translation>
    </message>
</context>
</TS>
