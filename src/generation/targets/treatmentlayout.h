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
 * Turns a planned image into its render request: where the picture lands on the image's surface
 * (Placement, by the kind of artwork it is), and the tone of the appearance it shows, derived so
 * that it stays visible on the system's backdrop (Appearance).
 *
 * Pictures keep their proportions: a picture that is not square is centred in its place with
 * transparency (or the background, or its own mirrored edges where a surface bleeds) beside it.
 * An image with a canvas of its own has its square laid in the canvas's centre (Placement::onCanvas).
 */
class TreatmentLayout
{
public:
    static RenderRequest request(const PlannedImage &image, const PictureFacts &picture, const TargetContext &context);

    /** The margin of a logo on an adaptive layer that puts its content inside the circle @p inset percent from the
     * layer's edge. */
    static double adaptiveMarginForInset(double inset);

private:
    // The request for the image's square, before it is laid on its canvas.
    static RenderRequest squareRequest(const PlannedImage &image, const PictureFacts &picture,
                                       const TargetContext &context);
};

} // namespace iconsmith
