#include "cli/clioptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "cli/clihelp.h"
#include "generation/filename.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

GenerationRequest CliOptions::request(const SourceImage &image) const
{
    GenerationRequest request;
    request.source = image;
    request.platform = targets.isEmpty() ? platform : Platform::targets();
    request.saveFolder = output;
    request.sizeTable = sizeTable;
    request.rounded = rounded;
    request.fit = fit;
    request.zoomIn = zoomIn;
    request.background = background;
    request.targets = targets;
    request.pictures = otherSources;
    request.name = targetOptions.name;
    request.macShape = targetOptions.macShape;
    request.androidInset = targetOptions.androidInset;
    request.splashBackground = targetOptions.splashBackground;
    request.splashDarkBackground = targetOptions.splashDarkBackground;
    request.inputs = inputs;
    request.padding = targetOptions.padding;
    return request;
}

namespace {

// The options that give the targets' further pictures.
const QList<std::pair<QString, SourceRole>> &pictureOptions()
{
    static const QList<std::pair<QString, SourceRole>> options{{u"dark"_s, SourceRole::Dark},
                                                               {u"tinted"_s, SourceRole::Tinted},
                                                               {u"android-foreground"_s, SourceRole::AndroidForeground},
                                                               {u"android-background"_s, SourceRole::AndroidBackground},
                                                               {u"monochrome"_s, SourceRole::Monochrome},
                                                               {u"layer-middle"_s, SourceRole::LayerMiddle},
                                                               {u"splash-logo"_s, SourceRole::SplashLogo},
                                                               {u"splash-dark-logo"_s, SourceRole::SplashDarkLogo}};
    return options;
}

} // namespace

QString CliOptions::pictureOption(SourceRole role)
{
    for (const auto &[name, given] : pictureOptions()) {
        if (given == role)
            return u"--"_s + name;
    }
    return {};
}

QString CliOptions::noteText(const RunNote &note)
{
    if (!note.missingPicture)
        return note.message;
    return note.message + u' ' + tr("Give one with %1 FILE.").arg(pictureOption(*note.missingPicture));
}

Result<CliOptions> CliOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    CliHelp::describe(parser);
    const auto usage = [](const QString &message) -> Result<CliOptions> { return Failure{message}; };
    if (!parser.parse(arguments))
        return usage(parser.errorText());

    CliOptions options;
    options.helpText = parser.helpText() + CliHelp::epilogue();
    if (parser.isSet(u"help"_s)) {
        options.mode = Mode::Help;
        return options;
    }
    if (parser.isSet(u"version"_s)) {
        options.mode = Mode::Version;
        return options;
    }
    const auto setRunOptions = [&parser](CliOptions &run) {
        run.quiet = parser.isSet(u"quiet"_s);
        run.strict = parser.isSet(u"strict"_s);
        run.json = parser.isSet(u"json"_s);
        run.open = parser.isSet(u"open"_s);
        run.replace = parser.isSet(u"replace"_s);
    };
    setRunOptions(options);

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(u"check"_s)) {
        options.mode = Mode::Check;
        options.checkFolder = parser.value(u"check"_s);
        if (!positional.isEmpty())
            return usage(tr("--check takes a folder and no source image."));
        if (parser.isSet(u"config"_s))
            return usage(tr("--check and --config cannot be combined."));
        // The table whose watch rows name the images an Apple Watch set holds unlisted.
        options.sizeTable = parser.value(u"size-table"_s);
        return options;
    }

    Values values;
    for (const QString &name : CliHelp::recipeOptions()) {
        if (parser.isSet(name))
            values.insert(name, parser.value(name));
    }
    if (parser.isSet(u"project"_s))
        return intoProject(parser, values, options.helpText);
    const bool defaultProject = positional.isEmpty() && QFileInfo(projectFileName.toString()).isFile();
    if (parser.isSet(u"config"_s) || defaultProject) {
        options.mode = Mode::Project;
        options.projectFile = parser.isSet(u"config"_s) ? parser.value(u"config"_s) : projectFileName.toString();
        if (!positional.isEmpty())
            return usage(tr("A source image and --config cannot be combined: the project file names the sources."));
        if (!values.isEmpty())
            return usage(tr("--%1 cannot be given with a project file (%2): the file says what to make, the command "
                            "line only how to run it.")
                             .arg(values.firstKey(), options.projectFile));
        // For the recipes that update a project.
        options.dryRun = parser.isSet(u"dry-run"_s);
        for (const QString &names : parser.values(u"only"_s)) {
            for (const QString &name : names.split(u',', Qt::SkipEmptyParts))
                options.only << name.trimmed();
        }
        return options;
    }
    if (parser.isSet(u"only"_s))
        return usage(tr("--only goes with a project file (--config FILE)."));
    if (parser.isSet(u"dry-run"_s))
        return usage(tr("--dry-run goes with --project FOLDER."));
    if (positional.isEmpty())
        return usage(tr("No source image was given, and the current folder has no %1.").arg(projectFileName));
    if (positional.size() > 1)
        return usage(tr("Only one source image can be given; got %1.").arg(positional.size()));
    values.insert(u"source"_s, positional.first());

    Result<CliOptions> parsed = fromValues(values);
    if (!parsed)
        return parsed;
    parsed->helpText = options.helpText;
    setRunOptions(*parsed);
    return parsed;
}

Result<CliOptions> CliOptions::intoProject(const QCommandLineParser &parser, Values values, const QString &helpText)
{
    const auto usage = [](const QString &message) -> Result<CliOptions> { return Failure{message}; };
    if (parser.isSet(u"config"_s))
        return usage(tr("--project and --config cannot be combined."));
    // The project says where its icons go and which files they are.
    for (const QString &name : {u"output"_s, u"target"_s, u"platform"_s, u"rounded"_s, u"fit"_s, u"zoom"_s,
                                u"size-table"_s, u"replace"_s, u"only"_s}) {
        if (parser.isSet(name))
            return usage(tr("--%1 does not go with --project: the project says where its icons go and what they are.")
                             .arg(name));
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usage(positional.isEmpty() ? tr("--project needs a source image.")
                                          : tr("Only one source image can be given; got %1.").arg(positional.size()));
    values.insert(u"source"_s, positional.first());
    // Every picture and shaping option of the targets applies.
    values.insert(u"target"_s, u"everything"_s);
    Result<CliOptions> parsed = fromValues(values);
    if (!parsed)
        return parsed;
    parsed->mode = Mode::IntoProject;
    parsed->helpText = helpText;
    parsed->projectFolder = parser.value(u"project"_s);
    parsed->dryRun = parser.isSet(u"dry-run"_s);
    parsed->quiet = parser.isSet(u"quiet"_s);
    parsed->strict = parser.isSet(u"strict"_s);
    parsed->json = parser.isSet(u"json"_s);
    if (parsed->projectFolder.isEmpty())
        return usage(tr("--project needs a folder."));
    return parsed;
}

Result<CliOptions> CliOptions::fromValues(const Values &values, QString *failedOption)
{
    const auto fail = [failedOption](const QString &option, const QString &message) -> Result<CliOptions> {
        if (failedOption != nullptr)
            *failedOption = option;
        return Failure{message};
    };
    const auto isSet = [&values](const QString &name) { return values.contains(name); };

    CliOptions options;
    options.source = values.value(u"source"_s);
    if (options.source.isEmpty())
        return fail(u"source"_s, tr("No source image was given."));
    options.output = values.value(u"output"_s, u"."_s);
    if (options.output.isEmpty())
        return fail(u"output"_s, tr("The save folder is empty."));
    const QString platformText = values.value(u"platform"_s, u"iphone+ipad"_s);
    const std::optional<Platform> platform = Platform::fromText(platformText);
    if (!platform)
        return fail(
            u"platform"_s,
            tr("Unknown platform \"%1\"; use iphone, ipad, iphone+ipad, all, scaled or 0 to 6.").arg(platformText));
    options.platform = *platform;
    const QString zoomText = values.value(u"zoom"_s, u"in"_s);
    if (zoomText.trimmed().toLower() != u"in" && zoomText.trimmed().toLower() != u"out")
        return fail(u"zoom"_s, tr("--zoom takes \"in\" or \"out\", not \"%1\".").arg(zoomText));
    options.zoomIn = zoomText.trimmed().toLower() == u"in";
    options.rounded = isSet(u"rounded"_s);
    options.fit = isSet(u"fit"_s);
    options.sizeTable = values.value(u"size-table"_s);
    std::optional<QString> badColour;
    const auto colour = [&values, &badColour](const QString &name) -> std::optional<RgbColor> {
        if (!values.contains(name))
            return std::nullopt;
        std::optional<RgbColor> read = RgbColor::fromText(values.value(name));
        if (!read)
            badColour = name;
        return read;
    };
    const auto colourFailure = [&fail, &values](const QString &name) {
        return fail(name,
                    tr("\"%1\" is not a colour; use #rrggbb, #rgb or a name such as white.").arg(values.value(name)));
    };
    options.background = colour(u"background"_s);
    if (badColour)
        return colourFailure(*badColour);

    if (!isSet(u"target"_s)) {
        for (const QString &name :
             {u"dark"_s, u"tinted"_s, u"no-shape"_s, u"android-inset"_s, u"padding"_s, u"android-foreground"_s,
              u"android-background"_s, u"monochrome"_s, u"layer-middle"_s, u"name"_s, u"splash-logo"_s,
              u"splash-background"_s, u"splash-dark-logo"_s, u"splash-dark-background"_s}) {
            if (isSet(name))
                return fail(name, tr("--%1 goes with --target.").arg(name));
        }
        return options;
    }
    if (isSet(u"platform"_s))
        return fail(u"platform"_s, tr("-p and --target cannot be combined: -p makes one of the classic sets, "
                                      "--target the newer ones."));
    for (const QString &name : {u"rounded"_s, u"fit"_s, u"zoom"_s, u"size-table"_s}) {
        if (isSet(name))
            return fail(name, tr("--rounded, --fit, --zoom and --size-table go with -p, not with --target."));
    }
    const Result<QStringList> targets = TargetCatalog::parse(values.value(u"target"_s));
    if (!targets)
        return fail(u"target"_s, targets.error());
    options.targets = *targets;
    for (const auto &[name, role] : pictureOptions()) {
        if (isSet(name))
            options.otherSources.insert(role, values.value(name));
    }
    TargetOptions &shaping = options.targetOptions;
    shaping.macShape = !isSet(u"no-shape"_s);
    shaping.splashBackground = colour(u"splash-background"_s);
    shaping.splashDarkBackground = colour(u"splash-dark-background"_s);
    if (badColour)
        return colourFailure(*badColour);
    if (isSet(u"android-inset"_s)) {
        const QString text = values.value(u"android-inset"_s);
        bool ok = false;
        const double percent = QString(text).trimmed().remove(u'%').toDouble(&ok);
        if (!ok || !(percent >= 0 && percent <= 45))
            return fail(u"android-inset"_s,
                        tr("--android-inset takes a percentage from 0 to 45, not \"%1\".").arg(text));
        shaping.androidInset = percent;
    }
    if (isSet(u"padding"_s)) {
        const QString text = values.value(u"padding"_s);
        bool ok = false;
        const double percent = QString(text).trimmed().remove(u'%').toDouble(&ok);
        if (!ok || !(percent >= 0 && percent <= TargetOptions::maxPadding))
            return fail(
                u"padding"_s,
                tr("--padding takes a percentage from 0 to %1, not \"%2\".").arg(TargetOptions::maxPadding).arg(text));
        shaping.padding = percent;
    }
    // Left empty, the name is the source's own; one given must name a file.
    shaping.name = values.value(u"name"_s).trimmed();
    if (isSet(u"name"_s) && !FileName::isPlainStem(shaping.name))
        return fail(u"name"_s, tr("\"%1\" cannot name the icon files: give --name a name of at most %2 bytes, without "
                                  "\"/\", \"\\\", \"..\", a leading \".\" or control characters.")
                                   .arg(shaping.name)
                                   .arg(FileName::maxBytes - FileName::maxExtensionBytes));
    return options;
}

} // namespace iconsmith
