#include "cli/clioptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "generation/targets/targetcatalog.h"

namespace iconsmith {

int CliOptions::platformFromText(const QString &text)
{
    const QString name = text.trimmed().toLower();
    if (name == u"iphone")
        return 0;
    if (name == u"ipad")
        return 1;
    if (name == u"iphone+ipad")
        return 2;
    if (name == u"all" || name == u"iphone+ipad+watch")
        return 3;
    if (name == u"scaled")
        return 6;
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok && number >= 0 && number <= 6 ? number : -1;
}

std::optional<CliOptions> CliOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliOptions::tr("Turns one source image into the icon files of an application project: an AppIcon.appiconset "
                       "folder for iPhone, iPad and Apple Watch, or a scaled image set (Image.png, @2x, @3x)."));
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 CliOptions::tr("The source image (PNG, JPEG, WebP, TIFF, GIF, HEIF, SVG, PDF, ...)."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    CliOptions::tr("The save folder (default: the current folder)."),
                                    CliOptions::tr("FOLDER"), QStringLiteral("."));
    const QCommandLineOption platform(
        {QStringLiteral("p"), QStringLiteral("platform")},
        CliOptions::tr(
            "What to make: iphone, ipad, iphone+ipad (default), all (with Apple Watch), scaled (Image.png, @2x, @3x), "
            "or a platform number 0 to 6."),
        CliOptions::tr("PLATFORM"), QStringLiteral("iphone+ipad"));
    const QCommandLineOption rounded(QStringLiteral("rounded"),
                                     CliOptions::tr("Clip every image to a rounded rectangle."));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        CliOptions::tr("For the scaled image set: \"in\" puts the source size at @1x (default), "
                       "\"out\" at @3x."),
        CliOptions::tr("in|out"), QStringLiteral("in"));
    const QCommandLineOption sizeTable(QStringLiteral("size-table"),
                                       CliOptions::tr("Read the sizes from this property list."),
                                       CliOptions::tr("FILE"));
    const QCommandLineOption background(
        QStringLiteral("background"),
        CliOptions::tr("Fill transparency with a colour (#rrggbb, #rgb or a name such as white); "
                       "makes every image opaque."),
        CliOptions::tr("COLOR"));
    const QCommandLineOption strict(QStringLiteral("strict"),
                                    CliOptions::tr("Treat warnings about the source as errors."));
    const QCommandLineOption check(
        QStringLiteral("check"), CliOptions::tr("Check an existing icon set as Xcode reads it, instead of generating."),
        CliOptions::tr("FOLDER"));
    const QCommandLineOption open(QStringLiteral("open"),
                                  CliOptions::tr("Show the save folder in the file browser afterwards."));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   CliOptions::tr("Print nothing but warnings and errors."));
    const QCommandLineOption target(
        QStringLiteral("target"),
        CliOptions::tr("Write these targets instead of the platform choice, each into FOLDER/<target>: a comma list of "
                       "ios, macos, watchos, icon-composer, android, windows, web, linux; \"apple\" for the first "
                       "four, \"everything\" for all."),
        CliOptions::tr("LIST"));
    const QCommandLineOption dark(QStringLiteral("dark"),
                                  CliOptions::tr("The dark appearance's picture: the foreground on transparency."),
                                  CliOptions::tr("FILE"));
    const QCommandLineOption tinted(QStringLiteral("tinted"),
                                    CliOptions::tr("The tinted appearance's picture (made greyscale)."),
                                    CliOptions::tr("FILE"));
    const QCommandLineOption noShape(QStringLiteral("no-shape"),
                                     CliOptions::tr("macOS: use full-bleed artwork as it is, not fitted into the "
                                                    "rounded body with its shadow."));
    const QCommandLineOption androidInset(
        QStringLiteral("android-inset"),
        CliOptions::tr("Android: the margin between the adaptive layer's edge and the circle its content is fitted "
                       "into, in percent of the layer (0 to 45; default 19.4, the 66 dp safe zone)."),
        CliOptions::tr("PERCENT"));
    const QCommandLineOption androidForeground(
        QStringLiteral("android-foreground"),
        CliOptions::tr("Android: a ready 108 dp adaptive foreground layer, used as it is."), CliOptions::tr("FILE"));
    const QCommandLineOption androidBackground(
        QStringLiteral("android-background"),
        CliOptions::tr("Android: a background layer picture instead of the background colour."),
        CliOptions::tr("FILE"));
    const QCommandLineOption monochrome(
        QStringLiteral("monochrome"),
        CliOptions::tr("Android: a ready monochrome (themed icon) layer; its shape is used."), CliOptions::tr("FILE"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  CliOptions::tr("The app's name for icon files and the web manifest (default: the "
                                                 "source's base name)."),
                                  CliOptions::tr("NAME"));
    parser.addOptions({output, platform, rounded, zoom, sizeTable, background, strict, check, open, quiet, target, dark,
                       tinted, noShape, androidInset, androidForeground, androidBackground, monochrome, name});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    const auto usage = [error](const QString &message) -> std::optional<CliOptions> {
        if (error != nullptr)
            *error = message;
        return std::nullopt;
    };
    if (!parser.parse(arguments))
        return usage(parser.errorText());

    CliOptions options;
    options.helpText = parser.helpText();
    if (parser.isSet(help)) {
        options.mode = Mode::Help;
        return options;
    }
    if (parser.isSet(version)) {
        options.mode = Mode::Version;
        return options;
    }

    options.quiet = parser.isSet(quiet);
    options.strict = parser.isSet(strict);
    if (parser.isSet(check)) {
        options.mode = Mode::Check;
        options.checkFolder = parser.value(check);
        if (!parser.positionalArguments().isEmpty())
            return usage(CliOptions::tr("--check takes a folder and no source image."));
        return options;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(CliOptions::tr("No source image was given."));
    if (positional.size() > 1)
        return usage(CliOptions::tr("Only one source image can be given; got %1.").arg(positional.size()));
    options.source = positional.first();

    options.output = parser.value(output);
    if (options.output.isEmpty())
        return usage(CliOptions::tr("The save folder is empty."));
    options.platform = platformFromText(parser.value(platform));
    if (options.platform < 0)
        return usage(CliOptions::tr("Unknown platform \"%1\"; use iphone, ipad, iphone+ipad, all, scaled or 0 to 6.")
                         .arg(parser.value(platform)));
    const QString zoomText = parser.value(zoom).trimmed().toLower();
    if (zoomText != u"in" && zoomText != u"out")
        return usage(CliOptions::tr("--zoom takes \"in\" or \"out\", not \"%1\".").arg(parser.value(zoom)));
    options.zoomIn = zoomText == u"in";
    options.rounded = parser.isSet(rounded);
    options.sizeTable = parser.value(sizeTable);
    options.open = parser.isSet(open);
    if (parser.isSet(background)) {
        options.background = RgbColor::fromText(parser.value(background));
        if (!options.background)
            return usage(CliOptions::tr("\"%1\" is not a colour; use #rrggbb, #rgb or a name such as white.")
                             .arg(parser.value(background)));
    }

    const QList<std::pair<const QCommandLineOption *, SourceRole>> pictures{
        {&dark, SourceRole::Dark},
        {&tinted, SourceRole::Tinted},
        {&androidForeground, SourceRole::AndroidForeground},
        {&androidBackground, SourceRole::AndroidBackground},
        {&monochrome, SourceRole::Monochrome}};
    if (!parser.isSet(target)) {
        for (const QCommandLineOption *option :
             {&dark, &tinted, &noShape, &androidInset, &androidForeground, &androidBackground, &monochrome, &name}) {
            if (parser.isSet(*option))
                return usage(CliOptions::tr("--%1 goes with --target.").arg(option->names().constLast()));
        }
        return options;
    }
    if (parser.isSet(platform))
        return usage(CliOptions::tr("-p and --target cannot be combined: -p makes one of the classic sets, "
                                    "--target the newer ones."));
    if (parser.isSet(rounded) || parser.isSet(zoom) || parser.isSet(sizeTable))
        return usage(CliOptions::tr("--rounded, --zoom and --size-table go with -p, not with --target."));
    const Result<QStringList> targets = TargetCatalog::parse(parser.value(target));
    if (!targets)
        return usage(targets.error());
    options.targets = *targets;
    for (const auto &[option, role] : pictures) {
        if (parser.isSet(*option))
            options.otherSources.insert(role, parser.value(*option));
    }
    TargetOptions &shaping = options.targetOptions;
    shaping.background = options.background;
    shaping.macShape = !parser.isSet(noShape);
    if (parser.isSet(androidInset)) {
        bool ok = false;
        const double percent = parser.value(androidInset).trimmed().remove(u'%').toDouble(&ok);
        if (!ok || !(percent >= 0 && percent <= 45))
            return usage(CliOptions::tr("--android-inset takes a percentage from 0 to 45, not \"%1\".")
                             .arg(parser.value(androidInset)));
        shaping.androidInset = percent;
    }
    shaping.name = parser.isSet(name) ? parser.value(name).trimmed() : QFileInfo(options.source).completeBaseName();
    if (shaping.name.isEmpty() || shaping.name == u"." || shaping.name == u".." || shaping.name.contains(u'/') ||
        shaping.name.contains(u'\\') || shaping.name.contains(QChar(0)))
        return usage(CliOptions::tr("\"%1\" cannot name a file; give --name NAME.").arg(shaping.name));
    return options;
}

} // namespace iconsmith
