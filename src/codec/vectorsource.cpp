#include "codec/vectorsource.h"

#include <QDeadlineTimer>

#include <vips/vips8>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "codec/drawingprocess.h"
#include "codec/inputlimits.h"
#include "codec/libraryerror.h"
#include "codec/pdfstructure.h"
#include "codec/regularfile.h"
#include "codec/svgstructure.h"
#include "codec/vipsrows.h"

namespace iconsmith {

namespace {

// The least value the loaders take for a parameter, as they declare it (0.001 for scale and
// resolution in libvips 8.14).
double leastOf(const char *parameter)
{
    double least = 0.001;
    for (const char *loader : {"VipsForeignLoadSvgBuffer", "VipsForeignLoadPdfBuffer"}) {
        const GType type = g_type_from_name(loader);
        if (type == 0)
            continue;
        auto *loaderClass = static_cast<GObjectClass *>(g_type_class_ref(type));
        const GParamSpec *property = g_object_class_find_property(loaderClass, parameter);
        if (property != nullptr && G_IS_PARAM_SPEC_DOUBLE(property))
            least = std::max(least, G_PARAM_SPEC_DOUBLE(property)->minimum);
        g_type_class_unref(loaderClass);
    }
    return least;
}

// The library's unit: it draws at scale × dpi / 72.
constexpr double pointsPerInch = 72.0;

vips::VImage openAt(const QByteArray &bytes, bool pdf, double scale)
{
    // A scale below the least the loader takes is not an error to the library: it warns and
    // draws at scale 1 instead (a 16000-pixel picture drawn whole for a 16-pixel icon). The
    // two factors it multiplies, scale and resolution, each stay above their least instead.
    static const double leastScale = leastOf("scale");
    static const double leastDpi = leastOf("dpi");
    const double libraryScale = std::max(scale, leastScale);
    const double dpi = pointsPerInch * scale / libraryScale;
    if (dpi < leastDpi)
        throw vips::VError(VectorSource::tr("its size is too large to draw it this small").toStdString());
    vips::VOption *options =
        vips::VImage::option()->set("scale", libraryScale)->set("dpi", dpi)->set("fail_on", VIPS_FAIL_ON_ERROR);
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

// The largest picture that agrees with @p natural at @p scale.
QSize mostAt(QSize natural, double scale)
{
    const double slack = 0.5 * scale + 2;
    const auto side = [&](int length) { return int(std::min(std::floor(length * scale + slack), 1e9)); };
    return {side(natural.width()), side(natural.height())};
}

QString libraryReason(const vips::VError &error, bool pdf)
{
    QString reason = LibraryError::explain(QString::fromLatin1(pdf ? "pdfload" : "svgload"), error.what());
    vips_error_clear();
    return reason;
}

QString outOfTimeReason()
{
    return VectorSource::tr("drawing it takes longer than %1 seconds, the most Iconsmith allows")
        .arg(InputLimits::maxVectorDrawMilliseconds / 1000);
}

// Where the drawing runs in this process: stops it between two tiles once its time is up.
struct DrawingClock
{
    explicit DrawingClock(int milliseconds) : deadline(milliseconds) {}

    QDeadlineTimer deadline;
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
    if (const Result<void> sound = m_pdf ? PdfStructure::check(m_bytes) : SvgStructure::check(m_bytes); !sound)
        return Failure{sound.error()};
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
        return Failure{libraryReason(error, pdf)};
    }
}

Result<VectorPicture> VectorSource::drawAt(const QByteArray &bytes, bool pdf, double scale, QSize most,
                                           int milliseconds, bool *outOfTime)
{
    DrawingClock clock(milliseconds);
    VectorPicture out;
    try {
        vips::VImage image = openAt(bytes, pdf, scale);
        // The library reads the size first and draws later: a size other than the one asked for
        // is refused before a pixel is drawn.
        if (image.width() > most.width() || image.height() > most.height() ||
            qint64(image.width()) * image.height() > InputLimits::maxPixels)
            return Failure{tr("the drawing library would draw it at %1 × %2 pixels instead of %3 × %4")
                               .arg(image.width())
                               .arg(image.height())
                               .arg(most.width())
                               .arg(most.height())};
        const vips::VImage rgb = VipsRows::toRgb8(image);
        out.size = QSize(rgb.width(), rgb.height());
        out.bands = rgb.bands();
        const std::size_t length =
            std::size_t(out.size.width()) * std::size_t(out.size.height()) * std::size_t(out.bands);
        // Drawn straight into the bytes that are sent or kept: one copy of a picture that can
        // be a gigabyte, not two.
        out.pixels = QByteArray(qsizetype(length), Qt::Uninitialized);
        vips::VImage target = vips::VImage::new_from_memory(out.pixels.data(), length, out.size.width(),
                                                            out.size.height(), out.bands, VIPS_FORMAT_UCHAR);
        const gulong handler = g_signal_connect(image.get_image(), "eval", G_CALLBACK(&DrawingClock::onEval), &clock);
        vips_image_set_progress(image.get_image(), TRUE);
        try {
            rgb.write(target);
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
        return Failure{libraryReason(error, pdf)};
    }
    return out;
}

double VectorSource::scaleFor(QSize target) const
{
    return std::max(double(target.width()) / m_natural.width(), double(target.height()) / m_natural.height());
}

Result<VectorPicture> VectorSource::draw(double scale, int milliseconds, Outcome *outcome) const
{
    Outcome ignored = Outcome::Drawn;
    Outcome &result = outcome != nullptr ? *outcome : ignored;
    result = Outcome::Drawn;
    if (m_outOfTime) {
        result = Outcome::OutOfTime;
        return Failure{outOfTimeReason()};
    }
    // The natural size was rounded, so the library may draw up to half a pixel more of it.
    if ((m_natural.width() + 0.5) * scale * (m_natural.height() + 0.5) * scale > double(InputLimits::maxPixels)) {
        const auto side = [scale](int length) { return qint64(std::min(std::ceil(length * scale), 1e15)); };
        result = Outcome::TooLarge;
        return Failure{tr("it would be drawn at %1 × %2 pixels, more than Iconsmith draws")
                           .arg(side(m_natural.width()))
                           .arg(side(m_natural.height()))};
    }
    Result<VectorPicture> picture = drawWith(scale, mostAt(m_natural, scale), milliseconds, result);
    if (!picture)
        return picture;
    if (!agrees(m_natural, scale, picture->size) || picture->bands < 3 || picture->bands > 4) {
        result = Outcome::Refused;
        return Failure{tr("it could not be drawn at %1 × %2 pixels")
                           .arg(qRound(m_natural.width() * scale))
                           .arg(qRound(m_natural.height() * scale))};
    }
    return picture;
}

Result<VectorPicture> VectorSource::drawWith(double scale, QSize most, int milliseconds, Outcome &outcome) const
{
    // A drawing cut short by a deadline tighter than the whole allowance says nothing about
    // later ones; one that had all of it will not finish in time at any size worth drawing.
    const bool wholeAllowance = milliseconds >= InputLimits::maxVectorDrawMilliseconds;
    std::unique_ptr<DrawingProcess> process = takeProcess();
    if (!process) {
        bool outOfTime = false;
        Result<VectorPicture> picture = drawAt(m_bytes, m_pdf, scale, most, milliseconds, &outOfTime);
        if (outOfTime && wholeAllowance)
            m_outOfTime = true;
        outcome = picture ? Outcome::Drawn : outOfTime ? Outcome::OutOfTime : Outcome::Refused;
        return picture;
    }
    Result<VectorPicture> picture = process->draw(scale, most, QDeadlineTimer(milliseconds));
    if (process->timedOut()) {
        if (wholeAllowance)
            m_outOfTime = true;
        outcome = Outcome::OutOfTime;
        return Failure{outOfTimeReason()};
    }
    const bool answered = process->usable();
    outcome = picture ? Outcome::Drawn : answered ? Outcome::Refused : Outcome::Lost;
    giveBack(std::move(process));
    return picture;
}

std::unique_ptr<DrawingProcess> VectorSource::takeProcess() const
{
    for (;;) {
        std::unique_ptr<DrawingProcess> process;
        {
            const std::lock_guard lock(m_mutex);
            if (m_idle.empty())
                break;
            process = std::move(m_idle.back());
            m_idle.pop_back();
        }
        // One that ended while it waited (killed from outside) is left for a fresh one.
        if (process->usable())
            return process;
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
