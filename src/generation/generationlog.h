#pragma once

#include <QLoggingCategory>

namespace iconsmith {

/**
 * The category of the generation's diagnostic lines (catalog entries and the marketing-image
 * check). Info and above are on by default: the desktop app writes the lines at info level, to
 * the system log. The command-line tool writes them at debug level, shown only with
 * QT_LOGGING_RULES="iconsmith.generation.debug=true".
 */
Q_DECLARE_LOGGING_CATEGORY(lcGeneration)

} // namespace iconsmith
