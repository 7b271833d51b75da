#include "codec/imageheader.h"

#include <cstdint>
#include <limits>

#include "codec/inputlimits.h"
#include "codec/pngheader.h"
#include "codec/regularfile.h"

namespace iconsmith {

namespace {

// The signature and the IHDR chunk: length, type, 13 bytes of data and the CRC.
constexpr qsizetype headerLength = 8 + 4 + 4 + 13 + 4;

std::uint32_t bigEndian32(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&bytes, at](qsizetype i) { return std::uint32_t(std::uint8_t(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

// Whether a tRNS chunk comes before the image data, as far as @p head reaches.
bool hasTransparencyChunk(const QByteArray &head)
{
    qsizetype at = headerLength;
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
    const Result<PngHeader> png = PngHeader::parse(head);
    if (!png)
        return Failure{png.error()};
    ImageHeader header;
    header.size = png->size;
    // Grey + alpha and RGBA carry an alpha channel; the other types gain transparency from tRNS.
    header.alpha = png->hasAlphaChannel() || hasTransparencyChunk(head);
    return header;
}

} // namespace iconsmith
