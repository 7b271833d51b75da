#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

#include "common/result.h"
#include "generation/generationrequest.h"
#include "generation/platform.h"
#include "generation/targets/targetplan.h"
#include "imaging/rgbcolor.h"

class QCommandLineParser;

namespace iconsmith {

/** What the command line asked for. */
struct CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
public:
    enum class Mode { Generate, Check, Help, Version, Project, IntoProject };

    /**
     * The values of the options that describe what to make, by long name ("output", "target", "dark", ...) plus
     * "source" for the source image, as a command line or a project file gives them. A flag is set when its name is
     * present, whatever its value.
     */
    using Values = QMap<QString, QString>;

    /** The file looked for in the current folder when no source image is given. */
    static constexpr QStringView projectFileName = u"iconsmith.json";

    Mode mode = Mode::Generate;
    QString source;
    QString output = QStringLiteral(".");
    /** The classic choice (-p); the targets when --target is given. */
    Platform platform = *Platform::fromChoice(Platform::IPhoneAndIPad);
    bool rounded = false;
    /** --fit: icon sets keep the source's proportions, padded, instead of stretching it to squares. */
    bool fit = false;
    bool zoomIn = true;
    QString sizeTable;
    bool open = false;
    bool quiet = false;
    bool strict = false;
    /** --json: one JSON document on standard output instead of lines for people. */
    bool json = false;
    /** --replace: an existing icon-set folder is replaced whole (the old one goes to the trash). */
    bool replace = false;
    std::optional<RgbColor> background;
    QString checkFolder;
    QString helpText;
    /** The targets to write (--target), in catalog order; empty for the platform choice. */
    QStringList targets;
    /** The further pictures given for the targets (--dark FILE and the like). */
    QMap<SourceRole, QString> otherSources;
    /** How the targets are shaped (--no-shape, --android-inset, --padding, --name); the colour is background's above.
     */
    TargetOptions targetOptions;
    /** The project file to run (--config, or iconsmith.json in the current folder). */
    QString projectFile;
    /** --only: the project file's recipes to run; empty for every one. */
    QStringList only;
    /** --project: the folder whose app projects get the icons. */
    QString projectFolder;
    /** --dry-run: with --project, print what would change and change nothing. */
    bool dryRun = false;
    /** Further files the run was read from (the project file), which it never writes over. */
    QStringList inputs;

    /** Reads the arguments (the program name first); the failure is the usage error. */
    static Result<CliOptions> parse(const QStringList &arguments);
    /**
     * The options of one generation from the values of its options, checked as the command line checks them. The
     * failure is the usage error; @p failedOption, when given, receives the long name of the option it concerns
     * ("source" for the source image, empty for none).
     */
    static Result<CliOptions> fromValues(const Values &values, QString *failedOption = nullptr);

    /** The options of --project FOLDER, from the parsed command line and the values of its recipe options. */
    static Result<CliOptions> intoProject(const QCommandLineParser &parser, Values values, const QString &helpText);

    /** The option that gives @p role's picture, as typed ("--dark"). */
    static QString pictureOption(SourceRole role);
    /** @p note as the command line words it: with the option that gives the picture it misses. */
    static QString noteText(const RunNote &note);

    /** The request these options make of @p image, the source read. */
    [[nodiscard]] GenerationRequest request(const SourceImage &image) const;
};

} // namespace iconsmith
