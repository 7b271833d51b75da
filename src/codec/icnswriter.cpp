#include "codec/icnswriter.h"

#include <QtEndian>

#include <vector>

#include "codec/icnspackbits.h"
#include "codec/icnstype.h"
#include "codec/pngencoder.h"
#include "codec/pngheader.h"

namespace iconsmith {

namespace {

constexpr qint64 chunkHeaderBytes = 8;

struct Chunk
{
    QByteArrayView type;
    QByteArray data;
};

void appendHeader(QByteArray &out, QByteArrayView type, qint64 length)
{
    const quint32 be = qToBigEndian(quint32(length));
    out.append(type);
    out.append(reinterpret_cast<const char *>(&be), sizeof be);
}

QString sizeMismatch(const IcnsType &type, QSize size)
{
    return IcnsWriter::tr("The %1 image must be %2 × %2 pixels, not %3 × %4.")
        .arg(QString::fromLatin1(type.name))
        .arg(type.pixels)
        .arg(size.width())
        .arg(size.height());
}

Result<QByteArray> chunkData(const IcnsType &type, const IcnsWriter::Image &image, TaskPool *pool)
{
    const QSize expected(type.pixels, type.pixels);
    if (!image.bitmap.isNull() && image.bitmap.size() != expected)
        return Failure{sizeMismatch(type, image.bitmap.size())};
    if (type.payload == IcnsType::Payload::Argb) {
        if (image.bitmap.isNull())
            return Failure{IcnsWriter::tr("The %1 image is stored as ARGB, which needs its pixels, not a PNG.")
                               .arg(QString::fromLatin1(type.name))};
        return IcnsWriter::argbPayload(image.bitmap);
    }
    if (!image.png.isEmpty()) {
        const Result<PngHeader> header = PngHeader::parse(image.png);
        if (!header)
            return Failure{IcnsWriter::tr("The PNG given for %1 cannot be read: %2.")
                               .arg(QString::fromLatin1(type.name), header.error())};
        if (header->size != expected)
            return Failure{sizeMismatch(type, header->size)};
        return image.png;
    }
    if (image.bitmap.isNull())
        return Failure{
            IcnsWriter::tr("The %1 image has neither pixels nor a PNG.").arg(QString::fromLatin1(type.name))};
    return PngEncoder::encode(image.bitmap, pool);
}

} // namespace

QByteArray IcnsWriter::argbPayload(const Bitmap &bitmap)
{
    const std::size_t pixels = std::size_t(bitmap.width()) * std::size_t(bitmap.height());
    const int channels = bitmap.channels();
    std::vector<std::uint8_t> plane(pixels);
    QByteArray out("ARGB");
    // Plane order A, R, G, B; an RGB bitmap's alpha plane is all opaque.
    for (const int channel : {3, 0, 1, 2}) {
        std::size_t i = 0;
        for (int y = 0; y < bitmap.height(); ++y) {
            const std::uint8_t *pixel = bitmap.row(y);
            for (int x = 0; x < bitmap.width(); ++x, pixel += channels)
                plane[i++] = channel < channels ? pixel[channel] : 255;
        }
        IcnsPackBits::compress(plane.data(), pixels, out);
    }
    out.append('\0');
    return out;
}

Result<QByteArray> IcnsWriter::write(const QMap<QByteArray, Image> &images, TaskPool *pool)
{
    if (images.isEmpty())
        return Failure{tr("An .icns file needs at least one image.")};
    for (auto it = images.keyBegin(); it != images.keyEnd(); ++it)
        if (IcnsType::find(*it) == nullptr)
            return Failure{tr("\"%1\" is not an .icns image type Iconsmith writes.").arg(QString::fromLatin1(*it))};

    QList<Chunk> chunks;
    for (const IcnsType &type : IcnsType::all()) {
        const auto it = images.constFind(type.name.toByteArray());
        if (it == images.cend())
            continue;
        Result<QByteArray> data = chunkData(type, *it, pool);
        if (!data)
            return Failure{data.error()};
        chunks.append({type.name, std::move(data).value()});
    }

    const qint64 tocLength = chunkHeaderBytes * (1 + chunks.size());
    qint64 total = chunkHeaderBytes + tocLength;
    for (const Chunk &chunk : std::as_const(chunks))
        total += chunkHeaderBytes + chunk.data.size();
    if (total > 0xffffffffLL) // every length field is 32-bit
        return Failure{tr("The images are too large for one .icns file.")};

    QByteArray out;
    out.reserve(total);
    appendHeader(out, "icns", total);
    appendHeader(out, "TOC ", tocLength);
    for (const Chunk &chunk : std::as_const(chunks))
        appendHeader(out, chunk.type, chunkHeaderBytes + chunk.data.size());
    for (const Chunk &chunk : std::as_const(chunks)) {
        appendHeader(out, chunk.type, chunkHeaderBytes + chunk.data.size());
        out.append(chunk.data);
    }
    return out;
}

} // namespace iconsmith
