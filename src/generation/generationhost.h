#pragma once

#include <QString>

namespace iconsmith {

/**
 * What a generation asks of the desktop it runs for: to show a folder, and to keep a diagnostic
 * line. Everything it makes comes from its request; progress and cancelling go through
 * RunControl. The window, the command-line tool and the tests implement it.
 */
class GenerationHost
{
public:
    virtual ~GenerationHost() = default;

    /** Shows a folder in the desktop's file browser without waiting for it. */
    virtual void showFolder(const QString &folder) = 0;
    /** Writes one diagnostic line; it never reaches the user. */
    virtual void logLine(const QString &line) = 0;

protected:
    GenerationHost() = default;
    GenerationHost(const GenerationHost &) = default;
    GenerationHost &operator=(const GenerationHost &) = default;
};

} // namespace iconsmith
