#include "imaging/iconfinisher.h"

#include <algorithm>

#include "imaging/pixelbuffer.h"

namespace iconsmith {

IconFinisher::IconFinisher(const RenderRequest &request)
    : m_bitmap(request.pixels, 4), m_scratch(std::size_t(request.pixels.width()))
{
    if (request.rounded)
        m_mask.emplace(request.pixels);
    if (request.background) {
        m_background = Float4{request.background->red / 255.0F, request.background->green / 255.0F,
                              request.background->blue / 255.0F, 1.0F};
    }
}

void IconFinisher::operator()(int y, const Float4 *row)
{
    const int width = m_bitmap.width();
    std::copy(row, row + width, m_scratch.begin());
    if (m_mask)
        m_mask->applyToRow(y, m_scratch.data());
    if (m_background) {
        for (Float4 &p : m_scratch) {
            const float alpha = std::clamp(p[3], 0.0F, 1.0F);
            p = p + *m_background * (1.0F - alpha);
            p[3] = 1.0F;
        }
    }
    m_opaque = PixelBuffer::unpremultiplyRow(m_scratch.data(), width, m_bitmap.row(y)) && m_opaque;
}

Bitmap IconFinisher::take()
{
    if (m_opaque)
        m_bitmap.dropAlpha();
    return std::move(m_bitmap);
}

} // namespace iconsmith
