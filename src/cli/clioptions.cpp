#include "cli/clioptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "cli/clihelp.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

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
    CliHelp::describe(parser);
    const auto usage = [error](const QString &message) -> std::optional<CliOptions> {
        if (error != nullptr)
            *error = message;
        return std::nullopt;
    };
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
        for (const QString &names : parser.values(u"only"_s)) {
            for (const QString &name : names.split(u',', Qt::SkipEmptyParts))
                options.only << name.trimmed();
        }
        return options;
    }
    if (parser.isSet(u"only"_s))
        return usage(tr("--only goes with a project file (--config FILE)."));
    if (positional.isEmpty())
        return usage(tr("No source image was given, and the current folder has no %1.").arg(projectFileName));
    if (positional.size() > 1)
        return usage(tr("Only one source image can be given; got %1.").arg(positional.size()));
    values.insert(u"source"_s, positional.first());

    Problem problem;
    std::optional<CliOptions> parsed = fromValues(values, &problem);
    if (!parsed)
        return usage(problem.message);
    parsed->helpText = options.helpText;
    setRunOptions(*parsed);
    return parsed;
}

std::optional<CliOptions> CliOptions::fromValues(const Values &values, Problem *problem)
{
    const auto fail = [problem](const QString &option, const QString &message) -> std::optional<CliOptions> {
        if (problem != nullptr)
            *problem = {option, message};
        return std::nullopt;
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
    options.platform = platformFromText(platformText);
    if (options.platform < 0)
        return fail(
            u"platform"_s,
            tr("Unknown platform \"%1\"; use iphone, ipad, iphone+ipad, all, scaled or 0 to 6.").arg(platformText));
    const QString zoomText = values.value(u"zoom"_s, u"in"_s);
    if (zoomText.trimmed().toLower() != u"in" && zoomText.trimmed().toLower() != u"out")
        return fail(u"zoom"_s, tr("--zoom takes \"in\" or \"out\", not \"%1\".").arg(zoomText));
    options.zoomIn = zoomText.trimmed().toLower() == u"in";
    options.rounded = isSet(u"rounded"_s);
    options.sizeTable = values.value(u"size-table"_s);
    if (isSet(u"background"_s)) {
        options.background = RgbColor::fromText(values.value(u"background"_s));
        if (!options.background)
            return fail(u"background"_s, tr("\"%1\" is not a colour; use #rrggbb, #rgb or a name such as white.")
                                             .arg(values.value(u"background"_s)));
    }

    const QList<std::pair<QString, SourceRole>> pictures{{u"dark"_s, SourceRole::Dark},
                                                         {u"tinted"_s, SourceRole::Tinted},
                                                         {u"android-foreground"_s, SourceRole::AndroidForeground},
                                                         {u"android-background"_s, SourceRole::AndroidBackground},
                                                         {u"monochrome"_s, SourceRole::Monochrome}};
    if (!isSet(u"target"_s)) {
        for (const QString &name : {u"dark"_s, u"tinted"_s, u"no-shape"_s, u"android-inset"_s, u"android-foreground"_s,
                                    u"android-background"_s, u"monochrome"_s, u"name"_s}) {
            if (isSet(name))
                return fail(name, tr("--%1 goes with --target.").arg(name));
        }
        return options;
    }
    if (isSet(u"platform"_s))
        return fail(u"platform"_s, tr("-p and --target cannot be combined: -p makes one of the classic sets, "
                                      "--target the newer ones."));
    for (const QString &name : {u"rounded"_s, u"zoom"_s, u"size-table"_s}) {
        if (isSet(name))
            return fail(name, tr("--rounded, --zoom and --size-table go with -p, not with --target."));
    }
    const Result<QStringList> targets = TargetCatalog::parse(values.value(u"target"_s));
    if (!targets)
        return fail(u"target"_s, targets.error());
    options.targets = *targets;
    for (const auto &[name, role] : pictures) {
        if (isSet(name))
            options.otherSources.insert(role, values.value(name));
    }
    TargetOptions &shaping = options.targetOptions;
    shaping.background = options.background;
    shaping.macShape = !isSet(u"no-shape"_s);
    if (isSet(u"android-inset"_s)) {
        const QString text = values.value(u"android-inset"_s);
        bool ok = false;
        const double percent = QString(text).trimmed().remove(u'%').toDouble(&ok);
        if (!ok || !(percent >= 0 && percent <= 45))
            return fail(u"android-inset"_s,
                        tr("--android-inset takes a percentage from 0 to 45, not \"%1\".").arg(text));
        shaping.androidInset = percent;
    }
    shaping.name = isSet(u"name"_s) ? values.value(u"name"_s).trimmed() : QFileInfo(options.source).completeBaseName();
    if (shaping.name.isEmpty() || shaping.name == u"." || shaping.name == u".." || shaping.name.contains(u'/') ||
        shaping.name.contains(u'\\') || shaping.name.contains(QChar(0)))
        return fail(u"name"_s, tr("\"%1\" cannot name a file; give --name NAME.").arg(shaping.name));
    return options;
}

} // namespace iconsmith
