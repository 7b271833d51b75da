#pragma once

#include "imaging/bitmap.h"
#include "imaging/pixelbuffer.h"
#include "imaging/renderrequest.h"

namespace iconsmith {

/**
 * Makes an icon whose picture is placed on a canvas rather than stretched over it: the
 * picture, already at the size of the request's body, is toned and put in place on a
 * transparent canvas over the frame's fill; the frame is cut to its shape, the shadow drawn
 * under it, and the icon finished as every icon is (rounded corners, background, 8 bits).
 */
class IconComposer
{
public:
    /** @p body is the picture at exactly request.body's size, premultiplied. */
    static Bitmap compose(PixelBuffer body, const RenderRequest &request);

    /** The luminance of a premultiplied pixel (Rec. 709 weights on sRGB values). */
    static float luminance(const Float4 &pixel) { return 0.2126F * pixel[0] + 0.7152F * pixel[1] + 0.0722F * pixel[2]; }

    /** A stencil keeps what lies within this colour distance of its plate, and cuts out what lies a ramp beyond. */
    static constexpr float stencilTolerance = 0.1F;
    static constexpr float stencilRamp = 0.2F;

private:
    static void applyTone(PixelBuffer &picture, const RenderRequest &request);
    // Fills the canvas around @p place with the picture there, mirrored at its edges.
    static void extendEdges(PixelBuffer &canvas, const QRect &place);
    static void cutToFrame(PixelBuffer &canvas, const QRect &frame, BodyShape shape);
};

} // namespace iconsmith
