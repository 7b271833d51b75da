#include "codec/pngheader.h"

#include <QtEndian>

#include <zlib.h>

namespace iconsmith {

namespace {

// Signature, IHDR length and type, 13 bytes of data, CRC.
constexpr qsizetype headerBytes = 8 + 8 + 13 + 4;

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

} // namespace

int PngHeader::bitsPerPixel() const
{
    static constexpr int samples[] = {1, 0, 3, 1, 2, 0, 4};
    return colourType >= 0 && colourType <= 6 ? bitDepth * samples[colourType] : 0;
}

Result<PngHeader> PngHeader::parse(QByteArrayView bytes)
{
    if (!isPng(bytes))
        return Failure{tr("it is not a PNG (no PNG signature)")};
    if (bytes.size() < headerBytes)
        return Failure{tr("the PNG ends inside its header")};
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    if (qFromBigEndian<quint32>(data + 8) != 13 || bytes.sliced(12, 4) != "IHDR")
        return Failure{tr("the PNG does not start with a valid IHDR chunk")};
    const auto crc = quint32(crc32(crc32(0, nullptr, 0), data + 12, 4 + 13));
    if (qFromBigEndian<quint32>(data + 29) != crc)
        return Failure{tr("the PNG's IHDR chunk is damaged (wrong CRC)")};
    const auto width = qFromBigEndian<quint32>(data + 16);
    const auto height = qFromBigEndian<quint32>(data + 20);
    // PNG limits dimensions to 2^31 - 1; anything wider would not fit an int either.
    if (width == 0 || height == 0 || width > 0x7fffffffU || height > 0x7fffffffU)
        return Failure{tr("the PNG's size %1 × %2 is not valid").arg(width).arg(height)};
    PngHeader header;
    header.size = QSize(int(width), int(height));
    header.bitDepth = data[24];
    header.colourType = data[25];
    header.interlaced = data[28] == 1;
    if (!validDepth(header.colourType, header.bitDepth))
        return Failure{
            tr("the PNG's colour type %1 with bit depth %2 is not valid").arg(header.colourType).arg(header.bitDepth)};
    return header;
}

} // namespace iconsmith
