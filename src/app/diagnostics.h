#pragma once

#include <QStringList>

namespace iconsmith {

/**
 * Whether the desktop program writes diagnostic lines to standard error. By default it writes
 * nothing but critical errors there: the generation's lines, Qt's warnings and the imaging
 * library's warnings are for developers. ICONSMITH_VERBOSE=1 or --verbose turns them all on.
 */
class Diagnostics
{
public:
    /** Whether diagnostics were asked for through the environment or @p arguments. */
    [[nodiscard]] static bool requested(const QStringList &arguments);
    /** Routes the lines accordingly; call once, after the application object exists. */
    static void apply(bool verbose);
};

} // namespace iconsmith
