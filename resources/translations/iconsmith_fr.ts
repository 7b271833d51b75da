<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Alerts</name>
    <message>
        <source>Nothing was written to %1.</source>
        <translation>Rien n&apos;a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Not everything could be written to %1.</source>
        <translation>Tout n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s). The first: %1 — %2</source>
        <translation>
            <numerusform>%n problème&#xa0;: %1 — %2</numerusform>
            <numerusform>%n problèmes. Le premier&#xa0;: %1 — %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Where the folder cannot be written to (no permission, a read-only or full disk), choose another save folder and press Generate again.</source>
        <translation>Si le dossier n&apos;est pas accessible en écriture (pas d&apos;autorisation, disque en lecture seule ou plein), choisissez un autre dossier d&apos;enregistrement et cliquez de nouveau sur «&#xa0;Générer&#xa0;».</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Choisir un autre dossier…</translation>
    </message>
    <message>
        <source>These files cannot be made, so nothing was written.</source>
        <translation>Ces fichiers ne peuvent pas être créés, rien n&apos;a donc été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lists %n image(s), and the new catalog lists none.</source>
        <translation>
            <numerusform>%1 répertorie %n image, et le nouveau catalogue n&apos;en répertorie aucune.</numerusform>
            <numerusform>%1 répertorie %n images, et le nouveau catalogue n&apos;en répertorie aucune.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The target folders in %1 hold %n file(s) that the new run does not write.</source>
        <translation>
            <numerusform>Les dossiers des cibles dans %1 contiennent %n fichier que la nouvelle génération n&apos;écrit pas.</numerusform>
            <numerusform>Les dossiers des cibles dans %1 contiennent %n fichiers que la nouvelle génération n&apos;écrit pas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n image(s) that the new set does not list.</source>
        <translation>
            <numerusform>%1 contient %n image que le nouveau jeu ne répertorie pas.</numerusform>
            <numerusform>%1 contient %n images que le nouveau jeu ne répertorie pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace moves each target&apos;s old folder to the trash (where there is no trash for it, it is kept beside under a name ending in &quot;.replaced-&quot; and the date) and writes a complete new one in its place. Keep the other files leaves them where they are, listed by nothing, and the set no longer passes a check.</source>
        <translation>«&#xa0;Remplacer&#xa0;» met l&apos;ancien dossier de chaque cible à la corbeille (là où il n&apos;y a pas de corbeille, il est conservé à côté sous un nom se terminant par «&#xa0;.replaced-&#xa0;» et la date) et écrit un dossier complet à sa place. «&#xa0;Conserver les autres fichiers&#xa0;» les laisse où ils sont, répertoriés nulle part, et le jeu ne passe plus la vérification.</translation>
    </message>
    <message>
        <source>Replace moves the old folder to the trash (where there is no trash for it, it is kept beside under a name ending in &quot;.replaced-&quot; and the date) and writes a complete new set in its place. Keep the other files leaves them in the folder, where Xcode shows them as unassigned.</source>
        <translation>«&#xa0;Remplacer&#xa0;» met l&apos;ancien dossier à la corbeille (là où il n&apos;y a pas de corbeille, il est conservé à côté sous un nom se terminant par «&#xa0;.replaced-&#xa0;» et la date) et écrit un jeu complet à sa place. «&#xa0;Conserver les autres fichiers&#xa0;» les laisse dans le dossier, où Xcode les affiche comme non attribués.</translation>
    </message>
    <message>
        <source>Files the new set does not list:</source>
        <translation>Fichiers que le nouveau jeu ne répertorie pas&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Keep the Other Files</source>
        <translation>&amp;Conserver les autres fichiers</translation>
    </message>
    <message>
        <source>It is at %1. %2</source>
        <translation>Emplacement&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>Cop&amp;y Path</source>
        <translation>Cop&amp;ier le chemin</translation>
    </message>
    <message>
        <source>Update the icons of the project in %1?</source>
        <translation>Mettre à jour les icônes du projet dans %1 ?</translation>
    </message>
    <message>
        <source>&amp;Update Project</source>
        <translation>Mettre à &amp;jour le projet</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Turns one image into the icon files an app project needs.&lt;/p&gt;&lt;p&gt;Qt %3&lt;br&gt;libvips %4&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Transforme une image en fichiers d&apos;icônes dont un projet d&apos;app a besoin.&lt;/p&gt;&lt;p&gt;Qt %3&lt;br&gt;libvips %4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The README is not installed.</source>
        <translation>Le fichier README n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>It is installed with Iconsmith as share/doc/iconsmith/README.md.</source>
        <translation>Il est installé avec Iconsmith sous share/doc/iconsmith/README.md.</translation>
    </message>
    <message>
        <source>No program could show the README.</source>
        <translation>Aucun programme n&apos;a pu afficher le fichier README.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Turns one image into the icon files an app project needs.</source>
        <translation>Transforme une image en fichiers d&apos;icônes dont un projet d&apos;app a besoin.</translation>
    </message>
    <message>
        <source>The image to show in the well.</source>
        <translation>L&apos;image à afficher dans la zone d&apos;image.</translation>
    </message>
    <message>
        <source>Write diagnostic lines to standard error (as ICONSMITH_VERBOSE=1 does).</source>
        <translation>Écrire des lignes de diagnostic sur la sortie d&apos;erreur standard (comme ICONSMITH_VERBOSE=1).</translation>
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
        <translation>&lt;b&gt;Créer les icônes d&apos;une app&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop an image, choose what to make and where to save it.</source>
        <translation>Déposez une image, choisissez ce qu&apos;il faut créer et où l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>&amp;Make:</source>
        <translation>&amp;Créer&#xa0;:</translation>
    </message>
    <message>
        <source>What to make: an icon set for the devices named, an empty catalog, a scaled image set, or the targets</source>
        <translation>Ce qu&apos;il faut créer&#xa0;: un jeu d&apos;icônes pour les appareils nommés, un catalogue vide, un jeu d&apos;images mises à l&apos;échelle ou les cibles</translation>
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
        <translation>Catalogue vide (Contents.json seul)</translation>
    </message>
    <message>
        <source>Scaled image (@1x @2x @3x)</source>
        <translation>Image mise à l&apos;échelle (@1x @2x @3x)</translation>
    </message>
    <message>
        <source>&amp;Save to:</source>
        <translation>&amp;Enregistrer dans&#xa0;:</translation>
    </message>
    <message>
        <source>The folder that receives the files; type a path, drop a folder here, or press Choose. A relative path is taken from your home folder.</source>
        <translation>Le dossier qui reçoit les fichiers&#xa0;; saisissez un chemin, déposez un dossier ici ou cliquez sur «&#xa0;Choisir&#xa0;». Un chemin relatif part de votre dossier personnel.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>Arrière-&amp;plan&#xa0;:</translation>
    </message>
    <message>
        <source>A colour that fills the transparent areas of every image, so that none is transparent</source>
        <translation>Une couleur qui remplit les zones transparentes de chaque image, pour qu&apos;aucune ne soit transparente</translation>
    </message>
    <message>
        <source>No background colour: keep the transparency</source>
        <translation>Pas de couleur d&apos;arrière-plan&#xa0;: garder la transparence</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Clip every image to a rounded rectangle (icon sets and the scaled image set)</source>
        <translation>Découper chaque image en rectangle arrondi (jeux d&apos;icônes et jeu d&apos;images mises à l&apos;échelle)</translation>
    </message>
    <message>
        <source>&amp;Rounded corners</source>
        <translation>Coin&amp;s arrondis</translation>
    </message>
    <message>
        <source>Icon sets: keep a non-square image&apos;s proportions, fitted into each icon with margins of the background colour (transparent without one)</source>
        <translation>Jeux d&apos;icônes&#xa0;: garder les proportions d&apos;une image non carrée, ajustée dans chaque icône avec des marges de la couleur d&apos;arrière-plan (transparentes sans elle)</translation>
    </message>
    <message>
        <source>Fi&amp;t a non-square image into each icon</source>
        <translation>Ajus&amp;ter une image non carrée dans chaque icône</translation>
    </message>
    <message>
        <source>Icon sets: stretch the image over each square icon</source>
        <translation>Jeux d&apos;icônes&#xa0;: étirer l&apos;image sur chaque icône carrée</translation>
    </message>
    <message>
        <source>Stretch it to s&amp;quare icons</source>
        <translation>&amp;L&apos;étirer en icônes carrées</translation>
    </message>
    <message>
        <source>Scaled image set: the image&apos;s own size at @1x, twice and three times it at @2x and @3x</source>
        <translation>Jeu d&apos;images mises à l&apos;échelle&#xa0;: la taille propre de l&apos;image à @1x, le double et le triple à @2x et @3x</translation>
    </message>
    <message>
        <source>Zoom &amp;in: source size at @1x</source>
        <translation>&amp;Zoom avant&#xa0;: taille source à @1x</translation>
    </message>
    <message>
        <source>Scaled image set: the image&apos;s own size at @3x, a third and two thirds of it at @1x and @2x</source>
        <translation>Jeu d&apos;images mises à l&apos;échelle&#xa0;: la taille propre de l&apos;image à @3x, un tiers et deux tiers de celle-ci à @1x et @2x</translation>
    </message>
    <message>
        <source>Zoom &amp;out: source size at @3x</source>
        <translation>Zoo&amp;m arrière&#xa0;: taille source à @3x</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <translation>%v fichiers sur %m</translation>
    </message>
    <message>
        <source>Stop writing; the folder stays as it was</source>
        <translation>Arrêter l&apos;écriture&#xa0;; le dossier reste tel qu&apos;il était</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Write the files into the save folder</source>
        <translation>Écrire les fichiers dans le dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Open Image…</source>
        <translation>&amp;Ouvrir une image…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Choose Save &amp;Folder…</source>
        <translation>Choisir le &amp;dossier d&apos;enregistrement…</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Paste Image</source>
        <translation>&amp;Coller l&apos;image</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Iconsmith &amp;README</source>
        <translation>&amp;README d&apos;Iconsmith</translation>
    </message>
    <message>
        <source>&amp;About Iconsmith</source>
        <translation>À &amp;propos d&apos;Iconsmith</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Pro&amp;ject Folder…</source>
        <translation>Dossier de pro&amp;jet…</translation>
    </message>
    <message>
        <source>Update the icons of an app project in place (Android, Xcode, Flutter, Capacitor, React Native, Tauri, Electron, a web app), where its build reads them</source>
        <translation>Mettre à jour sur place les icônes d’un projet d’application (Android, Xcode, Flutter, Capacitor, React Native, Tauri, Electron, une application web), là où sa compilation les lit</translation>
    </message>
    <message>
        <source>Save to a Folder Instead</source>
        <translation>Enregistrer plutôt dans un dossier</translation>
    </message>
    <message>
        <source>Write the chosen targets into the save folder instead of updating the project</source>
        <translation>Écrire les cibles choisies dans le dossier d’enregistrement au lieu de mettre à jour le projet</translation>
    </message>
</context>
<context>
    <name>iconsmith::AppDelegate</name>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>There is no image in the well: drop one there, paste one, or choose File ▸ Open Image.</source>
        <translation>Il n&apos;y a pas d&apos;image dans la zone d&apos;image&#xa0;: déposez-en une, collez-en une ou choisissez Fichier ▸ Ouvrir une image.</translation>
    </message>
    <message>
        <source>Nothing is chosen to make: choose it under Make.</source>
        <translation>Rien n&apos;est choisi à créer&#xa0;: choisissez-le sous «&#xa0;Créer&#xa0;».</translation>
    </message>
    <message>
        <source>There is no save folder: type one or press Choose.</source>
        <translation>Il n&apos;y a pas de dossier d&apos;enregistrement&#xa0;: saisissez-en un ou cliquez sur «&#xa0;Choisir&#xa0;».</translation>
    </message>
    <message>
        <source>Generate starts as soon as the image is read…</source>
        <translation>La génération commencera dès que l&apos;image sera lue…</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Déposez une image dans la zone d&apos;image, choisissez ce qu&apos;il faut créer et un dossier d&apos;enregistrement, puis cliquez sur «&#xa0;Générer&#xa0;».</translation>
    </message>
</context>
<context>
    <name>iconsmith::Choosers</name>
    <message>
        <source>Choose a Save Folder</source>
        <translation>Choisir un dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
</context>
<context>
    <name>iconsmith::ColorSwatchButton</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>iconsmith::DesktopOpener</name>
    <message>
        <source>No program to open files with is installed (xdg-open).</source>
        <translation>Aucun programme pour ouvrir les fichiers n&apos;est installé (xdg-open).</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Impossible de démarrer %1.</translation>
    </message>
    <message>
        <source>%1 ended with status %2.</source>
        <translation>%1 s&apos;est terminé avec le code %2.</translation>
    </message>
    <message>
        <source>%1 said: %2</source>
        <translation>%1 a répondu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>iconsmith::GenerationFlow</name>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Lecture des images…</translation>
    </message>
    <message>
        <source>Writing the files…</source>
        <translation>Écriture des fichiers…</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and %1 is as it was.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été écrit et %1 est resté tel quel.</translation>
    </message>
    <message>
        <source>Nothing was written to %1.</source>
        <translation>Rien n&apos;a été écrit dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s) to %1.</source>
        <translation>
            <numerusform>%n fichier écrit dans %1.</numerusform>
            <numerusform>%n fichiers écrits dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>iconsmith::IconPreviewStrip</name>
    <message>
        <source>Preview of the images written</source>
        <translation>Aperçu des images écrites</translation>
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
        <translation>Impossible d&apos;afficher %1.</translation>
    </message>
    <message>
        <source>The pasted image could not be saved to %1.</source>
        <translation>L&apos;image collée n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>iconsmith::MainWindow</name>
    <message>
        <source>An AppIcon.appiconset with the iPhone sizes and its Contents.json</source>
        <translation>Un AppIcon.appiconset avec les tailles iPhone et son Contents.json</translation>
    </message>
    <message>
        <source>An AppIcon.appiconset with the iPad sizes and its Contents.json</source>
        <translation>Un AppIcon.appiconset avec les tailles iPad et son Contents.json</translation>
    </message>
    <message>
        <source>An AppIcon.appiconset with the iPhone and iPad sizes and its Contents.json</source>
        <translation>Un AppIcon.appiconset avec les tailles iPhone et iPad et son Contents.json</translation>
    </message>
    <message>
        <source>The iPhone and iPad set, and the Apple Watch sizes in the folder (not listed in Contents.json)</source>
        <translation>Le jeu iPhone et iPad, et les tailles Apple Watch dans le dossier (non répertoriées dans Contents.json)</translation>
    </message>
    <message>
        <source>Only AppIcon.appiconset/Contents.json, listing no image; needs no image</source>
        <translation>Seulement AppIcon.appiconset/Contents.json, sans image répertoriée&#xa0;; ne nécessite aucune image</translation>
    </message>
    <message>
        <source>Image.png, Image@2x.png and Image@3x.png in the save folder itself</source>
        <translation>Image.png, Image@2x.png et Image@3x.png directement dans le dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Targets: Apple, Android, Windows, web, Linux…</source>
        <translation>Cibles&#xa0;: Apple, Android, Windows, web…</translation>
    </message>
    <message>
        <source>Each ticked target into a folder of its own in the save folder</source>
        <translation>Chaque cible cochée dans son propre dossier, dans le dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Write the files into the save folder (%1)</source>
        <translation>Écrire les fichiers dans le dossier d&apos;enregistrement (%1)</translation>
    </message>
</context>
<context>
    <name>iconsmith::OptionRules</name>
    <message>
        <source>%1 The image already in the well is kept.</source>
        <translation>%1 L&apos;image déjà présente dans la zone d&apos;image est conservée.</translation>
    </message>
    <message>
        <source>Its transparent areas are filled with %1, the background colour; Remove keeps them transparent.</source>
        <translation>Ses zones transparentes sont remplies de %1, la couleur d&apos;arrière-plan&#xa0;; «&#xa0;Retirer&#xa0;» les garde transparentes.</translation>
    </message>
</context>
<context>
    <name>iconsmith::PlatformPreview</name>
    <message>
        <source>The icons as the systems show them</source>
        <translation>Les icônes telles que les systèmes les affichent</translation>
    </message>
    <message>
        <source>iOS · light</source>
        <translation>iOS · clair</translation>
    </message>
    <message>
        <source>iOS · dark</source>
        <translation>iOS · sombre</translation>
    </message>
    <message>
        <source>iOS · tinted</source>
        <translation>iOS · teinté</translation>
    </message>
    <message>
        <source>Android · circle</source>
        <translation>Android · cercle</translation>
    </message>
    <message>
        <source>Android · squircle</source>
        <translation>Android · squircle</translation>
    </message>
    <message>
        <source>Android · themed</source>
        <translation>Android · à thème</translation>
    </message>
    <message>
        <source>macOS Dock · light</source>
        <translation>Dock macOS · clair</translation>
    </message>
    <message>
        <source>macOS Dock · dark</source>
        <translation>Dock macOS · sombre</translation>
    </message>
    <message>
        <source>watchOS</source>
        <translation>watchOS</translation>
    </message>
    <message>
        <source>Browser tab · 16 px favicon</source>
        <translation>Onglet de navigateur · favicon 16 px</translation>
    </message>
    <message>
        <source>no dark icon</source>
        <translation>pas d&apos;icône sombre</translation>
    </message>
    <message>
        <source>Your App</source>
        <translation>Votre app</translation>
    </message>
</context>
<context>
    <name>iconsmith::ProjectFlow</name>
    <message>
        <source>Choose an App Project</source>
        <translation>Choisir un projet d’application</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>Looking for app projects in %1…</source>
        <translation>Recherche de projets d’application dans %1…</translation>
    </message>
    <message>
        <source>%1 holds no app project Iconsmith knows (an Android module, an Xcode project, a Tauri, Electron or web app, a browser extension, a Windows app package, a Flutter app&apos;s Windows runner).</source>
        <translation>%1 ne contient aucun projet d’application que connaisse Iconsmith (un module Android, un projet Xcode, une application Tauri, Electron ou web, une extension de navigateur, un paquet d’application Windows, le runner Windows d’une application Flutter).</translation>
    </message>
    <message>
        <source>There is no app project to update.</source>
        <translation>Il n’y a aucun projet d’application à mettre à jour.</translation>
    </message>
    <message>
        <source>Its icons are already these: Generate changes nothing.</source>
        <translation>Ses icônes sont déjà celles-ci : Générer ne change rien.</translation>
    </message>
    <message numerus="yes">
        <source>Generate changes %n file(s): %1 new, %2 replaced, %3 edited, %4 moved away. What is replaced or moved away goes to the trash.</source>
        <translation>
            <numerusform>Générer modifie %n fichier : %1 nouveau, %2 remplacé, %3 modifié, %4 retiré. Ce qui est remplacé ou retiré va à la corbeille.</numerusform>
            <numerusform>Générer modifie %n fichiers : %1 nouveaux, %2 remplacés, %3 modifiés, %4 retirés. Ce qui est remplacé ou retiré va à la corbeille.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed %n file(s) in %1.</source>
        <translation>
            <numerusform>%n fichier modifié dans %1.</numerusform>
            <numerusform>%n fichiers modifiés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing in %1 was changed.</source>
        <translation>Rien n’a été modifié dans %1.</translation>
    </message>
    <message>
        <source>The project was updated.</source>
        <translation>Le projet a été mis à jour.</translation>
    </message>
    <message>
        <source>Reading the project…</source>
        <translation>Lecture du projet…</translation>
    </message>
    <message>
        <source>Updating the project…</source>
        <translation>Mise à jour du projet…</translation>
    </message>
</context>
<context>
    <name>iconsmith::RedBorderImageView</name>
    <message>
        <source>Image well</source>
        <translation>Zone d&apos;image</translation>
    </message>
    <message>
        <source>the pasted image</source>
        <translation>l&apos;image collée</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>l&apos;image</translation>
    </message>
    <message>
        <source>Loading %1…</source>
        <translation>Chargement de %1…</translation>
    </message>
    <message>
        <source>No image: %1</source>
        <translation>Pas d&apos;image&#xa0;: %1</translation>
    </message>
    <message>
        <source>No image. Drop an image here, paste one, or press Enter to choose a file.</source>
        <translation>Pas d&apos;image. Déposez une image ici, collez-en une ou appuyez sur Entrée pour choisir un fichier.</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels%4</source>
        <translation>%1, %2 × %3 pixels%4</translation>
    </message>
    <message>
        <source>, with transparent areas</source>
        <translation>, avec des zones transparentes</translation>
    </message>
    <message>
        <source>%1. The last file was not opened: %2</source>
        <translation>%1. Le dernier fichier n&apos;a pas été ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Drop an image here</source>
        <translation>Déposez une image ici</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>PNG, JPEG, WebP, SVG, PDF… or File ▸ Open Image…</source>
        <translation>PNG, JPEG, WebP, SVG, PDF… ou Fichier ▸ Ouvrir&#xa0;une&#xa0;image…</translation>
    </message>
</context>
<context>
    <name>iconsmith::ResultsPanel</name>
    <message>
        <source>Sho&amp;w in Files</source>
        <translation>Ou&amp;vrir le dossier</translation>
    </message>
    <message>
        <source>Cop&amp;y Path</source>
        <translation>Cop&amp;ier le chemin</translation>
    </message>
    <message>
        <source>Hide the results</source>
        <translation>Masquer les résultats</translation>
    </message>
    <message>
        <source>Files written</source>
        <translation>Fichiers écrits</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>On the Systems</source>
        <translation>Sur les systèmes</translation>
    </message>
    <message>
        <source>At Real Size</source>
        <translation>En taille réelle</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Note: %1 To add one, choose a picture for %2 under Targets.</source>
        <translation>Remarque&#xa0;: %1 Pour en ajouter une, choisissez une image pour %2 sous «&#xa0;Cibles&#xa0;».</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The file browser could not be opened on %1. Copy its path to open it yourself.</source>
        <translation>Impossible d&apos;ouvrir le gestionnaire de fichiers sur %1. Copiez son chemin pour l&apos;ouvrir vous-même.</translation>
    </message>
    <message>
        <source>The path of %1 is on the clipboard.</source>
        <translation>Le chemin de %1 est dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>iconsmith::SplashPanel</name>
    <message>
        <source>&quot;%1&quot; is not a colour for the launch screens; use #rrggbb, #rgb or a name such as white.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur pour les écrans de lancement&#xa0;; utilisez #rrggbb, #rgb ou un nom comme white.</translation>
    </message>
    <message>
        <source>A colour: #rrggbb, #rgb or a name such as white</source>
        <translation>Une couleur&#xa0;: #rrggbb, #rgb ou un nom comme white</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the %1 picture</source>
        <translation>Choisir l’image «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Da&amp;rk logo:</source>
        <translation>Logo somb&amp;re&#xa0;:</translation>
    </message>
    <message>
        <source>Dark background:</source>
        <translation>Fond sombre&#xa0;:</translation>
    </message>
    <message>
        <source>Launch screens</source>
        <translation>Écrans de lancement</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None: no dark launch screens</source>
        <translation>Aucun&#xa0;: pas d’écrans de lancement sombres</translation>
    </message>
    <message>
        <source>Splash l&amp;ogo:</source>
        <translation>Logo au d&amp;émarrage&#xa0;:</translation>
    </message>
    <message>
        <source>The background colour, else white</source>
        <translation>La couleur de fond, sinon blanc</translation>
    </message>
    <message>
        <source>The launch screens of the Splash target: the logo on a colour, light and dark</source>
        <translation>Les écrans de lancement de la cible Splash&#xa0;: le logo sur une couleur, clair et sombre</translation>
    </message>
    <message>
        <source>The logo of the dark launch screens; with it they are made, on black unless a dark background is given</source>
        <translation>Le logo des écrans de lancement sombres&#xa0;; avec lui, ils sont créés, sur noir sans fond sombre donné</translation>
    </message>
    <message>
        <source>The logo of the launch screens; without it the source</source>
        <translation>Le logo des écrans de lancement&#xa0;; sans lui, l’image source</translation>
    </message>
</context>
<context>
    <name>iconsmith::TargetsController</name>
    <message>
        <source>No target is ticked: tick at least one under Targets.</source>
        <translation>Aucune cible n&apos;est cochée&#xa0;: cochez-en au moins une sous «&#xa0;Cibles&#xa0;».</translation>
    </message>
    <message>
        <source>Choose the %1 Picture</source>
        <translation>Choisir l&apos;image «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>iconsmith::TargetsPanel</name>
    <message>
        <source>Launch screens</source>
        <translation>Écrans de lancement</translation>
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
        <translation>Cibles</translation>
    </message>
    <message>
        <source>&amp;Dark:</source>
        <translation>Som&amp;bre&#xa0;:</translation>
    </message>
    <message>
        <source>The picture of the dark appearance (iOS, Icon Composer); without it iOS makes one from the source when its background is transparent</source>
        <translation>L&apos;image de l&apos;apparence sombre (iOS, Icon Composer)&#xa0;; sans elle, iOS en crée une à partir de la source si son arrière-plan est transparent</translation>
    </message>
    <message>
        <source>&amp;Tinted:</source>
        <translation>&amp;Teinté&#xa0;:</translation>
    </message>
    <message>
        <source>The picture of the tinted appearance (iOS, Icon Composer); without it the source is used</source>
        <translation>L&apos;image de l&apos;apparence teintée (iOS, Icon Composer)&#xa0;; sans elle, la source est utilisée</translation>
    </message>
    <message>
        <source>Mo&amp;nochrome:</source>
        <translation>&amp;Monochrome&#xa0;:</translation>
    </message>
    <message>
        <source>A ready themed-icon layer for Android, drawn as a single-colour shape</source>
        <translation>Un calque d&apos;icône à thème prêt pour Android, dessiné comme une forme d&apos;une seule couleur</translation>
    </message>
    <message>
        <source>&amp;Android foreground:</source>
        <translation>Premier pla&amp;n Android&#xa0;:</translation>
    </message>
    <message>
        <source>A ready adaptive-icon foreground layer for Android, used as it is</source>
        <translation>Un calque de premier plan d&apos;icône adaptative prêt pour Android, utilisé tel quel</translation>
    </message>
    <message>
        <source>Android bac&amp;kground:</source>
        <translation>Arrière-p&amp;lan Android&#xa0;:</translation>
    </message>
    <message>
        <source>A ready adaptive-icon background layer for Android, also the back layer of visionOS and tvOS icons; without it the background colour</source>
        <translation>Un calque d&apos;arrière-plan d&apos;icône adaptative prêt pour Android, aussi le calque du fond des icônes visionOS et tvOS&#xa0;; sans lui, la couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Middle layer:</source>
        <translation>Calque du milieu&#xa0;:</translation>
    </message>
    <message>
        <source>The middle layer of the visionOS and tvOS layered icons, between the background and the source</source>
        <translation>Le calque du milieu des icônes en couches de visionOS et tvOS, entre l&apos;arrière-plan et l&apos;image</translation>
    </message>
    <message>
        <source>Safe zone</source>
        <translation>Zone de sécurité</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>The margin between an adaptive icon&apos;s edge and its content, in percent of the layer; Safe zone fits the content into the 66 dp safe zone</source>
        <translation>La marge entre le bord d&apos;une icône adaptative et son contenu, en pourcentage du calque&#xa0;; «&#xa0;Zone de sécurité&#xa0;» ajuste le contenu dans la zone de sécurité de 66&#xa0;dp</translation>
    </message>
    <message>
        <source>Android inset</source>
        <translation>Marge intérieure Android</translation>
    </message>
    <message>
        <source>Android &amp;inset:</source>
        <translation>Marge intérie&amp;ure Android&#xa0;:</translation>
    </message>
    <message>
        <source>Each platform&apos;s own</source>
        <translation>Propre à chaque plateforme</translation>
    </message>
    <message>
        <source>The margin between each platform&apos;s mask and a logo, in percent of the mask&apos;s side; full-bleed artwork always fills what the platform shows</source>
        <translation>La marge entre le masque de chaque plateforme et un logo, en pourcentage du côté du masque&#xa0;; une illustration à fond perdu remplit toujours ce que la plateforme affiche</translation>
    </message>
    <message>
        <source>Padding around a logo</source>
        <translation>Marge autour d&apos;un logo</translation>
    </message>
    <message>
        <source>Padding aro&amp;und a logo:</source>
        <translation>Marge aut&amp;our d&apos;un logo&#xa0;:</translation>
    </message>
    <message>
        <source>The app&apos;s name: of its icon files (Linux) and web manifest, and shown beside the logo on the TV banners</source>
        <translation>Le nom de l&apos;app : de ses fichiers d&apos;icône (Linux) et du manifeste web, et affiché à côté du logo sur les bannières TV</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom des fichiers</translation>
    </message>
    <message>
        <source>Fi&amp;le name:</source>
        <translation>Nom de&amp;s fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Kee&amp;p artwork as it is (no macOS shape)</source>
        <translation>Conserver l&apos;illustration telle &amp;quelle (pas de forme macOS)</translation>
    </message>
    <message>
        <source>Full-bleed artwork is normally fitted into the macOS icon shape with a shadow, and a logo set on its plate</source>
        <translation>Une illustration à fond perdu est normalement ajustée dans la forme d&apos;icône macOS avec une ombre, et un logo est posé sur sa plaque</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the %1 picture</source>
        <translation>Choisir l&apos;image «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>iconsmith::WarningLine</name>
    <message>
        <source>Warnings about the image</source>
        <translation>Avertissements sur l&apos;image</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iconsmith was stopped by an unexpected error: %1</source>
        <translation>Iconsmith a été arrêté par une erreur inattendue&#xa0;: %1</translation>
    </message>
</context>
</TS>
