#include "generation/foldertree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "generation/fileoutput.h"

namespace iconsmith {

namespace {

namespace fs = std::filesystem;

fs::path nativePath(const QString &path)
{
    return {QFile::encodeName(path).toStdString()};
}

QString reasonOf(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

// Gives @p to a second name for the file (or link) @p from, or where the file system has no
// such names, a copy of it.
Result<void> linkOrCopy(const QString &from, const QString &to, fs::file_status status)
{
    std::error_code error;
#if defined(Q_OS_UNIX)
    // linkat without AT_SYMLINK_FOLLOW names the link itself, not what it leads to.
    if (::linkat(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(), 0) == 0)
        return {};
#endif
    if (fs::is_symlink(status)) {
        const fs::path target = fs::read_symlink(nativePath(from), error);
        if (!error)
            fs::create_symlink(target, nativePath(to), error);
    } else if (fs::is_regular_file(status)) {
        fs::copy_file(nativePath(from), nativePath(to), error);
    } else {
        return Failure{FolderTree::tr("it is neither a file, a folder nor a link, and cannot be kept")};
    }
    if (error)
        return Failure{reasonOf(error)};
    return {};
}

// Gives the folder @p to the permissions and, where this process may, the owner of @p from: a
// set made anew keeps its folders as they were, also when root writes into a user's project.
void keepFolderAttributes(const QString &from, const QString &to)
{
    std::error_code error;
    fs::permissions(nativePath(to), fs::status(nativePath(from), error).permissions(), error);
#if defined(Q_OS_UNIX)
    struct stat old = {};
    struct stat fresh = {};
    if (::stat(QFile::encodeName(from).constData(), &old) == 0 &&
        ::stat(QFile::encodeName(to).constData(), &fresh) == 0 &&
        (old.st_uid != fresh.st_uid || old.st_gid != fresh.st_gid))
        (void)::chown(QFile::encodeName(to).constData(), old.st_uid, old.st_gid);
#endif
}

void carryInto(const QString &from, const QString &to, QList<FolderTree::Problem> &problems)
{
    // System takes in dangling links too.
    const QStringList all =
        QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : std::as_const(all)) {
        if (FileOutput::isLeftoverName(name))
            continue; // a killed run's, never the set's
        const QString source = from + u'/' + name;
        const QString destination = to + u'/' + name;
        std::error_code error;
        const fs::file_status old = fs::symlink_status(nativePath(source), error);
        const fs::file_status fresh = fs::symlink_status(nativePath(destination), error);
        const bool oldIsFolder = fs::is_directory(old);
        if (fs::exists(fresh) || fs::is_symlink(fresh)) {
            if (oldIsFolder != fs::is_directory(fresh)) {
                problems.append({destination, oldIsFolder ? FolderTree::tr("A folder of that name is in the way")
                                                          : FolderTree::tr("A file of that name is in the way")});
            } else if (oldIsFolder) {
                keepFolderAttributes(source, destination);
                carryInto(source, destination, problems);
            } else if (fs::is_regular_file(old) && fs::is_regular_file(fresh)) {
                // The new file takes the old one's place: it keeps its permissions.
                fs::permissions(nativePath(destination), old.permissions(), error);
            }
            continue;
        }
        if (oldIsFolder) {
            fs::create_directory(nativePath(destination), error);
            if (error) {
                problems.append({destination, reasonOf(error)});
                continue;
            }
            keepFolderAttributes(source, destination);
            carryInto(source, destination, problems);
        } else if (const Result<void> kept = linkOrCopy(source, destination, old); !kept) {
            problems.append({source, kept.error()});
        }
    }
}

} // namespace

QList<FolderTree::Problem> FolderTree::carryOver(const QString &from, const QString &to)
{
    QList<Problem> problems;
    carryInto(from, to, problems);
    // The set keeps its folder's permissions and owner, as it would had its files been written there.
    keepFolderAttributes(from, to);
    return problems;
}

Result<void> FolderTree::rename(const QString &from, const QString &to)
{
    std::error_code error;
    fs::rename(nativePath(from), nativePath(to), error);
    if (error)
        return Failure{reasonOf(error)};
    return {};
}

Result<void> FolderTree::exchange(const QString &a, const QString &b)
{
#if defined(Q_OS_LINUX)
    if (::renameat2(AT_FDCWD, QFile::encodeName(a).constData(), AT_FDCWD, QFile::encodeName(b).constData(),
                    RENAME_EXCHANGE) == 0)
        return {};
    // Only a file system without the call (EINVAL, ENOSYS) falls back to two renames.
    if (errno != EINVAL && errno != ENOSYS)
        return Failure{QString::fromLocal8Bit(std::strerror(errno))};
#endif
    // Not a staging name: a run killed between the renames must leave the old set for the user
    // to find, not for the next run to clean away.
    const QFileInfo second(b);
    const QString aside = second.path() + QStringLiteral("/.%1.iconsmith-old-%2")
                                              .arg(second.fileName())
                                              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    if (Result<void> moved = rename(b, aside); !moved)
        return moved;
    if (Result<void> placed = rename(a, b); !placed) {
        (void)rename(aside, b);
        return placed;
    }
    return rename(aside, a);
}

void FolderTree::remove(const QString &path)
{
    std::error_code error;
    fs::remove_all(nativePath(path), error);
}

} // namespace iconsmith
