#include "imaging/coveragemap.h"

#include <algorithm>

namespace iconsmith {

CoverageMap::CoverageMap(QSize size)
    : m_size(size.expandedTo({0, 0})),
      m_values(std::size_t(m_size.width()) * std::size_t(m_size.height()), std::uint8_t(0))
{}

void CoverageMap::paintOnto(Bitmap &bitmap, QPoint origin, RgbColor colour) const
{
    const int channels = bitmap.channels();
    const int left = std::max(0, -origin.x());
    const int right = std::min(m_size.width(), bitmap.width() - origin.x());
    const int top = std::max(0, -origin.y());
    const int bottom = std::min(m_size.height(), bitmap.height() - origin.y());
    const std::uint8_t paint[3] = {colour.red, colour.green, colour.blue};
    for (int y = top; y < bottom; ++y) {
        std::uint8_t *row = bitmap.row(origin.y() + y);
        for (int x = left; x < right; ++x) {
            const int cover = at(x, y);
            if (cover == 0)
                continue;
            std::uint8_t *pixel = row + std::size_t(origin.x() + x) * std::size_t(channels);
            const int alpha = channels == 4 ? pixel[3] : 255;
            // Over in straight alpha: the result's alpha, and each channel weighted by what shows of it.
            const int outAlpha = cover * 255 + alpha * (255 - cover);
            for (int c = 0; c < 3; ++c) {
                const int mixed = paint[c] * cover * 255 + pixel[c] * alpha * (255 - cover);
                pixel[c] = std::uint8_t((mixed + outAlpha / 2) / outAlpha);
            }
            if (channels == 4)
                pixel[3] = std::uint8_t((outAlpha + 127) / 255);
        }
    }
}

} // namespace iconsmith
