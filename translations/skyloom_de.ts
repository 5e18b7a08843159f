<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutText</name>
    <message>
        <source>Skyloom Simulator %1

A teaching simulator of the sky: build Ptolemy&apos;s systems of cycles (deferents, epicycles, eccentrics and equants), run them and fit them to observations.

Licence: MIT (see LICENSE).
Credits: the Skyloom developers; built with Qt and pugixml.</source>
        <translation>Skyloom Simulator %1

Ein Himmelssimulator für den Unterricht: Baue Ptolemäus&apos; Systeme von Kreisen (Deferenten, Epizykel, Exzenter und Äquanten), lass sie laufen und passe sie an Beobachtungen an.

Lizenz: MIT (siehe LICENSE).
Dank: die Skyloom-Entwickler; gebaut mit Qt und pugixml.</translation>
    </message>
</context>
<context>
    <name>AnimationRecorder</name>
    <message>
        <source>%1 names no file.</source>
        <translation>%1 nennt keine Datei.</translation>
    </message>
    <message>
        <source>Could not write the animation %1: the folder %2 does not exist.</source>
        <translation>Die Animation %1 konnte nicht geschrieben werden: Den Ordner %2 gibt es nicht.</translation>
    </message>
    <message>
        <source>The window closed before the recording of %1 ended.</source>
        <translation>Das Fenster wurde geschlossen, bevor die Aufnahme von %1 endete.</translation>
    </message>
    <message>
        <source>Could not take a frame of the window for %1.</source>
        <translation>Für %1 konnte kein Bild des Fensters aufgenommen werden.</translation>
    </message>
    <message>
        <source>Could not write the animation %1: %2</source>
        <translation>Die Animation %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not make the animation %1.</source>
        <translation>Die Animation %1 konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>Bitmap</name>
    <message>
        <source>The file was refused: %1.</source>
        <translation>Die Datei wurde abgelehnt: %1.</translation>
    </message>
</context>
<context>
    <name>BitmapDisplayWindow</name>
    <message>
        <source>Picture: none loaded</source>
        <translation>Bild: keines geladen</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>ButtonTips</name>
    <message>
        <source>Start the model again from time 0</source>
        <translation>Das Modell wieder bei Zeit 0 beginnen</translation>
    </message>
    <message>
        <source>Stop the model&apos;s time</source>
        <translation>Die Zeit des Modells anhalten</translation>
    </message>
    <message>
        <source>Let the model&apos;s time run on</source>
        <translation>Die Zeit des Modells weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Open a file in place of what this window shows</source>
        <translation>Eine Datei anstelle dessen öffnen, was dieses Fenster zeigt</translation>
    </message>
    <message>
        <source>Save the systems of cycles to a universe file (.ptu)</source>
        <translation>Die Systeme von Kreisen in einer Universumsdatei (.ptu) speichern</translation>
    </message>
    <message>
        <source>Replace every system by random cycles</source>
        <translation>Jedes System durch zufällige Kreise ersetzen</translation>
    </message>
    <message>
        <source>Edit the systems and their cycles</source>
        <translation>Die Systeme und ihre Kreise bearbeiten</translation>
    </message>
    <message>
        <source>Watch an object that moves like a star</source>
        <translation>Ein Objekt beobachten, das sich wie ein Stern bewegt</translation>
    </message>
    <message>
        <source>Watch an object that moves like the Sun</source>
        <translation>Ein Objekt beobachten, das sich wie die Sonne bewegt</translation>
    </message>
    <message>
        <source>Watch an object that moves like a planet</source>
        <translation>Ein Objekt beobachten, das sich wie ein Planet bewegt</translation>
    </message>
    <message>
        <source>Watch an object that moves like a comet</source>
        <translation>Ein Objekt beobachten, das sich wie ein Komet bewegt</translation>
    </message>
    <message>
        <source>Record where the object is now</source>
        <translation>Festhalten, wo das Objekt jetzt steht</translation>
    </message>
    <message>
        <source>Save the readings as a trail file (.obs) for the other windows</source>
        <translation>Die Messungen als Spurdatei (.obs) für die anderen Fenster speichern</translation>
    </message>
    <message>
        <source>Show the latest published readings</source>
        <translation>Die zuletzt veröffentlichten Messungen zeigen</translation>
    </message>
    <message>
        <source>Give every window of this picture the source&apos;s placement again</source>
        <translation>Allen Fenstern dieses Bildes wieder die Anordnung der Quelle geben</translation>
    </message>
    <message>
        <source>Change how the picture is placed across the window</source>
        <translation>Ändern, wie das Bild in der Breite des Fensters liegt</translation>
    </message>
    <message>
        <source>Change how the picture is placed up and down the window</source>
        <translation>Ändern, wie das Bild in der Höhe des Fensters liegt</translation>
    </message>
</context>
<context>
    <name>CycleChange</name>
    <message>
        <source>That cycle is gone: the universe has changed.</source>
        <translation>Diesen Kreis gibt es nicht mehr: das Universum hat sich geändert.</translation>
    </message>
</context>
<context>
    <name>CyclePropertiesDialog</name>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Omega</source>
        <translation>Omega</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>Phi</translation>
    </message>
    <message>
        <source>Eccentric X</source>
        <translation>Exzenter X</translation>
    </message>
    <message>
        <source>Eccentric Y</source>
        <translation>Exzenter Y</translation>
    </message>
    <message>
        <source>Equant X</source>
        <translation>Äquant X</translation>
    </message>
    <message>
        <source>Equant Y</source>
        <translation>Äquant Y</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 muss eine Zahl sein</translation>
    </message>
    <message>
        <source>%1 must lie between -%2 and %2</source>
        <translation>%1 muss zwischen -%2 und %2 liegen</translation>
    </message>
    <message>
        <source>The circle&apos;s radius in the model&apos;s units</source>
        <translation>Der Radius des Kreises in den Einheiten des Modells</translation>
    </message>
    <message>
        <source>Turns per year of model time; a negative number turns the other way</source>
        <translation>Umläufe je Jahr Modellzeit; eine negative Zahl dreht andersherum</translation>
    </message>
    <message>
        <source>The angle at time 0, in radians (0 to 2pi)</source>
        <translation>Der Winkel zur Zeit 0, im Bogenmaß (0 bis 2pi)</translation>
    </message>
    <message>
        <source>The equant&apos;s place, in the model&apos;s units</source>
        <translation>Die Lage des Äquanten, in den Einheiten des Modells</translation>
    </message>
    <message>
        <source>The circle&apos;s centre moved by this much, in the model&apos;s units</source>
        <translation>Der Mittelpunkt des Kreises, um so viel verschoben, in den Einheiten des Modells</translation>
    </message>
</context>
<context>
    <name>DisplayManager</name>
    <message>
        <source>The layout holds %1 image sources; at most %2 are shown.</source>
        <translation>Das Layout enthält %1 Bildquellen; höchstens %2 werden gezeigt.</translation>
    </message>
</context>
<context>
    <name>EditingSteps</name>
    <message>
        <source>Edit Systems</source>
        <translation>Systeme bearbeiten</translation>
    </message>
    <message>
        <source>Edit Cycles</source>
        <translation>Kreise bearbeiten</translation>
    </message>
    <message>
        <source>Cycle Properties</source>
        <translation>Kreiseigenschaften</translation>
    </message>
    <message>
        <source>Display Settings</source>
        <translation>Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zufällig machen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
</context>
<context>
    <name>GazerixContainer</name>
    <message>
        <source>Gazerix Container</source>
        <translation>Gazerix-Container</translation>
    </message>
</context>
<context>
    <name>GazerixCtrl</name>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go To Date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>A day from %1 to %2</source>
        <translation>Ein Tag von %1 bis %2</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>The observations run from %1 to %2.</source>
        <translation>Die Beobachtungen reichen von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>KeplerUniverse</name>
    <message>
        <source>Kepler universe: planets on ellipses around the Sun</source>
        <translation>Kepler-Universum: Planeten auf Ellipsen um die Sonne</translation>
    </message>
</context>
<context>
    <name>LayoutWindows</name>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Buttons: %1</source>
        <translation>Schaltflächen: %1</translation>
    </message>
    <message>
        <source>Observer window</source>
        <translation>Beobachtungsfenster</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>a source needs index (a whole number from 0), time (a number from 0) and paused (0 or 1)</source>
        <translation>eine Quelle braucht index (eine ganze Zahl ab 0), time (eine Zahl ab 0) und paused (0 oder 1)</translation>
    </message>
    <message>
        <source>its sources are not in layout order</source>
        <translation>ihre Quellen stehen nicht in der Reihenfolge des Layouts</translation>
    </message>
    <message>
        <source>it needs a Time with a speed above 0 and held (0 or 1)</source>
        <translation>sie braucht ein Time mit speed über 0 und held (0 oder 1)</translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation>sie ist kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>it is not a lesson of this version (SkyloomLesson version=&quot;1&quot;)</source>
        <translation>sie ist keine Lektion dieser Version (SkyloomLesson version=&quot;1&quot;)</translation>
    </message>
    <message>
        <source>it holds no layout</source>
        <translation>sie enthält kein Layout</translation>
    </message>
</context>
<context>
    <name>LessonCommands</name>
    <message>
        <source>Save Lesson</source>
        <translation>Lektion speichern</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>no layout is on screen</source>
        <translation>kein Layout wird angezeigt</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the lesson %1: %2</source>
        <translation>Die Lektion %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t open the lesson %1: %2</source>
        <translation>Die Lektion %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its speed is none of the View menu&apos;s</source>
        <translation>ihre Geschwindigkeit bietet das Menü Ansicht nicht an</translation>
    </message>
    <message>
        <source>no layout can be shown</source>
        <translation>kein Layout kann angezeigt werden</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>no layout is on screen</source>
        <translation>kein Layout wird angezeigt</translation>
    </message>
    <message>
        <source>its layout %1 cannot be read</source>
        <translation>ihr Layout %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>close the open dialog first</source>
        <translation>schließen Sie zuerst den offenen Dialog</translation>
    </message>
    <message>
        <source>its layout is not well-formed XML: %1</source>
        <translation>ihr Layout ist kein wohlgeformtes XML: %1</translation>
    </message>
    <message>
        <source>its layout has no source %1</source>
        <translation>ihr Layout hat keine Quelle %1</translation>
    </message>
    <message>
        <source>source %1 of its layout is no Ptolemy universe</source>
        <translation>Quelle %1 ihres Layouts ist kein Universum des Ptolemäus</translation>
    </message>
    <message>
        <source>the systems of source %1 are no universe file: %2</source>
        <translation>die Systeme der Quelle %1 sind keine Universumsdatei: %2</translation>
    </message>
    <message>
        <source>its layout did not load</source>
        <translation>ihr Layout wurde nicht geladen</translation>
    </message>
</context>
<context>
    <name>LiveCyclesPanel</name>
    <message>
        <source>Live cycles</source>
        <translation>Kreise live</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universum</translation>
    </message>
    <message>
        <source>&amp;Universe</source>
        <translation>&amp;Universum</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systeme</translation>
    </message>
    <message>
        <source>&amp;Systems</source>
        <translation>&amp;Systeme</translation>
    </message>
    <message>
        <source>Cycles, the deferent first</source>
        <translation>Kreise, der Deferent zuerst</translation>
    </message>
    <message>
        <source>C&amp;ycles</source>
        <translation>&amp;Kreise</translation>
    </message>
    <message>
        <source>Has &amp;eccentric</source>
        <translation>Hat &amp;Exzenter</translation>
    </message>
    <message>
        <source>Has e&amp;quant</source>
        <translation>Hat Ä&amp;quant</translation>
    </message>
    <message>
        <source>The layout on screen shows no Ptolemy universe.</source>
        <translation>Das Layout auf dem Bildschirm zeigt kein Ptolemäus-Universum.</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Universum %1</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>System %1</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>No message</source>
        <translation>Keine Meldung</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>%1, Schieberegler</translation>
    </message>
    <message>
        <source>%1 number</source>
        <translation>%1, Zahl</translation>
    </message>
    <message>
        <source>Cycle Change</source>
        <translation>Kreisänderung</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skyloom Simulator</source>
        <translation>Skyloom Simulator</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Start Pounding</source>
        <translation>Dauertest &amp;starten</translation>
    </message>
    <message>
        <source>S&amp;top Pounding</source>
        <translation>Dauertest s&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About Skyloom</source>
        <translation>Ü&amp;ber Skyloom</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>t = %1 years</source>
        <translation>t = %1 Jahre</translation>
    </message>
    <message>
        <source>About Skyloom</source>
        <translation>Über Skyloom</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lektionen</translation>
    </message>
    <message>
        <source>Live Cycles</source>
        <translation>Kreise live</translation>
    </message>
    <message>
        <source>&amp;Live Cycles</source>
        <translation>&amp;Kreise live</translation>
    </message>
    <message>
        <source>&amp;Pause All</source>
        <translation>Alle an&amp;halten</translation>
    </message>
    <message>
        <source>Step &amp;Backwards</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>Step &amp;Forwards</source>
        <translation>Schritt &amp;vorwärts</translation>
    </message>
    <message>
        <source>&amp;Go To Date...</source>
        <translation>&amp;Gehe zu Datum...</translation>
    </message>
    <message>
        <source>&amp;Stop at the end of the observations</source>
        <translation>Am Ende der Beobachtungen &amp;stehen bleiben</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Bild &amp;exportieren...</translation>
    </message>
    <message>
        <source>Record &amp;Animation...</source>
        <translation>&amp;Animation aufnehmen...</translation>
    </message>
    <message>
        <source>Recen&amp;t</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>Lektion ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Lesson...</source>
        <translation>Lektion &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>MatchError</name>
    <message>
        <source>%1: no observation yet</source>
        <translation>%1: noch keine Beobachtung</translation>
    </message>
    <message>
        <source>%1: past the observations, RMS %2°</source>
        <translation>%1: nach den Beobachtungen, RMS %2°</translation>
    </message>
    <message>
        <source>%1: model − observed %2°, RMS %3°</source>
        <translation>%1: Modell − Beobachtung %2°, RMS %3°</translation>
    </message>
</context>
<context>
    <name>MediaCommands</name>
    <message>
        <source>A window is named by its number, or -1 for the whole layout, not &apos;%1&apos;.</source>
        <translation>Ein Fenster wird mit seiner Nummer angegeben, oder -1 für das ganze Layout, nicht „%1“.</translation>
    </message>
    <message>
        <source>There is no %1 step.</source>
        <translation>Es gibt keinen Schritt %1.</translation>
    </message>
    <message>
        <source>A recording lasts a number of seconds above 0 and at most %1, not &apos;%2&apos;.</source>
        <translation>Eine Aufnahme dauert eine Anzahl Sekunden über 0 und höchstens %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>Pictures are written as .png or .svg files, not as %1.</source>
        <translation>Bilder werden als .png- oder .svg-Dateien geschrieben, nicht als %1.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Animation aufnehmen</translation>
    </message>
    <message>
        <source>There is no window %1 in the layout on screen.</source>
        <translation>Im angezeigten Layout gibt es kein Fenster %1.</translation>
    </message>
    <message>
        <source>Skyloom layout</source>
        <translation>Skyloom-Layout</translation>
    </message>
    <message>
        <source>A recording is running already.</source>
        <translation>Es läuft bereits eine Aufnahme.</translation>
    </message>
    <message>
        <source>Recording the animation...</source>
        <translation>Die Animation wird aufgenommen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Recording progress</source>
        <translation>Fortschritt der Aufnahme</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Animation aufnehmen</translation>
    </message>
    <message>
        <source>Whole layout</source>
        <translation>Ganzes Layout</translation>
    </message>
    <message>
        <source>Window %1: %2</source>
        <translation>Fenster %1: %2</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>&amp;Window:</source>
        <translation>&amp;Fenster:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A .png file holds the pixels, an .svg file the figures</source>
        <translation>Eine .png-Datei enthält die Pixel, eine .svg-Datei die Figuren</translation>
    </message>
    <message>
        <source>An animated .gif file</source>
        <translation>Eine animierte .gif-Datei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>D&amp;atei:</translation>
    </message>
    <message>
        <source>The extension chooses the format: .png for pixels, .svg for figures.</source>
        <translation>Die Endung wählt das Format: .png für Pixel, .svg für Figuren.</translation>
    </message>
    <message>
        <source>The animation is written as an animated GIF (.gif).</source>
        <translation>Die Animation wird als animiertes GIF (.gif) geschrieben.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Sekunden:</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Bilder (*.png *.svg)</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>Observatory, overhead view</source>
        <translation>Observatorium, Ansicht von oben</translation>
    </message>
    <message>
        <source>Observatory, the sky projected</source>
        <translation>Observatorium, der projizierte Himmel</translation>
    </message>
    <message>
        <source>Observatory, list of observations</source>
        <translation>Observatorium, Liste der Beobachtungen</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>Could not draw the picture for %1.</source>
        <translation>Das Bild für %1 konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Could not write the picture %1: %2</source>
        <translation>Das Bild %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Drawn by the Skyloom Simulator</source>
        <translation>Gezeichnet vom Skyloom-Simulator</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>its picture claims %1 x %2 pixels; at most %3 pixels a side and %4 pixels in all are read</source>
        <translation>ihr Bild gibt %1 x %2 Pixel an; gelesen werden höchstens %3 Pixel je Seite und %4 Pixel insgesamt</translation>
    </message>
</context>
<context>
    <name>PtolemyUniverse</name>
    <message>
        <source>it is not a universe file (systems of cycles, .ptu)</source>
        <translation>sie ist keine Universumsdatei (Systeme von Kreisen, .ptu)</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1: %2</source>
        <translation>%1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 systems; a universe holds %3: the first %3 were loaded.</source>
        <translation>%1 enthält %2 Systeme; ein Universum fasst %3: die ersten %3 wurden geladen.</translation>
    </message>
    <message>
        <source>The observation trail of &quot;%1&quot; could not be read; the system is not matched.</source>
        <translation>Die Beobachtungsspur von „%1“ konnte nicht gelesen werden; das System wird nicht verglichen.</translation>
    </message>
    <message>
        <source>The observation trails of %1 systems could not be read (the first of &quot;%2&quot;); they are not matched.</source>
        <translation>Die Beobachtungsspuren von %1 Systemen konnten nicht gelesen werden (die erste von „%2“); sie werden nicht verglichen.</translation>
    </message>
    <message>
        <source>Sky strip of ecliptic longitude</source>
        <translation>Himmelsstreifen der ekliptikalen Länge</translation>
    </message>
    <message>
        <source>Ptolemaic universe: %1</source>
        <translation>Ptolemäisches Universum: %1</translation>
    </message>
    <message>
        <source>moving backwards (retrograde)</source>
        <translation>rückläufig (retrograd)</translation>
    </message>
    <message>
        <source>moving forwards</source>
        <translation>rechtläufig</translation>
    </message>
    <message>
        <source>%1 at longitude %2°, %3</source>
        <translation>%1 bei Länge %2°, %3</translation>
    </message>
    <message>
        <source>model − observed longitude</source>
        <translation>Länge: Modell − Beobachtung</translation>
    </message>
    <message>
        <source>Plot of model minus observed longitude against time</source>
        <translation>Diagramm der Länge im Modell minus der beobachteten Länge über der Zeit</translation>
    </message>
    <message>
        <source>Ptolemaic universe seen from the Sun: %1</source>
        <translation>Ptolemäisches Universum von der Sonne aus gesehen: %1</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Sun-centred view: no system named &quot;%1&quot; with cycles</source>
        <translation>Sonnenzentrierte Ansicht: kein System namens „%1“ mit Zyklen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>RawFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>sie ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
</context>
<context>
    <name>ReadoutPanel</name>
    <message>
        <source>Error readout</source>
        <translation>Fehleranzeige</translation>
    </message>
    <message>
        <source>How far each model is from its observations</source>
        <translation>Wie weit jedes Modell von seinen Beobachtungen abweicht</translation>
    </message>
</context>
<context>
    <name>RecentLayouts</name>
    <message>
        <source>No layouts opened yet</source>
        <translation>Noch keine Layouts geöffnet</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the Recent list.</source>
        <translation>%1 ist nicht mehr da; es wird aus der Liste der zuletzt geöffneten genommen.</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>SystemsDialog</name>
    <message>
        <source>The universe holds %1 systems; %2 were not added.</source>
        <translation>Das Universum enthält %1 Systeme; %2 wurden nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Time slider</source>
        <translation>Zeitregler</translation>
    </message>
    <message>
        <source>No dated observations are on screen.</source>
        <translation>Es sind keine datierten Beobachtungen zu sehen.</translation>
    </message>
    <message>
        <source>%1 lies outside the observations, which run from %2 to %3.</source>
        <translation>%1 liegt außerhalb der Beobachtungen, die von %2 bis %3 reichen.</translation>
    </message>
    <message>
        <source>&amp;Resume All</source>
        <translation>Alle &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Pause All</source>
        <translation>Alle an&amp;halten</translation>
    </message>
</context>
<context>
    <name>UniverseUndo</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>The user guide was not found at %1.</source>
        <translation>Das Benutzerhandbuch wurde unter %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Skyloom Simulator</source>
        <translation>Skyloom Simulator</translation>
    </message>
    <message>
        <source>Skyloom User Guide</source>
        <translation>Skyloom-Benutzerhandbuch</translation>
    </message>
</context>
</TS>
