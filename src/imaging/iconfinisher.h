#pragma once

#include <optional>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/float4.h"
#include "imaging/renderrequest.h"
#include "imaging/roundedcornermask.h"

namespace iconsmith {

/**
 * The last steps of every render: takes finished premultiplied rows at the requested size,
 * clips them to the rounded rectangle and flattens them onto the background when the request
 * asks for it, and quantises them into an 8-bit bitmap. Use it as a Resampler's row sink.
 */
class IconFinisher
{
public:
    explicit IconFinisher(const RenderRequest &request);

    /** Finishes row @p y (request.pixels.width() pixels). */
    void operator()(int y, const Float4 *row);
    /** The bitmap: RGB when every pixel came out opaque, RGBA otherwise. */
    Bitmap take();

private:
    Bitmap m_bitmap;
    std::vector<Float4> m_scratch;
    std::optional<RoundedCornerMask> m_mask;
    std::optional<Float4> m_background;
    bool m_opaque = true;
};

} // namespace iconsmith
