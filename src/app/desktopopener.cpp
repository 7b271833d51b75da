#include "app/desktopopener.h"

#include <QDir>
#include <QProcess>
#include <QTimer>

#include "generation/folderopener.h"

namespace iconsmith {

DesktopOpener::DesktopOpener(QObject *parent) : QObject(parent) {}

DesktopOpener::~DesktopOpener()
{
    // Destroying a QProcess kills its program, and an opener that has not ended may be the file
    // browser itself; it is let go instead and ends on its own.
    for (QProcess *process : findChildren<QProcess *>(Qt::FindDirectChildrenOnly)) {
        process->disconnect(this);
        if (process->state() != QProcess::NotRunning)
            process->setParent(nullptr);
    }
}

void DesktopOpener::open(const QString &path)
{
    const std::optional<FolderOpener::Command> command = FolderOpener::command(path);
    if (!command) {
        // Queued, so that whoever asked has finished asking before the answer comes.
        QTimer::singleShot(0, this, [this, path] {
            Q_EMIT failed(path, tr("No program to open files with is installed (xdg-open)."));
        });
        return;
    }
    auto *process = new QProcess(this);
    process->setProgram(command->program);
    process->setArguments(command->arguments);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::SeparateChannels);
    connect(process, &QProcess::errorOccurred, this, [this, process, path](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        Q_EMIT failed(path, tr("%1 could not be started.").arg(QDir::toNativeSeparators(process->program())));
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this, [this, process, path](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0) {
            Q_EMIT opened(path);
        } else {
            // What the opener said, when it said anything, is the most precise reason there is.
            const QString said = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
            const QString program = QDir::toNativeSeparators(process->program());
            Q_EMIT failed(path, said.isEmpty() ? tr("%1 ended with status %2.").arg(program).arg(code)
                                               : tr("%1 said: %2").arg(program, said.left(300)));
        }
        process->deleteLater();
    });
    process->start();
}

} // namespace iconsmith
