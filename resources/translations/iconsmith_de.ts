<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Alerts</name>
    <message>
        <source>Nothing was written to %1.</source>
        <translation>In %1 wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Not everything could be written to %1.</source>
        <translation>Nicht alles konnte in %1 geschrieben werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s). The first: %1 — %2</source>
        <translation>
            <numerusform>%n Problem: %1 — %2</numerusform>
            <numerusform>%n Probleme. Das erste: %1 — %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Where the folder cannot be written to (no permission, a read-only or full disk), choose another save folder and press Generate again.</source>
        <translation>Wenn in den Ordner nicht geschrieben werden kann (keine Berechtigung, schreibgeschützter oder voller Datenträger), wählen Sie einen anderen Speicherordner und klicken Sie erneut auf „Erzeugen“.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Anderen Ordner auswählen…</translation>
    </message>
    <message>
        <source>These files cannot be made, so nothing was written.</source>
        <translation>Diese Dateien können nicht erstellt werden, daher wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lists %n image(s), and the new catalog lists none.</source>
        <translation>
            <numerusform>%1 führt %n Bild auf, der neue Katalog keines.</numerusform>
            <numerusform>%1 führt %n Bilder auf, der neue Katalog keines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The target folders in %1 hold %n file(s) that the new run does not write.</source>
        <translation>
            <numerusform>Die Zielordner in %1 enthalten %n Datei, die der neue Durchlauf nicht schreibt.</numerusform>
            <numerusform>Die Zielordner in %1 enthalten %n Dateien, die der neue Durchlauf nicht schreibt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n image(s) that the new set does not list.</source>
        <translation>
            <numerusform>%1 enthält %n Bild, das der neue Satz nicht aufführt.</numerusform>
            <numerusform>%1 enthält %n Bilder, die der neue Satz nicht aufführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace moves each target&apos;s old folder to the trash (where there is no trash for it, it is kept beside under a name ending in &quot;.replaced-&quot; and the date) and writes a complete new one in its place. Keep the other files leaves them where they are, listed by nothing, and the set no longer passes a check.</source>
        <translation>„Ersetzen“ verschiebt den alten Ordner jedes Ziels in den Papierkorb (wo es dafür keinen Papierkorb gibt, bleibt er daneben unter einem Namen erhalten, der auf „.replaced-“ und das Datum endet) und schreibt an seiner Stelle einen vollständigen neuen. „Andere Dateien behalten“ lässt sie, wo sie sind, von nichts aufgeführt, und der Satz besteht keine Prüfung mehr.</translation>
    </message>
    <message>
        <source>Replace moves the old folder to the trash (where there is no trash for it, it is kept beside under a name ending in &quot;.replaced-&quot; and the date) and writes a complete new set in its place. Keep the other files leaves them in the folder, where Xcode shows them as unassigned.</source>
        <translation>„Ersetzen“ verschiebt den alten Ordner in den Papierkorb (wo es dafür keinen Papierkorb gibt, bleibt er daneben unter einem Namen erhalten, der auf „.replaced-“ und das Datum endet) und schreibt an seiner Stelle einen vollständigen neuen Satz. „Andere Dateien behalten“ lässt sie im Ordner, wo Xcode sie als nicht zugeordnet anzeigt.</translation>
    </message>
    <message>
        <source>Files the new set does not list:</source>
        <translation>Dateien, die der neue Satz nicht aufführt:</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Keep the Other Files</source>
        <translation>Andere Dateien &amp;behalten</translation>
    </message>
    <message>
        <source>It is at %1. %2</source>
        <translation>Speicherort: %1. %2</translation>
    </message>
    <message>
        <source>Cop&amp;y Path</source>
        <translation>Pfad &amp;kopieren</translation>
    </message>
    <message>
        <source>Update the icons of the project in %1?</source>
        <translation>Die Symbole des Projekts in %1 ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Update Project</source>
        <translation>Projekt &amp;aktualisieren</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Turns one image into the icon files an app project needs.&lt;/p&gt;&lt;p&gt;Qt %3&lt;br&gt;libvips %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Macht aus einem Bild die Symboldateien, die ein App-Projekt braucht.&lt;/p&gt;&lt;p&gt;Qt %3&lt;br&gt;libvips %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The README is not installed.</source>
        <translation>Die README-Datei ist nicht installiert.</translation>
    </message>
    <message>
        <source>It is installed with Iconsmith as share/doc/iconsmith/README.md.</source>
        <translation>Sie wird mit Iconsmith als share/doc/iconsmith/README.md installiert.</translation>
    </message>
    <message>
        <source>No program could show the README.</source>
        <translation>Kein Programm konnte die README-Datei anzeigen.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Turns one image into the icon files an app project needs.</source>
        <translation>Macht aus einem Bild die Symboldateien, die ein App-Projekt braucht.</translation>
    </message>
    <message>
        <source>The image to show in the well.</source>
        <translation>Das Bild, das im Bildfeld angezeigt werden soll.</translation>
    </message>
    <message>
        <source>Write diagnostic lines to standard error (as ICONSMITH_VERBOSE=1 does).</source>
        <translation>Diagnosezeilen in die Standardfehlerausgabe schreiben (wie ICONSMITH_VERBOSE=1).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Iconsmith</source>
        <translation>Iconsmith</translation>
    </message>
    <message>
        <source>&lt;b&gt;Make the icons of an app&lt;/b&gt;</source>
        <translation>&lt;b&gt;Die Symbole einer App erstellen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop an image, choose what to make and where to save it.</source>
        <translation>Legen Sie ein Bild ab und wählen Sie, was erstellt und wo es gespeichert werden soll.</translation>
    </message>
    <message>
        <source>&amp;Make:</source>
        <translation>E&amp;rstellen:</translation>
    </message>
    <message>
        <source>What to make: an icon set for the devices named, an empty catalog, a scaled image set, or the targets</source>
        <translation>Was erstellt werden soll: ein Symbolsatz für die genannten Geräte, ein leerer Katalog, ein skalierter Bildsatz oder die Ziele</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPhone + iPad</source>
        <translation>iPhone + iPad</translation>
    </message>
    <message>
        <source>iPhone, iPad + Apple Watch</source>
        <translation>iPhone, iPad + Apple Watch</translation>
    </message>
    <message>
        <source>Empty catalog (Contents.json only)</source>
        <translation>Leerer Katalog (nur Contents.json)</translation>
    </message>
    <message>
        <source>Scaled image (@1x @2x @3x)</source>
        <translation>Skaliertes Bild (@1x @2x @3x)</translation>
    </message>
    <message>
        <source>&amp;Save to:</source>
        <translation>&amp;Speichern in:</translation>
    </message>
    <message>
        <source>The folder that receives the files; type a path, drop a folder here, or press Choose. A relative path is taken from your home folder.</source>
        <translation>Der Ordner, der die Dateien erhält; geben Sie einen Pfad ein, legen Sie hier einen Ordner ab oder klicken Sie auf „Auswählen“. Ein relativer Pfad gilt ab Ihrem persönlichen Ordner.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Auswählen…</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>Hinter&amp;grund:</translation>
    </message>
    <message>
        <source>A colour that fills the transparent areas of every image, so that none is transparent</source>
        <translation>Eine Farbe, die die transparenten Bereiche jedes Bildes füllt, sodass keines transparent ist</translation>
    </message>
    <message>
        <source>No background colour: keep the transparency</source>
        <translation>Keine Hintergrundfarbe: Transparenz beibehalten</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Clip every image to a rounded rectangle (icon sets and the scaled image set)</source>
        <translation>Jedes Bild auf ein abgerundetes Rechteck zuschneiden (Symbolsätze und der skalierte Bildsatz)</translation>
    </message>
    <message>
        <source>&amp;Rounded corners</source>
        <translation>Abgerundete E&amp;cken</translation>
    </message>
    <message>
        <source>Icon sets: keep a non-square image&apos;s proportions, fitted into each icon with margins of the background colour (transparent without one)</source>
        <translation>Symbolsätze: Die Proportionen eines nicht quadratischen Bildes beibehalten, in jedes Symbol eingepasst mit Rändern in der Hintergrundfarbe (ohne eine transparent)</translation>
    </message>
    <message>
        <source>Fi&amp;t a non-square image into each icon</source>
        <translation>Nicht quadratisches Bild in jedes Symbol ein&amp;passen</translation>
    </message>
    <message>
        <source>Icon sets: stretch the image over each square icon</source>
        <translation>Symbolsätze: Das Bild über jedes quadratische Symbol strecken</translation>
    </message>
    <message>
        <source>Stretch it to s&amp;quare icons</source>
        <translation>Auf &amp;quadratische Symbole strecken</translation>
    </message>
    <message>
        <source>Scaled image set: the image&apos;s own size at @1x, twice and three times it at @2x and @3x</source>
        <translation>Skalierter Bildsatz: die eigene Größe des Bildes bei @1x, das Doppelte und Dreifache bei @2x und @3x</translation>
    </message>
    <message>
        <source>Zoom &amp;in: source size at @1x</source>
        <translation>&amp;Vergrößern: Originalgröße bei @1x</translation>
    </message>
    <message>
        <source>Scaled image set: the image&apos;s own size at @3x, a third and two thirds of it at @1x and @2x</source>
        <translation>Skalierter Bildsatz: die eigene Größe des Bildes bei @3x, ein Drittel und zwei Drittel davon bei @1x und @2x</translation>
    </message>
    <message>
        <source>Zoom &amp;out: source size at @3x</source>
        <translation>Verk&amp;leinern: Originalgröße bei @3x</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <translation>%v von %m Dateien</translation>
    </message>
    <message>
        <source>Stop writing; the folder stays as it was</source>
        <translation>Schreiben abbrechen; der Ordner bleibt, wie er war</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write the files into the save folder</source>
        <translation>Die Dateien in den Speicherordner schreiben</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open Image…</source>
        <translation>Bild ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Choose Save &amp;Folder…</source>
        <translation>Speicher&amp;ordner auswählen…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>Fenster &amp;schließen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Paste Image</source>
        <translation>Bild &amp;einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Iconsmith &amp;README</source>
        <translation>Iconsmith-&amp;README</translation>
    </message>
    <message>
        <source>&amp;About Iconsmith</source>
        <translation>Ü&amp;ber Iconsmith</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Pro&amp;ject Folder…</source>
        <translation>Pro&amp;jektordner…</translation>
    </message>
    <message>
        <source>Update the icons of an app project in place (Android, Xcode, Flutter, Capacitor, React Native, Tauri, Electron, a web app), where its build reads them</source>
        <translation>Die Symbole eines App-Projekts an Ort und Stelle ersetzen (Android, Xcode, Flutter, Capacitor, React Native, Tauri, Electron, eine Web-App), dort, wo sein Build sie liest</translation>
    </message>
    <message>
        <source>Save to a Folder Instead</source>
        <translation>Stattdessen in einen Ordner speichern</translation>
    </message>
    <message>
        <source>Write the chosen targets into the save folder instead of updating the project</source>
        <translation>Die gewählten Ziele in den Speicherordner schreiben, statt das Projekt zu aktualisieren</translation>
    </message>
</context>
<context>
    <name>iconsmith::AppDelegate</name>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>There is no image in the well: drop one there, paste one, or choose File ▸ Open Image.</source>
        <translation>Im Bildfeld ist kein Bild: Legen Sie dort eines ab, fügen Sie eines ein oder wählen Sie Datei ▸ Bild öffnen.</translation>
    </message>
    <message>
        <source>Nothing is chosen to make: choose it under Make.</source>
        <translation>Es ist nicht gewählt, was erstellt werden soll: Wählen Sie es unter „Erstellen“.</translation>
    </message>
    <message>
        <source>There is no save folder: type one or press Choose.</source>
        <translation>Es gibt keinen Speicherordner: Geben Sie einen ein oder klicken Sie auf „Auswählen“.</translation>
    </message>
    <message>
        <source>Generate starts as soon as the image is read…</source>
        <translation>Das Erzeugen beginnt, sobald das Bild gelesen ist…</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Legen Sie ein Bild im Bildfeld ab, wählen Sie, was erstellt werden soll, und einen Speicherordner und klicken Sie dann auf „Erzeugen“.</translation>
    </message>
</context>
<context>
    <name>iconsmith::Choosers</name>
    <message>
        <source>Choose a Save Folder</source>
        <translation>Speicherordner auswählen</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
</context>
<context>
    <name>iconsmith::ColorSwatchButton</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>iconsmith::DesktopOpener</name>
    <message>
        <source>No program to open files with is installed (xdg-open).</source>
        <translation>Es ist kein Programm zum Öffnen von Dateien installiert (xdg-open).</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1 ended with status %2.</source>
        <translation>%1 wurde mit Status %2 beendet.</translation>
    </message>
    <message>
        <source>%1 said: %2</source>
        <translation>%1 meldete: %2</translation>
    </message>
</context>
<context>
    <name>iconsmith::GenerationFlow</name>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Die Bilder werden gelesen…</translation>
    </message>
    <message>
        <source>Writing the files…</source>
        <translation>Die Dateien werden geschrieben…</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and %1 is as it was.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben, und %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was written to %1.</source>
        <translation>In %1 wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s) to %1.</source>
        <translation>
            <numerusform>%n Datei in %1 geschrieben.</numerusform>
            <numerusform>%n Dateien in %1 geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>iconsmith::IconPreviewStrip</name>
    <message>
        <source>Preview of the images written</source>
        <translation>Vorschau der geschriebenen Bilder</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source> · %1%</source>
        <translation> · %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>iconsmith::ImageLoader</name>
    <message>
        <source>%1 could not be shown.</source>
        <translation>%1 konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>The pasted image could not be saved to %1.</source>
        <translation>Das eingefügte Bild konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>iconsmith::MainWindow</name>
    <message>
        <source>An AppIcon.appiconset with the iPhone sizes and its Contents.json</source>
        <translation>Ein AppIcon.appiconset mit den iPhone-Größen und seiner Contents.json</translation>
    </message>
    <message>
        <source>An AppIcon.appiconset with the iPad sizes and its Contents.json</source>
        <translation>Ein AppIcon.appiconset mit den iPad-Größen und seiner Contents.json</translation>
    </message>
    <message>
        <source>An AppIcon.appiconset with the iPhone and iPad sizes and its Contents.json</source>
        <translation>Ein AppIcon.appiconset mit den iPhone- und iPad-Größen und seiner Contents.json</translation>
    </message>
    <message>
        <source>The iPhone and iPad set, and the Apple Watch sizes in the folder (not listed in Contents.json)</source>
        <translation>Der iPhone- und iPad-Satz und die Apple-Watch-Größen im Ordner (nicht in Contents.json aufgeführt)</translation>
    </message>
    <message>
        <source>Only AppIcon.appiconset/Contents.json, listing no image; needs no image</source>
        <translation>Nur AppIcon.appiconset/Contents.json, ohne aufgeführte Bilder; braucht kein Bild</translation>
    </message>
    <message>
        <source>Image.png, Image@2x.png and Image@3x.png in the save folder itself</source>
        <translation>Image.png, Image@2x.png und Image@3x.png direkt im Speicherordner</translation>
    </message>
    <message>
        <source>Targets: Apple, Android, Windows, web, Linux…</source>
        <translation>Ziele: Apple, Android, Windows, Web, Linux…</translation>
    </message>
    <message>
        <source>Each ticked target into a folder of its own in the save folder</source>
        <translation>Jedes angekreuzte Ziel in einen eigenen Ordner im Speicherordner</translation>
    </message>
    <message>
        <source>Write the files into the save folder (%1)</source>
        <translation>Die Dateien in den Speicherordner schreiben (%1)</translation>
    </message>
</context>
<context>
    <name>iconsmith::OptionRules</name>
    <message>
        <source>%1 The image already in the well is kept.</source>
        <translation>%1 Das Bild, das schon im Bildfeld ist, bleibt erhalten.</translation>
    </message>
    <message>
        <source>Its transparent areas are filled with %1, the background colour; Remove keeps them transparent.</source>
        <translation>Seine transparenten Bereiche werden mit %1, der Hintergrundfarbe, gefüllt; „Entfernen“ lässt sie transparent.</translation>
    </message>
</context>
<context>
    <name>iconsmith::PlatformPreview</name>
    <message>
        <source>The icons as the systems show them</source>
        <translation>Die Symbole, wie die Systeme sie zeigen</translation>
    </message>
    <message>
        <source>iOS · light</source>
        <translation>iOS · hell</translation>
    </message>
    <message>
        <source>iOS · dark</source>
        <translation>iOS · dunkel</translation>
    </message>
    <message>
        <source>iOS · tinted</source>
        <translation>iOS · getönt</translation>
    </message>
    <message>
        <source>Android · circle</source>
        <translation>Android · Kreis</translation>
    </message>
    <message>
        <source>Android · squircle</source>
        <translation>Android · Squircle</translation>
    </message>
    <message>
        <source>Android · themed</source>
        <translation>Android · mit Design</translation>
    </message>
    <message>
        <source>macOS Dock · light</source>
        <translation>macOS-Dock · hell</translation>
    </message>
    <message>
        <source>macOS Dock · dark</source>
        <translation>macOS-Dock · dunkel</translation>
    </message>
    <message>
        <source>watchOS</source>
        <translation>watchOS</translation>
    </message>
    <message>
        <source>Browser tab · 16 px favicon</source>
        <translation>Browser-Tab · 16-px-Favicon</translation>
    </message>
    <message>
        <source>no dark icon</source>
        <translation>kein dunkles Symbol</translation>
    </message>
    <message>
        <source>Your App</source>
        <translation>Ihre App</translation>
    </message>
</context>
<context>
    <name>iconsmith::ProjectFlow</name>
    <message>
        <source>Choose an App Project</source>
        <translation>App-Projekt auswählen</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Looking for app projects in %1…</source>
        <translation>Suche nach App-Projekten in %1…</translation>
    </message>
    <message>
        <source>%1 holds no app project Iconsmith knows (an Android module, an Xcode project, a Tauri, Electron or web app, a browser extension, a Windows app package, a Flutter app&apos;s Windows runner).</source>
        <translation>%1 enthält kein App-Projekt, das Iconsmith kennt (ein Android-Modul, ein Xcode-Projekt, eine Tauri-, Electron- oder Web-App, eine Browsererweiterung, ein Windows-App-Paket, den Windows-Runner einer Flutter-App).</translation>
    </message>
    <message>
        <source>There is no app project to update.</source>
        <translation>Es gibt kein App-Projekt zu aktualisieren.</translation>
    </message>
    <message>
        <source>Its icons are already these: Generate changes nothing.</source>
        <translation>Seine Symbole sind bereits diese: „Erzeugen“ ändert nichts.</translation>
    </message>
    <message numerus="yes">
        <source>Generate changes %n file(s): %1 new, %2 replaced, %3 edited, %4 moved away. What is replaced or moved away goes to the trash.</source>
        <translation>
            <numerusform>„Erzeugen“ ändert %n Datei: %1 neu, %2 ersetzt, %3 bearbeitet, %4 entfernt. Was ersetzt oder entfernt wird, kommt in den Papierkorb.</numerusform>
            <numerusform>„Erzeugen“ ändert %n Dateien: %1 neu, %2 ersetzt, %3 bearbeitet, %4 entfernt. Was ersetzt oder entfernt wird, kommt in den Papierkorb.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed %n file(s) in %1.</source>
        <translation>
            <numerusform>%n Datei in %1 geändert.</numerusform>
            <numerusform>%n Dateien in %1 geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing in %1 was changed.</source>
        <translation>In %1 wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The project was updated.</source>
        <translation>Das Projekt wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Reading the project…</source>
        <translation>Projekt wird gelesen…</translation>
    </message>
    <message>
        <source>Updating the project…</source>
        <translation>Projekt wird aktualisiert…</translation>
    </message>
</context>
<context>
    <name>iconsmith::RedBorderImageView</name>
    <message>
        <source>Image well</source>
        <translation>Bildfeld</translation>
    </message>
    <message>
        <source>the pasted image</source>
        <translation>das eingefügte Bild</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>das Bild</translation>
    </message>
    <message>
        <source>Loading %1…</source>
        <translation>Wird geladen: %1…</translation>
    </message>
    <message>
        <source>No image: %1</source>
        <translation>Kein Bild: %1</translation>
    </message>
    <message>
        <source>No image. Drop an image here, paste one, or press Enter to choose a file.</source>
        <translation>Kein Bild. Legen Sie hier ein Bild ab, fügen Sie eines ein oder drücken Sie die Eingabetaste, um eine Datei auszuwählen.</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels%4</source>
        <translation>%1, %2 × %3 Pixel%4</translation>
    </message>
    <message>
        <source>, with transparent areas</source>
        <translation>, mit transparenten Bereichen</translation>
    </message>
    <message>
        <source>%1. The last file was not opened: %2</source>
        <translation>%1. Die letzte Datei wurde nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>Drop an image here</source>
        <translation>Bild hier ablegen</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>PNG, JPEG, WebP, SVG, PDF… or File ▸ Open Image…</source>
        <translation>PNG, JPEG, WebP, SVG, PDF… oder Datei ▸ Bild&#xa0;öffnen…</translation>
    </message>
</context>
<context>
    <name>iconsmith::ResultsPanel</name>
    <message>
        <source>Sho&amp;w in Files</source>
        <translation>Im Dateimanager an&amp;zeigen</translation>
    </message>
    <message>
        <source>Cop&amp;y Path</source>
        <translation>Pfad &amp;kopieren</translation>
    </message>
    <message>
        <source>Hide the results</source>
        <translation>Ergebnisse ausblenden</translation>
    </message>
    <message>
        <source>Files written</source>
        <translation>Geschriebene Dateien</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>On the Systems</source>
        <translation>Auf den Systemen</translation>
    </message>
    <message>
        <source>At Real Size</source>
        <translation>In echter Größe</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Note: %1 To add one, choose a picture for %2 under Targets.</source>
        <translation>Hinweis: %1 Um eines hinzuzufügen, wählen Sie unter „Ziele“ ein Bild für %2.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The file browser could not be opened on %1. Copy its path to open it yourself.</source>
        <translation>Der Dateimanager konnte nicht mit %1 geöffnet werden. Kopieren Sie den Pfad, um ihn selbst zu öffnen.</translation>
    </message>
    <message>
        <source>The path of %1 is on the clipboard.</source>
        <translation>Der Pfad von %1 ist in der Zwischenablage.</translation>
    </message>
</context>
<context>
    <name>iconsmith::SplashPanel</name>
    <message>
        <source>&quot;%1&quot; is not a colour for the launch screens; use #rrggbb, #rgb or a name such as white.</source>
        <translation>„%1“ ist keine Farbe für die Startbildschirme; verwenden Sie #rrggbb, #rgb oder einen Namen wie white.</translation>
    </message>
    <message>
        <source>A colour: #rrggbb, #rgb or a name such as white</source>
        <translation>Eine Farbe: #rrggbb, #rgb oder ein Name wie white</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Choose the %1 picture</source>
        <translation>Bild „%1“ wählen</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Da&amp;rk logo:</source>
        <translation>Logo f&amp;ür dunkel:</translation>
    </message>
    <message>
        <source>Dark background:</source>
        <translation>Dunkler Hintergrund:</translation>
    </message>
    <message>
        <source>Launch screens</source>
        <translation>Startbildschirme</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>None: no dark launch screens</source>
        <translation>Keiner: keine dunklen Startbildschirme</translation>
    </message>
    <message>
        <source>Splash l&amp;ogo:</source>
        <translation>Logo &amp;während des Starts:</translation>
    </message>
    <message>
        <source>The background colour, else white</source>
        <translation>Die Hintergrundfarbe, sonst Weiß</translation>
    </message>
    <message>
        <source>The launch screens of the Splash target: the logo on a colour, light and dark</source>
        <translation>Die Startbildschirme des Ziels Splash: das Logo auf einer Farbe, hell und dunkel</translation>
    </message>
    <message>
        <source>The logo of the dark launch screens; with it they are made, on black unless a dark background is given</source>
        <translation>Das Logo der dunklen Startbildschirme; mit ihm werden sie erstellt, auf Schwarz, wenn kein dunkler Hintergrund angegeben ist</translation>
    </message>
    <message>
        <source>The logo of the launch screens; without it the source</source>
        <translation>Das Logo der Startbildschirme; ohne es das Quellbild</translation>
    </message>
</context>
<context>
    <name>iconsmith::TargetsController</name>
    <message>
        <source>No target is ticked: tick at least one under Targets.</source>
        <translation>Kein Ziel ist angekreuzt: Kreuzen Sie unter „Ziele“ mindestens eines an.</translation>
    </message>
    <message>
        <source>Choose the %1 Picture</source>
        <translation>Bild „%1“ auswählen</translation>
    </message>
</context>
<context>
    <name>iconsmith::TargetsPanel</name>
    <message>
        <source>Launch screens</source>
        <translation>Startbildschirme</translation>
    </message>
    <message>
        <source>iOS</source>
        <translation>iOS</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
    <message>
        <source>watchOS</source>
        <translation>watchOS</translation>
    </message>
    <message>
        <source>Icon Composer</source>
        <translation>Icon Composer</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Linux</source>
        <translation>Linux</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>&amp;Dark:</source>
        <translation>D&amp;unkel:</translation>
    </message>
    <message>
        <source>The picture of the dark appearance (iOS, Icon Composer); without it iOS makes one from the source when its background is transparent</source>
        <translation>Das Bild der dunklen Darstellung (iOS, Icon Composer); ohne es erstellt iOS eines aus der Quelle, wenn deren Hintergrund transparent ist</translation>
    </message>
    <message>
        <source>&amp;Tinted:</source>
        <translation>Ge&amp;tönt:</translation>
    </message>
    <message>
        <source>The picture of the tinted appearance (iOS, Icon Composer); without it the source is used</source>
        <translation>Das Bild der getönten Darstellung (iOS, Icon Composer); ohne es wird die Quelle verwendet</translation>
    </message>
    <message>
        <source>Mo&amp;nochrome:</source>
        <translation>Mono&amp;chrom:</translation>
    </message>
    <message>
        <source>A ready themed-icon layer for Android, drawn as a single-colour shape</source>
        <translation>Eine fertige Ebene für Android-Designsymbole, als einfarbige Form gezeichnet</translation>
    </message>
    <message>
        <source>&amp;Android foreground:</source>
        <translation>Android-V&amp;ordergrund:</translation>
    </message>
    <message>
        <source>A ready adaptive-icon foreground layer for Android, used as it is</source>
        <translation>Eine fertige Vordergrundebene eines adaptiven Android-Symbols, unverändert verwendet</translation>
    </message>
    <message>
        <source>Android bac&amp;kground:</source>
        <translation>Android-H&amp;intergrund:</translation>
    </message>
    <message>
        <source>A ready adaptive-icon background layer for Android, also the back layer of visionOS and tvOS icons; without it the background colour</source>
        <translation>Eine fertige Hintergrundebene eines adaptiven Android-Symbols, auch die hintere Ebene der visionOS- und tvOS-Symbole; ohne sie die Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Middle layer:</source>
        <translation>Mittlere Ebene:</translation>
    </message>
    <message>
        <source>The middle layer of the visionOS and tvOS layered icons, between the background and the source</source>
        <translation>Die mittlere Ebene der geschichteten visionOS- und tvOS-Symbole, zwischen dem Hintergrund und dem Bild</translation>
    </message>
    <message>
        <source>Safe zone</source>
        <translation>Sicherheitszone</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>The margin between an adaptive icon&apos;s edge and its content, in percent of the layer; Safe zone fits the content into the 66 dp safe zone</source>
        <translation>Der Abstand zwischen dem Rand eines adaptiven Symbols und seinem Inhalt, in Prozent der Ebene; „Sicherheitszone“ passt den Inhalt in die 66-dp-Sicherheitszone ein</translation>
    </message>
    <message>
        <source>Android inset</source>
        <translation>Android-Innenabstand</translation>
    </message>
    <message>
        <source>Android &amp;inset:</source>
        <translation>Android-I&amp;nnenabstand:</translation>
    </message>
    <message>
        <source>Each platform&apos;s own</source>
        <translation>Je nach Plattform</translation>
    </message>
    <message>
        <source>The margin between each platform&apos;s mask and a logo, in percent of the mask&apos;s side; full-bleed artwork always fills what the platform shows</source>
        <translation>Der Abstand zwischen der Maske jeder Plattform und einem Logo, in Prozent der Maskenseite; randlose Grafiken füllen immer, was die Plattform zeigt</translation>
    </message>
    <message>
        <source>Padding around a logo</source>
        <translation>Abstand um ein Logo</translation>
    </message>
    <message>
        <source>Padding aro&amp;und a logo:</source>
        <translation>Abstand um ein &amp;Logo:</translation>
    </message>
    <message>
        <source>The app&apos;s name: of its icon files (Linux) and web manifest, and shown beside the logo on the TV banners</source>
        <translation>Der Name der App: ihrer Symboldateien (Linux) und des Web-Manifests, und neben dem Logo auf den TV-Bannern gezeigt</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Fi&amp;le name:</source>
        <translation>Dateina&amp;me:</translation>
    </message>
    <message>
        <source>Kee&amp;p artwork as it is (no macOS shape)</source>
        <translation>Grafik un&amp;verändert lassen (keine macOS-Form)</translation>
    </message>
    <message>
        <source>Full-bleed artwork is normally fitted into the macOS icon shape with a shadow, and a logo set on its plate</source>
        <translation>Randlose Grafiken werden normalerweise mit einem Schatten in die macOS-Symbolform eingepasst, und ein Logo wird auf deren Fläche gesetzt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Choose the %1 picture</source>
        <translation>Bild „%1“ auswählen</translation>
    </message>
</context>
<context>
    <name>iconsmith::WarningLine</name>
    <message>
        <source>Warnings about the image</source>
        <translation>Warnungen zum Bild</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iconsmith was stopped by an unexpected error: %1</source>
        <translation>Iconsmith wurde durch einen unerwarteten Fehler beendet: %1</translation>
    </message>
</context>
</TS>
