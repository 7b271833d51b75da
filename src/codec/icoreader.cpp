#include "codec/icoreader.h"

#include <QtEndian>

#include <algorithm>
#include <numeric>

#include "codec/pngheader.h"

namespace iconsmith {

namespace {

constexpr qsizetype directoryHeaderBytes = 6;
constexpr qsizetype directoryEntryBytes = 16;
constexpr qsizetype bitmapInfoHeaderBytes = 40;

quint16 le16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 le32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

QString entryName(int index, QSize size)
{
    return IcoReader::tr("entry %1 (%2 × %3)").arg(index + 1).arg(size.width()).arg(size.height());
}

// The parts of a BMP payload and where they start, from its BITMAPINFOHEADER.
struct BmpLayout
{
    QSize size;
    int bitCount = 0;
    qsizetype colourStart = 0;
    qsizetype colourStride = 0;
    qsizetype maskStart = 0;
    qsizetype maskStride = 0;
    qsizetype end = 0;
};

Result<BmpLayout> bmpLayout(QByteArrayView payload)
{
    if (payload.size() < bitmapInfoHeaderBytes)
        return Failure{IcoReader::tr("is too short for a bitmap header")};
    const quint32 headerBytes = le32(payload, 0);
    if (headerBytes < bitmapInfoHeaderBytes || headerBytes > quint32(payload.size()))
        return Failure{IcoReader::tr("has a damaged bitmap header (header length %1)").arg(headerBytes)};
    const auto width = qint32(le32(payload, 4));
    const auto doubleHeight = qint32(le32(payload, 8));
    BmpLayout layout;
    layout.bitCount = le16(payload, 14);
    if (width < 1 || width > 256 || doubleHeight < 2 || doubleHeight > 512 || doubleHeight % 2 != 0)
        return Failure{IcoReader::tr("has a bitmap of %1 × %2 pixels, which no icon image measures (the height counts "
                                     "the mask too)")
                           .arg(width)
                           .arg(doubleHeight)};
    if (le16(payload, 12) != 1)
        return Failure{IcoReader::tr("has a bitmap with %1 planes instead of 1").arg(le16(payload, 12))};
    if (const quint32 compression = le32(payload, 16); compression != 0)
        return Failure{IcoReader::tr("has a bitmap compressed with method %1; icons use none").arg(compression)};
    static constexpr int depths[] = {1, 4, 8, 24, 32};
    if (std::find(std::begin(depths), std::end(depths), layout.bitCount) == std::end(depths))
        return Failure{IcoReader::tr("has a bitmap of %1 bits per pixel").arg(layout.bitCount)};
    const quint32 coloursUsed = le32(payload, 32);
    const qint64 paletteEntries = layout.bitCount <= 8 ? (coloursUsed != 0 ? coloursUsed : 1U << layout.bitCount) : 0;
    if (paletteEntries > 256)
        return Failure{IcoReader::tr("has a palette of %1 colours").arg(paletteEntries)};
    layout.size = QSize(width, doubleHeight / 2);
    layout.colourStart = qsizetype(headerBytes) + qsizetype(paletteEntries) * 4;
    layout.colourStride = (qsizetype(width) * layout.bitCount + 31) / 32 * 4;
    layout.maskStart = layout.colourStart + layout.colourStride * layout.size.height();
    layout.maskStride = (qsizetype(width) + 31) / 32 * 4;
    layout.end = layout.maskStart + layout.maskStride * layout.size.height();
    if (layout.end > payload.size())
        return Failure{IcoReader::tr("has a bitmap that needs %1 bytes but only %2 are there")
                           .arg(layout.end)
                           .arg(payload.size())};
    return layout;
}

// Where the mask contradicts the alpha channel outright: a set bit hides an opaque pixel from a
// reader that uses the mask, a clear bit shows a fully transparent one. Partial alpha may go either way.
QString maskProblem(QByteArrayView payload, const BmpLayout &layout)
{
    const auto *bytes = reinterpret_cast<const uchar *>(payload.data());
    for (int row = 0; row < layout.size.height(); ++row) {
        const uchar *colour = bytes + layout.colourStart + row * layout.colourStride;
        const uchar *mask = bytes + layout.maskStart + row * layout.maskStride;
        for (int x = 0; x < layout.size.width(); ++x) {
            const bool masked = (mask[x / 8] >> (7 - x % 8)) & 1;
            const uchar alpha = colour[x * 4 + 3];
            if ((masked && alpha == 255) || (!masked && alpha == 0))
                return IcoReader::tr("its AND mask contradicts its alpha channel at pixel (%1, %2)")
                    .arg(x)
                    .arg(layout.size.height() - 1 - row);
        }
    }
    return {};
}

Result<IcoImage> readPayload(QByteArrayView file, IcoImage image, int index)
{
    const QByteArrayView payload = file.sliced(image.offset, image.length);
    QSize actual;
    if (PngHeader::isPng(payload)) {
        const Result<PngHeader> header = PngHeader::parse(payload);
        if (!header)
            return Failure{IcoReader::tr("%1: %2").arg(entryName(index, image.size), header.error())};
        image.kind = IcoImage::Kind::Png;
        image.bitCount = header->bitsPerPixel();
        image.alpha = header->hasAlphaChannel();
        actual = header->size;
        if (header->colourType != 6 || header->bitDepth != 8)
            image.problem = IcoReader::tr("its PNG is not 8-bit RGBA, which Windows requires");
    } else {
        const Result<BmpLayout> layout = bmpLayout(payload);
        if (!layout)
            return Failure{IcoReader::tr("%1 %2").arg(entryName(index, image.size), layout.error())};
        image.kind = IcoImage::Kind::Bmp;
        image.bitCount = layout->bitCount;
        image.alpha = layout->bitCount == 32;
        actual = layout->size;
        if (image.alpha)
            image.problem = maskProblem(payload, *layout);
    }
    if (actual != image.size)
        return Failure{IcoReader::tr("%1 holds an image of %2 × %3 pixels")
                           .arg(entryName(index, image.size))
                           .arg(actual.width())
                           .arg(actual.height())};
    return image;
}

} // namespace

Result<QList<IcoImage>> IcoReader::read(QByteArrayView file)
{
    if (file.size() < directoryHeaderBytes)
        return Failure{tr("is too short to be an .ico file (%1 bytes)").arg(file.size())};
    if (le16(file, 0) != 0 || le16(file, 2) != 1)
        return Failure{le16(file, 0) == 0 && le16(file, 2) == 2 ? tr("is a cursor, not an icon")
                                                                : tr("is not an .ico file (wrong header)")};
    const int count = le16(file, 4);
    if (count == 0)
        return Failure{tr("holds no images")};
    const qsizetype directoryEnd = directoryHeaderBytes + directoryEntryBytes * count;
    if (directoryEnd > file.size())
        return Failure{tr("lists %1 images, but the file ends inside the list").arg(count)};

    QList<IcoImage> images;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = directoryHeaderBytes + directoryEntryBytes * i;
        IcoImage image;
        image.size = QSize(quint8(file[at]) == 0 ? 256 : quint8(file[at]),
                           quint8(file[at + 1]) == 0 ? 256 : quint8(file[at + 1]));
        const quint32 length = le32(file, at + 8);
        const quint32 offset = le32(file, at + 12);
        if (length == 0)
            return Failure{tr("%1 has no data").arg(entryName(i, image.size))};
        if (offset < directoryEnd)
            return Failure{tr("%1 starts inside the directory, at byte %2").arg(entryName(i, image.size)).arg(offset)};
        if (qint64(offset) + length > file.size())
            return Failure{tr("%1 (bytes %2 to %3) goes past the end of the file (%4 bytes)")
                               .arg(entryName(i, image.size))
                               .arg(offset)
                               .arg(qint64(offset) + length)
                               .arg(file.size())};
        image.offset = offset;
        image.length = length;
        images.append(image);
    }

    QList<int> byOffset(count);
    std::iota(byOffset.begin(), byOffset.end(), 0);
    std::sort(byOffset.begin(), byOffset.end(), [&](int a, int b) { return images[a].offset < images[b].offset; });
    for (int i = 1; i < count; ++i) {
        const IcoImage &before = images[byOffset[i - 1]];
        if (before.offset + before.length > images[byOffset[i]].offset)
            return Failure{
                tr("%1 and %2 share bytes")
                    .arg(entryName(byOffset[i - 1], before.size), entryName(byOffset[i], images[byOffset[i]].size))};
    }

    for (int i = 0; i < count; ++i) {
        Result<IcoImage> image = readPayload(file, images[i], i);
        if (!image)
            return Failure{image.error()};
        images[i] = std::move(image).value();
    }
    return images;
}

Result<Bitmap> IcoReader::decodeBmp(QByteArrayView payload)
{
    const Result<BmpLayout> layout = bmpLayout(payload);
    if (!layout)
        return Failure{tr("The bitmap %1.").arg(layout.error())};
    if (layout->bitCount != 32)
        return Failure{tr("The bitmap has %1 bits per pixel; only 32-bit ones are decoded.").arg(layout->bitCount)};
    Bitmap bitmap(layout->size, 4);
    const auto *bytes = reinterpret_cast<const uchar *>(payload.data());
    for (int y = 0; y < bitmap.height(); ++y) {
        const uchar *from = bytes + layout->colourStart + qsizetype(bitmap.height() - 1 - y) * layout->colourStride;
        std::uint8_t *to = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x, from += 4, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = from[3];
        }
    }
    return bitmap;
}

} // namespace iconsmith
