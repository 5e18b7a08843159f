<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutText</name>
    <message>
        <source>Skyloom Simulator %1

A teaching simulator of the sky: build Ptolemy&apos;s systems of cycles (deferents, epicycles, eccentrics and equants), run them and fit them to observations.

Licence: MIT (see LICENSE).
Credits: the Skyloom developers; built with Qt and pugixml.</source>
        <translation>Skyloom Simulator %1

Un simulador del cielo para la enseñanza: construye los sistemas de círculos de Ptolomeo (deferentes, epiciclos, excéntricas y ecuantes), ponlos en marcha y ajústalos a las observaciones.

Licencia: MIT (véase LICENSE).
Créditos: los desarrolladores de Skyloom; hecho con Qt y pugixml.</translation>
    </message>
</context>
<context>
    <name>AnimationRecorder</name>
    <message>
        <source>%1 names no file.</source>
        <translation>%1 no nombra ningún archivo.</translation>
    </message>
    <message>
        <source>Could not write the animation %1: the folder %2 does not exist.</source>
        <translation>No se pudo escribir la animación %1: la carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>The window closed before the recording of %1 ended.</source>
        <translation>La ventana se cerró antes de que terminara la grabación de %1.</translation>
    </message>
    <message>
        <source>Could not take a frame of the window for %1.</source>
        <translation>No se pudo tomar un fotograma de la ventana para %1.</translation>
    </message>
    <message>
        <source>Could not write the animation %1: %2</source>
        <translation>No se pudo escribir la animación %1: %2</translation>
    </message>
    <message>
        <source>Could not make the animation %1.</source>
        <translation>No se pudo crear la animación %1.</translation>
    </message>
</context>
<context>
    <name>Bitmap</name>
    <message>
        <source>The file was refused: %1.</source>
        <translation>El archivo fue rechazado: %1.</translation>
    </message>
</context>
<context>
    <name>BitmapDisplayWindow</name>
    <message>
        <source>Picture: none loaded</source>
        <translation>Imagen: ninguna cargada</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
    </message>
</context>
<context>
    <name>ButtonTips</name>
    <message>
        <source>Start the model again from time 0</source>
        <translation>Empezar el modelo de nuevo desde el tiempo 0</translation>
    </message>
    <message>
        <source>Stop the model&apos;s time</source>
        <translation>Detener el tiempo del modelo</translation>
    </message>
    <message>
        <source>Let the model&apos;s time run on</source>
        <translation>Dejar que el tiempo del modelo siga</translation>
    </message>
    <message>
        <source>Open a file in place of what this window shows</source>
        <translation>Abrir un archivo en lugar de lo que muestra esta ventana</translation>
    </message>
    <message>
        <source>Save the systems of cycles to a universe file (.ptu)</source>
        <translation>Guardar los sistemas de círculos en un archivo de universo (.ptu)</translation>
    </message>
    <message>
        <source>Replace every system by random cycles</source>
        <translation>Sustituir cada sistema por círculos al azar</translation>
    </message>
    <message>
        <source>Edit the systems and their cycles</source>
        <translation>Editar los sistemas y sus círculos</translation>
    </message>
    <message>
        <source>Watch an object that moves like a star</source>
        <translation>Observar un objeto que se mueve como una estrella</translation>
    </message>
    <message>
        <source>Watch an object that moves like the Sun</source>
        <translation>Observar un objeto que se mueve como el Sol</translation>
    </message>
    <message>
        <source>Watch an object that moves like a planet</source>
        <translation>Observar un objeto que se mueve como un planeta</translation>
    </message>
    <message>
        <source>Watch an object that moves like a comet</source>
        <translation>Observar un objeto que se mueve como un cometa</translation>
    </message>
    <message>
        <source>Record where the object is now</source>
        <translation>Anotar dónde está ahora el objeto</translation>
    </message>
    <message>
        <source>Save the readings as a trail file (.obs) for the other windows</source>
        <translation>Guardar las lecturas como archivo de traza (.obs) para las demás ventanas</translation>
    </message>
    <message>
        <source>Show the latest published readings</source>
        <translation>Mostrar las últimas lecturas publicadas</translation>
    </message>
    <message>
        <source>Give every window of this picture the source&apos;s placement again</source>
        <translation>Devolver a cada ventana de esta imagen la colocación de la fuente</translation>
    </message>
    <message>
        <source>Change how the picture is placed across the window</source>
        <translation>Cambiar cómo se coloca la imagen a lo ancho de la ventana</translation>
    </message>
    <message>
        <source>Change how the picture is placed up and down the window</source>
        <translation>Cambiar cómo se coloca la imagen a lo alto de la ventana</translation>
    </message>
</context>
<context>
    <name>CycleChange</name>
    <message>
        <source>That cycle is gone: the universe has changed.</source>
        <translation>Ese círculo ya no existe: el universo ha cambiado.</translation>
    </message>
</context>
<context>
    <name>CyclePropertiesDialog</name>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Omega</source>
        <translation>Omega</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>Fi</translation>
    </message>
    <message>
        <source>Eccentric X</source>
        <translation>Excéntrica X</translation>
    </message>
    <message>
        <source>Eccentric Y</source>
        <translation>Excéntrica Y</translation>
    </message>
    <message>
        <source>Equant X</source>
        <translation>Ecuante X</translation>
    </message>
    <message>
        <source>Equant Y</source>
        <translation>Ecuante Y</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 debe ser un número</translation>
    </message>
    <message>
        <source>%1 must lie between -%2 and %2</source>
        <translation>%1 debe estar entre -%2 y %2</translation>
    </message>
    <message>
        <source>The circle&apos;s radius in the model&apos;s units</source>
        <translation>El radio del círculo en las unidades del modelo</translation>
    </message>
    <message>
        <source>Turns per year of model time; a negative number turns the other way</source>
        <translation>Vueltas por año de tiempo del modelo; un número negativo gira en sentido contrario</translation>
    </message>
    <message>
        <source>The angle at time 0, in radians (0 to 2pi)</source>
        <translation>El ángulo en el tiempo 0, en radianes (0 a 2pi)</translation>
    </message>
    <message>
        <source>The equant&apos;s place, in the model&apos;s units</source>
        <translation>La posición del ecuante, en las unidades del modelo</translation>
    </message>
    <message>
        <source>The circle&apos;s centre moved by this much, in the model&apos;s units</source>
        <translation>El centro del círculo desplazado tanto, en las unidades del modelo</translation>
    </message>
</context>
<context>
    <name>DisplayManager</name>
    <message>
        <source>The layout holds %1 image sources; at most %2 are shown.</source>
        <translation>La disposición contiene %1 fuentes de imagen; se muestran como máximo %2.</translation>
    </message>
</context>
<context>
    <name>EditingSteps</name>
    <message>
        <source>Edit Systems</source>
        <translation>Editar sistemas</translation>
    </message>
    <message>
        <source>Edit Cycles</source>
        <translation>Editar círculos</translation>
    </message>
    <message>
        <source>Cycle Properties</source>
        <translation>Propiedades del círculo</translation>
    </message>
    <message>
        <source>Display Settings</source>
        <translation>Ajustes de visualización</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Aleatorizar</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
</context>
<context>
    <name>GazerixContainer</name>
    <message>
        <source>Gazerix Container</source>
        <translation>Contenedor Gazerix</translation>
    </message>
</context>
<context>
    <name>GazerixCtrl</name>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go To Date</source>
        <translation>Ir a la fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>A day from %1 to %2</source>
        <translation>Un día del %1 al %2</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>The observations run from %1 to %2.</source>
        <translation>Las observaciones van del %1 al %2.</translation>
    </message>
</context>
<context>
    <name>KeplerUniverse</name>
    <message>
        <source>Kepler universe: planets on ellipses around the Sun</source>
        <translation>Universo de Kepler: planetas en elipses alrededor del Sol</translation>
    </message>
</context>
<context>
    <name>LayoutWindows</name>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Buttons: %1</source>
        <translation>Botones: %1</translation>
    </message>
    <message>
        <source>Observer window</source>
        <translation>Ventana de observación</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>a source needs index (a whole number from 0), time (a number from 0) and paused (0 or 1)</source>
        <translation>una fuente necesita index (un entero desde 0), time (un número desde 0) y paused (0 o 1)</translation>
    </message>
    <message>
        <source>its sources are not in layout order</source>
        <translation>sus fuentes no siguen el orden de la disposición</translation>
    </message>
    <message>
        <source>it needs a Time with a speed above 0 and held (0 or 1)</source>
        <translation>necesita un Time con speed mayor que 0 y held (0 o 1)</translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation>no es XML bien formado</translation>
    </message>
    <message>
        <source>it is not a lesson of this version (SkyloomLesson version=&quot;1&quot;)</source>
        <translation>no es una lección de esta versión (SkyloomLesson version=&quot;1&quot;)</translation>
    </message>
    <message>
        <source>it holds no layout</source>
        <translation>no contiene ninguna disposición</translation>
    </message>
</context>
<context>
    <name>LessonCommands</name>
    <message>
        <source>Save Lesson</source>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>no layout is on screen</source>
        <translation>no se muestra ninguna disposición</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the lesson %1: %2</source>
        <translation>No se pudo guardar la lección %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t open the lesson %1: %2</source>
        <translation>No se pudo abrir la lección %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>its speed is none of the View menu&apos;s</source>
        <translation>su velocidad no es ninguna de las del menú Ver</translation>
    </message>
    <message>
        <source>no layout can be shown</source>
        <translation>no se puede mostrar ninguna disposición</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>no layout is on screen</source>
        <translation>no se muestra ninguna disposición</translation>
    </message>
    <message>
        <source>its layout %1 cannot be read</source>
        <translation>su disposición %1 no se puede leer</translation>
    </message>
    <message>
        <source>close the open dialog first</source>
        <translation>cierre primero el diálogo abierto</translation>
    </message>
    <message>
        <source>its layout is not well-formed XML: %1</source>
        <translation>su disposición no es XML bien formado: %1</translation>
    </message>
    <message>
        <source>its layout has no source %1</source>
        <translation>su disposición no tiene la fuente %1</translation>
    </message>
    <message>
        <source>source %1 of its layout is no Ptolemy universe</source>
        <translation>la fuente %1 de su disposición no es un universo de Ptolomeo</translation>
    </message>
    <message>
        <source>the systems of source %1 are no universe file: %2</source>
        <translation>los sistemas de la fuente %1 no son un archivo de universo: %2</translation>
    </message>
    <message>
        <source>its layout did not load</source>
        <translation>su disposición no se pudo cargar</translation>
    </message>
</context>
<context>
    <name>LiveCyclesPanel</name>
    <message>
        <source>Live cycles</source>
        <translation>Círculos en vivo</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <source>&amp;Universe</source>
        <translation>&amp;Universo</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Sistemas</translation>
    </message>
    <message>
        <source>&amp;Systems</source>
        <translation>&amp;Sistemas</translation>
    </message>
    <message>
        <source>Cycles, the deferent first</source>
        <translation>Círculos, el deferente primero</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>&amp;Círculos</translation>
    </message>
    <message>
        <source>Has &amp;eccentric</source>
        <translation>Tiene &amp;excéntrica</translation>
    </message>
    <message>
        <source>Has e&amp;quant</source>
        <translation>Tiene ecuan&amp;te</translation>
    </message>
    <message>
        <source>The layout on screen shows no Ptolemy universe.</source>
        <translation>La disposición en pantalla no muestra ningún universo de Ptolomeo.</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Universo %1</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Sistema %1</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>No message</source>
        <translation>Ningún mensaje</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>%1, deslizador</translation>
    </message>
    <message>
        <source>%1 number</source>
        <translation>%1, número</translation>
    </message>
    <message>
        <source>Cycle Change</source>
        <translation>Cambio de círculo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skyloom Simulator</source>
        <translation>Simulador Skyloom</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Disposición</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>&amp;Start Pounding</source>
        <translation>&amp;Iniciar la prueba de resistencia</translation>
    </message>
    <message>
        <source>S&amp;top Pounding</source>
        <translation>&amp;Detener la prueba de resistencia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About Skyloom</source>
        <translation>&amp;Acerca de Skyloom</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>t = %1 years</source>
        <translation>t = %1 años</translation>
    </message>
    <message>
        <source>About Skyloom</source>
        <translation>Acerca de Skyloom</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lecciones</translation>
    </message>
    <message>
        <source>Live Cycles</source>
        <translation>Círculos en vivo</translation>
    </message>
    <message>
        <source>&amp;Live Cycles</source>
        <translation>Círculos en &amp;vivo</translation>
    </message>
    <message>
        <source>&amp;Pause All</source>
        <translation>&amp;Pausar todo</translation>
    </message>
    <message>
        <source>Step &amp;Backwards</source>
        <translation>Paso &amp;atrás</translation>
    </message>
    <message>
        <source>Step &amp;Forwards</source>
        <translation>Paso a&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Go To Date...</source>
        <translation>&amp;Ir a la fecha...</translation>
    </message>
    <message>
        <source>&amp;Stop at the end of the observations</source>
        <translation>&amp;Detenerse al final de las observaciones</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>&amp;Exportar imagen...</translation>
    </message>
    <message>
        <source>Record &amp;Animation...</source>
        <translation>Grabar &amp;animación...</translation>
    </message>
    <message>
        <source>Recen&amp;t</source>
        <translation>Recien&amp;tes</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>&amp;Abrir lección...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Lesson...</source>
        <translation>&amp;Guardar lección...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>MatchError</name>
    <message>
        <source>%1: no observation yet</source>
        <translation>%1: todavía ninguna observación</translation>
    </message>
    <message>
        <source>%1: past the observations, RMS %2°</source>
        <translation>%1: después de las observaciones, RMS %2°</translation>
    </message>
    <message>
        <source>%1: model − observed %2°, RMS %3°</source>
        <translation>%1: modelo − observado %2°, RMS %3°</translation>
    </message>
</context>
<context>
    <name>MediaCommands</name>
    <message>
        <source>A window is named by its number, or -1 for the whole layout, not &apos;%1&apos;.</source>
        <translation>Una ventana se indica con su número, o -1 para toda la disposición, no «%1».</translation>
    </message>
    <message>
        <source>There is no %1 step.</source>
        <translation>No hay ningún paso %1.</translation>
    </message>
    <message>
        <source>A recording lasts a number of seconds above 0 and at most %1, not &apos;%2&apos;.</source>
        <translation>Una grabación dura un número de segundos mayor que 0 y como mucho %1, no «%2».</translation>
    </message>
    <message>
        <source>Pictures are written as .png or .svg files, not as %1.</source>
        <translation>Las imágenes se escriben como archivos .png o .svg, no como %1.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Grabar animación</translation>
    </message>
    <message>
        <source>There is no window %1 in the layout on screen.</source>
        <translation>La disposición en pantalla no tiene ninguna ventana %1.</translation>
    </message>
    <message>
        <source>Skyloom layout</source>
        <translation>Disposición de Skyloom</translation>
    </message>
    <message>
        <source>A recording is running already.</source>
        <translation>Ya hay una grabación en curso.</translation>
    </message>
    <message>
        <source>Recording the animation...</source>
        <translation>Grabando la animación...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Recording progress</source>
        <translation>Progreso de la grabación</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Grabar animación</translation>
    </message>
    <message>
        <source>Whole layout</source>
        <translation>Toda la disposición</translation>
    </message>
    <message>
        <source>Window %1: %2</source>
        <translation>Ventana %1: %2</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>&amp;Window:</source>
        <translation>&amp;Ventana:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>A .png file holds the pixels, an .svg file the figures</source>
        <translation>Un archivo .png contiene los píxeles, un archivo .svg las figuras</translation>
    </message>
    <message>
        <source>An animated .gif file</source>
        <translation>Un archivo .gif animado</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Elegir el archivo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>The extension chooses the format: .png for pixels, .svg for figures.</source>
        <translation>La extensión elige el formato: .png para píxeles, .svg para figuras.</translation>
    </message>
    <message>
        <source>The animation is written as an animated GIF (.gif).</source>
        <translation>La animación se escribe como GIF animado (.gif).</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Segundos:</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Imágenes (*.png *.svg)</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>Observatory, overhead view</source>
        <translation>Observatorio, vista desde arriba</translation>
    </message>
    <message>
        <source>Observatory, the sky projected</source>
        <translation>Observatorio, el cielo proyectado</translation>
    </message>
    <message>
        <source>Observatory, list of observations</source>
        <translation>Observatorio, lista de observaciones</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>Could not draw the picture for %1.</source>
        <translation>No se pudo dibujar la imagen para %1.</translation>
    </message>
    <message>
        <source>Could not write the picture %1: %2</source>
        <translation>No se pudo escribir la imagen %1: %2</translation>
    </message>
    <message>
        <source>Drawn by the Skyloom Simulator</source>
        <translation>Dibujado por el simulador Skyloom</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>its picture claims %1 x %2 pixels; at most %3 pixels a side and %4 pixels in all are read</source>
        <translation>su imagen declara %1 x %2 píxeles; se leen como máximo %3 píxeles por lado y %4 píxeles en total</translation>
    </message>
</context>
<context>
    <name>PtolemyUniverse</name>
    <message>
        <source>it is not a universe file (systems of cycles, .ptu)</source>
        <translation>no es un archivo de universo (sistemas de círculos, .ptu)</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1: %2</source>
        <translation>No se pudo cargar %1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 systems; a universe holds %3: the first %3 were loaded.</source>
        <translation>%1 contiene %2 sistemas; un universo admite %3: se cargaron los %3 primeros.</translation>
    </message>
    <message>
        <source>The observation trail of &quot;%1&quot; could not be read; the system is not matched.</source>
        <translation>No se pudo leer la traza de observaciones de «%1»; el sistema no se compara.</translation>
    </message>
    <message>
        <source>The observation trails of %1 systems could not be read (the first of &quot;%2&quot;); they are not matched.</source>
        <translation>No se pudieron leer las trazas de observaciones de %1 sistemas (la primera, de «%2»); no se comparan.</translation>
    </message>
    <message>
        <source>Sky strip of ecliptic longitude</source>
        <translation>Franja del cielo en longitud eclíptica</translation>
    </message>
    <message>
        <source>Ptolemaic universe: %1</source>
        <translation>Universo ptolemaico: %1</translation>
    </message>
    <message>
        <source>moving backwards (retrograde)</source>
        <translation>en movimiento hacia atrás (retrógrado)</translation>
    </message>
    <message>
        <source>moving forwards</source>
        <translation>en movimiento directo</translation>
    </message>
    <message>
        <source>%1 at longitude %2°, %3</source>
        <translation>%1 en longitud %2°, %3</translation>
    </message>
    <message>
        <source>model − observed longitude</source>
        <translation>longitud: modelo − observada</translation>
    </message>
    <message>
        <source>Plot of model minus observed longitude against time</source>
        <translation>Gráfica de la longitud del modelo menos la observada frente al tiempo</translation>
    </message>
    <message>
        <source>Ptolemaic universe seen from the Sun: %1</source>
        <translation>Universo ptolemaico visto desde el Sol: %1</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Sun-centred view: no system named &quot;%1&quot; with cycles</source>
        <translation>Vista centrada en el Sol: ningún sistema llamado «%1» con ciclos</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
</context>
<context>
    <name>RawFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>es un dispositivo o una tubería, no un archivo</translation>
    </message>
</context>
<context>
    <name>ReadoutPanel</name>
    <message>
        <source>Error readout</source>
        <translation>Indicador de errores</translation>
    </message>
    <message>
        <source>How far each model is from its observations</source>
        <translation>Cuánto se aparta cada modelo de sus observaciones</translation>
    </message>
</context>
<context>
    <name>RecentLayouts</name>
    <message>
        <source>No layouts opened yet</source>
        <translation>Aún no se ha abierto ninguna disposición</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the Recent list.</source>
        <translation>%1 ya no existe; se quita de la lista de recientes.</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
</context>
<context>
    <name>SystemsDialog</name>
    <message>
        <source>The universe holds %1 systems; %2 were not added.</source>
        <translation>El universo contiene %1 sistemas; %2 no se añadieron.</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Time slider</source>
        <translation>Control deslizante del tiempo</translation>
    </message>
    <message>
        <source>No dated observations are on screen.</source>
        <translation>No hay observaciones fechadas en pantalla.</translation>
    </message>
    <message>
        <source>%1 lies outside the observations, which run from %2 to %3.</source>
        <translation>%1 queda fuera de las observaciones, que van del %2 al %3.</translation>
    </message>
    <message>
        <source>&amp;Resume All</source>
        <translation>&amp;Reanudar todo</translation>
    </message>
    <message>
        <source>&amp;Pause All</source>
        <translation>&amp;Pausar todo</translation>
    </message>
</context>
<context>
    <name>UniverseUndo</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>The user guide was not found at %1.</source>
        <translation>No se encontró la guía del usuario en %1.</translation>
    </message>
    <message>
        <source>Skyloom Simulator</source>
        <translation>Simulador Skyloom</translation>
    </message>
    <message>
        <source>Skyloom User Guide</source>
        <translation>Guía del usuario de Skyloom</translation>
    </message>
</context>
</TS>
