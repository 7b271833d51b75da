#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

#include "generation/targets/targetplan.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/** What the command line asked for. */
struct CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
public:
    enum class Mode { Generate, Check, Help, Version, Project };

    /** A usage error and the option it concerns: its long name, "source" for the source image, empty for none. */
    struct Problem
    {
        QString option;
        QString message;
    };
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
    int platform = 2;
    bool rounded = false;
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
    TargetOptions targetOptions;
    /** The project file to run (--config, or iconsmith.json in the current folder). */
    QString projectFile;
    /** --only: the project file's recipes to run; empty for every one. */
    QStringList only;

    /** Reads the arguments (the program name first). On a usage error returns nothing and sets @p error. */
    static std::optional<CliOptions> parse(const QStringList &arguments, QString *error);
    /**
     * The options of one generation from the values of its options, checked as the command line checks them. On
     * a usage error returns nothing and sets @p problem.
     */
    static std::optional<CliOptions> fromValues(const Values &values, Problem *problem);
    /** The platform choice for a name ("iphone", "ipad", "iphone+ipad", "all", "scaled") or a number 0 to 6; -1 if
     * none. */
    static int platformFromText(const QString &text);
};

} // namespace iconsmith
