#include "generation/folderopener.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace iconsmith {

std::optional<FolderOpener::Command> FolderOpener::command(const QString &path)
{
#if defined(Q_OS_MACOS)
    const QString opener = QStringLiteral("/usr/bin/open");
    const QString argument = path;
#elif defined(Q_OS_WIN)
    const QString opener = QStringLiteral("explorer.exe");
    const QString argument = QDir::toNativeSeparators(path);
#else
    // What a desktop without services of its own answers to: xdg-open, given a URL so that no
    // part of the path is taken for an option. Without it there is nothing to start.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const QString argument = QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
#endif
    if (opener.isEmpty())
        return std::nullopt;
    return Command{opener, {argument}};
}

bool FolderOpener::open(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    const std::optional<Command> opener = command(folder);
    if (!opener)
        return false;
    QProcess process;
    process.setProgram(opener->program);
    process.setArguments(opener->arguments);
    // The opener's chatter stays off the program's own output.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace iconsmith
