<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnswerScreen</name>
    <message>
        <source>NO Zapster!</source>
        <translation>¡NO Zapster!</translation>
    </message>
    <message>
        <source>Got it!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Fallado</translation>
    </message>
</context>
<context>
    <name>BoardScreen</name>
    <message>
        <source>Round: %1</source>
        <translation>Ronda: %1</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Esta partida no se puede guardar: %1</translation>
    </message>
    <message>
        <source>The record…</source>
        <translation>Registro…</translation>
    </message>
</context>
<context>
    <name>CategoryFiles</name>
    <message>
        <source>Round %1, column %2: %3 is not there any more; the built-in category is played there.</source>
        <translation>Ronda %1, columna %2: %3 ya no está; allí se juega la categoría incluida.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 cannot be read; the built-in category is played there.</source>
        <translation>Ronda %1, columna %2: no se puede leer %3; allí se juega la categoría incluida.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has no categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Ronda %1, columna %2: %3 no tiene categorías y este lugar toma la categoría %4; allí se juega la categoría incluida.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has 1 category, and this place takes category %4; the built-in category is played there.</source>
        <translation>Ronda %1, columna %2: %3 tiene 1 categoría y este lugar toma la categoría %4; allí se juega la categoría incluida.</translation>
    </message>
    <message>
        <source>Round %1, column %2: %3 has %5 categories, and this place takes category %4; the built-in category is played there.</source>
        <translation>Ronda %1, columna %2: %3 tiene %5 categorías y este lugar toma la categoría %4; allí se juega la categoría incluida.</translation>
    </message>
    <message>
        <source>Round %1, column %2: category %3 of %4 (“%5”) has too few questions: it ends after %6 of its %7 lines; the built-in category is played there.</source>
        <translation>Ronda %1, columna %2: la categoría %3 de %4 («%5») tiene muy pocas preguntas: termina tras %6 de sus %7 líneas; allí se juega la categoría incluida.</translation>
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
        <translation>pantalla</translation>
    </message>
    <message>
        <source>No host window: there is one display, and the room sees everything on it.</source>
        <translation>Sin ventana de presentador: solo hay una pantalla y toda la sala ve lo que muestra.</translation>
    </message>
    <message>
        <source>No host window: the displays show the same picture, and the room would see the answers.</source>
        <translation>Sin ventana de presentador: las pantallas muestran la misma imagen y la sala vería las respuestas.</translation>
    </message>
    <message>
        <source>Two displays: the room&apos;s screens on %1, the host window on %2.</source>
        <translation>Dos pantallas: la sala ve %1 y la ventana de presentador está en %2.</translation>
    </message>
    <message>
        <source>No host window: turned off for this game; the room&apos;s screens on %1.</source>
        <translation>Sin ventana de presentador: desactivada en esta partida; la sala ve %1.</translation>
    </message>
</context>
<context>
    <name>Flow</name>
    <message>
        <source>Zapster is already running: play on in its window.</source>
        <translation>Zapster ya está abierto: sigue jugando en su ventana.</translation>
    </message>
    <message>
        <source>Save the night&apos;s results</source>
        <translation>Guardar los resultados de la noche</translation>
    </message>
    <message>
        <source>Spreadsheet, with a page to print (*.csv)</source>
        <translation>Hoja de cálculo, con una página para imprimir (*.csv)</translation>
    </message>
    <message>
        <source>Results saved in %1: %2 and %3</source>
        <translation>Resultados guardados en %1: %2 y %3</translation>
    </message>
    <message>
        <source>The results could not be saved: %1</source>
        <translation>No se pudieron guardar los resultados: %1</translation>
    </message>
</context>
<context>
    <name>HostScreen</name>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Ronda %1 de %2</translation>
    </message>
    <message>
        <source>Zapster calls of %1</source>
        <translation>Llamadas Zapster de %1</translation>
    </message>
    <message>
        <source>Thanks For Playing!   [End]</source>
        <translation>¡Gracias por jugar!   [Fin]</translation>
    </message>
    <message>
        <source>%1 – %2 points</source>
        <translation>%1 – %2 puntos</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster, called</source>
        <translation>%1 – %2 puntos – Zapster, llamado</translation>
    </message>
    <message>
        <source>%1 – %2 points – Zapster</source>
        <translation>%1 – %2 puntos – Zapster</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Zapster! announced to the room</source>
        <translation>Zapster! anunciado a la sala</translation>
    </message>
    <message>
        <source>Zapster clock: %1, counting down</source>
        <translation>Reloj Zapster: %1, en cuenta atrás</translation>
    </message>
    <message>
        <source>Zapster clock: %1</source>
        <translation>Reloj Zapster: %1</translation>
    </message>
    <message>
        <source>No time limit</source>
        <translation>Sin límite de tiempo</translation>
    </message>
    <message>
        <source>%1 s, once you start the time</source>
        <translation>%1 s, en cuanto inicies el tiempo</translation>
    </message>
    <message>
        <source>Time left: %1 s</source>
        <translation>Tiempo restante: %1 s</translation>
    </message>
    <message>
        <source>Paused – %1</source>
        <translation>En pausa – %1</translation>
    </message>
    <message>
        <source>Start the time   [Space] [Page Down]</source>
        <translation>Iniciar el tiempo   [Espacio] [Av Pág]</translation>
    </message>
    <message>
        <source>Go on   [P]</source>
        <translation>Seguir   [P]</translation>
    </message>
    <message>
        <source>NO Zapster!   [G]</source>
        <translation>¡NO Zapster!   [G]</translation>
    </message>
    <message>
        <source>Got it!   [G]</source>
        <translation>¡Correcto!   [G]</translation>
    </message>
    <message>
        <source>Zapster!   [M]</source>
        <translation>Zapster!   [M]</translation>
    </message>
    <message>
        <source>Missed it   [M]</source>
        <translation>Fallado   [M]</translation>
    </message>
    <message>
        <source>The board   [R]</source>
        <translation>El tablero   [R]</translation>
    </message>
    <message>
        <source>The game is saved at every rest.</source>
        <translation>La partida se guarda a cada paso.</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Esta partida no se puede guardar: %1</translation>
    </message>
</context>
<context>
    <name>Metadata</name>
    <message>
        <source>Team Quiz Game</source>
        <translation>Concurso por equipos</translation>
    </message>
    <message>
        <source>Host a quiz for two teams on one screen</source>
        <translation>Presenta un concurso para dos equipos en una sola pantalla</translation>
    </message>
    <message>
        <source>quiz;trivia;questions;teams;classroom;party;moderator;</source>
        <extracomment>The menu&apos;s search words: separated by semicolons, and one after the last.</extracomment>
        <translation>concurso;trivial;preguntas;equipos;aula;fiesta;presentador;</translation>
    </message>
    <message>
        <source>Zapster is a quiz game for two teams, played on one computer that a moderator operates while the teams watch: a classroom, a club, or a quiz night on a projector.</source>
        <translation>Zapster es un concurso de preguntas para dos equipos que se juega en un solo ordenador: lo maneja un presentador mientras los equipos miran, en el aula, en un club o en una noche de preguntas con proyector.</translation>
    </message>
    <message>
        <source>Each round shows a board of five category columns of six squares. The team on turn picks a square, its question runs against a 32-second time bar, and the moderator reveals the answer and judges it. Zapster questions turn the scoring round: answering one right hands the points to the other team.</source>
        <translation>Cada ronda muestra un tablero de cinco columnas de categorías con seis casillas. El equipo en turno elige una casilla, su pregunta corre contra una barra de tiempo de 32 segundos y el presentador muestra la respuesta y la juzga. Las preguntas Zapster dan la vuelta a la puntuación: acertar una da los puntos al otro equipo.</translation>
    </message>
    <message>
        <source>One, two or three rounds of thirty questions</source>
        <translation>Una, dos o tres rondas de treinta preguntas</translation>
    </message>
    <message>
        <source>Questions from plain text category files that anyone can write</source>
        <translation>Preguntas de archivos de texto sencillos que cualquiera puede escribir</translation>
    </message>
    <message>
        <source>A built-in question bank fills every column that no file supplies</source>
        <translation>Unas preguntas incluidas llenan cada columna que no aporta ningún archivo</translation>
    </message>
    <message>
        <source>Sample category files to start from</source>
        <translation>Archivos de categoría de ejemplo para empezar</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>concurso</translation>
    </message>
    <message>
        <source>trivia</source>
        <translation>trivial</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>equipos</translation>
    </message>
    <message>
        <source>classroom</source>
        <translation>aula</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Time Is Up!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Click here or press Space to start the time</source>
        <translation>Clic o Espacio para iniciar el tiempo</translation>
    </message>
    <message>
        <source>No time limit: click here to show the answer</source>
        <translation>Sin límite: clic para ver la respuesta</translation>
    </message>
    <message>
        <source>Zapster!</source>
        <translation>Zapster!</translation>
    </message>
    <message>
        <source>Start the time</source>
        <translation>Iniciar el tiempo</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
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
        <translation>ningún equipo</translation>
    </message>
    <message>
        <source>%1 %2 by hand: %3</source>
        <translation>%1 %2 a mano: %3</translation>
    </message>
    <message>
        <source>%1 (corrected from %2)</source>
        <translation>%1 (corregido; antes: %2)</translation>
    </message>
    <message>
        <source>%1. Round %2  %3   [%4 : %5]</source>
        <translation>%1. Ronda %2  %3   [%4 : %5]</translation>
    </message>
    <message>
        <source>reason</source>
        <translation>motivo</translation>
    </message>
    <message>
        <source>Judge: %1</source>
        <translation>Juzgar: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Zapster</source>
        <translation>Zapster</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Judged in play</source>
        <translation>Juzgado en juego</translation>
    </message>
    <message>
        <source>Zapster: right</source>
        <translation>Zapster: correcto</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Zapster: wrong</source>
        <translation>Zapster: incorrecto</translation>
    </message>
    <message>
        <source>Missed it</source>
        <translation>Fallado</translation>
    </message>
    <message>
        <source>Time up</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>Zapster: clock ran out</source>
        <translation>Zapster: reloj agotado</translation>
    </message>
    <message>
        <source>By hand</source>
        <translation>A mano</translation>
    </message>
    <message>
        <source>Score corrected by hand: %1</source>
        <translation>Puntuación corregida a mano: %1</translation>
    </message>
    <message>
        <source>Round %1 of %2 is being played</source>
        <translation>Se está jugando la ronda %1 de %2</translation>
    </message>
    <message>
        <source>A tie</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>Gana %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Puntos %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>Zapster! results</source>
        <translation>Zapster! – resultados</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>antes: %1</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game could not be used (%1); it is kept as %2.</source>
        <translation>No se pudo usar la partida guardada (%1); se conserva como %2.</translation>
    </message>
    <message>
        <source>The saved game could not be used (%1); it could not be set aside.</source>
        <translation>No se pudo usar la partida guardada (%1); no se pudo apartar.</translation>
    </message>
    <message>
        <source>Resume the game of %1 %2 – %3 %4, round %5, saved %6?</source>
        <translation>¿Continuar la partida %1 %2 – %3 %4, ronda %5 (guardada: %6)?</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 no es un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 no es ni true ni false</translation>
    </message>
    <message>
        <source>%1 is not a text of at most 64 Ki characters</source>
        <translation>%1 no es un texto de como mucho 64 Ki caracteres</translation>
    </message>
    <message>
        <source>%1 is not a list of %2</source>
        <translation>%1 no es una lista de %2 elementos</translation>
    </message>
    <message>
        <source>points are not its square&apos;s</source>
        <translation>points no son los de su casilla</translation>
    </message>
    <message>
        <source>%1 is not a verdict</source>
        <translation>%1 no es un veredicto</translation>
    </message>
    <message>
        <source>a correction by hand changes a score, with a one-line reason of at most %1 characters</source>
        <translation>una corrección a mano cambia una puntuación, con un motivo de una línea de como mucho %1 caracteres</translation>
    </message>
    <message>
        <source>inPlay is not another verdict of its question</source>
        <translation>inPlay no es otro veredicto de su pregunta</translation>
    </message>
    <message>
        <source>recordKept has no moment before it</source>
        <translation>recordKept no tiene ningún momento anterior</translation>
    </message>
    <message>
        <source>recordKept follows a record of other scores</source>
        <translation>recordKept sigue a un historial de otras puntuaciones</translation>
    </message>
    <message>
        <source>record is not a list of at most %1</source>
        <translation>record no es una lista de como mucho %1 elementos</translation>
    </message>
    <message>
        <source>its scores do not add up</source>
        <translation>sus puntuaciones no cuadran</translation>
    </message>
    <message>
        <source>the record does not add up to the scores</source>
        <translation>el historial no da las puntuaciones</translation>
    </message>
    <message>
        <source>squaresLeft and questionsOpened do not add up to 30</source>
        <translation>squaresLeft y questionsOpened no suman 30</translation>
    </message>
    <message>
        <source>the board&apos;s open squares and squaresLeft differ</source>
        <translation>las casillas abiertas del tablero y squaresLeft no coinciden</translation>
    </message>
    <message>
        <source>bar is not a length the setup offers</source>
        <translation>bar no es una duración que ofrezca la preparación</translation>
    </message>
    <message>
        <source>seed is not a number of at most 16 hexadecimal digits</source>
        <translation>seed no es un número de como mucho 16 cifras hexadecimales</translation>
    </message>
    <message>
        <source>phase is not one of board, question, answer, time up</source>
        <translation>phase no es ninguno de board, question, answer, time up</translation>
    </message>
    <message>
        <source>a question is open exactly when the phase is not board</source>
        <translation>hay una pregunta abierta exactamente cuando phase no es board</translation>
    </message>
    <message>
        <source>its square is still open</source>
        <translation>su casilla sigue abierta</translation>
    </message>
    <message>
        <source>the board shows not exactly one sound logo</source>
        <translation>el tablero no muestra exactamente un logo de sonido</translation>
    </message>
    <message>
        <source>no square played has this answer and points</source>
        <translation>ninguna casilla jugada tiene esta respuesta y estos puntos</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is larger than any game</source>
        <translation>es más grande que cualquier partida</translation>
    </message>
    <message>
        <source>it is neither on its answer screen nor on the board</source>
        <translation>no está ni en su pantalla de respuesta ni en el tablero</translation>
    </message>
    <message>
        <source>it is cut short or damaged at byte %1: %2</source>
        <translation>está cortada o dañada en el byte %1: %2</translation>
    </message>
    <message>
        <source>it is not a saved Zapster game</source>
        <translation>no es una partida guardada de Zapster</translation>
    </message>
    <message>
        <source>it was saved by a newer Zapster (format %1, this one reads %2)</source>
        <translation>la guardó un Zapster más reciente (formato %1, este lee el %2)</translation>
    </message>
    <message>
        <source>saved is not a date and time</source>
        <translation>saved no es una fecha y hora</translation>
    </message>
    <message>
        <source>takeBacks is not a list of at most %1</source>
        <translation>takeBacks no es una lista de como mucho %1 elementos</translation>
    </message>
    <message>
        <source>it is neither on the board nor on an answer screen</source>
        <translation>no está ni en el tablero ni en una pantalla de respuesta</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>built-in questions</source>
        <translation>preguntas incluidas</translation>
    </message>
    <message>
        <source>Every chosen file supplies its category. A slot with no file plays the built-in category.</source>
        <translation>Cada archivo elegido aporta su categoría. Una casilla sin archivo juega la categoría incluida.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Equipo %1</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Team Names</source>
        <translation>Nombres de equipo</translation>
    </message>
    <message>
        <source>Default is &quot;Team #1&quot;</source>
        <translation>Por defecto: «Equipo 1»</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Por defecto: «Equipo 2»</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>1 Round</source>
        <translation>1 ronda</translation>
    </message>
    <message>
        <source>2 Rounds</source>
        <translation>2 rondas</translation>
    </message>
    <message>
        <source>3 Rounds</source>
        <translation>3 rondas</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>-⁠&#xa0;Select 5 category         files per round.          -⁠&#xa0;Click to select,            doubleclick to clear.  -⁠&#xa0;Categories may be       selected more than      once.</source>
        <extracomment>The runs of blanks end the box&apos;s short lines: each dash begins one. A translation may use blanks the same way; the word joiner and no-break space after each dash keep it with its word.</extracomment>
        <translation>-⁠&#xa0;Elige 5 archivos de categoría por ronda.
-⁠&#xa0;Clic para elegir, doble clic para vaciar.
-⁠&#xa0;Una categoría puede repetirse.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Ronda 1</translation>
    </message>
    <message>
        <source>Round 2</source>
        <translation>Ronda 2</translation>
    </message>
    <message>
        <source>Round 3</source>
        <translation>Ronda 3</translation>
    </message>
    <message>
        <source>Zapsters</source>
        <translation>Zapsters</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Total!</source>
        <translation>¡Total!</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>Host window</source>
        <translation>Presentador</translation>
    </message>
    <message>
        <source>Swapped</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Time Bar</source>
        <translation>Barra de tiempo</translation>
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
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Start Bar</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Al instante</translation>
    </message>
    <message>
        <source>After reading</source>
        <translation>Tras leerla</translation>
    </message>
    <message>
        <source>Category Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Game Setup</source>
        <translation>Preparar la partida</translation>
    </message>
    <message>
        <source>Where winning depends on your using what you know, using what you don&apos;t know, and using what you hope they don&apos;t know.</source>
        <translation>Donde ganar depende de usar lo que sabes, lo que no sabes y lo que esperas que los otros no sepan.</translation>
    </message>
    <message>
        <source>Warning: Playing this game may  be  hazardous  to  the fragile egos  of  those  who thought  that  they&apos;d  taught you  something  while  you were in their classes.</source>
        <extracomment>The doubled blanks spread the words over the box&apos;s lines; a translation need not keep them.</extracomment>
        <translation>Advertencia: este juego puede dañar el frágil ego de quienes creían haberte enseñado algo en sus clases.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.00             (December, 1999)</source>
        <translation>Versión 1.00         (diciembre de 1999)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Play Zapster!</source>
        <translation>¡Juega a Zapster!</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Got It!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Missed It</source>
        <translation>Fallado</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Se acabó</translation>
    </message>
    <message>
        <source>Thanks For Playing!</source>
        <translation>¡Gracias por jugar!</translation>
    </message>
    <message>
        <source>Save the Results</source>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>Take back   [Ctrl+Z]</source>
        <translation>Deshacer   [Ctrl+Z]</translation>
    </message>
    <message>
        <source>End the game   [End]</source>
        <translation>Terminar la partida   [Fin]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Mostrar la respuesta   [Espacio] [Av Pág]</translation>
    </message>
    <message>
        <source>Turn the Zapster clock   [T]</source>
        <translation>Girar el reloj Zapster   [T]</translation>
    </message>
    <message>
        <source>The record   [R]</source>
        <translation>Registro   [R]</translation>
    </message>
    <message>
        <source>Pause   [P]</source>
        <translation>Pausa   [P]</translation>
    </message>
    <message>
        <source>+10 s   [+]</source>
        <translation>+10 s   [+]</translation>
    </message>
    <message>
        <source>Zapster! – host</source>
        <translation>Zapster! – presentador</translation>
    </message>
    <message>
        <source>Zapster! – the record</source>
        <translation>Zapster! – registro</translation>
    </message>
    <message>
        <source>The record: choose an entry to judge it again</source>
        <translation>Registro: elige una entrada para juzgarla de nuevo</translation>
    </message>
    <message>
        <source>Correct a score by hand: points and reason</source>
        <translation>Corregir una puntuación a mano: puntos y motivo</translation>
    </message>
    <message>
        <source>Correct the score</source>
        <translation>Corregir puntos</translation>
    </message>
    <message>
        <source>Save the results…</source>
        <translation>Guardar los resultados…</translation>
    </message>
</context>
<context>
    <name>zapcheck</name>
    <message>
        <source>round %1, column %2</source>
        <translation>ronda %1, columna %2</translation>
    </message>
    <message>
        <source>the title is empty; a blank line between blocks shifts every later line</source>
        <translation>el título está vacío; una línea en blanco entre bloques desplaza todas las líneas siguientes</translation>
    </message>
    <message>
        <source>title line looks like a question or answer</source>
        <translation>la línea de título parece una pregunta o una respuesta</translation>
    </message>
    <message>
        <source>the title is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>el título es tan largo que el juego lo muestra al %1 % de su tamaño normal; más corto se lee mejor desde el fondo de la sala</translation>
    </message>
    <message>
        <source>question line is shorter than its two-character tag; the game shows an empty question</source>
        <translation>la línea de pregunta es más corta que su prefijo de dos caracteres; el juego muestra una pregunta vacía</translation>
    </message>
    <message>
        <source>answer line is shorter than its two-character tag; the game shows an empty answer</source>
        <translation>la línea de respuesta es más corta que su prefijo de dos caracteres; el juego muestra una respuesta vacía</translation>
    </message>
    <message>
        <source>question line seems to have no tag; the game drops its first two characters %1</source>
        <translation>la línea de pregunta parece no tener prefijo; el juego quita sus dos primeros caracteres %1</translation>
    </message>
    <message>
        <source>answer line seems to have no tag; the game drops its first two characters %1</source>
        <translation>la línea de respuesta parece no tener prefijo; el juego quita sus dos primeros caracteres %1</translation>
    </message>
    <message>
        <source>question line is tagged %1</source>
        <translation>la línea de pregunta lleva el prefijo %1</translation>
    </message>
    <message>
        <source>answer line is tagged %1</source>
        <translation>la línea de respuesta lleva el prefijo %1</translation>
    </message>
    <message>
        <source>the question is empty once the tag is dropped</source>
        <translation>la pregunta queda vacía al quitar el prefijo</translation>
    </message>
    <message>
        <source>the answer is empty once the tag is dropped</source>
        <translation>la respuesta queda vacía al quitar el prefijo</translation>
    </message>
    <message>
        <source>tab around the question is kept; the game trims only spaces</source>
        <translation>una tabulación al principio o al final de la pregunta se conserva; el juego solo quita los espacios</translation>
    </message>
    <message>
        <source>tab around the answer is kept; the game trims only spaces</source>
        <translation>una tabulación al principio o al final de la respuesta se conserva; el juego solo quita los espacios</translation>
    </message>
    <message>
        <source>the question is so long that the game draws it at %1 % of its full size; shorter reads better from the back of the room</source>
        <translation>la pregunta es tan larga que el juego la muestra al %1 % de su tamaño normal; más corta se lee mejor desde el fondo de la sala</translation>
    </message>
    <message>
        <source>%1; is a line missing or extra above? (later lines may be shifted)</source>
        <translation>%1; ¿falta o sobra una línea más arriba? (puede que las líneas siguientes estén desplazadas)</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>cannot be read as a category file: %1</source>
        <translation>no se puede leer como archivo de categoría: %1</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes; the game keeps only its start</source>
        <translation>la línea supera los %1 bytes; el juego solo conserva el principio</translation>
    </message>
    <message>
        <source>block %1 (%2): %3</source>
        <translation>bloque %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 after the last block ignored</source>
        <translation>%1 tras el último bloque, sin efecto en el juego</translation>
    </message>
    <message numerus="yes">
        <source>%1 blank line</source>
        <translation>
            <numerusform>%1 línea en blanco</numerusform>
            <numerusform>%1 líneas en blanco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 blank lines</source>
        <translation>
            <numerusform>%1 línea en blanco</numerusform>
            <numerusform>%1 líneas en blanco</numerusform>
        </translation>
    </message>
    <message>
        <source>block %1 ends after %2 of its %3 lines; %4 keeps the built-in questions when this file is picked there</source>
        <translation>el bloque %1 termina tras %2 de sus %3 líneas; si se elige este archivo para %4, allí se juegan las preguntas incluidas</translation>
    </message>
    <message>
        <source>holds no complete block; it fills no category slot</source>
        <translation>no contiene ningún bloque completo; no ocupa ninguna casilla de categoría</translation>
    </message>
    <message>
        <source>lines %1-%2 lie past the fifteenth block; the game never reads them</source>
        <translation>las líneas %1 a %2 quedan después del decimoquinto bloque; el juego nunca las lee</translation>
    </message>
    <message>
        <source>UTF-16 %1 without a byte-order mark, it seems</source>
        <translation>UTF-16 %1 sin marca de orden de bytes, al parecer</translation>
    </message>
    <message>
        <source>looks like UTF-16 %1 without a byte-order mark (every other byte is zero); the game reads it as garbage: save it as UTF-8, or as UTF-16 with a byte-order mark (Notepad&apos;s &quot;Unicode&quot;)</source>
        <translation>parece UTF-16 %1 sin marca de orden de bytes (uno de cada dos bytes es cero); el juego solo lee caracteres sin sentido: guárdalo como UTF-8, o como UTF-16 con marca de orden de bytes («Unicode» del Bloc de notas)</translation>
    </message>
    <message>
        <source>line is not valid UTF-8 like the rest of the file; the game reads it as Windows-1252</source>
        <translation>la línea no es UTF-8 válido como el resto del archivo; el juego la lee como Windows-1252</translation>
    </message>
    <message>
        <source>the game lists only files named *.zap that do not start with &apos;.&apos;</source>
        <translation>el juego solo muestra los archivos llamados *.zap que no empiezan por &apos;.&apos;</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>mixed (%1; first change at line %2)</source>
        <translation>mixtos (%1; primer cambio en la línea %2)</translation>
    </message>
    <message>
        <source>UTF-8 (plain ASCII)</source>
        <translation>UTF-8 (solo ASCII)</translation>
    </message>
    <message>
        <source>mixed (UTF-8; Windows-1252 on %1, first at line %2)</source>
        <translation>mixta (UTF-8; Windows-1252 en %1, la primera en la línea %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 line</source>
        <translation>
            <numerusform>%1 línea</numerusform>
            <numerusform>%1 líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines</source>
        <translation>
            <numerusform>%1 línea</numerusform>
            <numerusform>%1 líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with byte-order mark</source>
        <translation>%1, con marca de orden de bytes</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation>%1, %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 complete block</source>
        <translation>
            <numerusform>%1 bloque completo</numerusform>
            <numerusform>%1 bloques completos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 complete blocks</source>
        <translation>
            <numerusform>%1 bloque completo</numerusform>
            <numerusform>%1 bloques completos</numerusform>
        </translation>
    </message>
    <message>
        <source>line ends %1; encoding %2</source>
        <translation>fines de línea: %1; codificación: %2</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>correcto</translation>
    </message>
    <message numerus="yes">
        <source>%1 problem</source>
        <translation>
            <numerusform>%1 problema</numerusform>
            <numerusform>%1 problemas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 problems</source>
        <translation>
            <numerusform>%1 problema</numerusform>
            <numerusform>%1 problemas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warning</source>
        <translation>
            <numerusform>%1 aviso</numerusform>
            <numerusform>%1 avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 warnings</source>
        <translation>
            <numerusform>%1 aviso</numerusform>
            <numerusform>%1 avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>fills no category slot</source>
        <translation>no ocupa ninguna casilla de categoría</translation>
    </message>
    <message>
        <source>fills every category slot (rounds 1-3)</source>
        <translation>ocupa todas las casillas de categoría (rondas 1 a 3)</translation>
    </message>
    <message>
        <source>round %1 column 1</source>
        <translation>ronda %1 columna 1</translation>
    </message>
    <message>
        <source>round %1 columns 1-%2</source>
        <translation>ronda %1 columnas 1 a %2</translation>
    </message>
    <message>
        <source>fills %1</source>
        <translation>ocupa %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a pipe, not a regular file</source>
        <translation>es una tubería, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the title is empty</source>
        <translation>el título está vacío</translation>
    </message>
    <message>
        <source>the title holds a line break; a line of a category file cannot</source>
        <translation>el título contiene un salto de línea; una línea de un archivo de categoría no puede contenerlo</translation>
    </message>
    <message>
        <source>the title is longer than the game reads (%1 bytes)</source>
        <translation>el título es más largo de lo que lee el juego (%1 bytes)</translation>
    </message>
    <message>
        <source>the question is empty</source>
        <translation>la pregunta está vacía</translation>
    </message>
    <message>
        <source>the question holds a line break; a line of a category file cannot</source>
        <translation>la pregunta contiene un salto de línea; una línea de un archivo de categoría no puede contenerlo</translation>
    </message>
    <message>
        <source>the question is longer than the game reads (%1 bytes)</source>
        <translation>la pregunta es más larga de lo que lee el juego (%1 bytes)</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>la respuesta está vacía</translation>
    </message>
    <message>
        <source>the answer holds a line break; a line of a category file cannot</source>
        <translation>la respuesta contiene un salto de línea; una línea de un archivo de categoría no puede contenerlo</translation>
    </message>
    <message>
        <source>the answer is longer than the game reads (%1 bytes)</source>
        <translation>la respuesta es más larga de lo que lee el juego (%1 bytes)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not a sheet of questions</source>
        <translation>más de %1 MiB; no es una hoja de preguntas</translation>
    </message>
    <message>
        <source>UTF-16 text; save the sheet as CSV in UTF-8</source>
        <translation>texto en UTF-16; guarda la hoja como CSV en UTF-8</translation>
    </message>
    <message>
        <source>not valid UTF-8; save the sheet as CSV in UTF-8</source>
        <translation>no es UTF-8 válido; guarda la hoja como CSV en UTF-8</translation>
    </message>
    <message>
        <source>a quoted cell that starts here never ends</source>
        <translation>una celda entre comillas empieza aquí y nunca termina</translation>
    </message>
    <message>
        <source>holds no question rows</source>
        <translation>no contiene ninguna fila de preguntas</translation>
    </message>
    <message>
        <source>the category that starts here has %1 of its %2 rows; a header row is skipped only when it names the columns Question and Answer</source>
        <translation>la categoría que empieza aquí tiene %1 de sus %2 filas; una fila de encabezado solo se omite si nombra las columnas «Question» y «Answer»</translation>
    </message>
    <message>
        <source>more than three columns (title, question, answer); is a separator in an unquoted cell?</source>
        <translation>más de tres columnas (título, pregunta, respuesta); ¿hay un separador en una celda sin comillas?</translation>
    </message>
    <message>
        <source>the first row of a category needs its title</source>
        <translation>la primera fila de una categoría necesita su título</translation>
    </message>
    <message>
        <source>title %1 differs from %2 on row %3; each category is six rows under one title</source>
        <translation>el título %1 no coincide con %2, el de la fila %3; cada categoría son seis filas bajo un mismo título</translation>
    </message>
    <message>
        <source>categories from here on go past the fifteenth; the game never reads them</source>
        <translation>a partir de aquí, las categorías pasan de la decimoquinta; el juego nunca las lee</translation>
    </message>
    <message>
        <source>already exists; add --force to replace it</source>
        <translation>ya existe; añade --force para reemplazarlo</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>no se ha escrito nada</translation>
    </message>
    <message>
        <source>cannot be written: %1; nothing written</source>
        <translation>no se puede escribir: %1; no se ha escrito nada</translation>
    </message>
    <message>
        <source>written from %1: %2; %3</source>
        <translation>escrito a partir de %1: %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 category</source>
        <translation>
            <numerusform>%1 categoría</numerusform>
            <numerusform>%1 categorías</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 categories</source>
        <translation>
            <numerusform>%1 categoría</numerusform>
            <numerusform>%1 categorías</numerusform>
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
        <translation>Uso: zapcheck FILE...
     zapcheck --from-csv [--force] IN.csv OUT.zap

Lee cada archivo de categoría exactamente como lo hace Zapster e indica cuántos
bloques completos de 13 líneas contiene, qué casillas de categoría ocupan (el
bloque 1 es la ronda 1 columna 1, el bloque 6 la ronda 2 columna 1, ...), el
título de cada bloque, los fines de línea y la codificación del texto, y luego
cada problema y cada aviso en la forma «file:line: ...».

Una línea de pregunta o de respuesta cuyos dos primeros caracteres son dos
letras o dos dígitos («Cuál...», «1984») se considera sin prefijo: el juego
cortaría esos dos caracteres. Las líneas en blanco tras el último bloque se
ignoran.

Si un título o una pregunta es tan largo que el juego debe mostrarlo a menos de
dos tercios de su tamaño normal para que quepa en su recuadro (medido con las
fuentes del juego en una pantalla del tamaño para el que se diseñó el tablero,
777x545 píxeles; una pantalla mayor lo escala todo por igual), se da un aviso:
más corto se lee mejor desde el fondo de la sala.

Estado de salida: 0 si todos los archivos son correctos (se admiten avisos),
1 si un archivo tiene un problema (no se puede leer, un bloque está incompleto,
una línea de pregunta o de respuesta es más corta que su prefijo de dos
caracteres), 2 si hay un error de uso.

--from-csv   convierte una exportación de hoja de cálculo en un archivo de
             categoría: una fila por pregunta con las columnas título,
             pregunta, respuesta; seis filas por categoría, con el título en
             la primera de ellas (las otras cinco pueden repetirlo o dejarlo
             vacío). Separador coma, punto y coma o tabulación (el que dé tres
             columnas a más filas); texto en UTF-8; una primera fila cuyas
             celdas de pregunta y respuesta digan «Question» y «Answer» se
             toma como encabezado y se omite; las filas vacías se omiten.
             No se escribe nada si no se convierte la hoja entera.
--force      con --from-csv: reemplaza OUT.zap si ya existe
--lang XX    mensajes en el idioma XX (de, es, fr, nl); si no, el del
             escritorio, como hace el juego
--help       muestra este texto
</translation>
    </message>
    <message>
        <source>Try &apos;zapcheck --help&apos;.</source>
        <translation>Prueba «zapcheck --help».</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>--from-csv takes IN.csv and OUT.zap</source>
        <translation>--from-csv requiere IN.csv y OUT.zap</translation>
    </message>
    <message>
        <source>--force goes only with --from-csv</source>
        <translation>--force solo se usa con --from-csv</translation>
    </message>
    <message>
        <source>no category file named</source>
        <translation>no se ha indicado ningún archivo de categoría</translation>
    </message>
</context>
</TS>
