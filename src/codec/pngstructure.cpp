#include "codec/pngstructure.h"

#include <QtEndian>

#include <zlib.h>

#include <algorithm>

#include "codec/pngheader.h"

namespace iconsmith {

namespace {

// Length, type and CRC around each chunk's data.
constexpr qsizetype chunkFrame = 12;

bool isChunkType(QByteArrayView type)
{
    return std::all_of(type.begin(), type.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

quint32 crcOf(QByteArrayView bytes)
{
    // zlib takes a 32-bit length; a chunk is at most 2^31 - 1 bytes long.
    return quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(bytes.data()), uInt(bytes.size())));
}

} // namespace

QString PngStructure::damage(QByteArrayView png)
{
    if (!PngHeader::isPng(png))
        return tr("it is not a PNG (no PNG signature)");
    bool imageData = false;
    qsizetype at = PngHeader::signature.size();
    for (int number = 1;; ++number) {
        if (at == png.size())
            return tr("its data end after %n chunk(s), without an IEND chunk: the file was cut short", nullptr,
                      number - 1);
        if (png.size() - at < chunkFrame)
            return tr("its data end inside chunk %1: the file was cut short").arg(number);
        const auto length = qFromBigEndian<quint32>(png.data() + at);
        const QByteArrayView type = png.sliced(at + 4, 4);
        if (!isChunkType(type))
            return tr("chunk %1 has no valid type: the data are damaged").arg(number);
        const QString name = QString::fromLatin1(type.data(), type.size());
        if (length > 0x7fffffffU || qint64(length) > png.size() - at - chunkFrame)
            return tr("its %1 chunk goes past the end of the file: the file was cut short").arg(name);
        if (crcOf(png.sliced(at + 4, 4 + qsizetype(length))) !=
            qFromBigEndian<quint32>(png.data() + at + 8 + qsizetype(length)))
            return tr("its %1 chunk (number %2) is damaged (wrong CRC)").arg(name).arg(number);
        imageData = imageData || type == "IDAT";
        at += chunkFrame + qsizetype(length);
        if (type == "IEND")
            return imageData ? QString() : tr("it holds no image data (no IDAT chunk)");
    }
}

} // namespace iconsmith
