#include "codec/sourceimage.h"

#include <QCoreApplication>
#include <QDir>

#include <vips/vips8>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <memory>

#include "codec/imageerror.h"
#include "codec/imagelibrary.h"
#include "codec/inputlimits.h"
#include "codec/libraryerror.h"
#include "codec/pngheader.h"
#include "codec/regularfile.h"
#include "codec/stripdecoder.h"
#include "codec/vectordrawings.h"
#include "codec/vectorsource.h"
#include "codec/vipsrows.h"
#include "common/cancelled.h"
#include "common/taskpool.h"
#include "imaging/iconfinisher.h"

namespace iconsmith {

struct SourceImage::Data
{
    QByteArray bytes;
    QString origin;
    QString loader;
    QSize size;
    bool alpha = false;
    bool vector = false;
    // The reader and drawer of a vector picture.
    std::shared_ptr<const VectorSource> drawing;
};

namespace {

bool isLoader(const QString &loader, const char *name)
{
    return loader.startsWith(QString::fromLatin1(name));
}

// Shrink factors that JPEG decoding can apply for free, largest first.
constexpr std::array jpegShrinks{8, 4, 2};

// Decoding while shrinking is only used when it leaves at least this many times the pixels
// needed, so the resampler still has ample detail to work from.
constexpr int shrinkMargin = 2;

int shrinkFactorFor(QSize full, QSize atLeast)
{
    if (atLeast.isEmpty())
        return 1;
    for (const int shrink : jpegShrinks) {
        if (full.width() / shrink >= atLeast.width() * shrinkMargin &&
            full.height() / shrink >= atLeast.height() * shrinkMargin)
            return shrink;
    }
    return 1;
}

vips::VOption *loadOptions(const SourceImage::Data &d, QSize atLeast)
{
    vips::VOption *options =
        vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL)->set("fail_on", VIPS_FAIL_ON_ERROR);
    if (isLoader(d.loader, "jpegload")) {
        options->set("autorotate", true);
        if (const int shrink = shrinkFactorFor(d.size, atLeast); shrink > 1)
            options->set("shrink", shrink);
    } else if (isLoader(d.loader, "webpload")) {
        if (const int shrink = shrinkFactorFor(d.size, atLeast); shrink > 1)
            options->set("scale", 1.0 / shrink);
    }
    return options;
}

vips::VImage openRaster(const SourceImage::Data &d, QSize atLeast)
{
    return VipsRows::toRgb8(
        vips::VImage::new_from_buffer(d.bytes.constData(), std::size_t(d.bytes.size()), "", loadOptions(d, atLeast)));
}

ImageError damaged(const SourceImage::Data &d, const char *detail)
{
    const QString reason = LibraryError::explain(d.loader, detail);
    vips_error_clear();
    return ImageError(
        SourceImage::tr("The image %1 could not be read: %2.").arg(QDir::toNativeSeparators(d.origin), reason));
}

// The loaders of the formats Iconsmith reads. The imaging library knows many more (FITS,
// Matlab, OpenSlide, every format of ImageMagick...); each is code that would read untrusted
// bytes for no purpose here. ImageMagick's loader is let through for BMP alone.
bool isReadableFormat(const QString &loader, const QByteArray &bytes)
{
    static constexpr const char *formats[] = {"pngload",  "jpegload", "webpload", "tiffload", "gifload",
                                              "heifload", "svgload",  "pdfload",  "jxlload",  "jp2kload"};
    for (const char *format : formats) {
        if (isLoader(loader, format))
            return true;
    }
    return isLoader(loader, "magickload") && bytes.startsWith("BM");
}

// The memory the decoder of @p header's file takes for its pixels when it must hold the whole
// picture before it hands out a row; 0 for one that decodes in strips. An interlaced PNG
// completes each row only in its last pass; the HEIF, WebP, GIF and JPEG XL libraries decode a
// picture in one call; ImageMagick (BMP) keeps four 16-bit channels a pixel whatever the file has.
qint64 wholeDecodeBytes(const QString &loader, const QByteArray &bytes, const vips::VImage &header)
{
    const qint64 pixels = qint64(header.width()) * header.height();
    if (isLoader(loader, "magickload"))
        return pixels * 8;
    bool whole = false;
    if (isLoader(loader, "pngload")) {
        const Result<PngHeader> png = PngHeader::parse(bytes);
        whole = png && png->interlaced;
    } else {
        for (const char *format : {"heifload", "webpload", "gifload", "jxlload"})
            whole = whole || isLoader(loader, format);
    }
    return whole ? pixels * header.bands() * qint64(vips_format_sizeof(header.format())) : 0;
}

} // namespace

Result<SourceImage> SourceImage::load(const QString &path)
{
    const Result<QByteArray> bytes = RegularFile::read(path, InputLimits::maxSourceFileBytes);
    if (!bytes)
        return Failure{
            SourceImage::tr("The image %1 could not be read: %2.").arg(QDir::toNativeSeparators(path), bytes.error())};
    return fromData(*bytes, path);
}

Result<SourceImage> SourceImage::fromData(const QByteArray &bytes, const QString &origin)
{
    ImageLibrary::ensureStarted();
    const QString where = QDir::toNativeSeparators(origin);
    const auto fail = [](const QString &reason) { return Failure{reason}; };
    const auto findLoader = [&bytes]() -> const char * {
        if (bytes.isEmpty())
            return nullptr;
        const char *found = vips_foreign_find_load_buffer(bytes.constData(), std::size_t(bytes.size()));
        vips_error_clear();
        return found;
    };
    const char *loaderClass = findLoader();
    if (loaderClass == nullptr && ImageLibrary::loadDeferredModules())
        loaderClass = findLoader();
    // The operation's nickname, such as "pngload_buffer".
    const char *loader = loaderClass != nullptr ? vips_nickname_find(g_type_from_name(loaderClass)) : nullptr;
    if (loader == nullptr || !isReadableFormat(QString::fromLatin1(loader), bytes)) {
        vips_error_clear();
        return fail(SourceImage::tr("%1 is not an image in a format Iconsmith can read.").arg(where));
    }

    auto d = std::make_shared<Data>();
    d->bytes = bytes;
    d->origin = origin;
    d->loader = QString::fromLatin1(loader);
    d->vector = isLoader(d->loader, "svgload") || isLoader(d->loader, "pdfload");
    if (d->vector) {
        auto drawing = std::make_shared<VectorSource>(d->bytes, isLoader(d->loader, "pdfload"));
        const Result<QSize> natural = drawing->open();
        if (!natural)
            return fail(SourceImage::tr("The image %1 cannot be used: %2.").arg(where, natural.error()));
        d->size = *natural;
        d->drawing = std::move(drawing);
        // Drawn pictures are transparent wherever nothing is drawn.
        d->alpha = true;
    }
    qint64 wholeBytes = 0;
    if (!d->vector) {
        try {
            vips::VImage header = vips::VImage::new_from_buffer(
                d->bytes.constData(), std::size_t(d->bytes.size()), "",
                vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL)->set("fail_on", VIPS_FAIL_ON_ERROR));
            if (isLoader(d->loader, "jpegload")) {
                // Orientation 5 to 8 turns the picture a quarter, so its upright size is the other way round.
                const int orientation =
                    header.get_typeof(VIPS_META_ORIENTATION) != 0 ? header.get_int(VIPS_META_ORIENTATION) : 1;
                d->size = orientation >= 5 && orientation <= 8 ? QSize(header.height(), header.width())
                                                               : QSize(header.width(), header.height());
            } else {
                d->size = QSize(header.width(), header.height());
            }
            d->alpha = header.has_alpha();
            wholeBytes = wholeDecodeBytes(d->loader, d->bytes, header);
        } catch (const vips::VError &e) {
            return fail(damaged(*d, e.what()).reason());
        }
    }
    if (d->size.isEmpty())
        return fail(SourceImage::tr("The image %1 has no pixels.").arg(where));
    if (qint64(d->size.width()) * d->size.height() > InputLimits::maxPixels)
        return fail(SourceImage::tr("The image %1 is too large (%2 × %3 pixels).")
                        .arg(where)
                        .arg(d->size.width())
                        .arg(d->size.height()));
    if (wholeBytes > InputLimits::maxWholeDecodeBytes)
        return fail(
            SourceImage::tr("The image %1 would take %2 of memory to decode, more than the %3 Iconsmith sets "
                            "aside: its decoder holds all %4 × %5 pixels at once. Save it with 8 bits a "
                            "channel, smaller, or (a PNG) without interlacing.")
                .arg(where, RegularFile::sizeText(wholeBytes), RegularFile::sizeText(InputLimits::maxWholeDecodeBytes))
                .arg(d->size.width())
                .arg(d->size.height()));
    SourceImage image;
    image.d = std::move(d);
    return image;
}

QSize SourceImage::size() const
{
    return d ? d->size : QSize();
}

bool SourceImage::hasAlpha() const
{
    return d && d->alpha;
}

bool SourceImage::isVector() const
{
    return d && d->vector;
}

QString SourceImage::origin() const
{
    return d ? d->origin : QString();
}

bool SourceImage::isSvg() const
{
    return d && isLoader(d->loader, "svgload");
}

QByteArray SourceImage::bytes() const
{
    return d ? d->bytes : QByteArray();
}

QSize SourceImage::decodedSize(QSize atLeast) const
{
    if (!d || d->vector)
        return size();
    const int shrink =
        isLoader(d->loader, "jpegload") || isLoader(d->loader, "webpload") ? shrinkFactorFor(d->size, atLeast) : 1;
    if (shrink == 1)
        return d->size;
    try {
        const vips::VImage image = openRaster(*d, atLeast);
        return {image.width(), image.height()};
    } catch (const vips::VError &e) {
        throw damaged(*d, e.what());
    }
}

void SourceImage::decode(QSize atLeast, const RowSink &sink) const
{
    if (!d || d->vector)
        throw ImageError(SourceImage::tr("There is no raster image to decode."));
    try {
        StripDecoder::run(openRaster(*d, atLeast), sink, TaskPool::shared());
    } catch (const vips::VError &e) {
        throw damaged(*d, e.what());
    }
}

PixelBuffer SourceImage::renderVector(QSize target) const
{
    if (!d || !d->vector)
        throw ImageError(SourceImage::tr("There is no vector image to render."));
    return VectorDrawings(d->drawing, d->origin).picture(target);
}

std::unique_ptr<VectorDrawings> SourceImage::vectorDrawings() const
{
    if (!d || !d->vector)
        return nullptr;
    return std::make_unique<VectorDrawings>(d->drawing, d->origin);
}

bool SourceImage::reduce(QSize target, const Resampler::RowSink &sink) const
{
    if (isVector()) {
        const PixelBuffer picture = renderVector(target);
        for (int y = 0; y < picture.height(); ++y)
            sink(y, picture.row(y));
        return picture.hasTransparency();
    }
    const QSize decoded = decodedSize(target);
    Resampler resampler(decoded, target, sink);
    bool transparent = false;
    decode(target, [&](int, const std::uint8_t *rgba) { transparent = resampler.pushRow(rgba) || transparent; });
    return transparent;
}

Result<SourceImage::Preview> SourceImage::preview(int maxEdge, const std::stop_token &stop) const
{
    if (!d)
        return Failure{SourceImage::tr("There is no image to show.")};
    const QSize fitted =
        d->size.scaled(QSize(maxEdge, maxEdge), Qt::KeepAspectRatio).boundedTo(d->size).expandedTo(QSize(1, 1));
    try {
        IconFinisher finisher({fitted, false, std::nullopt});
        Preview preview;
        preview.transparent = reduce(fitted, [&finisher, &stop](int y, const Float4 *row) {
            Cancelled::throwIfRequested(stop);
            finisher(y, row);
        });
        preview.bitmap = finisher.take();
        return preview;
    } catch (const ImageError &error) {
        return Failure{error.reason()};
    } catch (const std::exception &error) {
        return Failure{QString::fromLocal8Bit(error.what())};
    }
}

} // namespace iconsmith
