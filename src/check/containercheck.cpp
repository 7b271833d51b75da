#include "check/containercheck.h"

#include <QByteArrayView>
#include <QHash>
#include <QSet>

#include "check/checkscope.h"
#include "codec/icnsreader.h"
#include "codec/icoreader.h"
#include "codec/inputlimits.h"
#include "codec/pngheader.h"
#include "codec/pngstructure.h"

namespace iconsmith {

namespace {

// The largest container the check reads: a 1024-pixel .icns of PNGs is a few MiB.
constexpr qint64 maxContainerBytes = InputLimits::maxDocumentBytes * 16;

// Chunk types Apple's readers know besides the ones Iconsmith writes (IcnsType): the legacy
// images and masks, the PNG/JPEG 2000 ones Apple no longer writes, and the document's metadata.
// The legacy PNG-capable ones are listed with their size so that a PNG in them is measured too.
const QHash<QByteArray, int> &otherKnownTypes()
{
    static const QHash<QByteArray, int> types{
        {"TOC ", 0}, {"icnV", 0}, {"name", 0}, {"info", 0}, {"icp4", 16}, {"icp5", 32}, {"icp6", 0}, {"is32", 0},
        {"s8mk", 0}, {"il32", 0}, {"l8mk", 0}, {"ih32", 0}, {"h8mk", 0},  {"it32", 0},  {"t8mk", 0}, {"ICN#", 0},
        {"icl4", 0}, {"icl8", 0}, {"ics#", 0}, {"ics4", 0}, {"ics8", 0},  {"icm#", 0},  {"icm4", 0}, {"icm8", 0},
        {"ich#", 0}, {"ich4", 0}, {"ich8", 0}, {"icsb", 0}, {"icsB", 0},  {"sb24", 0},  {"SB24", 0}, {"slct", 0}};
    return types;
}

// What is wrong with the data of a PNG payload whose header is sound (cut short, a bad CRC).
QString pngDamage(QByteArrayView png)
{
    const QString damage = PngStructure::damage(png);
    return damage.isEmpty() ? QString() : ContainerCheck::tr("its PNG is damaged: %1").arg(damage);
}

// A PNG in a legacy chunk that names a size must measure it.
QString legacyPngProblem(QByteArrayView data, int pixels)
{
    if (pixels == 0 || !PngHeader::isPng(data))
        return {};
    const Result<PngHeader> header = PngHeader::parse(data);
    if (!header)
        return header.error();
    if (header->size != QSize(pixels, pixels))
        return ContainerCheck::tr("its PNG is %1 × %2 pixels instead of %3 × %3")
            .arg(header->size.width())
            .arg(header->size.height())
            .arg(pixels);
    return pngDamage(data);
}

} // namespace

bool ContainerCheck::isContainer(const QString &fileName)
{
    return fileName.endsWith(u".icns", Qt::CaseInsensitive) || fileName.endsWith(u".ico", Qt::CaseInsensitive);
}

void ContainerCheck::icns(CheckScope &scope, const QString &relative)
{
    const Result<QByteArray> bytes = scope.read(relative, maxContainerBytes);
    if (!bytes) {
        scope.problem(relative, bytes.error());
        return;
    }
    const Result<QList<IcnsChunk>> chunks = IcnsReader::read(*bytes);
    if (!chunks) {
        scope.problem(relative, chunks.error());
        return;
    }
    int images = 0;
    for (const IcnsChunk &chunk : *chunks) {
        const QString type = QString::fromLatin1(chunk.type);
        const auto other = otherKnownTypes().constFind(chunk.type);
        QString problem = chunk.problem;
        if (chunk.pixels > 0) {
            ++images;
            if (problem.isEmpty() && chunk.kind == IcnsChunk::Kind::Png)
                problem = pngDamage(QByteArrayView(*bytes).sliced(chunk.offset, chunk.length));
        } else if (other == otherKnownTypes().cend()) {
            problem = tr("is of a type macOS does not know");
        } else if (problem.isEmpty()) {
            problem = legacyPngProblem(QByteArrayView(*bytes).sliced(chunk.offset, chunk.length), *other);
            // Masks and the document's metadata are no images of their own.
            static const QSet<QByteArray> notImages{"TOC ", "icnV", "name", "info", "s8mk", "l8mk", "h8mk", "t8mk"};
            images += notImages.contains(chunk.type) ? 0 : 1;
        }
        if (!problem.isEmpty())
            scope.problem(relative, tr("chunk \"%1\": %2").arg(type, problem));
    }
    scope.countImages(images);
    if (images == 0)
        scope.problem(relative, tr("holds no image"));
}

QList<QSize> ContainerCheck::ico(CheckScope &scope, const QString &relative)
{
    const Result<QByteArray> bytes = scope.read(relative, maxContainerBytes);
    if (!bytes) {
        scope.problem(relative, bytes.error());
        return {};
    }
    const Result<QList<IcoImage>> images = IcoReader::read(*bytes);
    if (!images) {
        scope.problem(relative, images.error());
        return {};
    }
    QList<QSize> sizes;
    QSet<std::pair<int, int>> seen;
    for (const IcoImage &image : *images) {
        const QString name = tr("the %1 × %2 image").arg(image.size.width()).arg(image.size.height());
        QString problem = image.problem;
        if (problem.isEmpty() && image.kind == IcoImage::Kind::Png)
            problem = pngDamage(QByteArrayView(*bytes).sliced(image.offset, image.length));
        if (!problem.isEmpty())
            scope.problem(relative, tr("%1: %2").arg(name, problem));
        // Windows picks one image per size and depth; a second one is never shown.
        const std::pair<int, int> key{image.size.width() * 1000 + image.size.height(), image.bitCount};
        if (seen.contains(key))
            scope.problem(relative, tr("%1 at %2 bits per pixel is there twice").arg(name).arg(image.bitCount));
        seen.insert(key);
        sizes.append(image.size);
    }
    scope.countImages(int(images->size()));
    return sizes;
}

} // namespace iconsmith
