#include "cli/clihost.h"

#include <QProcess>

#include "generation/generationlog.h"

namespace iconsmith {

void CliHost::showFolder(const QString &folder)
{
    if (!m_options.open)
        return;
#if defined(Q_OS_MACOS)
    const QString opener = QStringLiteral("open");
#elif defined(Q_OS_WIN)
    const QString opener = QStringLiteral("explorer");
#else
    const QString opener = QStringLiteral("xdg-open");
#endif
    // Not awaited: the file browser runs on its own.
    QProcess::startDetached(opener, {folder});
}

void CliHost::logLine(const QString &line)
{
    qCDebug(lcGeneration).noquote() << line;
}

} // namespace iconsmith
