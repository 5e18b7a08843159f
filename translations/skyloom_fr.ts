<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutText</name>
    <message>
        <source>Skyloom Simulator %1

A teaching simulator of the sky: build Ptolemy&apos;s systems of cycles (deferents, epicycles, eccentrics and equants), run them and fit them to observations.

Licence: MIT (see LICENSE).
Credits: the Skyloom developers; built with Qt and pugixml.</source>
        <translation>Skyloom Simulator %1

Un simulateur du ciel pour l&apos;enseignement : construisez les systèmes de cercles de Ptolémée (déférents, épicycles, excentriques et équants), faites-les tourner et ajustez-les aux observations.

Licence : MIT (voir LICENSE).
Crédits : les développeurs de Skyloom ; réalisé avec Qt et pugixml.</translation>
    </message>
</context>
<context>
    <name>AnimationRecorder</name>
    <message>
        <source>%1 names no file.</source>
        <translation>%1 ne désigne aucun fichier.</translation>
    </message>
    <message>
        <source>Could not write the animation %1: the folder %2 does not exist.</source>
        <translation>Impossible d&apos;écrire l&apos;animation %1 : le dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The window closed before the recording of %1 ended.</source>
        <translation>La fenêtre s&apos;est fermée avant la fin de l&apos;enregistrement de %1.</translation>
    </message>
    <message>
        <source>Could not take a frame of the window for %1.</source>
        <translation>Impossible de prendre une image de la fenêtre pour %1.</translation>
    </message>
    <message>
        <source>Could not write the animation %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;animation %1 : %2</translation>
    </message>
    <message>
        <source>Could not make the animation %1.</source>
        <translation>Impossible de créer l&apos;animation %1.</translation>
    </message>
</context>
<context>
    <name>Bitmap</name>
    <message>
        <source>The file was refused: %1.</source>
        <translation>Le fichier a été refusé : %1.</translation>
    </message>
</context>
<context>
    <name>BitmapDisplayWindow</name>
    <message>
        <source>Picture: none loaded</source>
        <translation>Image : aucune chargée</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image : %1</translation>
    </message>
</context>
<context>
    <name>ButtonTips</name>
    <message>
        <source>Start the model again from time 0</source>
        <translation>Relancer le modèle depuis le temps 0</translation>
    </message>
    <message>
        <source>Stop the model&apos;s time</source>
        <translation>Arrêter le temps du modèle</translation>
    </message>
    <message>
        <source>Let the model&apos;s time run on</source>
        <translation>Laisser le temps du modèle reprendre</translation>
    </message>
    <message>
        <source>Open a file in place of what this window shows</source>
        <translation>Ouvrir un fichier à la place de ce que montre cette fenêtre</translation>
    </message>
    <message>
        <source>Save the systems of cycles to a universe file (.ptu)</source>
        <translation>Enregistrer les systèmes de cercles dans un fichier d&apos;univers (.ptu)</translation>
    </message>
    <message>
        <source>Replace every system by random cycles</source>
        <translation>Remplacer chaque système par des cercles au hasard</translation>
    </message>
    <message>
        <source>Edit the systems and their cycles</source>
        <translation>Modifier les systèmes et leurs cercles</translation>
    </message>
    <message>
        <source>Watch an object that moves like a star</source>
        <translation>Observer un objet qui se déplace comme une étoile</translation>
    </message>
    <message>
        <source>Watch an object that moves like the Sun</source>
        <translation>Observer un objet qui se déplace comme le Soleil</translation>
    </message>
    <message>
        <source>Watch an object that moves like a planet</source>
        <translation>Observer un objet qui se déplace comme une planète</translation>
    </message>
    <message>
        <source>Watch an object that moves like a comet</source>
        <translation>Observer un objet qui se déplace comme une comète</translation>
    </message>
    <message>
        <source>Record where the object is now</source>
        <translation>Noter où se trouve l&apos;objet maintenant</translation>
    </message>
    <message>
        <source>Save the readings as a trail file (.obs) for the other windows</source>
        <translation>Enregistrer les relevés dans un fichier de trace (.obs) pour les autres fenêtres</translation>
    </message>
    <message>
        <source>Show the latest published readings</source>
        <translation>Afficher les derniers relevés publiés</translation>
    </message>
    <message>
        <source>Give every window of this picture the source&apos;s placement again</source>
        <translation>Redonner à chaque fenêtre de cette image la disposition de la source</translation>
    </message>
    <message>
        <source>Change how the picture is placed across the window</source>
        <translation>Changer la place de l&apos;image dans la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Change how the picture is placed up and down the window</source>
        <translation>Changer la place de l&apos;image dans la hauteur de la fenêtre</translation>
    </message>
</context>
<context>
    <name>CycleChange</name>
    <message>
        <source>That cycle is gone: the universe has changed.</source>
        <translation>Ce cercle n&apos;existe plus : l&apos;univers a changé.</translation>
    </message>
</context>
<context>
    <name>CyclePropertiesDialog</name>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Omega</source>
        <translation>Oméga</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>Phi</translation>
    </message>
    <message>
        <source>Eccentric X</source>
        <translation>Excentrique X</translation>
    </message>
    <message>
        <source>Eccentric Y</source>
        <translation>Excentrique Y</translation>
    </message>
    <message>
        <source>Equant X</source>
        <translation>Équant X</translation>
    </message>
    <message>
        <source>Equant Y</source>
        <translation>Équant Y</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 doit être un nombre</translation>
    </message>
    <message>
        <source>%1 must lie between -%2 and %2</source>
        <translation>%1 doit être compris entre -%2 et %2</translation>
    </message>
    <message>
        <source>The circle&apos;s radius in the model&apos;s units</source>
        <translation>Le rayon du cercle dans les unités du modèle</translation>
    </message>
    <message>
        <source>Turns per year of model time; a negative number turns the other way</source>
        <translation>Tours par année de temps du modèle ; un nombre négatif tourne dans l&apos;autre sens</translation>
    </message>
    <message>
        <source>The angle at time 0, in radians (0 to 2pi)</source>
        <translation>L&apos;angle au temps 0, en radians (0 à 2pi)</translation>
    </message>
    <message>
        <source>The equant&apos;s place, in the model&apos;s units</source>
        <translation>La position de l&apos;équant, dans les unités du modèle</translation>
    </message>
    <message>
        <source>The circle&apos;s centre moved by this much, in the model&apos;s units</source>
        <translation>Le centre du cercle déplacé d&apos;autant, dans les unités du modèle</translation>
    </message>
</context>
<context>
    <name>DisplayManager</name>
    <message>
        <source>The layout holds %1 image sources; at most %2 are shown.</source>
        <translation>La disposition contient %1 sources d&apos;image ; au plus %2 sont affichées.</translation>
    </message>
</context>
<context>
    <name>EditingSteps</name>
    <message>
        <source>Edit Systems</source>
        <translation>Modifier les systèmes</translation>
    </message>
    <message>
        <source>Edit Cycles</source>
        <translation>Modifier les cercles</translation>
    </message>
    <message>
        <source>Cycle Properties</source>
        <translation>Propriétés du cercle</translation>
    </message>
    <message>
        <source>Display Settings</source>
        <translation>Réglages d&apos;affichage</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Rendre aléatoire</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
</context>
<context>
    <name>GazerixContainer</name>
    <message>
        <source>Gazerix Container</source>
        <translation>Conteneur Gazerix</translation>
    </message>
</context>
<context>
    <name>GazerixCtrl</name>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go To Date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>A day from %1 to %2</source>
        <translation>Un jour du %1 au %2</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>The observations run from %1 to %2.</source>
        <translation>Les observations vont du %1 au %2.</translation>
    </message>
</context>
<context>
    <name>KeplerUniverse</name>
    <message>
        <source>Kepler universe: planets on ellipses around the Sun</source>
        <translation>Univers de Kepler : des planètes sur des ellipses autour du Soleil</translation>
    </message>
</context>
<context>
    <name>LayoutWindows</name>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Buttons: %1</source>
        <translation>Boutons : %1</translation>
    </message>
    <message>
        <source>Observer window</source>
        <translation>Fenêtre d&apos;observation</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>a source needs index (a whole number from 0), time (a number from 0) and paused (0 or 1)</source>
        <translation>une source demande index (un entier à partir de 0), time (un nombre à partir de 0) et paused (0 ou 1)</translation>
    </message>
    <message>
        <source>its sources are not in layout order</source>
        <translation>ses sources ne suivent pas l&apos;ordre de la disposition</translation>
    </message>
    <message>
        <source>it needs a Time with a speed above 0 and held (0 or 1)</source>
        <translation>il lui faut un Time avec speed au-dessus de 0 et held (0 ou 1)</translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation>ce n&apos;est pas du XML bien formé</translation>
    </message>
    <message>
        <source>it is not a lesson of this version (SkyloomLesson version=&quot;1&quot;)</source>
        <translation>ce n&apos;est pas une leçon de cette version (SkyloomLesson version=&quot;1&quot;)</translation>
    </message>
    <message>
        <source>it holds no layout</source>
        <translation>elle ne contient aucune disposition</translation>
    </message>
</context>
<context>
    <name>LessonCommands</name>
    <message>
        <source>Save Lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>no layout is on screen</source>
        <translation>aucune disposition n&apos;est affichée</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the lesson %1: %2</source>
        <translation>Impossible d&apos;enregistrer la leçon %1 : %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t open the lesson %1: %2</source>
        <translation>Impossible d&apos;ouvrir la leçon %1 : %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message>
        <source>its speed is none of the View menu&apos;s</source>
        <translation>sa vitesse n&apos;est aucune de celles du menu Affichage</translation>
    </message>
    <message>
        <source>no layout can be shown</source>
        <translation>aucune disposition ne peut être affichée</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>no layout is on screen</source>
        <translation>aucune disposition n&apos;est affichée</translation>
    </message>
    <message>
        <source>its layout %1 cannot be read</source>
        <translation>sa disposition %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>close the open dialog first</source>
        <translation>fermez d&apos;abord la boîte de dialogue ouverte</translation>
    </message>
    <message>
        <source>its layout is not well-formed XML: %1</source>
        <translation>sa disposition n&apos;est pas du XML bien formé : %1</translation>
    </message>
    <message>
        <source>its layout has no source %1</source>
        <translation>sa disposition n&apos;a pas de source %1</translation>
    </message>
    <message>
        <source>source %1 of its layout is no Ptolemy universe</source>
        <translation>la source %1 de sa disposition n&apos;est pas un univers de Ptolémée</translation>
    </message>
    <message>
        <source>the systems of source %1 are no universe file: %2</source>
        <translation>les systèmes de la source %1 ne forment pas un fichier d&apos;univers : %2</translation>
    </message>
    <message>
        <source>its layout did not load</source>
        <translation>sa disposition n&apos;a pas pu être chargée</translation>
    </message>
</context>
<context>
    <name>LiveCyclesPanel</name>
    <message>
        <source>Live cycles</source>
        <translation>Cercles en direct</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Univers</translation>
    </message>
    <message>
        <source>&amp;Universe</source>
        <translation>&amp;Univers</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systèmes</translation>
    </message>
    <message>
        <source>&amp;Systems</source>
        <translation>&amp;Systèmes</translation>
    </message>
    <message>
        <source>Cycles, the deferent first</source>
        <translation>Cercles, le déférent d&apos;abord</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>&amp;Cercles</translation>
    </message>
    <message>
        <source>Has &amp;eccentric</source>
        <translation>A un &amp;excentrique</translation>
    </message>
    <message>
        <source>Has e&amp;quant</source>
        <translation>A un é&amp;quant</translation>
    </message>
    <message>
        <source>The layout on screen shows no Ptolemy universe.</source>
        <translation>La disposition à l&apos;écran ne montre aucun univers de Ptolémée.</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Univers %1</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Système %1</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>No message</source>
        <translation>Aucun message</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>%1, curseur</translation>
    </message>
    <message>
        <source>%1 number</source>
        <translation>%1, nombre</translation>
    </message>
    <message>
        <source>Cycle Change</source>
        <translation>Modification du cercle</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skyloom Simulator</source>
        <translation>Simulateur Skyloom</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Disposition</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Start Pounding</source>
        <translation>&amp;Démarrer le test d&apos;endurance</translation>
    </message>
    <message>
        <source>S&amp;top Pounding</source>
        <translation>&amp;Arrêter le test d&apos;endurance</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About Skyloom</source>
        <translation>À &amp;propos de Skyloom</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>t = %1 years</source>
        <translation>t = %1 ans</translation>
    </message>
    <message>
        <source>About Skyloom</source>
        <translation>À propos de Skyloom</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Leçons</translation>
    </message>
    <message>
        <source>Live Cycles</source>
        <translation>Cercles en direct</translation>
    </message>
    <message>
        <source>&amp;Live Cycles</source>
        <translation>&amp;Cercles en direct</translation>
    </message>
    <message>
        <source>&amp;Pause All</source>
        <translation>Tout mettre en &amp;pause</translation>
    </message>
    <message>
        <source>Step &amp;Backwards</source>
        <translation>Pas en &amp;arrière</translation>
    </message>
    <message>
        <source>Step &amp;Forwards</source>
        <translation>Pas en a&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Go To Date...</source>
        <translation>&amp;Aller à la date...</translation>
    </message>
    <message>
        <source>&amp;Stop at the end of the observations</source>
        <translation>&amp;S&apos;arrêter à la fin des observations</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>&amp;Exporter une image...</translation>
    </message>
    <message>
        <source>Record &amp;Animation...</source>
        <translation>Enregistrer une &amp;animation...</translation>
    </message>
    <message>
        <source>Recen&amp;t</source>
        <translation>Récen&amp;ts</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>&amp;Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Lesson...</source>
        <translation>&amp;Enregistrer la leçon...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>MatchError</name>
    <message>
        <source>%1: no observation yet</source>
        <translation>%1 : pas encore d&apos;observation</translation>
    </message>
    <message>
        <source>%1: past the observations, RMS %2°</source>
        <translation>%1 : après les observations, RMS %2°</translation>
    </message>
    <message>
        <source>%1: model − observed %2°, RMS %3°</source>
        <translation>%1 : modèle − observé %2°, RMS %3°</translation>
    </message>
</context>
<context>
    <name>MediaCommands</name>
    <message>
        <source>A window is named by its number, or -1 for the whole layout, not &apos;%1&apos;.</source>
        <translation>Une fenêtre se désigne par son numéro, ou -1 pour toute la disposition, pas « %1 ».</translation>
    </message>
    <message>
        <source>There is no %1 step.</source>
        <translation>Il n&apos;y a pas d&apos;étape %1.</translation>
    </message>
    <message>
        <source>A recording lasts a number of seconds above 0 and at most %1, not &apos;%2&apos;.</source>
        <translation>Un enregistrement dure un nombre de secondes supérieur à 0 et d&apos;au plus %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>Pictures are written as .png or .svg files, not as %1.</source>
        <translation>Les images s&apos;écrivent en fichiers .png ou .svg, pas en %1.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Enregistrer une animation</translation>
    </message>
    <message>
        <source>There is no window %1 in the layout on screen.</source>
        <translation>La disposition affichée n&apos;a pas de fenêtre %1.</translation>
    </message>
    <message>
        <source>Skyloom layout</source>
        <translation>Disposition Skyloom</translation>
    </message>
    <message>
        <source>A recording is running already.</source>
        <translation>Un enregistrement est déjà en cours.</translation>
    </message>
    <message>
        <source>Recording the animation...</source>
        <translation>Enregistrement de l&apos;animation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Recording progress</source>
        <translation>Progression de l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Enregistrer une animation</translation>
    </message>
    <message>
        <source>Whole layout</source>
        <translation>Toute la disposition</translation>
    </message>
    <message>
        <source>Window %1: %2</source>
        <translation>Fenêtre %1 : %2</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>&amp;Window:</source>
        <translation>&amp;Fenêtre :</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>A .png file holds the pixels, an .svg file the figures</source>
        <translation>Un fichier .png contient les pixels, un fichier .svg les figures</translation>
    </message>
    <message>
        <source>An animated .gif file</source>
        <translation>Un fichier .gif animé</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Choisir le fichier</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>F&amp;ichier :</translation>
    </message>
    <message>
        <source>The extension chooses the format: .png for pixels, .svg for figures.</source>
        <translation>L&apos;extension choisit le format : .png pour les pixels, .svg pour les figures.</translation>
    </message>
    <message>
        <source>The animation is written as an animated GIF (.gif).</source>
        <translation>L&apos;animation s&apos;écrit en GIF animé (.gif).</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Secondes :</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Images (*.png *.svg)</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>Observatory, overhead view</source>
        <translation>Observatoire, vue de dessus</translation>
    </message>
    <message>
        <source>Observatory, the sky projected</source>
        <translation>Observatoire, le ciel projeté</translation>
    </message>
    <message>
        <source>Observatory, list of observations</source>
        <translation>Observatoire, liste des observations</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>Could not draw the picture for %1.</source>
        <translation>Impossible de dessiner l&apos;image pour %1.</translation>
    </message>
    <message>
        <source>Could not write the picture %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>Drawn by the Skyloom Simulator</source>
        <translation>Dessiné par le simulateur Skyloom</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>its picture claims %1 x %2 pixels; at most %3 pixels a side and %4 pixels in all are read</source>
        <translation>son image annonce %1 x %2 pixels ; au plus %3 pixels de côté et %4 pixels en tout sont lus</translation>
    </message>
</context>
<context>
    <name>PtolemyUniverse</name>
    <message>
        <source>it is not a universe file (systems of cycles, .ptu)</source>
        <translation>ce n&apos;est pas un fichier d&apos;univers (systèmes de cercles, .ptu)</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1: %2</source>
        <translation>Impossible de charger %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds %2 systems; a universe holds %3: the first %3 were loaded.</source>
        <translation>%1 contient %2 systèmes ; un univers en contient %3 : les %3 premiers ont été chargés.</translation>
    </message>
    <message>
        <source>The observation trail of &quot;%1&quot; could not be read; the system is not matched.</source>
        <translation>La trace d&apos;observations de « %1 » n&apos;a pas pu être lue ; le système n&apos;est pas comparé.</translation>
    </message>
    <message>
        <source>The observation trails of %1 systems could not be read (the first of &quot;%2&quot;); they are not matched.</source>
        <translation>Les traces d&apos;observations de %1 systèmes n&apos;ont pas pu être lues (la première : « %2 ») ; ils ne sont pas comparés.</translation>
    </message>
    <message>
        <source>Sky strip of ecliptic longitude</source>
        <translation>Bande du ciel en longitude écliptique</translation>
    </message>
    <message>
        <source>Ptolemaic universe: %1</source>
        <translation>Univers de Ptolémée : %1</translation>
    </message>
    <message>
        <source>moving backwards (retrograde)</source>
        <translation>en marche arrière (rétrograde)</translation>
    </message>
    <message>
        <source>moving forwards</source>
        <translation>en marche directe</translation>
    </message>
    <message>
        <source>%1 at longitude %2°, %3</source>
        <translation>%1 à la longitude %2°, %3</translation>
    </message>
    <message>
        <source>model − observed longitude</source>
        <translation>longitude : modèle − observée</translation>
    </message>
    <message>
        <source>Plot of model minus observed longitude against time</source>
        <translation>Courbe de la longitude du modèle moins la longitude observée en fonction du temps</translation>
    </message>
    <message>
        <source>Ptolemaic universe seen from the Sun: %1</source>
        <translation>Univers ptoléméen vu du Soleil : %1</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Sun-centred view: no system named &quot;%1&quot; with cycles</source>
        <translation>Vue centrée sur le Soleil : aucun système nommé « %1 » avec des cycles</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
</context>
<context>
    <name>RawFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>c&apos;est un périphérique ou un tube, pas un fichier</translation>
    </message>
</context>
<context>
    <name>ReadoutPanel</name>
    <message>
        <source>Error readout</source>
        <translation>Indicateur d&apos;écart</translation>
    </message>
    <message>
        <source>How far each model is from its observations</source>
        <translation>L&apos;écart de chaque modèle à ses observations</translation>
    </message>
</context>
<context>
    <name>RecentLayouts</name>
    <message>
        <source>No layouts opened yet</source>
        <translation>Aucune disposition ouverte pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the Recent list.</source>
        <translation>%1 n&apos;existe plus ; il est retiré de la liste des récents.</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
</context>
<context>
    <name>SystemsDialog</name>
    <message>
        <source>The universe holds %1 systems; %2 were not added.</source>
        <translation>L&apos;univers contient %1 systèmes ; %2 n&apos;ont pas été ajoutés.</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>Time slider</source>
        <translation>Curseur du temps</translation>
    </message>
    <message>
        <source>No dated observations are on screen.</source>
        <translation>Aucune observation datée n&apos;est affichée.</translation>
    </message>
    <message>
        <source>%1 lies outside the observations, which run from %2 to %3.</source>
        <translation>%1 est en dehors des observations, qui vont du %2 au %3.</translation>
    </message>
    <message>
        <source>&amp;Resume All</source>
        <translation>Tout &amp;reprendre</translation>
    </message>
    <message>
        <source>&amp;Pause All</source>
        <translation>Tout mettre en &amp;pause</translation>
    </message>
</context>
<context>
    <name>UniverseUndo</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>The user guide was not found at %1.</source>
        <translation>Le guide de l&apos;utilisateur est introuvable à l&apos;emplacement %1.</translation>
    </message>
    <message>
        <source>Skyloom Simulator</source>
        <translation>Simulateur Skyloom</translation>
    </message>
    <message>
        <source>Skyloom User Guide</source>
        <translation>Guide de l&apos;utilisateur de Skyloom</translation>
    </message>
</context>
</TS>
