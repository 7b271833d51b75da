#include "codec/imageheader.h"

#include <zlib.h>

#include <cstdint>
#include <limits>

#include "codec/inputlimits.h"
#include "codec/regularfile.h"

namespace iconsmith {

namespace {

constexpr char signature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype signatureLength = 8;
// Length, type, 13 bytes of data and the CRC.
constexpr qsizetype ihdrChunkLength = 4 + 4 + 13 + 4;

std::uint32_t bigEndian32(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&bytes, at](qsizetype i) { return std::uint32_t(std::uint8_t(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

bool crcMatches(const QByteArray &bytes, qsizetype chunkStart, std::uint32_t dataLength)
{
    const auto *typeAndData = reinterpret_cast<const Bytef *>(bytes.constData() + chunkStart + 4);
    const uLong crc = crc32(crc32(0, nullptr, 0), typeAndData, uInt(4 + dataLength));
    return crc == bigEndian32(bytes, chunkStart + 8 + qsizetype(dataLength));
}

// The bit depths PNG allows for each colour type.
bool validDepth(int colourType, int depth)
{
    switch (colourType) {
    case 0:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

// Whether a tRNS chunk comes before the image data, as far as @p head reaches.
bool hasTransparencyChunk(const QByteArray &head)
{
    qsizetype at = signatureLength + ihdrChunkLength;
    while (at + 8 <= head.size()) {
        const std::uint32_t length = bigEndian32(head, at);
        const QByteArray type = head.mid(at + 4, 4);
        if (type == "tRNS")
            return true;
        if (type == "IDAT" || type == "IEND" || length > std::uint32_t(std::numeric_limits<std::int32_t>::max()))
            return false;
        at += 12 + qsizetype(length);
    }
    return false;
}

} // namespace

Result<ImageHeader> ImageHeader::read(const QString &path)
{
    const Result<QByteArray> head = RegularFile::readHead(path, InputLimits::maxPngHeadBytes);
    if (!head)
        return Failure{head.error()};
    return fromPng(*head);
}

Result<ImageHeader> ImageHeader::fromPng(const QByteArray &head)
{
    if (head.size() < signatureLength || head.left(signatureLength) != QByteArray(signature, signatureLength))
        return Failure{tr("it is not a PNG file")};
    if (head.size() < signatureLength + ihdrChunkLength || bigEndian32(head, signatureLength) != 13 ||
        head.mid(signatureLength + 4, 4) != "IHDR")
        return Failure{tr("the PNG file has no image header")};
    if (!crcMatches(head, signatureLength, 13))
        return Failure{tr("the PNG file's image header is damaged")};
    const std::uint32_t width = bigEndian32(head, signatureLength + 8);
    const std::uint32_t height = bigEndian32(head, signatureLength + 12);
    const int depth = std::uint8_t(head[signatureLength + 16]);
    const int colourType = std::uint8_t(head[signatureLength + 17]);
    constexpr auto largest = std::uint32_t(std::numeric_limits<std::int32_t>::max());
    if (width == 0 || height == 0 || width > largest || height > largest || !validDepth(colourType, depth))
        return Failure{tr("the PNG file's image header is not valid")};
    ImageHeader header;
    header.size = QSize(int(width), int(height));
    // Grey + alpha and RGBA carry an alpha channel; the other types gain transparency from tRNS.
    header.alpha = colourType == 4 || colourType == 6 || hasTransparencyChunk(head);
    return header;
}

} // namespace iconsmith
