#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>

#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "codec/vectorpicture.h"
#include "imaging/pixelbuffer.h"

namespace iconsmith {

class VectorSource;

/**
 * The drawings one generation makes of a vector source, bounded in number and in time.
 *
 * A generation asks for the picture at each of its sizes, forty and more across every platform.
 * Drawn one by one, a document that takes the library a second to draw, or to refuse, would
 * cost a minute. So:
 *
 * - Sizes share a drawing where that costs nothing visible. A picture of sharedFromPixels or
 *   more on its longer side is resampled from a drawing at twice its scale or more, made once
 *   for all the sizes it serves. Smaller pictures, where every pixel shows, are each drawn at
 *   their own size. (Measured on icon artwork against the exact area average: a 256-pixel
 *   picture resampled from a larger drawing comes within 41 to 45 dB PSNR of it, drawn at its
 *   size within 48 to 54; at 32 pixels resampling falls to 29 to 37 dB against 35 to 42, and a
 *   drawing less than twice as large is worst of all.)
 * - The library's refusal of the document at one scale stands for every smaller scale too:
 *   drawing smaller never needs more of what it refused (references, nesting, memory).
 * - All drawings together get InputLimits::maxVectorGenerationMilliseconds; once that is spent,
 *   every size not yet drawn fails at once.
 *
 * Every member is safe to call from several threads at once; a drawing that several sizes need
 * is made by the first to ask while the others wait for it.
 */
class VectorDrawings
{
    Q_DECLARE_TR_FUNCTIONS(VectorDrawings)

public:
    /** The drawings of @p source, the vector picture read from the file @p origin. */
    VectorDrawings(std::shared_ptr<const VectorSource> source, QString origin);
    ~VectorDrawings();
    VectorDrawings(const VectorDrawings &) = delete;
    VectorDrawings &operator=(const VectorDrawings &) = delete;

    /**
     * Announces the sizes that will be asked for, each as many times as it will be, so that
     * they can share drawings and each drawing is let go once its last size took it. A size
     * asked for without being announced gets a drawing of its own.
     */
    void plan(const QList<QSize> &targets);
    /** The picture at exactly @p target pixels. Throws ImageError with a reason naming the file. */
    [[nodiscard]] PixelBuffer picture(QSize target);
    /** How many drawings were started so far (each shared drawing counts once). */
    [[nodiscard]] int drawingsMade() const;

    /** The longer side from which on a picture may be resampled from a drawing twice its scale or more. */
    static constexpr int sharedFromPixels = 256;

    /** @p drawing resampled to exactly @p target pixels (unchanged when it has that size). */
    static PixelBuffer toPixels(const VectorPicture &drawing, QSize target);

private:
    using SizeKey = std::pair<int, int>;
    using Drawing = std::shared_future<std::shared_ptr<const VectorPicture>>;

    std::shared_ptr<const VectorPicture> draw(double scale, QSize target);
    void release(double scale, bool planned);

    const std::shared_ptr<const VectorSource> m_source;
    const QString m_origin;
    mutable std::mutex m_mutex;
    // For each announced size: the scale of the drawing it is taken from, and how often it is still wanted.
    std::map<SizeKey, double> m_classOf;
    std::map<SizeKey, int> m_wanted;
    // For each scale drawn at: the drawing, and how many announced requests still want it.
    std::map<double, Drawing> m_drawings;
    std::map<double, int> m_drawingWanted;
    // The largest scale the library refused the document at, and why.
    double m_refusedScale = 0;
    QString m_refusal;
    qint64 m_spentMilliseconds = 0;
    int m_drawingsMade = 0;
};

} // namespace iconsmith
