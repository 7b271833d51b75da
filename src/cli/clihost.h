#pragma once

#include "generation/generationhost.h"

namespace iconsmith {

/** What a command-line generation asks of the desktop: folders shown only with --open, lines to the debug log. */
class CliHost : public GenerationHost
{
public:
    /** A host that shows folders only when @p openFolders (--open). */
    explicit CliHost(bool openFolders) : m_openFolders(openFolders) {}

    void showFolder(const QString &folder) override;
    void logLine(const QString &line) override;

private:
    bool m_openFolders;
};

} // namespace iconsmith
