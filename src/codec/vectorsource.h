#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "codec/inputlimits.h"
#include "codec/vectorpicture.h"
#include "common/result.h"

namespace iconsmith {

class DrawingProcess;

/**
 * A vector source (SVG, PDF), read and drawn within the bounds of InputLimits.
 *
 * The format libraries cannot be interrupted: a crafted document can keep one drawing call
 * busy for hours, or make it allocate without end. So they run in a drawing process of their
 * own (DrawingProcess, the iconsmith-draw helper): one that does not answer in time is killed,
 * and so is one that outgrows its memory limit. Only where the helper is not installed does
 * the drawing run in this process, stopped between tiles once its time is up.
 *
 * The library answers an impossible size (an SVG 10^9 pixels wide, a PDF page of 0.01 points)
 * with a 1 × 1 picture and a warning instead of an error, so the natural size is asked twice,
 * at two scales, and must agree. A drawing is refused before it starts when it would exceed the
 * pixel limit, and the drawing process refuses one larger than was asked for. Every member is
 * safe to call from several threads at once.
 */
class VectorSource
{
    Q_DECLARE_TR_FUNCTIONS(VectorSource)

public:
    /** What became of a drawing, as far as it matters for drawing the picture again. */
    enum class Outcome {
        Drawn,
        /** It would exceed the pixel limit; nothing was drawn. */
        TooLarge,
        /** The format library refused the document, or drew something else than asked. */
        Refused,
        /** The drawing process ended without an answer (a crash, its memory limit). */
        Lost,
        /** It ran out of the time it was given. */
        OutOfTime,
    };

    VectorSource(QByteArray bytes, bool pdf);
    ~VectorSource();
    VectorSource(const VectorSource &) = delete;
    VectorSource &operator=(const VectorSource &) = delete;

    /**
     * Checks the file (its size, a PDF's cross-reference data: see PdfStructure) and reads its
     * natural size in pixels. The failure is a reason without the file's name.
     */
    Result<QSize> open();
    /** The natural size that open() read. */
    [[nodiscard]] QSize naturalSize() const { return m_natural; }
    /** The smallest scale at which the picture covers @p target. */
    [[nodiscard]] double scaleFor(QSize target) const;
    /**
     * Draws the picture at @p scale, given @p milliseconds at most. The failure is a reason
     * without the file's name, and @p outcome (when given) says what kind it is. Once a
     * drawing given the whole of InputLimits::maxVectorDrawMilliseconds ran out of time, every
     * later call fails at once.
     */
    [[nodiscard]] Result<VectorPicture> draw(double scale, int milliseconds, Outcome *outcome = nullptr) const;

    /** The natural size, as the library reads it at two scales; run in the drawing process. */
    static Result<QSize> measure(const QByteArray &bytes, bool pdf);
    /**
     * The picture drawn at @p scale, refused unmade when the library would draw it larger than
     * @p most on either side; run in the drawing process. Drawing stops between two tiles once
     * @p milliseconds have passed, and then sets @p outOfTime.
     */
    static Result<VectorPicture> drawAt(const QByteArray &bytes, bool pdf, double scale, QSize most,
                                        int milliseconds = InputLimits::maxVectorDrawMilliseconds,
                                        bool *outOfTime = nullptr);

private:
    Result<VectorPicture> drawWith(double scale, QSize most, int milliseconds, Outcome &outcome) const;
    std::unique_ptr<DrawingProcess> takeProcess() const;
    void giveBack(std::unique_ptr<DrawingProcess> process) const;

    const QByteArray m_bytes;
    const bool m_pdf;
    QSize m_natural;
    mutable std::atomic<bool> m_outOfTime{false};
    // Drawing processes between two drawings, ready for the next one.
    mutable std::mutex m_mutex;
    mutable std::vector<std::unique_ptr<DrawingProcess>> m_idle;
};

} // namespace iconsmith
