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
    <message>
        <source>Where the folder cannot be written to (no permission, a read-only or full disk), choose another save folder and press Generate again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The target folders in %1 hold %n file(s) that the new run does not write.</source>
        <translation>
            <numerusform>The target folders in %1 hold %n file that the new run does not write.</numerusform>
            <numerusform>The target folders in %1 hold %n files that the new run does not write.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace moves each target&apos;s old folder to the trash (where there is no trash for it, it is kept beside under a name ending in &quot;.replaced-&quot; and the date) and writes a complete new one in its place. Keep the other files leaves them where they are, listed by nothing, and the set no longer passes a check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace moves the old folder to the trash (where there is no trash for it, it is kept beside under a name ending in &quot;.replaced-&quot; and the date) and writes a complete new set in its place. Keep the other files leaves them in the folder, where Xcode shows them as unassigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is at %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the icons of the project in %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Project</source>
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
        <source>No program could show the README.</source>
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
        <source>Folder</source>
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
    <message>
        <source>What to make: an icon set for the devices named, an empty catalog, a scaled image set, or the targets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder that receives the files; type a path, drop a folder here, or press Choose. A relative path is taken from your home folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip every image to a rounded rectangle (icon sets and the scaled image set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon sets: keep a non-square image&apos;s proportions, fitted into each icon with margins of the background colour (transparent without one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;t a non-square image into each icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon sets: stretch the image over each square icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch it to s&amp;quare icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaled image set: the image&apos;s own size at @1x, twice and three times it at @2x and @3x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaled image set: the image&apos;s own size at @3x, a third and two thirds of it at @1x and @2x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;ject Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the icons of an app project in place (Android, Xcode, Flutter, Capacitor, React Native, Tauri, Electron, a web app), where its build reads them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to a Folder Instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the chosen targets into the save folder instead of updating the project</source>
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
        <source>All files (*)</source>
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
        <source>Generate starts as soon as the image is read…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::Choosers</name>
    <message>
        <source>Choose a Save Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
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
    <name>iconsmith::DesktopOpener</name>
    <message>
        <source>No program to open files with is installed (xdg-open).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended with status %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 said: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::GenerationFlow</name>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
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
    <message numerus="yes">
        <source>Wrote %n file(s) to %1.</source>
        <translation>
            <numerusform>Wrote %n file to %1.</numerusform>
            <numerusform>Wrote %n files to %1.</numerusform>
        </translation>
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
    <message>
        <source>An AppIcon.appiconset with the iPhone sizes and its Contents.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An AppIcon.appiconset with the iPad sizes and its Contents.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An AppIcon.appiconset with the iPhone and iPad sizes and its Contents.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The iPhone and iPad set, and the Apple Watch sizes in the folder (not listed in Contents.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only AppIcon.appiconset/Contents.json, listing no image; needs no image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image.png, Image@2x.png and Image@3x.png in the save folder itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targets: Apple, Android, Windows, web, Linux…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each ticked target into a folder of its own in the save folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::OptionRules</name>
    <message>
        <source>%1 The image already in the well is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its transparent areas are filled with %1, the background colour; Remove keeps them transparent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::PlatformPreview</name>
    <message>
        <source>The icons as the systems show them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iOS · light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iOS · dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iOS · tinted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android · circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android · squircle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android · themed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS Dock · light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS Dock · dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watchOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser tab · 16 px favicon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no dark icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your App</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::ProjectFlow</name>
    <message>
        <source>Choose an App Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for app projects in %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no app project Iconsmith knows (an Android module, an Xcode project, a Tauri, Electron or web app, a browser extension, a Windows app package, a Flutter app&apos;s Windows runner).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no app project to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its icons are already these: Generate changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Generate changes %n file(s): %1 new, %2 replaced, %3 edited, %4 moved away. What is replaced or moved away goes to the trash.</source>
        <translation>
            <numerusform>Generate changes %n file: %1 new, %2 replaced, %3 edited, %4 moved away. What is replaced or moved away goes to the trash.</numerusform>
            <numerusform>Generate changes %n files: %1 new, %2 replaced, %3 edited, %4 moved away. What is replaced or moved away goes to the trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed %n file(s) in %1.</source>
        <translation>
            <numerusform>Changed %n file in %1.</numerusform>
            <numerusform>Changed %n files in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing in %1 was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the project…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating the project…</source>
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
    <message>
        <source>%1. The last file was not opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::ResultsPanel</name>
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
    <message>
        <source>Sho&amp;w in Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the Systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At Real Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1 To add one, choose a picture for %2 under Targets.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::SplashPanel</name>
    <message>
        <source>Launch screens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The launch screens of the Splash target: the logo on a colour, light and dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splash l&amp;ogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo of the launch screens; without it the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background colour, else white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;rk logo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo of the dark launch screens; with it they are made, on black unless a dark background is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: no dark launch screens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the %1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour: #rrggbb, #rgb or a name such as white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour for the launch screens; use #rrggbb, #rgb or a name such as white.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::TargetsController</name>
    <message>
        <source>No target is ticked: tick at least one under Targets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the %1 Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iconsmith::TargetsPanel</name>
    <message>
        <source>iOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watchOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon Composer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture of the dark appearance (iOS, Icon Composer); without it iOS makes one from the source when its background is transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tinted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture of the tinted appearance (iOS, Icon Composer); without it the source is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;nochrome:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ready themed-icon layer for Android, drawn as a single-colour shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Android foreground:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ready adaptive-icon foreground layer for Android, used as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android bac&amp;kground:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The margin between an adaptive icon&apos;s edge and its content, in percent of the layer; Safe zone fits the content into the 66 dp safe zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android inset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android &amp;inset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each platform&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The margin between each platform&apos;s mask and a logo, in percent of the mask&apos;s side; full-bleed artwork always fills what the platform shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Padding around a logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Padding aro&amp;und a logo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app&apos;s name: of its icon files (Linux) and web manifest, and shown beside the logo on the TV banners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;le name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kee&amp;p artwork as it is (no macOS shape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-bleed artwork is normally fitted into the macOS icon shape with a shadow, and a logo set on its plate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the %1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch screens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ready adaptive-icon background layer for Android, also the back layer of visionOS and tvOS icons; without it the background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle layer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The middle layer of the visionOS and tvOS layered icons, between the background and the source</source>
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
<context>
    <name>main</name>
    <message>
        <source>Iconsmith was stopped by an unexpected error: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
