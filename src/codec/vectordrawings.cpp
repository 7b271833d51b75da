#include "codec/vectordrawings.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <exception>
#include <set>
#include <vector>

#include "codec/imageerror.h"
#include "codec/inputlimits.h"
#include "codec/vectorsource.h"
#include "codec/vipsrows.h"
#include "imaging/resampler.h"

namespace iconsmith {

namespace {

// How much larger a shared drawing is than a picture resampled from it, at least: below twice
// the size, resampling softens edges most (a 1.125 × drawing loses 10 dB at every size).
constexpr double sharedRatio = 2.0;

QString outOfBudgetReason()
{
    return VectorDrawings::tr("drawing it at every size takes longer than %1 seconds in all, the most Iconsmith "
                              "spends on one picture")
        .arg(InputLimits::maxVectorGenerationMilliseconds / 1000);
}

} // namespace

VectorDrawings::VectorDrawings(std::shared_ptr<const VectorSource> source, QString origin)
    : m_source(std::move(source)), m_origin(std::move(origin))
{}

VectorDrawings::~VectorDrawings() = default;

void VectorDrawings::plan(const QList<QSize> &targets)
{
    const QSize natural = m_source->naturalSize();
    std::map<SizeKey, int> counts;
    for (const QSize &target : targets) {
        if (!target.isEmpty())
            ++counts[{target.width(), target.height()}];
    }
    const std::lock_guard lock(m_mutex);
    for (const auto &[key, count] : counts)
        m_wanted[key] += count;
    // Largest scale first, so that every drawing a size could share is known when it comes.
    std::vector<std::pair<double, SizeKey>> byScale;
    for (const auto &[key, count] : m_wanted)
        byScale.emplace_back(m_source->scaleFor(QSize(key.first, key.second)), key);
    std::sort(byScale.begin(), byScale.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    std::set<double> heads;
    m_classOf.clear();
    m_drawingWanted.clear();
    for (const auto &[scale, key] : byScale) {
        double head = scale;
        const double longer = std::max(natural.width(), natural.height()) * scale;
        if (!heads.contains(scale) && longer >= sharedFromPixels) {
            // The smallest drawing at least twice as large, if there is one.
            if (const auto shared = heads.lower_bound(sharedRatio * scale); shared != heads.end())
                head = *shared;
        }
        heads.insert(head);
        m_classOf[key] = head;
        m_drawingWanted[head] += m_wanted[key];
    }
}

PixelBuffer VectorDrawings::picture(QSize target)
{
    const SizeKey key{target.width(), target.height()};
    const double scale = m_source->scaleFor(target);
    double drawnAt = scale;
    bool planned = false;
    Drawing drawing;
    std::promise<std::shared_ptr<const VectorPicture>> made;
    bool mine = false;
    {
        const std::lock_guard lock(m_mutex);
        if (const auto wanted = m_wanted.find(key); wanted != m_wanted.end() && wanted->second > 0) {
            --wanted->second;
            planned = true;
            drawnAt = m_classOf[key];
        }
        if (drawnAt <= m_refusedScale) {
            const QString refusal = m_refusal;
            release(drawnAt, planned);
            throw ImageError(
                tr("The image %1 could not be drawn: %2.").arg(QDir::toNativeSeparators(m_origin), refusal));
        }
        if (const auto found = m_drawings.find(drawnAt); found != m_drawings.end()) {
            drawing = found->second;
        } else {
            drawing = made.get_future().share();
            m_drawings.emplace(drawnAt, drawing);
            mine = true;
        }
    }
    if (mine) {
        try {
            made.set_value(draw(drawnAt, target));
        } catch (...) {
            made.set_exception(std::current_exception());
        }
    }
    std::shared_ptr<const VectorPicture> picture;
    try {
        picture = drawing.get();
    } catch (...) {
        const std::lock_guard lock(m_mutex);
        release(drawnAt, planned);
        throw;
    }
    {
        const std::lock_guard lock(m_mutex);
        release(drawnAt, planned);
    }
    return toPixels(*picture, target);
}

int VectorDrawings::drawingsMade() const
{
    const std::lock_guard lock(m_mutex);
    return m_drawingsMade;
}

std::shared_ptr<const VectorPicture> VectorDrawings::draw(double scale, QSize target)
{
    const QString where = QDir::toNativeSeparators(m_origin);
    int milliseconds = 0;
    {
        const std::lock_guard lock(m_mutex);
        milliseconds = int(std::min<qint64>(InputLimits::maxVectorDrawMilliseconds,
                                            InputLimits::maxVectorGenerationMilliseconds - m_spentMilliseconds));
        if (milliseconds <= 0)
            throw ImageError(tr("The image %1 could not be drawn: %2.").arg(where, outOfBudgetReason()));
        ++m_drawingsMade;
    }
    QElapsedTimer clock;
    clock.start();
    VectorSource::Outcome outcome = VectorSource::Outcome::Drawn;
    Result<VectorPicture> picture = m_source->draw(scale, milliseconds, &outcome);
    const std::lock_guard lock(m_mutex);
    m_spentMilliseconds += clock.elapsed();
    if (picture)
        return std::make_shared<const VectorPicture>(std::move(picture).value());
    QString reason = picture.error();
    if (outcome == VectorSource::Outcome::Refused && scale > m_refusedScale) {
        m_refusedScale = scale;
        m_refusal = reason;
    } else if (outcome == VectorSource::Outcome::OutOfTime && milliseconds < InputLimits::maxVectorDrawMilliseconds) {
        reason = outOfBudgetReason();
    } else if (outcome == VectorSource::Outcome::TooLarge) {
        reason = tr("drawing it at %1 × %2 pixels: %3").arg(target.width()).arg(target.height()).arg(reason);
    }
    throw ImageError(tr("The image %1 could not be drawn: %2.").arg(where, reason));
}

// Called with the lock held, once for each picture() call.
void VectorDrawings::release(double scale, bool planned)
{
    const auto wanted = m_drawingWanted.find(scale);
    if (planned && wanted != m_drawingWanted.end())
        --wanted->second;
    // A drawing no announced size still wants is let go; failed ones stay, so that the sizes
    // that shared them fail alike without drawing again.
    const bool unwanted = wanted == m_drawingWanted.end() || wanted->second <= 0;
    const auto found = m_drawings.find(scale);
    if (!unwanted || found == m_drawings.end())
        return;
    if (found->second.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    try {
        (void)found->second.get();
    } catch (...) {
        return;
    }
    m_drawings.erase(found);
}

PixelBuffer VectorDrawings::toPixels(const VectorPicture &drawing, QSize target)
{
    const QSize drawn = drawing.size;
    PixelBuffer exact(target);
    Resampler resampler(drawn, target,
                        [&exact](int y, const Float4 *row) { std::copy(row, row + exact.width(), exact.row(y)); });
    std::vector<std::uint8_t> rgba(std::size_t(drawn.width()) * 4);
    const auto *pixels = reinterpret_cast<const VipsPel *>(drawing.pixels.constData());
    const std::size_t stride = std::size_t(drawn.width()) * std::size_t(drawing.bands);
    for (int y = 0; y < drawn.height(); ++y) {
        VipsRows::copyAsRgba(pixels + std::size_t(y) * stride, drawn.width(), drawing.bands, rgba.data());
        resampler.pushRow(rgba.data());
    }
    return exact;
}

} // namespace iconsmith
