#include "cli/clioptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        CliOptions::tr("Replace an existing AppIcon.appiconset folder whole: the old one goes to the trash, so no "
                       "file of it is left behind unlisted."));
    const QCommandLineOption check(
        QStringLiteral("check"), CliOptions::tr("Check an existing icon set as Xcode reads it, instead of generating."),
        CliOptions::tr("FOLDER"));
    const QCommandLineOption open(QStringLiteral("open"),
                                  CliOptions::tr("Show the save folder in the file browser afterwards."));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   CliOptions::tr("Print nothing but warnings and errors."));
    parser.addOptions({output, platform, rounded, zoom, sizeTable, background, strict, replace, check, open, quiet});
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
    options.replace = parser.isSet(replace);
    if (parser.isSet(background)) {
        options.background = RgbColor::fromText(parser.value(background));
        if (!options.background)
            return usage(CliOptions::tr("\"%1\" is not a colour; use #rrggbb, #rgb or a name such as white.")
                             .arg(parser.value(background)));
    }
    return options;
}

} // namespace iconsmith
