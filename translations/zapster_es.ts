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
        <translation>¡Gracias por jugar!   [End]</translation>
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
        <translation>Iniciar el tiempo   [Space] [Page Down]</translation>
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
</context>
<context>
    <name>layout</name>
    <message>
        <source>Team Names</source>
        <translation>Nombres de equipo</translation>
    </message>
    <message>
        <source>Default is &quot;Team #1&quot;</source>
        <translation>Por defecto: «Team #1»</translation>
    </message>
    <message>
        <source>Default is &quot;Team #2&quot;</source>
        <translation>Por defecto: «Team #2»</translation>
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
        <translation>Terminar la partida   [End]</translation>
    </message>
    <message>
        <source>Show the answer   [Space] [Page Down]</source>
        <translation>Mostrar la respuesta   [Space] [Page Down]</translation>
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
        <translation>Corregir la puntuación</translation>
    </message>
    <message>
        <source>Save the results…</source>
        <translation>Guardar los resultados…</translation>
    </message>
</context>
</TS>
