#include "codec/vectorsource.h"

#include <QDeadlineTimer>

#include <vips/vips8>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "codec/drawingprocess.h"
#include "codec/imageerror.h"
#include "codec/inputlimits.h"
#include "codec/pdfstructure.h"
#include "codec/regularfile.h"
#include "codec/vipsrows.h"

namespace iconsmith {

namespace {

vips::VImage openAt(const QByteArray &bytes, bool pdf, double scale)
{
    vips::VOption *options = vips::VImage::option()->set("scale", scale)->set("fail_on", VIPS_FAIL_ON_ERROR);
    // SVG is read with the library's limits on document size and nesting ("unlimited" stays off).
    if (pdf)
        options->set("background", std::vector<double>{0, 0, 0, 0});
    return vips::VImage::new_from_buffer(bytes.constData(), std::size_t(bytes.size()), "", options);
}

// Whether @p reported is what a picture of @p natural pixels measures at @p scale, give or take
// the rounding of both sizes.
bool agrees(QSize natural, double scale, QSize reported)
{
    const double slack = 0.5 * scale + 2;
    return std::abs(reported.width() - natural.width() * scale) <= slack &&
           std::abs(reported.height() - natural.height() * scale) <= slack;
}

QString libraryReason(const vips::VError &error)
{
    const QString reason = VipsRows::reason(error.what());
    return reason.isEmpty() ? VectorSource::tr("the file is damaged") : reason;
}

QString outOfTimeReason()
{
    return VectorSource::tr("drawing it takes longer than %1 seconds, the most Iconsmith allows")
        .arg(InputLimits::maxVectorDrawMilliseconds / 1000);
}

// Where the drawing runs in this process: stops it between two tiles once its time is up.
struct DrawingClock
{
    QDeadlineTimer deadline{InputLimits::maxVectorDrawMilliseconds};
    std::atomic<bool> expired{false};

    static void onEval(VipsImage *image, VipsProgress * /*progress*/, void *clock)
    {
        auto *self = static_cast<DrawingClock *>(clock);
        if (self->deadline.hasExpired()) {
            self->expired = true;
            vips_image_set_kill(image, TRUE);
        }
    }
};

} // namespace

VectorSource::VectorSource(QByteArray bytes, bool pdf) : m_bytes(std::move(bytes)), m_pdf(pdf) {}

VectorSource::~VectorSource() = default;

Result<QSize> VectorSource::open()
{
    if (m_bytes.size() > InputLimits::maxVectorFileBytes)
        return Failure{tr("it is larger than %1, the most Iconsmith reads of a vector picture")
                           .arg(RegularFile::sizeText(InputLimits::maxVectorFileBytes))};
    if (m_pdf) {
        if (const Result<void> sound = PdfStructure::check(m_bytes); !sound)
            return Failure{sound.error()};
    }
    std::unique_ptr<DrawingProcess> process = takeProcess();
    // A second one starts up while the first measures: a generation draws two sizes at a time,
    // and starting a process costs more than a small drawing.
    if (process)
        giveBack(DrawingProcess::start(m_bytes, m_pdf));
    Result<QSize> natural =
        process ? process->measure(QDeadlineTimer(InputLimits::maxVectorDrawMilliseconds)) : measure(m_bytes, m_pdf);
    if (process && process->timedOut())
        return Failure{tr("reading it takes longer than %1 seconds, the most Iconsmith allows")
                           .arg(InputLimits::maxVectorDrawMilliseconds / 1000)};
    giveBack(std::move(process));
    if (natural)
        m_natural = *natural;
    return natural;
}

Result<QSize> VectorSource::measure(const QByteArray &bytes, bool pdf)
{
    try {
        const vips::VImage once = openAt(bytes, pdf, 1.0);
        const QSize natural(once.width(), once.height());
        // A size the library cannot hold comes back as 1 × 1, or wrapped around 2^32 to any
        // size; asked again at another scale it does not scale along. A picture of a pixel or
        // two is asked at a scale that makes it about 64 pixels, anything else at 1.5 (not a
        // whole number, which would scale a wrapped size along).
        const int shorter = std::min(natural.width(), natural.height());
        const double check = shorter <= 2 ? 64.0 / std::max(shorter, 1) : 1.5;
        const vips::VImage again = openAt(bytes, pdf, check);
        if (!agrees(natural, check, QSize(again.width(), again.height())))
            return Failure{tr("its size is not one Iconsmith can draw (too large, too small or not a number)")};
        return natural;
    } catch (const vips::VError &error) {
        return Failure{libraryReason(error)};
    }
}

Result<VectorPicture> VectorSource::drawAt(const QByteArray &bytes, bool pdf, double scale, bool *outOfTime)
{
    DrawingClock clock;
    vips::VImage picture;
    try {
        vips::VImage image = openAt(bytes, pdf, scale);
        const gulong handler = g_signal_connect(image.get_image(), "eval", G_CALLBACK(&DrawingClock::onEval), &clock);
        vips_image_set_progress(image.get_image(), TRUE);
        try {
            picture = VipsRows::toRgb8(image).copy_memory();
        } catch (...) {
            g_signal_handler_disconnect(image.get_image(), handler);
            throw;
        }
        g_signal_handler_disconnect(image.get_image(), handler);
    } catch (const vips::VError &error) {
        if (clock.expired) {
            vips_error_clear();
            if (outOfTime != nullptr)
                *outOfTime = true;
            return Failure{outOfTimeReason()};
        }
        return Failure{libraryReason(error)};
    }
    VectorPicture out;
    out.size = QSize(picture.width(), picture.height());
    out.bands = picture.bands();
    const std::size_t length = std::size_t(out.size.width()) * std::size_t(out.size.height()) * std::size_t(out.bands);
    out.pixels = QByteArray(static_cast<const char *>(picture.data()), qsizetype(length));
    return out;
}

VectorPicture VectorSource::draw(QSize target) const
{
    if (m_outOfTime)
        throw ImageError(outOfTimeReason());
    const double scale =
        std::max(double(target.width()) / m_natural.width(), double(target.height()) / m_natural.height());
    // The natural size was rounded, so the library may draw up to half a pixel more of it.
    if ((m_natural.width() + 0.5) * scale * (m_natural.height() + 0.5) * scale > double(InputLimits::maxPixels)) {
        const auto side = [scale](int length) { return qint64(std::min(std::ceil(length * scale), 1e15)); };
        throw ImageError(tr("drawing it at %1 × %2 would take %3 × %4 pixels, more than Iconsmith draws")
                             .arg(target.width())
                             .arg(target.height())
                             .arg(side(m_natural.width()))
                             .arg(side(m_natural.height())));
    }
    const Result<VectorPicture> picture = drawAtScale(scale);
    if (!picture)
        throw ImageError(picture.error());
    if (!agrees(m_natural, scale, picture->size) || picture->bands < 3 || picture->bands > 4)
        throw ImageError(tr("it could not be drawn at %1 × %2 pixels").arg(target.width()).arg(target.height()));
    return *picture;
}

Result<VectorPicture> VectorSource::drawAtScale(double scale) const
{
    std::unique_ptr<DrawingProcess> process = takeProcess();
    if (!process) {
        bool outOfTime = false;
        Result<VectorPicture> picture = drawAt(m_bytes, m_pdf, scale, &outOfTime);
        if (outOfTime)
            m_outOfTime = true;
        return picture;
    }
    Result<VectorPicture> picture = process->draw(scale, QDeadlineTimer(InputLimits::maxVectorDrawMilliseconds));
    if (process->timedOut()) {
        m_outOfTime = true;
        return Failure{outOfTimeReason()};
    }
    giveBack(std::move(process));
    return picture;
}

std::unique_ptr<DrawingProcess> VectorSource::takeProcess() const
{
    {
        const std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            std::unique_ptr<DrawingProcess> process = std::move(m_idle.back());
            m_idle.pop_back();
            return process;
        }
    }
    return DrawingProcess::start(m_bytes, m_pdf);
}

void VectorSource::giveBack(std::unique_ptr<DrawingProcess> process) const
{
    if (!process || !process->usable())
        return;
    const std::lock_guard lock(m_mutex);
    m_idle.push_back(std::move(process));
}

} // namespace iconsmith
