#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

#include "imaging/rgbcolor.h"

namespace iconsmith {

/** What the command line asked for. */
struct CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
public:
    enum class Mode { Generate, Check, Help, Version };

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
    bool replace = false;
    std::optional<RgbColor> background;
    QString checkFolder;
    QString helpText;

    /** Reads the arguments (the program name first). On a usage error returns nothing and sets @p error. */
    static std::optional<CliOptions> parse(const QStringList &arguments, QString *error);
    /** The platform choice for a name ("iphone", "ipad", "iphone+ipad", "all", "scaled") or a number 0 to 6; -1 if
     * none. */
    static int platformFromText(const QString &text);
};

} // namespace iconsmith
