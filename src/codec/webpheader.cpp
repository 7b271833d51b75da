#include "codec/webpheader.h"

#include <QtEndian>

namespace iconsmith {

namespace {

constexpr qsizetype riffHeader = 12;
constexpr qsizetype chunkHeader = 8;

quint32 le24(const char *at)
{
    const auto *bytes = reinterpret_cast<const uchar *>(at);
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16;
}

// A lossy bitstream: a 3-byte frame tag (bit 0 clear for a key frame), the start code
// 9d 01 2a, then 14-bit width and height (their top two bits are a scale the decoder ignores).
Result<QSize> lossySize(QByteArrayView data)
{
    if (data.size() < 10)
        return Failure{WebpHeader::tr("its lossy image data are too short for a frame header")};
    if ((uchar(data[0]) & 1) != 0 || data.sliced(3, 3) != QByteArrayView("\x9d\x01\x2a", 3))
        return Failure{WebpHeader::tr("its lossy image data do not start with a key frame")};
    const int width = qFromLittleEndian<quint16>(data.data() + 6) & 0x3fff;
    const int height = qFromLittleEndian<quint16>(data.data() + 8) & 0x3fff;
    return QSize(width, height);
}

// A lossless bitstream: the signature 0x2f, then 14 bits of width - 1, 14 of height - 1, the
// alpha hint and a 3-bit version that must be 0.
Result<std::pair<QSize, bool>> losslessSize(QByteArrayView data)
{
    if (data.size() < 5 || uchar(data[0]) != 0x2f)
        return Failure{WebpHeader::tr("its lossless image data do not start with the lossless signature")};
    const auto bits = qFromLittleEndian<quint32>(data.data() + 1);
    if ((bits >> 29) != 0)
        return Failure{WebpHeader::tr("its lossless image data have an unknown version")};
    return std::pair{QSize(int(bits & 0x3fff) + 1, int((bits >> 14) & 0x3fff) + 1), ((bits >> 28) & 1) != 0};
}

} // namespace

bool WebpHeader::isWebp(QByteArrayView bytes)
{
    return bytes.size() >= riffHeader && bytes.first(4) == "RIFF" && bytes.sliced(8, 4) == "WEBP";
}

Result<WebpHeader> WebpHeader::parse(QByteArrayView file)
{
    if (!isWebp(file))
        return Failure{tr("it is not a WebP image (no RIFF WEBP header)")};
    const auto riffLength = qFromLittleEndian<quint32>(file.data() + 4);
    if (riffLength % 2 != 0 || riffLength < 4 + chunkHeader)
        return Failure{tr("its RIFF length %1 is not valid").arg(riffLength)};
    if (qint64(riffLength) + 8 > file.size())
        return Failure{tr("it says it is %1 bytes long, but it is %2: the file was cut short")
                           .arg(qint64(riffLength) + 8)
                           .arg(file.size())};
    const QByteArrayView riff = file.first(qsizetype(riffLength) + 8);
    WebpHeader header;
    bool extended = false;
    bool image = false;
    for (qsizetype at = riffHeader; at < riff.size();) {
        if (riff.size() - at < chunkHeader)
            return Failure{tr("it ends inside a chunk header: the file was cut short")};
        const QByteArrayView type = riff.sliced(at, 4);
        const auto length = qFromLittleEndian<quint32>(riff.data() + at + 4);
        if (qint64(length) > riff.size() - at - chunkHeader)
            return Failure{tr("its \"%1\" chunk goes past the end of the file: the file was cut short")
                               .arg(QString::fromLatin1(type.data(), 4))};
        const QByteArrayView data = riff.sliced(at + chunkHeader, length);
        if (at == riffHeader && type == "VP8X") {
            if (data.size() < 10)
                return Failure{tr("its VP8X header is too short")};
            extended = true;
            header.kind = Kind::Extended;
            header.alpha = (uchar(data[0]) & 0x10) != 0;
            header.size = QSize(int(le24(data.data() + 4)) + 1, int(le24(data.data() + 7)) + 1);
        } else if (type == "VP8 " && !image) {
            const Result<QSize> size = lossySize(data);
            if (!size)
                return Failure{size.error()};
            if (extended && *size != header.size)
                return Failure{tr("its image is %1 × %2 pixels inside a canvas of %3 × %4")
                                   .arg(size->width())
                                   .arg(size->height())
                                   .arg(header.size.width())
                                   .arg(header.size.height())};
            header.size = *size;
            image = true;
        } else if (type == "VP8L" && !image) {
            const Result<std::pair<QSize, bool>> size = losslessSize(data);
            if (!size)
                return Failure{size.error()};
            if (!extended) {
                header.kind = Kind::Lossless;
                header.alpha = size->second;
            }
            header.size = extended ? header.size : size->first;
            image = true;
        } else if (type == "ANIM") {
            image = true; // an animation's frames carry their own headers
        } else if (at == riffHeader && !extended) {
            return Failure{
                tr("its first chunk is \"%1\", not VP8, VP8L or VP8X").arg(QString::fromLatin1(type.data(), 4))};
        }
        at += chunkHeader + qsizetype(length) + qsizetype(length % 2);
    }
    if (!image)
        return Failure{tr("it holds no image data")};
    if (header.size.isEmpty())
        return Failure{tr("its size %1 × %2 is not valid").arg(header.size.width()).arg(header.size.height())};
    return header;
}

} // namespace iconsmith
