#include "cli/clihelp.h"

#include <QCommandLineParser>

#include "generation/targets/targetcatalog.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The options that say how to run rather than what to make.
QList<QCommandLineOption> runOptions()
{
    return {
        {u"strict"_s, CliHelp::tr("Treat warnings about the source as errors (exit status 3).")},
        {u"replace"_s,
         CliHelp::tr("Replace an existing AppIcon.appiconset folder, or with --target each target's folder, whole: "
                     "the old one goes to the trash (without one, it is kept beside under a name ending in "
                     "\".replaced-DATE\"), so no file of it is left behind unlisted.")},
        {u"check"_s,
         CliHelp::tr("Check existing icon files as the systems read them, instead of generating: an .appiconset, "
                     ".icon, Android res, web or hicolor folder, an .icns or .ico file, or a folder holding them."),
         CliHelp::tr("PATH")},
        {u"project"_s,
         CliHelp::tr("Replace the icons of the app projects in this folder where their builds read them (Android "
                     "modules, Tauri apps), keeping their names; replaced files go to the trash."),
         CliHelp::tr("FOLDER")},
        {u"dry-run"_s, CliHelp::tr("With --project: print what would change, and change nothing.")},
        {u"config"_s,
         CliHelp::tr("Run the recipes of a project file (default: iconsmith.json in the current folder when no "
                     "source is given). The file says what to make; only --only, --json, --strict, --replace, --quiet "
                     "and --open go with it."),
         CliHelp::tr("FILE")},
        {u"only"_s, CliHelp::tr("Run only these recipes of the project file (a comma list)."), CliHelp::tr("NAMES")},
        {u"json"_s,
         CliHelp::tr("Print one JSON document on standard output (the files written, warnings, notes, failures; or "
                     "the check's problems) and nothing else.")},
        {u"open"_s, CliHelp::tr("Show the save folder in the file browser afterwards.")},
        {{u"q"_s, u"quiet"_s}, CliHelp::tr("Print nothing but warnings and errors.")},
    };
}

// The options that say what to make: the command line's or a project file's recipe.
QList<QCommandLineOption> recipeOptionList()
{
    return {
        {{u"o"_s, u"output"_s}, CliHelp::tr("The save folder (default: the current folder)."), CliHelp::tr("FOLDER")},
        {{u"p"_s, u"platform"_s},
         CliHelp::tr("What to make: iphone, ipad, iphone+ipad (default), all (with Apple Watch), scaled (Image.png, "
                     "@2x, @3x), or a platform number 0 to 6."),
         CliHelp::tr("PLATFORM")},
        {u"rounded"_s, CliHelp::tr("Clip every image to a rounded rectangle.")},
        {u"fit"_s,
         CliHelp::tr("Icon sets: fit a picture that is not square into each icon, keeping its proportions, with "
                     "margins of the background colour (transparent without one), instead of stretching it.")},
        {u"zoom"_s,
         CliHelp::tr("For the scaled image set: \"in\" puts the source size at @1x (default), \"out\" at @3x."),
         CliHelp::tr("in|out")},
        {u"size-table"_s, CliHelp::tr("Read the sizes from this property list."), CliHelp::tr("FILE")},
        {u"background"_s,
         CliHelp::tr("Fill transparency with a colour (#rrggbb, #rgb or a name such as white); makes every image "
                     "opaque."),
         CliHelp::tr("COLOR")},
        {u"target"_s,
         CliHelp::tr("Write these targets instead of the platform choice, each into FOLDER/<target>: a comma list of "
                     "the targets below; \"apple\" for the first four, \"everything\" for all."),
         CliHelp::tr("LIST")},
        {u"dark"_s, CliHelp::tr("The dark appearance's picture: the foreground on transparency."), CliHelp::tr("FILE")},
        {u"tinted"_s, CliHelp::tr("The tinted appearance's picture (made greyscale)."), CliHelp::tr("FILE")},
        {u"no-shape"_s,
         CliHelp::tr("macOS: use the picture as it is, not fitted into the rounded body with its shadow (full-bleed "
                     "artwork) or set on its plate (a logo).")},
        {u"android-inset"_s,
         CliHelp::tr("Android: the margin between the adaptive layer's edge and the circle its content is fitted "
                     "into, in percent of the layer (0 to 45; default 19.4, the 66 dp safe zone)."),
         CliHelp::tr("PERCENT")},
        {u"padding"_s,
         CliHelp::tr("The margin between each platform's mask and a logo, in percent of the mask's side (0 to 40; "
                     "default: each platform's own, 8 on home screens). Full-bleed artwork fills what the "
                     "platform shows."),
         CliHelp::tr("PERCENT")},
        {u"android-foreground"_s, CliHelp::tr("Android: a ready 108 dp adaptive foreground layer, used as it is."),
         CliHelp::tr("FILE")},
        {u"android-background"_s, CliHelp::tr("Android: a background layer picture instead of the background colour."),
         CliHelp::tr("FILE")},
        {u"monochrome"_s,
         CliHelp::tr("Android: a ready monochrome (themed icon) layer; its shape is used, also for the notification "
                     "icon."),
         CliHelp::tr("FILE")},
        {u"layer-middle"_s,
         CliHelp::tr("visionOS and tvOS: the middle layer of the layered icon, between the background and the source."),
         CliHelp::tr("FILE")},
        {u"splash-logo"_s, CliHelp::tr("Launch screens: the logo to show instead of the source."), CliHelp::tr("FILE")},
        {u"splash-background"_s,
         CliHelp::tr("Launch screens: the background colour (default: --background, else white); also the web "
                     "manifest's background_color."),
         CliHelp::tr("COLOR")},
        {u"splash-dark-logo"_s, CliHelp::tr("Launch screens: the logo of the dark ones."), CliHelp::tr("FILE")},
        {u"splash-dark-background"_s,
         CliHelp::tr("Launch screens: the background of the dark ones (default with --splash-dark-logo: black); "
                     "without either there are no dark launch screens."),
         CliHelp::tr("COLOR")},
        {u"name"_s,
         CliHelp::tr("The app's name for icon files and the web manifest (default: the source's base name); "
                     "given, it is also set beside the logo on the TV banners."),
         CliHelp::tr("NAME")},
    };
}

} // namespace

void CliHelp::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        tr("Turns one source image into the icon files of an application project: an AppIcon.appiconset folder for "
           "iPhone, iPad and Apple Watch, a scaled image set (Image.png, @2x, @3x), or with --target the icons of "
           "iOS, macOS, watchOS, Icon Composer, Android, Windows, the web and Linux."));
    parser.addPositionalArgument(u"SOURCE"_s, tr("The source image (PNG, JPEG, WebP, TIFF, GIF, HEIF, SVG, PDF, ...)."),
                                 u"[SOURCE]"_s);
    parser.addOptions(recipeOptionList());
    parser.addOptions(runOptions());
    parser.addHelpOption();
    parser.addVersionOption();
}

const QStringList &CliHelp::recipeOptions()
{
    static const QStringList names = [] {
        QStringList list;
        for (const QCommandLineOption &option : recipeOptionList())
            list << option.names().constLast();
        return list;
    }();
    return names;
}

QString CliHelp::epilogue()
{
    QString text = u"\n"_s + tr("Targets:") + u'\n';
    // The names in one column, at least two spaces clear of the longest.
    qsizetype width = 0;
    for (const TargetCatalog::Entry &entry : TargetCatalog::all())
        width = std::max(width, entry.name.size() + 2);
    const auto line = [&text, width](const QString &name, const QString &description) {
        text += u"  "_s + name.leftJustified(width) + description + u'\n';
    };
    for (const TargetCatalog::Entry &entry : TargetCatalog::all())
        line(entry.name, entry.description);
    line(u"apple"_s, TargetCatalog::apple().join(u", "_s));
    line(u"everything"_s, tr("every target above"));

    text += u'\n' + tr("Examples:") + u'\n';
    const auto example = [&text](const QString &command, const QString &comment) {
        text += u"  "_s + command + u'\n' + u"      "_s + comment + u'\n';
    };
    example(u"iconsmith-cli logo.png -o MyApp/Assets.xcassets"_s,
            tr("MyApp/Assets.xcassets/AppIcon.appiconset for iPhone and iPad"));
    example(u"iconsmith-cli logo.svg -o icons --target apple,android --dark logo-dark.svg"_s,
            tr("icons/ios, icons/macos, icons/watchos, icons/icon-composer and icons/android"));
    example(u"iconsmith-cli --config iconsmith.json --only pro --json"_s,
            tr("the project file's \"pro\" recipe, reported as JSON"));
    example(u"iconsmith-cli logo.svg --project ~/src/myapp --dry-run"_s,
            tr("lists what updating the app's Android and Tauri icons would change"));
    example(u"iconsmith-cli --check icons/ios/AppIcon.appiconset"_s, tr("checks a set as Xcode reads it"));
    example(u"iconsmith-cli --check icons"_s, tr("checks every set and icon file a --target run wrote"));

    text += u'\n' + tr("Exit status:") + u'\n';
    line(u"0"_s, tr("success"));
    line(u"1"_s, tr("a picture could not be read, a file could not be written, or --check found a problem"));
    line(u"2"_s,
         tr("a usage error, such as an unknown option, a project file that cannot be used, or a --project folder "
            "without an app project"));
    line(u"3"_s, tr("warnings about the source under --strict"));
    return text;
}

} // namespace iconsmith
