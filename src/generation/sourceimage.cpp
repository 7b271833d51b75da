#include "sourceimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vips/vips8>

#include <algorithm>
#include <array>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "imageerror.h"
#include "imagelibrary.h"
#include "resampler.h"

namespace iconsmith {

struct SourceImage::Data
{
    QByteArray bytes;
    QString origin;
    QString loader;
    QSize size;
    bool alpha = false;
    bool vector = false;
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

// Brings any decoded picture to 8-bit sRGB with three or four bands.
vips::VImage toRgb8(vips::VImage image)
{
    if (image.bands() > 4 && image.interpretation() != VIPS_INTERPRETATION_CMYK)
        image = image.extract_band(0, vips::VImage::option()->set("n", 4));
    if (image.interpretation() != VIPS_INTERPRETATION_sRGB || image.format() != VIPS_FORMAT_UCHAR) {
        try {
            image = image.colourspace(VIPS_INTERPRETATION_sRGB);
        } catch (const vips::VError &) {
            vips_error_clear();
            // No known conversion (an unusual multi-band picture): read its first bands as they are.
            image = image.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
        }
    }
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    if (image.bands() == 1) {
        image = vips::VImage::bandjoin({image, image, image});
    } else if (image.bands() == 2) {
        const vips::VImage grey = image.extract_band(0);
        image = vips::VImage::bandjoin({grey, grey, grey, image.extract_band(1)});
    } else if (image.bands() > 4)
        image = image.extract_band(0, vips::VImage::option()->set("n", 4));
    return image;
}

vips::VImage openRaster(const SourceImage::Data &d, QSize atLeast)
{
    return toRgb8(
        vips::VImage::new_from_buffer(d.bytes.constData(), std::size_t(d.bytes.size()), "", loadOptions(d, atLeast)));
}

// Copies one decoded row as RGBA, giving three-band pictures an opaque alpha.
void toRgba(const VipsPel *pixels, int width, int bands, std::uint8_t *out)
{
    if (bands == 4) {
        std::copy_n(pixels, std::size_t(width) * 4, out);
        return;
    }
    for (int x = 0; x < width; ++x, pixels += bands, out += 4) {
        out[0] = pixels[0];
        out[1] = pixels[1];
        out[2] = pixels[2];
        out[3] = 255;
    }
}

// Rows handed from the decoding thread to the consuming one, a few strips at a time.
class StripQueue
{
public:
    struct Strip
    {
        int firstRow = 0;
        int rows = 0;
        std::vector<std::uint8_t> pixels;
    };

    // Buffers come back for reuse: fresh memory costs a page fault per page on first touch.
    std::vector<std::uint8_t> takeBuffer(std::size_t size)
    {
        const std::lock_guard lock(m_mutex);
        std::vector<std::uint8_t> buffer;
        if (!m_spare.empty()) {
            buffer = std::move(m_spare.back());
            m_spare.pop_back();
        }
        buffer.resize(size);
        return buffer;
    }
    void giveBack(std::vector<std::uint8_t> buffer)
    {
        const std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(buffer));
    }

    void push(Strip strip)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_strips.size() < capacity || m_abandoned; });
        m_strips.push_back(std::move(strip));
        m_changed.notify_all();
    }
    bool pop(Strip &strip)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_strips.empty() || m_finished; });
        if (m_strips.empty())
            return false;
        strip = std::move(m_strips.front());
        m_strips.pop_front();
        m_changed.notify_all();
        return true;
    }
    void finish(std::exception_ptr error)
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_error = std::move(error);
        m_changed.notify_all();
    }
    void abandon()
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
        m_changed.notify_all();
    }
    [[nodiscard]] bool isAbandoned()
    {
        const std::lock_guard lock(m_mutex);
        return m_abandoned;
    }
    [[nodiscard]] std::exception_ptr error()
    {
        const std::lock_guard lock(m_mutex);
        return m_error;
    }

private:
    static constexpr std::size_t capacity = 4;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Strip> m_strips;
    std::vector<std::vector<std::uint8_t>> m_spare;
    bool m_finished = false;
    bool m_abandoned = false;
    std::exception_ptr m_error;
};

constexpr int stripRows = 16;

void decodeStrips(const vips::VImage &image, StripQueue &queue)
{
    const int width = image.width();
    const int height = image.height();
    const int bands = image.bands();
    vips::VRegion region = vips::VRegion::new_from_image(image);
    for (int top = 0; top < height && !queue.isAbandoned(); top += stripRows) {
        const int rows = std::min(stripRows, height - top);
        region.prepare(0, top, width, rows);
        StripQueue::Strip strip{top, rows, queue.takeBuffer(std::size_t(width) * 4 * std::size_t(rows))};
        for (int r = 0; r < rows; ++r)
            toRgba(region.addr(0, top + r), width, bands,
                   strip.pixels.data() + std::size_t(r) * std::size_t(width) * 4);
        queue.push(std::move(strip));
    }
}

ImageError damaged(const SourceImage::Data &d, const char *detail)
{
    QString reason = QString::fromUtf8(detail).trimmed();
    const qsizetype lastLine = reason.lastIndexOf(u'\n');
    if (lastLine >= 0)
        reason = reason.mid(lastLine + 1);
    vips_error_clear();
    return ImageError(
        SourceImage::tr("The image %1 could not be read: %2").arg(QDir::toNativeSeparators(d.origin), reason));
}

} // namespace

SourceImage SourceImage::load(const QString &path, QString *error)
{
    const QFileInfo info(path);
    const auto fail = [error](const QString &reason) {
        if (error != nullptr)
            *error = reason;
        return SourceImage();
    };
    if (!info.exists())
        return fail(SourceImage::tr("The image %1 does not exist.").arg(QDir::toNativeSeparators(path)));
    if (info.isDir())
        return fail(SourceImage::tr("%1 is a folder, not an image.").arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(SourceImage::tr("The image %1 could not be opened: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return fromData(file.readAll(), path, error);
}

SourceImage SourceImage::fromData(const QByteArray &bytes, const QString &origin, QString *error)
{
    ImageLibrary::ensureStarted();
    const QString where = QDir::toNativeSeparators(origin);
    const auto fail = [error](const QString &reason) {
        if (error != nullptr)
            *error = reason;
        return SourceImage();
    };
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
    if (loader == nullptr) {
        vips_error_clear();
        return fail(SourceImage::tr("%1 is not an image in a format Iconsmith can read.").arg(where));
    }

    auto d = std::make_shared<Data>();
    d->bytes = bytes;
    d->origin = origin;
    d->loader = QString::fromLatin1(loader);
    d->vector = isLoader(d->loader, "svgload") || isLoader(d->loader, "pdfload");
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
    } catch (const vips::VError &e) {
        return fail(damaged(*d, e.what()).reason());
    }
    if (d->size.isEmpty())
        return fail(SourceImage::tr("The image %1 has no pixels.").arg(where));
    if (qint64(d->size.width()) * d->size.height() > maxPixels)
        return fail(SourceImage::tr("The image %1 is too large (%2 × %3 pixels).")
                        .arg(where)
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

QString SourceImage::formatName() const
{
    if (!d)
        return {};
    QString name = d->loader;
    name.remove(QStringLiteral("load_buffer"));
    name.remove(QStringLiteral("load"));
    return name;
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
    vips::VImage image;
    try {
        image = openRaster(*d, atLeast);
    } catch (const vips::VError &e) {
        throw damaged(*d, e.what());
    }

    StripQueue queue;
    std::thread decoder([&] {
        std::exception_ptr error;
        try {
            decodeStrips(image, queue);
        } catch (const vips::VError &e) {
            error = std::make_exception_ptr(damaged(*d, e.what()));
        } catch (...) {
            error = std::current_exception();
        }
        queue.finish(error);
    });

    std::exception_ptr consumerError;
    StripQueue::Strip strip;
    const auto rowBytes = std::size_t(image.width()) * 4;
    try {
        while (queue.pop(strip)) {
            for (int r = 0; r < strip.rows; ++r)
                sink(strip.firstRow + r, strip.pixels.data() + std::size_t(r) * rowBytes);
            queue.giveBack(std::move(strip.pixels));
        }
    } catch (...) {
        consumerError = std::current_exception();
        queue.abandon();
        // Drain so the decoder is never left blocked on a full queue.
        while (queue.pop(strip)) {
        }
    }
    decoder.join();
    if (consumerError)
        std::rethrow_exception(consumerError);
    if (const std::exception_ptr error = queue.error())
        std::rethrow_exception(error);
}

PixelBuffer SourceImage::renderVector(QSize target) const
{
    if (!d || !d->vector)
        throw ImageError(SourceImage::tr("There is no vector image to render."));
    const double scale = std::max(double(target.width()) / d->size.width(), double(target.height()) / d->size.height());
    vips::VImage image;
    try {
        vips::VOption *options = vips::VImage::option()->set("scale", scale)->set("fail_on", VIPS_FAIL_ON_ERROR);
        if (isLoader(d->loader, "pdfload"))
            options->set("background", std::vector<double>{0, 0, 0, 0});
        image = toRgb8(vips::VImage::new_from_buffer(d->bytes.constData(), std::size_t(d->bytes.size()), "", options))
                    .copy_memory();
    } catch (const vips::VError &e) {
        throw damaged(*d, e.what());
    }
    const QSize rendered(image.width(), image.height());
    PixelBuffer exact(target);
    Resampler resampler(rendered, target,
                        [&exact](int y, const Float4 *row) { std::copy(row, row + exact.width(), exact.row(y)); });
    std::vector<std::uint8_t> rgba(std::size_t(rendered.width()) * 4);
    std::vector<Float4> row(std::size_t(rendered.width()));
    const auto *pixels = static_cast<const VipsPel *>(image.data());
    const std::size_t stride = std::size_t(rendered.width()) * std::size_t(image.bands());
    for (int y = 0; y < rendered.height(); ++y) {
        toRgba(pixels + std::size_t(y) * stride, rendered.width(), image.bands(), rgba.data());
        PixelBuffer::premultiplyRow(rgba.data(), rendered.width(), row.data());
        resampler.pushRow(row.data());
    }
    return exact;
}

} // namespace iconsmith
