#pragma once

#include <QSize>

#include "generation/targets/targetplan.h"
#include "imaging/renderrequest.h"

namespace iconsmith {

/** What the layout of an image needs to know of the picture it is made from. */
struct PictureFacts
{
    QSize size;
    ContentExtent extent;
};

/**
 * Turns a treatment into the render request of one image: where the picture goes on the
 * canvas, what fills and cuts it, its tone and its background.
 *
 * Pictures keep their proportions: a picture that is not square is centred in the square with
 * transparency (or the background) beside it.
 */
class TreatmentLayout
{
public:
    static RenderRequest request(Treatment treatment, int pixels, const PictureFacts &picture,
                                 const TargetContext &context);

    /** The radius of an adaptive icon's safe zone: 33 dp of the 108 dp layer. */
    static constexpr double adaptiveSafeRadius = 33.0 / 108.0;
    /** The radius inside which a maskable web icon's content must lie, as a share of its width. */
    static constexpr double maskableSafeRadius = 0.4;
    /** The macOS icon body: 824 of the 1024 pixels of the canvas. */
    static constexpr double macBodyShare = 824.0 / 1024.0;

    /** The rectangle of @p picture's proportions fitted into and centred in @p frame. */
    static QRect fitted(QSize picture, const QRect &frame);
    /** The rectangle that puts @p picture's content inside the circle of @p radius (a share of the canvas side). */
    static QRect contentInCircle(const PictureFacts &picture, int canvas, double radius);
};

} // namespace iconsmith
