#include "project/projectwriter.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "generation/foldertree.h"
#include "generation/trashcan.h"

namespace iconsmith {

namespace {

// Takes a file back out of the trash, with the note the trash keeps of it.
void untrash(const QString &trashed, const QString &path)
{
    if (FolderTree::rename(trashed, path)) {
        const QFileInfo in(trashed);
        QFile::remove(in.dir().absoluteFilePath(QStringLiteral("../info/")) + in.fileName() +
                      QStringLiteral(".trashinfo"));
    }
}

} // namespace

ProjectWriter::ProjectWriter(QString root) : m_root(std::move(root)), m_trash(&TrashCan::moveIntoTrash) {}

Result<ProjectWriter::Moved> ProjectWriter::moveAway(const QString &file)
{
    const QString path = m_root + u'/' + file;
    const Result<QString> trashed = m_trash(path);
    if (trashed)
        return Moved{file, *trashed, true};
    // Without a trash for it, the file goes into one folder beside the project, under its own path.
    if (m_whyNotTrashed.isEmpty())
        m_whyNotTrashed = trashed.error();
    if (m_keptIn.isEmpty()) {
        const QString stem = m_root + QStringLiteral(".replaced-") +
                             QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        m_keptIn = stem;
        for (int n = 2; QFileInfo::exists(m_keptIn) || QFileInfo(m_keptIn).isSymLink(); ++n)
            m_keptIn = stem + u'-' + QString::number(n);
    }
    const QString kept = m_keptIn + u'/' + file;
    if (!QDir().mkpath(QFileInfo(kept).path()))
        return Failure{tr("%1 could go neither to the trash (%2) nor into %3")
                           .arg(file, trashed.error(), QDir::toNativeSeparators(m_keptIn))};
    if (const Result<void> renamed = FolderTree::rename(path, kept); !renamed)
        return Failure{tr("%1 could go neither to the trash (%2) nor into %3: %4")
                           .arg(file, trashed.error(), QDir::toNativeSeparators(m_keptIn), renamed.error())};
    return Moved{file, kept, false};
}

Result<QList<ProjectWriter::Moved>> ProjectWriter::apply(const QList<Step> &steps)
{
    QList<Moved> moved;
    QStringList placed;
    QStringList madeFolders;
    for (const Step &step : steps) {
        const QString path = m_root + u'/' + step.file;
        const QFileInfo there(path);
        QString problem;
        if (there.exists() || there.isSymLink()) {
            if (const Result<Moved> away = moveAway(step.file))
                moved.append(*away);
            else
                problem = away.error();
        }
        if (problem.isEmpty() && !step.made.isEmpty()) {
            QStringList missing;
            for (QFileInfo folder(there.path()); !folder.exists(); folder.setFile(folder.path()))
                missing.prepend(folder.absoluteFilePath());
            for (const QString &folder : std::as_const(missing)) {
                if (!QDir().mkdir(folder)) {
                    problem = tr("The folder %1 could not be made").arg(QDir::toNativeSeparators(folder));
                    break;
                }
                madeFolders.append(folder);
            }
            if (problem.isEmpty()) {
                if (const Result<void> renamed = FolderTree::rename(step.made, path); renamed)
                    placed.append(path);
                else
                    problem = tr("%1 could not be put in place: %2").arg(step.file, renamed.error());
            }
        }
        if (!problem.isEmpty()) {
            undo(moved, placed, madeFolders);
            return Failure{tr("%1; the project is as it was.").arg(problem)};
        }
    }
    return moved;
}

void ProjectWriter::undo(const QList<Moved> &moved, const QStringList &placed, const QStringList &madeFolders)
{
    for (const QString &path : placed)
        QFile::remove(path);
    std::for_each(moved.crbegin(), moved.crend(), [this](const Moved &file) {
        const QString path = m_root + u'/' + file.file;
        if (file.trashed)
            untrash(file.to, path);
        else
            (void)FolderTree::rename(file.to, path);
    });
    std::for_each(madeFolders.crbegin(), madeFolders.crend(), [](const QString &folder) { QDir().rmdir(folder); });
    if (!m_keptIn.isEmpty() && QFileInfo(m_keptIn).isDir() &&
        !QDirIterator(m_keptIn, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories).hasNext())
        FolderTree::remove(m_keptIn); // only the empty folders made for it
}

} // namespace iconsmith
