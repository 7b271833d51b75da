<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Alerts</name>
    <message>
        <source>Nothing was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not everything could be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s). The first: %1 — %2</source>
        <translation>
            <numerusform>One problem: %1 — %2</numerusform>
            <numerusform>%n problems. The first: %1 — %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files cannot be made, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 lists %n image(s), and the new catalog lists none.</source>
        <translation>
            <numerusform>%1 lists %n image, and the new catalog lists none.</numerusform>
            <numerusform>%1 lists %n images, and the new catalog lists none.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n image(s) that the new set does not list.</source>
        <translation>
            <numerusform>%1 holds %n image that the new set does not list.</numerusform>
            <numerusform>%1 holds %n images that the new set does not list.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace moves the old folder to the trash and writes a complete new set in its place. Keep the other files leaves them in the folder, where Xcode shows them as unassigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files the new set does not list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the Other Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Turns one image into the icon files an app project needs.&lt;/p&gt;&lt;p&gt;Qt %3&lt;br&gt;libvips %4&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The README is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is installed with Iconsmith as share/doc/iconsmith/README.md.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to show the README.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is at %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Turns one image into the icon files an app project needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image to show in the well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write diagnostic lines to standard error (as ICONSMITH_VERBOSE=1 does).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Iconsmith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Make the icons of an app&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The devices to make an icon set for, or a scaled image set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone + iPad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone, iPad + Apple Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaled image (@1x @2x @3x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder that receives the files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rounded corners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in: source size at @1x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out: source size at @3x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the files into the save folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Save &amp;Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop an image, choose what to make and where to save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour that fills the transparent areas of every image, so that none is transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No background colour: keep the transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty catalog (Contents.json only, rounded option)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty catalog (Contents.json only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop writing; the folder stays as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iconsmith &amp;README</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Iconsmith</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::AppDelegate</name>
    <message>
        <source>Images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Drop an image on the well, choose what to make and a save folder, then press Generate.</translation>
    </message>
    <message>
        <source>Choose a Save Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s) to %1.</source>
        <translation>
            <numerusform>Wrote %n file to %1.</numerusform>
            <numerusform>Wrote %n files to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no image in the well: drop one there, paste one, or choose File ▸ Open Image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is chosen to make: choose it under Make.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no save folder: type one or press Choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and %1 is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::ColorSwatchButton</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::IconPreviewStrip</name>
    <message>
        <source>Preview of the images written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · %1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::ImageLoader</name>
    <message>
        <source>%1 could not be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted image could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::MainWindow</name>
    <message>
        <source>Write the files into the save folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::RedBorderImageView</name>
    <message>
        <source>Image well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop an image here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG, JPEG, WebP, SVG, PDF… or File ▸ Open Image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pasted image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image. Drop an image here, paste one, or press Enter to choose a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, with transparent areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::ResultsPanel</name>
    <message>
        <source>Show in &amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file browser could not be opened on %1. Copy its path to open it yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path of %1 is on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::WarningLine</name>
    <message>
        <source>Warnings about the image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
