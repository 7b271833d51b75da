#pragma once

#include "imaging/pixelbuffer.h"

namespace iconsmith {

/**
 * A soft shadow cast straight down by whatever a picture holds, drawn under it: the picture's
 * alpha, moved down, blurred (three box passes, close to a Gaussian) and darkened, shows
 * wherever the picture is not opaque.
 */
class DropShadow
{
public:
    /** Shadow geometry as fractions of the canvas width, and its darkness. */
    struct Style
    {
        double offset = 0.01;
        double blur = 0.014;
        float opacity = 0.3F;
    };

    /** Draws the shadow under @p canvas (premultiplied), in place. */
    static void applyUnder(PixelBuffer &canvas, const Style &style);
};

} // namespace iconsmith
