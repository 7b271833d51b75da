#include "cli/clihost.h"

#include "generation/folderopener.h"
#include "generation/generationlog.h"

namespace iconsmith {

void CliHost::showFolder(const QString &folder)
{
    if (m_openFolders)
        FolderOpener::open(folder);
}

void CliHost::logLine(const QString &line)
{
    qCDebug(lcGeneration).noquote() << line;
}

} // namespace iconsmith
