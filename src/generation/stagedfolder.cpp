#include "generation/stagedfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "catalog/contentsdocument.h"
#include "generation/fileoutput.h"

namespace iconsmith {

namespace {

std::filesystem::path nativePath(const QString &path)
{
    return {QFile::encodeName(path).toStdString()};
}

QString randomSuffix()
{
    return QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

StagedFolder::StagedFolder(QString target, Mode mode) : m_target(std::move(target)), m_mode(mode) {}

StagedFolder::~StagedFolder()
{
    discard();
}

Result<void> StagedFolder::create()
{
    if (!m_path.isEmpty())
        return {};
    const QString target = QDir::cleanPath(m_target);
    const QFileInfo info(target);
    if (info.exists() && !info.isDir())
        return Failure{tr("A file of that name is in the way")};

    // Merging into an existing folder stages inside it; anything else stages beside the folder,
    // in its parent, so that the finished staging folder can be renamed into its place.
    m_inside = m_mode == Mode::Merge && info.isDir();
    const QString parent = m_inside ? target : info.absolutePath();
    const QString prefix = m_inside ? QStringLiteral(".iconsmith-staging-")
                                    : QStringLiteral(".%1.iconsmith-staging-").arg(info.fileName());

    QStringList missing;
    for (QFileInfo ancestor(parent); !ancestor.exists() && !ancestor.isRoot(); ancestor.setFile(ancestor.path()))
        missing.prepend(ancestor.absoluteFilePath());
    if (Result<void> made = FileOutput::createFolder(parent); !made)
        return made;
    m_createdParents = missing;

    for (int attempt = 0; attempt < 64; ++attempt) {
        const QString candidate = parent + u'/' + prefix + randomSuffix();
        std::error_code error;
        if (std::filesystem::create_directory(nativePath(candidate), error)) {
            m_path = candidate;
            return {};
        }
        if (error)
            return Failure{QString::fromLocal8Bit(error.message())};
    }
    return Failure{tr("No staging folder could be made beside %1").arg(QDir::toNativeSeparators(target))};
}

QString StagedFolder::stagedPath(const QString &targetPath) const
{
    if (m_path.isEmpty())
        return targetPath;
    const QString target = QDir::cleanPath(m_target);
    const QString path = QDir::cleanPath(targetPath);
    if (path == target)
        return m_path;
    if (path.startsWith(target + u'/'))
        return m_path + path.mid(target.size());
    return targetPath;
}

QList<StagedFolder::Problem> StagedFolder::commit()
{
    if (m_path.isEmpty())
        return {};
    const QString target = QDir::cleanPath(m_target);
    if (m_inside)
        return mergeFiles();

    if (m_mode == Mode::Replace && QFileInfo::exists(target)) {
        if (const Result<void> trashed = m_trash(target); !trashed) {
            discard();
            return {{m_target, tr("The folder could not be moved to the trash, so nothing was replaced "
                                  "and nothing was deleted: %1")
                                   .arg(trashed.error())}};
        }
    }
    if (const Result<void> renamed = renameInto(m_path, target); !renamed) {
        // The folder appeared while the files were being made: merge into it after all.
        if (m_mode == Mode::Merge && QFileInfo(target).isDir())
            return mergeFiles();
        // The staging folder is kept: after the old folder went to the trash it holds the only copy.
        return {{m_target, tr("The new files could not be put in place (%1); they are in %2")
                               .arg(renamed.error(), QDir::toNativeSeparators(m_path))}};
    }
    m_path.clear();
    m_createdParents.clear();
    return {};
}

QList<StagedFolder::Problem> StagedFolder::mergeFiles()
{
    QList<Problem> problems;
    mergeFolder(m_path, QDir::cleanPath(m_target), problems);
    discard();
    return problems;
}

void StagedFolder::mergeFolder(const QString &staged, const QString &destination, QList<Problem> &problems)
{
    // Folders first: a folder that is new moves in whole, one that exists gets its files merged.
    const QStringList folders = QDir(staged).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : folders) {
        const QString from = staged + u'/' + name;
        const QString to = destination + u'/' + name;
        const QFileInfo existing(to);
        if (existing.isDir() && !existing.isSymLink()) {
            mergeFolder(from, to, problems);
        } else if (existing.exists() || existing.isSymLink()) {
            problems.append({to, tr("A file of that name is in the way")});
        } else if (const Result<void> moved = renameInto(from, to); !moved) {
            problems.append({to, moved.error()});
        }
    }
    QStringList names = QDir(staged).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    // The catalog goes last, so that it never lists a file that is not in place yet.
    const QString contents = ContentsDocument::fileName.toString();
    if (names.removeAll(contents) > 0)
        names.append(contents);
    for (const QString &name : std::as_const(names)) {
        const QString from = staged + u'/' + name;
        const QString to = destination + u'/' + name;
        // A replaced file keeps its permissions, as a file written in place would.
        if (const QFileInfo existing(to); existing.isFile())
            QFile::setPermissions(from, existing.permissions());
        if (const Result<void> moved = renameInto(from, to); !moved)
            problems.append({to, moved.error()});
    }
}

Result<void> StagedFolder::renameInto(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    if (error)
        return Failure{QString::fromLocal8Bit(error.message())};
    return {};
}

void StagedFolder::discard()
{
    if (!m_path.isEmpty()) {
        QDir(m_path).removeRecursively();
        m_path.clear();
    }
    // Only the folders that were made for the staging folder and are still empty, deepest first.
    std::for_each(m_createdParents.crbegin(), m_createdParents.crend(),
                  [](const QString &parent) { QDir().rmdir(parent); });
    m_createdParents.clear();
}

Result<void> StagedFolder::moveToTrash(const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The home trash lives in the data folder. When that folder is missing, Qt 6.4 does not give
    // up but takes the current folder for a trash, so it must exist first.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#endif
    QFile file(path);
    if (!file.moveToTrash()) {
        const QString reason = file.errorString();
        return Failure{reason.isEmpty() ? tr("there is no trash for this folder") : reason};
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // A freedesktop trash keeps what it holds in "files" inside "Trash", ".Trash-<uid>" or
    // ".Trash/<uid>"; anywhere else is not a trash the user can find, so the move is undone.
    const QDir files = QFileInfo(file.fileName()).dir();
    QDir trash = files;
    trash.cdUp();
    const bool inTrash = files.dirName() == u"files" &&
                         (trash.dirName() == u"Trash" || trash.dirName().startsWith(QStringLiteral(".Trash")) ||
                          QFileInfo(trash.path()).dir().dirName() == u".Trash");
    if (!inTrash) {
        const QString misplaced = file.fileName();
        QFile::remove(trash.filePath(QStringLiteral("info/%1.trashinfo").arg(QFileInfo(misplaced).fileName())));
        if (const Result<void> back = renameInto(misplaced, path); !back)
            return Failure{tr("there is no trash for this folder, and it was left at %1")
                               .arg(QDir::toNativeSeparators(misplaced))};
        return Failure{tr("there is no trash for this folder")};
    }
#endif
    return {};
}

} // namespace iconsmith
