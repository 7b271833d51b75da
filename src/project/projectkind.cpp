#include "project/projectkind.h"

#include <QFile>
#include <QFileInfo>

#include "codec/pngheader.h"

namespace iconsmith {

QList<PlannedImage> ProjectKind::containerEntries(const TargetPlan &plan, const QString &suffix, const QString &file)
{
    QList<PlannedImage> entries;
    for (PlannedImage image : plan.images) {
        if (image.entry.isEmpty() || !image.file.endsWith(suffix))
            continue;
        image.file = file;
        entries.append(image);
    }
    return entries;
}

QByteArray ProjectKind::readSmallFile(const QString &path, qint64 limit)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink() || info.size() > limit || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QSize ProjectKind::presentSize(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isSymLink() || !file.open(QIODevice::ReadOnly))
        return {};
    const Result<PngHeader> header = PngHeader::parse(file.read(64));
    return header ? header->size : QSize();
}

int ProjectKind::presentSquareSize(const QString &path)
{
    const QSize size = presentSize(path);
    return size.width() == size.height() ? size.width() : 0;
}

} // namespace iconsmith
