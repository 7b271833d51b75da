#include "generation/trashcan.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

#include "generation/foldertree.h"

namespace iconsmith {

namespace {

// The nearest of @p path and its parents that is there.
QString existingAncestor(const QString &path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.isRoot())
        info.setFile(info.path());
    return info.absoluteFilePath();
}

} // namespace

Result<QString> TrashCan::homeTrash()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without a home, the data folder would be "/.local/share" and the trash would be made at the
    // root of the file system, where no user looks for it.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty())
            return Failure{tr("HOME is not set")};
        if (!QDir::isAbsolutePath(home) || QDir(home).isRoot() || !QFileInfo(home).isDir())
            return Failure{tr("HOME (%1) is not a home folder").arg(home)};
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir::isAbsolutePath(data) || QDir(data).isRoot())
        return Failure{tr("there is no data folder for a trash")};
    const QString trash = QDir::cleanPath(data + QStringLiteral("/Trash"));
    // Every part of it that is there must be a folder this user can write, or the trash cannot
    // be made and Qt would take the current folder for one.
    const QString nearest = existingAncestor(trash);
    if (!QFileInfo(nearest).isDir() || ::access(QFile::encodeName(nearest).constData(), W_OK | X_OK) != 0)
        return Failure{tr("the trash %1 cannot be written").arg(QDir::toNativeSeparators(trash))};
    return trash;
#else
    return QString();
#endif
}

Result<void> TrashCan::moveToTrash(const QString &path)
{
    if (const Result<QString> moved = moveIntoTrash(path); !moved)
        return Failure{moved.error()};
    return {};
}

Result<QString> TrashCan::moveIntoTrash(const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const Result<QString> trash = homeTrash();
    if (!trash)
        return Failure{trash.error()};
    // Qt would put a folder of another file system into a trash at the top of that one.
    if (QStorageInfo(existingAncestor(*trash)).rootPath() != QStorageInfo(path).rootPath())
        return Failure{tr("it is not on the file system of the trash %1").arg(QDir::toNativeSeparators(*trash))};
    if (!QDir().mkpath(*trash))
        return Failure{tr("the trash %1 cannot be made").arg(QDir::toNativeSeparators(*trash))};
#endif
    QFile file(path);
    if (!file.moveToTrash()) {
        const QString reason = file.errorString();
        return Failure{reason.isEmpty() ? tr("there is no trash for this folder") : reason};
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Checked above, and checked again: anywhere but the home trash is not a trash the user can
    // find, so the move is undone.
    if (!QDir::cleanPath(file.fileName()).startsWith(*trash + u'/')) {
        const QString misplaced = file.fileName();
        if (const Result<void> back = FolderTree::rename(misplaced, path); !back)
            return Failure{tr("there is no trash for this folder, and it was left at %1")
                               .arg(QDir::toNativeSeparators(misplaced))};
        return Failure{tr("there is no trash for this folder")};
    }
#endif
    return file.fileName();
}

Result<QString> TrashCan::keepBeside(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(path));
    const QString stem = info.absoluteFilePath() + QStringLiteral(".replaced-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString beside = stem;
    for (int n = 2; QFileInfo::exists(beside) || QFileInfo(beside).isSymLink(); ++n)
        beside = stem + u'-' + QString::number(n);
    // A rename never replaces a folder that is not empty, so a name taken meanwhile fails here.
    if (const Result<void> renamed = FolderTree::rename(info.absoluteFilePath(), beside); !renamed)
        return Failure{renamed.error()};
    return beside;
}

} // namespace iconsmith
