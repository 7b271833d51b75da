#include "generation/existingset.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "catalog/contentsdocument.h"
#include "generation/sourcecheck.h"

namespace iconsmith {

ExistingSet ExistingSet::read(const QString &folder)
{
    ExistingSet set;
    set.m_folder = folder;
    set.m_exists = QFileInfo(folder).isDir();
    if (!set.m_exists)
        return set;
    const QDir dir(folder);
    // The same files the set check counts; hidden files (such as a generation's own temporary
    // ones) are not part of the set.
    set.m_pngFiles = dir.entryList({QStringLiteral("*.png"), QStringLiteral("*.PNG")}, QDir::Files, QDir::Name);
    QFile contents(dir.filePath(ContentsDocument::fileName.toString()));
    if (contents.open(QIODevice::ReadOnly)) {
        if (const Result<ContentsDocument> document = ContentsDocument::fromJson(contents.readAll())) {
            for (const CatalogEntry &entry : document->images)
                set.m_listedImages += entry.filename.isEmpty() ? 0 : 1;
        }
    }
    return set;
}

ExistingSet::Conflict ExistingSet::conflictWith(const QStringList &fileNames) const
{
    Conflict conflict;
    const QSet<QString> written(fileNames.cbegin(), fileNames.cend());
    for (const QString &png : m_pngFiles) {
        if (!written.contains(png))
            conflict.leftOvers.append(png);
    }
    if (fileNames.isEmpty())
        conflict.listedImagesLost = m_listedImages;
    if (conflict.any())
        conflict.folders << m_folder;
    return conflict;
}

ExistingSet::Conflict ExistingSet::targetsConflict(const QString &saveFolder,
                                                   const QMap<QString, QSet<QString>> &plannedFiles)
{
    Conflict conflict;
    for (auto target = plannedFiles.begin(); target != plannedFiles.end(); ++target) {
        // Absolute, so that the files found are named relative to it whatever the working folder.
        const QDir folder(QFileInfo(saveFolder + u'/' + target.key()).absoluteFilePath());
        if (!folder.exists())
            continue;
        // Hidden entries (a staging folder, a desktop's own files) are no part of a target.
        QDirIterator it(folder.path(), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        bool spoilt = false;
        while (it.hasNext()) {
            const QString inside = folder.relativeFilePath(it.next());
            if (target.value().contains(inside))
                continue;
            conflict.leftOvers << target.key() + u'/' + inside;
            spoilt = true;
        }
        if (spoilt)
            conflict.folders << folder.path();
    }
    conflict.leftOvers.sort();
    conflict.folders.sort();
    return conflict;
}

QStringList ExistingSet::fileNames(const OutputPlan &plan)
{
    QStringList names;
    for (const OutputPlan::Output &output : plan.outputs) {
        const QString name = output.name + QStringLiteral(".png");
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

} // namespace iconsmith
