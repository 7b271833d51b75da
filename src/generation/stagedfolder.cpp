#include "generation/stagedfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "generation/fileoutput.h"
#include "generation/foldertree.h"
#include "generation/trashcan.h"

namespace iconsmith {

namespace {

namespace fs = std::filesystem;

fs::path nativePath(const QString &path)
{
    return {QFile::encodeName(path).toStdString()};
}

QString randomSuffix()
{
    return QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Gives @p keep a second name for the file at @p path (a copy where there are no second names),
// so that @p path can be replaced and later put back.
Result<void> keepPrevious(const QString &path, const QString &keep)
{
    std::error_code error;
    fs::create_hard_link(nativePath(path), nativePath(keep), error);
    if (error && fs::is_regular_file(fs::symlink_status(nativePath(path))))
        fs::copy_file(nativePath(path), nativePath(keep), error);
    if (error)
        return Failure{QString::fromLocal8Bit(error.message())};
    return {};
}

} // namespace

StagedFolder::StagedFolder(const QString &target, Mode mode, Kind kind)
    : m_target(QDir::cleanPath(target)), m_mode(mode), m_kind(kind), m_trash(&TrashCan::moveToTrash)
{}

StagedFolder::~StagedFolder()
{
    discard();
}

bool StagedFolder::holds(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    if (clean == m_target)
        return true;
    if (m_kind == Kind::Files)
        return QFileInfo(clean).path() == m_target;
    return clean.startsWith(m_target + u'/');
}

Result<void> StagedFolder::create()
{
    if (!m_path.isEmpty())
        return {};
    const QFileInfo info(m_target);
    if (info.exists() && !info.isDir())
        return Failure{tr("A file of that name is in the way")};
    // A link naming the set's folder stays a link: the folder it leads to is the one replaced.
    m_real = m_kind == Kind::Folder && info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();

    // A folder is staged beside itself, so that the finished staging folder can take its place
    // in one rename; files are staged inside the folder they go to. Either way every rename
    // stays within one file system.
    const QFileInfo real(m_real);
    const QString parent = m_kind == Kind::Folder ? real.path() : m_real;
    const QString prefix = m_kind == Kind::Folder ? QStringLiteral(".%1.iconsmith-staging-").arg(real.fileName())
                                                  : QStringLiteral(".iconsmith-staging-");
    QStringList missing;
    for (QFileInfo ancestor(parent); !ancestor.exists() && !ancestor.isRoot(); ancestor.setFile(ancestor.path()))
        missing.prepend(ancestor.absoluteFilePath());
    if (Result<void> made = FileOutput::createFolder(parent); !made)
        return made;
    m_createdParents = missing;

    for (int attempt = 0; attempt < 64; ++attempt) {
        const QString candidate = parent + u'/' + prefix + randomSuffix();
        std::error_code error;
        if (fs::create_directory(nativePath(candidate), error)) {
            m_path = candidate;
            m_hold = FolderHold(candidate);
            return {};
        }
        if (error)
            return Failure{QString::fromLocal8Bit(error.message())};
    }
    return Failure{tr("No staging folder could be made beside %1").arg(QDir::toNativeSeparators(m_target))};
}

QString StagedFolder::stagedPath(const QString &targetPath) const
{
    if (m_path.isEmpty())
        return targetPath;
    const QString path = QDir::cleanPath(targetPath);
    if (path == m_target)
        return m_path;
    if (path.startsWith(m_target + u'/'))
        return m_path + path.mid(m_target.size());
    return targetPath;
}

QList<StagedFolder::Problem> StagedFolder::commit()
{
    if (m_path.isEmpty())
        return {};
    return m_kind == Kind::Files ? commitFiles() : commitFolder();
}

QList<StagedFolder::Problem> StagedFolder::failed(QList<Problem> problems)
{
    discard();
    return problems;
}

QList<StagedFolder::Problem> StagedFolder::commitFolder()
{
    const QFileInfo real(m_real);
    if (!real.exists() && !real.isSymLink()) {
        const Result<void> renamed = FolderTree::rename(m_path, m_real);
        if (renamed) {
            m_path.clear();
            m_hold.release();
            m_createdParents.clear();
            return {};
        }
        // Unless the folder appeared meanwhile, and then it is merged into after all.
        if (!QFileInfo(m_real).isDir())
            return failed({{m_target, tr("The new files could not be put in place: %1").arg(renamed.error())}});
    }
    if (m_mode == Mode::Replace)
        return replaceFolder();

    // The new set keeps what the old folder holds and it does not write, as the same files, and
    // then takes the old folder's place in one rename: at no moment is half of a set in place.
    QList<Problem> problems;
    for (const FolderTree::Problem &problem : FolderTree::carryOver(m_real, m_path))
        problems.append(
            {problem.path,
             tr("%1; so that it is not lost, nothing of the new set was put in place").arg(problem.reason)});
    if (!problems.isEmpty())
        return failed(problems);
    if (const Result<void> swapped = FolderTree::exchange(m_path, m_real); !swapped)
        return failed(
            {{m_target,
              tr("The new files could not be put in place (%1); the set is as it was.").arg(swapped.error())}});
    // The staging folder holds the old set now, each file of which is in the new one or was
    // replaced by it.
    discard();
    return {};
}

QList<StagedFolder::Problem> StagedFolder::replaceFolder()
{
    if (const Result<void> trashed = m_trash(m_real); !trashed) {
        // Without a trash fit for it, the old set stays beside, under a name that says what it is.
        const Result<QString> kept = TrashCan::keepBeside(m_real);
        if (!kept)
            return failed({{m_target, tr("The old folder could neither go to the trash (%1) nor be kept beside "
                                         "it (%2), so nothing was replaced and nothing was deleted.")
                                          .arg(trashed.error(), kept.error())}});
        m_keptAt = *kept;
        m_whyNotTrashed = trashed.error();
    }
    if (const Result<void> renamed = FolderTree::rename(m_path, m_real); !renamed) {
        if (!m_keptAt.isEmpty() && FolderTree::rename(m_keptAt, m_real)) {
            m_keptAt.clear();
            return failed(
                {{m_target,
                  tr("The new files could not be put in place (%1); the set is as it was.").arg(renamed.error())}});
        }
        // The staging folder is kept: after the old folder went to the trash it holds the only copy.
        QList<Problem> problems{{m_target, tr("The new files could not be put in place (%1); they are in %2")
                                               .arg(renamed.error(), QDir::toNativeSeparators(m_path))}};
        m_path.clear();
        m_hold.release();
        m_createdParents.clear();
        return problems;
    }
    m_path.clear();
    m_hold.release();
    m_createdParents.clear();
    return {};
}

QList<StagedFolder::Problem> StagedFolder::commitFiles()
{
    const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    // Every name must be free for a file before any file is touched.
    for (const QString &name : names) {
        const QFileInfo destination(m_real + u'/' + name);
        if (destination.isDir() && !destination.isSymLink())
            return failed({{m_target + u'/' + name, tr("A folder of that name is in the way")}});
    }
    struct Placed
    {
        QString destination;
        QString previous;
    };
    QList<Placed> placed;
    const auto putBack = [&placed] {
        std::for_each(placed.crbegin(), placed.crend(), [](const Placed &file) {
            if (file.previous.isEmpty())
                QFile::remove(file.destination);
            else
                (void)FolderTree::rename(file.previous, file.destination);
        });
    };
    for (const QString &name : names) {
        const QString staged = m_path + u'/' + name;
        const QString destination = m_real + u'/' + name;
        QString previous;
        const QFileInfo existing(destination);
        if (existing.exists() || existing.isSymLink()) {
            // A replaced file keeps its permissions, as a file written in place would; the old
            // one is kept under a second name until every file is in place.
            if (existing.isFile() && !existing.isSymLink())
                QFile::setPermissions(staged, existing.permissions());
            previous = m_path + QStringLiteral("/.previous-") + name;
            if (const Result<void> kept = keepPrevious(destination, previous); !kept) {
                putBack();
                return failed(
                    {{m_target + u'/' + name, tr("%1; the files already there are as they were").arg(kept.error())}});
            }
        }
        if (const Result<void> moved = FolderTree::rename(staged, destination); !moved) {
            putBack();
            return failed(
                {{m_target + u'/' + name, tr("%1; the files already there are as they were").arg(moved.error())}});
        }
        placed.append({destination, previous});
    }
    discard();
    return {};
}

void StagedFolder::discard()
{
    if (!m_path.isEmpty()) {
        FolderTree::remove(m_path);
        m_path.clear();
        m_hold.release();
    }
    // Only the folders that were made for the staging folder and are still empty, deepest first.
    std::for_each(m_createdParents.crbegin(), m_createdParents.crend(),
                  [](const QString &parent) { QDir().rmdir(parent); });
    m_createdParents.clear();
}

} // namespace iconsmith
