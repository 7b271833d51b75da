#include "codec/icnsreader.h"

#include <QSet>
#include <QtEndian>

#include <algorithm>

#include "codec/icnspackbits.h"
#include "codec/icnstype.h"
#include "codec/pngheader.h"

namespace iconsmith {

namespace {

constexpr qsizetype headerBytes = 8;

quint32 be32(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.data() + at);
}

bool isTypeName(QByteArrayView name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

QString pngProblem(QByteArrayView data, int pixels)
{
    const Result<PngHeader> header = PngHeader::parse(data);
    if (!header)
        return header.error();
    if (header->size != QSize(pixels, pixels))
        return IcnsReader::tr("its PNG is %1 × %2 pixels instead of %3 × %3")
            .arg(header->size.width())
            .arg(header->size.height())
            .arg(pixels);
    return {};
}

// Fills in kind and problem of a chunk whose type Iconsmith writes.
void checkImage(IcnsChunk &chunk, const IcnsType &type, QByteArrayView data)
{
    chunk.pixels = type.pixels;
    if (PngHeader::isPng(data)) {
        chunk.kind = IcnsChunk::Kind::Png;
        chunk.problem = pngProblem(data, type.pixels);
    } else if (data.startsWith("ARGB")) {
        chunk.kind = IcnsChunk::Kind::Argb;
        if (type.payload != IcnsType::Payload::Argb)
            chunk.problem = IcnsReader::tr("it holds ARGB data, which macOS reads only in ic04 and ic05");
        else if (const Result<Bitmap> pixels = IcnsReader::decodeArgb(data, type.pixels); !pixels)
            chunk.problem = pixels.error();
    } else {
        chunk.problem = type.payload == IcnsType::Payload::Argb ? IcnsReader::tr("it holds neither ARGB data nor a PNG")
                                                                : IcnsReader::tr("it holds no PNG");
    }
}

// A table of contents must list the type and length of every chunk after it, in order.
QString tocProblem(QByteArrayView file, const IcnsChunk &toc, const QList<IcnsChunk> &chunks, qsizetype index)
{
    if (index != 0)
        return IcnsReader::tr("the table of contents is not the first chunk");
    const qsizetype listed = toc.length / headerBytes;
    if (toc.length % headerBytes != 0 || listed != chunks.size() - 1)
        return IcnsReader::tr("the table of contents lists %1 bytes of entries for %2 chunks")
            .arg(toc.length)
            .arg(chunks.size() - 1);
    for (qsizetype i = 0; i < listed; ++i) {
        const IcnsChunk &chunk = chunks[i + 1];
        const qsizetype at = toc.offset + i * headerBytes;
        if (file.sliced(at, 4) != chunk.type || be32(file, at + 4) != quint32(chunk.length + headerBytes))
            return IcnsReader::tr("entry %1 of the table of contents does not match chunk \"%2\"")
                .arg(i + 1)
                .arg(QString::fromLatin1(chunk.type));
    }
    return {};
}

} // namespace

Result<QList<IcnsChunk>> IcnsReader::read(QByteArrayView file)
{
    if (file.size() < headerBytes)
        return Failure{tr("is too short to be an .icns file (%1 bytes)").arg(file.size())};
    if (file.first(4) != "icns")
        return Failure{tr("is not an .icns file (wrong magic)")};
    if (be32(file, 4) != quint64(file.size()))
        return Failure{tr("says it is %1 bytes long, but it is %2").arg(be32(file, 4)).arg(file.size())};

    QList<IcnsChunk> chunks;
    for (qsizetype at = headerBytes; at < file.size();) {
        const int number = int(chunks.size()) + 1;
        // Every chunk is one more problem line a check may print: 64 MiB of empty chunks would be
        // eight million of them.
        if (number > maxChunks)
            return Failure{tr("holds more than %1 chunks; an icon file has a few dozen").arg(maxChunks)};
        if (file.size() - at < headerBytes)
            return Failure{tr("ends inside the header of chunk %1").arg(number)};
        IcnsChunk chunk;
        chunk.type = file.sliced(at, 4).toByteArray();
        if (!isTypeName(chunk.type))
            return Failure{tr("chunk %1 has no valid type (bytes %2)")
                               .arg(number)
                               .arg(QString::fromLatin1(chunk.type.toHex(' ')))};
        const quint32 length = be32(file, at + 4);
        if (length < headerBytes)
            return Failure{tr("chunk %1 (\"%2\") says it is %3 bytes long, less than its own header")
                               .arg(number)
                               .arg(QString::fromLatin1(chunk.type))
                               .arg(length)};
        if (length > quint64(file.size() - at))
            return Failure{tr("chunk %1 (\"%2\") of %3 bytes goes past the end of the file")
                               .arg(number)
                               .arg(QString::fromLatin1(chunk.type))
                               .arg(length)};
        chunk.offset = at + headerBytes;
        chunk.length = qsizetype(length) - headerBytes;
        chunks.append(chunk);
        at += length;
    }
    if (chunks.isEmpty())
        return Failure{tr("holds no chunks")};

    QSet<QByteArray> seen;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        IcnsChunk &chunk = chunks[i];
        const QByteArrayView data = file.sliced(chunk.offset, chunk.length);
        if (chunk.type == "TOC ") {
            chunk.kind = IcnsChunk::Kind::Toc;
            chunk.problem = tocProblem(file, chunk, chunks, i);
        } else if (const IcnsType *type = IcnsType::find(chunk.type)) {
            checkImage(chunk, *type, data);
        }
        if (seen.contains(chunk.type)) // readers take the first one
            chunk.problem = tr("another chunk of this type comes before it");
        seen.insert(chunk.type);
    }
    return chunks;
}

Result<Bitmap> IcnsReader::decodeArgb(QByteArrayView data, int pixels)
{
    if (pixels < 1 || pixels > 1024) // bounds the memory a damaged file can ask for
        return Failure{tr("%1 pixels is not a size of ARGB data").arg(pixels)};
    if (!data.startsWith("ARGB"))
        return Failure{tr("the ARGB data do not start with \"ARGB\"")};
    const qsizetype planeBytes = qsizetype(pixels) * pixels;
    const Result<IcnsPackBits::Expanded> planes = IcnsPackBits::expand(data.sliced(4), 4 * planeBytes);
    if (!planes)
        return Failure{planes.error()};
    if (const qsizetype left = data.size() - 4 - planes->consumed; left > 1)
        return Failure{tr("%1 bytes follow the ARGB planes").arg(left)};
    Bitmap bitmap(QSize(pixels, pixels), 4);
    const char *a = planes->bytes.constData();
    for (int y = 0; y < pixels; ++y) {
        std::uint8_t *to = bitmap.row(y);
        for (int x = 0; x < pixels; ++x, ++a, to += 4) {
            to[0] = std::uint8_t(a[planeBytes]);
            to[1] = std::uint8_t(a[2 * planeBytes]);
            to[2] = std::uint8_t(a[3 * planeBytes]);
            to[3] = std::uint8_t(*a);
        }
    }
    return bitmap;
}

} // namespace iconsmith
