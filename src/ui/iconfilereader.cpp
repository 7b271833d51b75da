#include "ui/iconfilereader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "codec/icnsreader.h"
#include "codec/icoreader.h"
#include "codec/sourceimage.h"
#include "ui/imageloader.h"

namespace iconsmith {

namespace {

// Containers are small (a few hundred kilobytes); anything far larger is not one Iconsmith wrote.
constexpr qint64 largestContainer = 64 << 20;

QByteArray readContainer(const QString &path)
{
    QFile file(path);
    if (file.size() > largestContainer || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage premultiplied(const QImage &image)
{
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage icoPicture(const QByteArray &bytes, const IcoImage &entry)
{
    const QByteArray payload = bytes.mid(entry.offset, entry.length);
    if (entry.kind == IcoImage::Kind::Png)
        return premultiplied(QImage::fromData(payload, "PNG"));
    const Result<Bitmap> bitmap = IcoReader::decodeBmp(payload);
    return bitmap ? ImageLoader::toQImage(*bitmap) : QImage();
}

QImage largestIcoEntry(const QString &path)
{
    const QByteArray bytes = readContainer(path);
    const Result<QList<IcoImage>> entries = IcoReader::read(bytes);
    if (!entries)
        return {};
    const IcoImage *largest = nullptr;
    for (const IcoImage &entry : *entries) {
        if (entry.problem.isEmpty() && (largest == nullptr || entry.size.width() > largest->size.width()))
            largest = &entry;
    }
    return largest != nullptr ? icoPicture(bytes, *largest) : QImage();
}

QImage largestIcnsEntry(const QString &path)
{
    const QByteArray bytes = readContainer(path);
    const Result<QList<IcnsChunk>> chunks = IcnsReader::read(bytes);
    if (!chunks)
        return {};
    const IcnsChunk *largest = nullptr;
    for (const IcnsChunk &chunk : *chunks) {
        const bool picture = chunk.kind == IcnsChunk::Kind::Png || chunk.kind == IcnsChunk::Kind::Argb;
        if (picture && chunk.wellFormed() && chunk.pixels > 0 && (largest == nullptr || chunk.pixels > largest->pixels))
            largest = &chunk;
    }
    if (largest == nullptr)
        return {};
    const QByteArray data = bytes.mid(largest->offset, largest->length);
    if (largest->kind == IcnsChunk::Kind::Png)
        return premultiplied(QImage::fromData(data, "PNG"));
    const Result<Bitmap> bitmap = IcnsReader::decodeArgb(data, largest->pixels);
    return bitmap ? ImageLoader::toQImage(*bitmap) : QImage();
}

QImage fitted(const QImage &picture, int largestEdge)
{
    if (picture.isNull() || (picture.width() <= largestEdge && picture.height() <= largestEdge))
        return picture;
    return picture.scaled(largestEdge, largestEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage IconFileReader::read(const QString &path, int largestEdge, const std::stop_token &stop)
{
    if (stop.stop_requested())
        return {};
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"ico")
        return fitted(largestIcoEntry(path), largestEdge);
    if (suffix == u"icns")
        return fitted(largestIcnsEntry(path), largestEdge);
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && size.width() <= largestEdge && size.height() <= largestEdge)
        return premultiplied(reader.read());
    // Large ones are reduced while they stream in, so that even a very large image costs little memory.
    if (const Result<SourceImage> source = SourceImage::load(path)) {
        if (const Result<SourceImage::Preview> preview = source->preview(largestEdge, stop))
            return ImageLoader::toQImage(preview->bitmap);
    }
    return {};
}

QImage IconFileReader::icoEntry(const QString &path, int pixels)
{
    const QByteArray bytes = readContainer(path);
    const Result<QList<IcoImage>> entries = IcoReader::read(bytes);
    if (!entries)
        return {};
    for (const IcoImage &entry : *entries) {
        if (entry.problem.isEmpty() && entry.size == QSize(pixels, pixels))
            return icoPicture(bytes, entry);
    }
    return {};
}

} // namespace iconsmith
