#pragma once

#include "bitmap.h"
#include "pixelbuffer.h"
#include "renderrequest.h"

namespace iconsmith {

class SourceImage;

/**
 * Renders one icon: the source stretched to the requested pixel size (its aspect ratio is not
 * kept, nothing is cropped), clipped to a rounded rectangle on request, flattened onto a
 * background colour on request, and quantised to 8 bits.
 *
 * A result in which every pixel is opaque comes out as RGB; any transparency keeps RGBA.
 */
class IconRenderer
{
public:
    /** Renders from a decoded picture (premultiplied floats) of any size. */
    static Bitmap render(const PixelBuffer &picture, const RenderRequest &request);
    /** Renders from an 8-bit RGBA picture with straight alpha, of any size. */
    static Bitmap render(const Bitmap &rgba, const RenderRequest &request);
    /** Renders a vector source directly at the requested size. Throws ImageError. */
    static Bitmap render(const SourceImage &vectorSource, const RenderRequest &request);
    /**
     * A picture of @p source for display, no larger than @p maxEdge on either side and never
     * enlarged. It decodes the whole file exactly as a generation does, so a source that
     * previews is one that generates. When @p transparent is given, it tells whether any pixel
     * of the source, as a generation decodes it, is less than opaque: at full size, or shrunk
     * while decoding where the format allows (large JPEG and WebP). Throws ImageError.
     */
    static Bitmap preview(const SourceImage &source, int maxEdge, bool *transparent = nullptr);
};

} // namespace iconsmith
