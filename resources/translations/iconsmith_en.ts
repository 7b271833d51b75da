<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
        <source>Empty catalog (rounded-corner option)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty catalog</source>
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
        <source>Not everything could be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) failed. The first: %1 — %2</source>
        <translation>
            <numerusform>%n file failed: %1 — %2</numerusform>
            <numerusform>%n files failed. The first: %1 — %2</numerusform>
        </translation>
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
</context>
<context>
    <name>iconsmith::ColorSwatchButton</name>
    <message>
        <source>None</source>
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
        <source>Drop the source image here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be shown.</source>
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
</context>
<context>
    <name>iconsmith::WarningLine</name>
    <message>
        <source>Warnings about the image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
