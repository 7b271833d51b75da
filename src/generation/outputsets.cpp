#include "generation/outputsets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "generation/generationrequest.h"
#include "generation/outputpaths.h"

namespace iconsmith {

namespace {

// The nearest of @p path and its parents that is there (a link counts, dangling or not).
QFileInfo existingAncestor(const QString &path)
{
    QFileInfo info(QDir::cleanPath(path));
    while (!info.exists() && !info.isSymLink() && !info.isRoot() && info.filePath() != u".")
        info.setFile(info.path());
    return info;
}

// @p path's own name in its parent as the file system resolves that parent: the entry a rename
// would replace, even when the name itself is a link.
QString entryOf(const QString &path)
{
    const QFileInfo info(QFileInfo(path).absoluteFilePath());
    return QDir::cleanPath(OutputSets::canonical(info.path()) + u'/' + info.fileName());
}

// Whether @p place (a folder, or one file) takes in @p path.
bool holds(const QString &place, bool folder, const QString &path)
{
    return path == place || (folder && path.startsWith(place + u'/'));
}

// Whether the two names are one file: the same inode, through links and hard links alike.
bool sameFile(const QString &a, const QString &b)
{
#if defined(Q_OS_UNIX)
    struct stat first = {};
    struct stat second = {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
#else
    return false;
#endif
}

// Why the folder at @p path cannot be changed by this process; empty when it can.
QString notWritable(const QString &path)
{
#if defined(Q_OS_UNIX)
    if (::access(QFile::encodeName(path).constData(), W_OK | X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#else
    if (!QFileInfo(path).isWritable())
        return OutputSets::tr("it is read-only");
#endif
    return {};
}

} // namespace

QList<OutputSets::Place> OutputSets::of(const QString &saveFolder, const std::optional<Platform> &platform,
                                        const QStringList &targets)
{
    const QString folder = OutputPaths::expandHome(saveFolder);
    QList<Place> places;
    if (!platform)
        return places;
    if (platform->isTargets()) {
        for (const QString &target : targets)
            places.append({folder + u'/' + target, true});
    } else if (platform->isScaledImageSet()) {
        for (const QStringView name : OutputPaths::scaledImageNames)
            places.append({folder + u'/' + name.toString() + QStringLiteral(".png"), false});
    } else {
        places.append({OutputPaths(saveFolder, platform).appiconsetPathString(), true});
    }
    return places;
}

QList<OutputSets::Place> OutputSets::of(const GenerationRequest &request)
{
    return of(request.saveFolder, request.platform, request.targets);
}

QString OutputSets::canonical(const QString &path)
{
    // Not cleaned first: a ".." after a link leads out of the link's target, not back up the name.
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    QStringList missing;
    for (;;) {
        const QString real = info.canonicalFilePath();
        if (!real.isEmpty())
            return missing.isEmpty() ? real : QDir::cleanPath(real + u'/' + missing.join(u'/'));
        if (info.isRoot())
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        missing.prepend(info.fileName());
        info.setFile(info.path());
    }
}

bool OutputSets::overlap(const Place &a, const Place &b)
{
    const QString first = canonical(a.path);
    const QString second = canonical(b.path);
    return holds(first, a.folder, second) || holds(second, b.folder, first);
}

Result<void> OutputSets::checkInputs(const QList<Place> &places, const QStringList &inputs)
{
    for (const QString &input : inputs) {
        if (input.isEmpty() || !QFileInfo(input).exists())
            continue;
        const QString resolved = canonical(input);
        const QString entry = entryOf(input);
        for (const Place &place : places) {
            const QString placeResolved = canonical(place.path);
            const QString placeEntry = entryOf(place.path);
            bool touched = !place.folder && sameFile(place.path, input);
            for (const QString &where : {placeResolved, placeEntry}) {
                for (const QString &what : {resolved, entry})
                    touched = touched || holds(where, place.folder, what);
            }
            if (!touched)
                continue;
            const QString shownInput = QDir::toNativeSeparators(input);
            const QString shownPlace = QDir::toNativeSeparators(place.path);
            if (place.folder)
                return Failure{tr("%1 is read by this run, and lies in %2, which the run replaces as a whole. Move "
                                  "it out, or choose another save folder.")
                                   .arg(shownInput, shownPlace)};
            return Failure{tr("%1 is read by this run, and writing %2 would overwrite it. Choose another save folder, "
                              "or move the file.")
                               .arg(shownInput, shownPlace)};
        }
    }
    return {};
}

Result<void> OutputSets::checkWritable(const QString &saveFolder, const QList<Place> &places)
{
    const QString save = OutputPaths::expandHome(saveFolder);
    const QFileInfo nearest = existingAncestor(save);
    if (!nearest.isDir()) {
        const QString shown = QDir::toNativeSeparators(save);
        if (nearest.filePath() == QDir::cleanPath(save))
            return Failure{tr("The save folder %1 is a file, not a folder: choose another save folder.").arg(shown)};
        return Failure{tr("The save folder %1 cannot be made: %2 is a file, not a folder. Choose another save folder.")
                           .arg(shown, QDir::toNativeSeparators(nearest.filePath()))};
    }
    for (const Place &place : places) {
        const QFileInfo info(canonical(place.path));
        const QString shown = QDir::toNativeSeparators(place.path);
        if (place.folder && info.exists() && !info.isDir())
            return Failure{tr("%1 is a file, where this run writes a folder. Move it away, or choose another save "
                              "folder.")
                               .arg(shown)};
        if (!place.folder && info.isDir())
            return Failure{tr("%1 is a folder, where this run writes an image. Move it away, or choose another save "
                              "folder.")
                               .arg(shown)};
        // The files change in the folder itself, and the folder is renamed in its parent (a
        // set's staging folder is made beside it); every one of them that is there must let us.
        QStringList changing{existingAncestor(QFileInfo(place.path).path()).filePath()};
        if (place.folder && info.isDir())
            changing.prepend(place.path);
        for (const QString &folder : std::as_const(changing)) {
            if (const QString reason = notWritable(folder); !reason.isEmpty())
                return Failure{tr("%1 cannot be written (%2): nothing was written.")
                                   .arg(QDir::toNativeSeparators(folder), reason)};
        }
    }
    return {};
}

} // namespace iconsmith
