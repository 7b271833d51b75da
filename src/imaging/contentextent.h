#pragma once

#include <QRectF>

#include "imaging/bitmap.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * Where a picture's visible content lies, which decides how it is fitted into a safe zone, and
 * what its edge looks like, which decides whether it is full-bleed artwork or a body on
 * transparency.
 */
struct ContentExtent
{
    /** The smallest rectangle holding every visible pixel, in units of the picture's size (0 to 1 each way). */
    QRectF box{0, 0, 1, 1};
    /**
     * The largest distance from the picture's centre to a visible pixel, in units of the
     * picture's longer side: 0.5 for a full circle touching the edges, about 0.71 for a full square.
     */
    double radius = 0.5 * 1.4142135623730951;
    /** Whether a noticeable share of the edge pixels is transparent: a body on transparency. */
    bool transparentMargin = false;
    /** The mean colour of the opaque edge pixels: the picture's background when it has one. */
    RgbColor edgeColour{255, 255, 255};

    /** Measures @p rgba (8-bit, 3 or 4 channels, straight alpha). */
    static ContentExtent measure(const Bitmap &rgba);

    /** Alpha from which a pixel counts as visible content. */
    static constexpr int visibleAlpha = 16;
};

} // namespace iconsmith
