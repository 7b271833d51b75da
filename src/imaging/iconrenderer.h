#pragma once

#include <stop_token>

#include "imaging/bitmap.h"
#include "imaging/pixelbuffer.h"
#include "imaging/renderrequest.h"

namespace iconsmith {

/**
 * Renders one icon: the picture stretched to the requested pixel size (its aspect ratio is not
 * kept, nothing is cropped) or, when the request gives a body, resampled to the body and
 * placed, toned, cut and shadowed there (IconComposer); then clipped to a rounded rectangle on
 * request, flattened onto a background colour on request, and quantised to 8 bits.
 *
 * A result in which every pixel is opaque comes out as RGB; any transparency keeps RGBA.
 * A render looks at its stop token between rows and throws Cancelled once a stop is requested.
 */
class IconRenderer
{
public:
    /** Renders from a picture in premultiplied floats, of any size. */
    static Bitmap render(const PixelBuffer &picture, const RenderRequest &request, const std::stop_token &stop = {});
    /** Renders from an 8-bit RGBA picture with straight alpha, of any size. */
    static Bitmap render(const Bitmap &rgba, const RenderRequest &request, const std::stop_token &stop = {});
    /** The picture resampled to @p size, in premultiplied floats. */
    static PixelBuffer resample(const Bitmap &rgba, QSize size, const std::stop_token &stop = {});
    /** Makes @p request from a picture already resampled to pictureSize(request). */
    static Bitmap finish(const PixelBuffer &picture, const RenderRequest &request);
    /** The size the picture is resampled to for @p request: its body's, or the whole canvas. */
    static QSize pictureSize(const RenderRequest &request);
};

} // namespace iconsmith
