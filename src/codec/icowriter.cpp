#include "codec/icowriter.h"

#include <QtEndian>

#include <algorithm>

#include "codec/pngencoder.h"
#include "codec/pngheader.h"

namespace iconsmith {

namespace {

constexpr int largest = 256;
constexpr int directoryHeaderBytes = 6;
constexpr int directoryEntryBytes = 16;
constexpr int bitmapInfoHeaderBytes = 40;

struct Entry
{
    QSize size;
    QByteArray data;
};

void appendLe16(QByteArray &out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void appendLe32(QByteArray &out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

Bitmap withAlpha(const Bitmap &bitmap)
{
    if (bitmap.hasAlpha())
        return bitmap;
    Bitmap rgba(bitmap.size(), 4);
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t *from = bitmap.row(y);
        std::uint8_t *to = rgba.row(y);
        for (int x = 0; x < bitmap.width(); ++x, from += 3, to += 4) {
            std::copy_n(from, 3, to);
            to[3] = 255;
        }
    }
    return rgba;
}

bool isRgbaPng(const QByteArray &png)
{
    const Result<PngHeader> header = PngHeader::parse(png);
    return header && header->colourType == 6 && header->bitDepth == 8;
}

Result<QSize> sizeOf(const IcoWriter::Image &image)
{
    if (!image.bitmap.isNull())
        return image.bitmap.size();
    const Result<PngHeader> header = PngHeader::parse(image.png);
    if (!header)
        return Failure{IcoWriter::tr("An icon image has neither pixels nor a readable PNG: %1.").arg(header.error())};
    return header->size;
}

Result<Entry> entryFor(const IcoWriter::Image &image, IcoWriter::Storage storage, TaskPool *pool)
{
    const Result<QSize> size = sizeOf(image);
    if (!size)
        return Failure{size.error()};
    const auto [width, height] = std::pair(size->width(), size->height());
    if (width < 1 || height < 1 || width > largest || height > largest)
        return Failure{IcoWriter::tr("An icon image of %1 × %2 pixels does not fit an .ico file (1 to 256 pixels).")
                           .arg(width)
                           .arg(height)};
    if (!image.bitmap.isNull() && !image.png.isEmpty()) {
        const Result<PngHeader> header = PngHeader::parse(image.png);
        if (header && header->size != *size)
            return Failure{
                IcoWriter::tr("The PNG given for the %1 × %2 icon image has another size.").arg(width).arg(height)};
    }
    const bool png = IcoWriter::storesAsPng(*size, storage);
    if (png && isRgbaPng(image.png))
        return Entry{*size, image.png};
    if (image.bitmap.isNull())
        return Failure{png ? IcoWriter::tr("The %1 × %2 icon image is a PNG without alpha, and .ico files need RGBA.")
                                 .arg(width)
                                 .arg(height)
                           : IcoWriter::tr("The %1 × %2 icon image is stored as BMP, which needs its pixels.")
                                 .arg(width)
                                 .arg(height)};
    if (png)
        return Entry{*size, PngEncoder::encode(withAlpha(image.bitmap), pool)};
    return Entry{*size, IcoWriter::bmpEntry(image.bitmap)};
}

} // namespace

bool IcoWriter::storesAsPng(QSize size, Storage storage)
{
    return storage == Storage::PngEverywhere || size.width() >= largest || size.height() >= largest;
}

QByteArray IcoWriter::bmpEntry(const Bitmap &bitmap)
{
    const int width = bitmap.width();
    const int height = bitmap.height();
    const int maskStride = (width + 31) / 32 * 4;
    const qsizetype colourBytes = qsizetype(width) * height * 4;
    const qsizetype maskBytes = qsizetype(maskStride) * height;

    QByteArray out;
    out.reserve(bitmapInfoHeaderBytes + colourBytes + maskBytes);
    appendLe32(out, bitmapInfoHeaderBytes);
    appendLe32(out, quint32(width));
    appendLe32(out, quint32(height * 2)); // the colour rows and the mask rows
    appendLe16(out, 1);                   // planes
    appendLe16(out, 32);                  // bits per pixel
    appendLe32(out, 0);                   // BI_RGB
    appendLe32(out, quint32(colourBytes + maskBytes));
    for (int i = 0; i < 4; ++i) // resolution and palette fields: unused
        appendLe32(out, 0);

    QByteArray mask(maskBytes, '\0');
    const int channels = bitmap.channels();
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t *pixel = bitmap.row(y);
        char *maskRow = mask.data() + qsizetype(height - 1 - y) * maskStride;
        for (int x = 0; x < width; ++x, pixel += channels) {
            const std::uint8_t alpha = channels == 4 ? pixel[3] : 255;
            if (alpha == 0) {
                // A reader that ignores alpha draws (screen AND mask) XOR colour: where the mask is
                // set, any colour but black would show as inverted screen.
                out.append(4, '\0');
                maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            const char bgra[] = {char(pixel[2]), char(pixel[1]), char(pixel[0]), char(alpha)};
            out.append(bgra, 4);
        }
    }
    out.append(mask);
    return out;
}

Result<QByteArray> IcoWriter::write(const QList<Image> &images, Storage storage, TaskPool *pool)
{
    if (images.isEmpty())
        return Failure{tr("An .ico file needs at least one image.")};
    if (images.size() > 0xffff)
        return Failure{tr("An .ico file holds at most 65535 images.")};
    QList<Entry> entries;
    for (const Image &image : images) {
        Result<Entry> entry = entryFor(image, storage, pool);
        if (!entry)
            return Failure{entry.error()};
        for (const Entry &other : std::as_const(entries))
            if (other.size == entry->size)
                return Failure{tr("Two icon images have the same size, %1 × %2 pixels.")
                                   .arg(other.size.width())
                                   .arg(other.size.height())};
        entries.append(std::move(entry).value());
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return qint64(a.size.width()) * a.size.height() > qint64(b.size.width()) * b.size.height();
    });

    qint64 total = directoryHeaderBytes + qint64(directoryEntryBytes) * entries.size();
    for (const Entry &entry : std::as_const(entries))
        total += entry.data.size();
    if (total > 0xffffffffLL) // offsets and sizes are 32-bit
        return Failure{tr("The images are too large for one .ico file.")};

    QByteArray out;
    out.reserve(total);
    appendLe16(out, 0); // reserved
    appendLe16(out, 1); // icon, not cursor
    appendLe16(out, quint16(entries.size()));
    quint32 offset = directoryHeaderBytes + directoryEntryBytes * quint32(entries.size());
    for (const Entry &entry : std::as_const(entries)) {
        out.append(char(entry.size.width() % largest)); // 256 is written as 0
        out.append(char(entry.size.height() % largest));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        appendLe16(out, 1);  // planes
        appendLe16(out, 32); // bits per pixel
        appendLe32(out, quint32(entry.data.size()));
        appendLe32(out, offset);
        offset += quint32(entry.data.size());
    }
    for (const Entry &entry : std::as_const(entries))
        out.append(entry.data);
    return out;
}

} // namespace iconsmith
