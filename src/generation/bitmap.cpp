#include "bitmap.h"

namespace iconsmith {

Bitmap Bitmap::withoutAlpha() const
{
    if (m_channels == 3)
        return *this;
    Bitmap rgb(m_size, 3);
    for (int y = 0; y < height(); ++y) {
        const std::uint8_t *from = row(y);
        std::uint8_t *to = rgb.row(y);
        for (int x = 0; x < width(); ++x, from += 4, to += 3) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
        }
    }
    return rgb;
}

} // namespace iconsmith
