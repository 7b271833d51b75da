#include "imaging/roundedcornermask.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

namespace {

// Samples per pixel side where the curve crosses a pixel: 256 samples resolve coverage to the
// precision of an 8-bit alpha channel.
constexpr int subsamples = 16;

} // namespace

RoundedCornerMask::RoundedCornerMask(QSize size)
    : m_width(size.width()), m_height(size.height()), m_rx(size.width() * 0.125), m_ry(size.height() * 0.125)
{}

bool RoundedCornerMask::contains(double px, double py) const
{
    if (px < 0 || py < 0 || px > m_width || py > m_height)
        return false;
    // Distance into the nearest corner box, measured from the ellipse centre outwards.
    const double dx = px < m_rx ? m_rx - px : (px > m_width - m_rx ? px - (m_width - m_rx) : 0.0);
    const double dy = py < m_ry ? m_ry - py : (py > m_height - m_ry ? py - (m_height - m_ry) : 0.0);
    if (dx <= 0.0 || dy <= 0.0)
        return true;
    const double u = dx / m_rx;
    const double v = dy / m_ry;
    return u * u + v * v <= 1.0;
}

float RoundedCornerMask::cornerCoverage(int x, int y) const
{
    // Quick answers for pixels wholly inside or outside the curve: the ellipse is convex, so
    // comparing the nearest and farthest points of the pixel square suffices.
    const bool left = x + 1 <= m_rx;
    const bool right = x >= m_width - m_rx;
    const bool top = y + 1 <= m_ry;
    const bool bottom = y >= m_height - m_ry;
    if ((left || right) && (top || bottom)) {
        const double cx = left ? m_rx : m_width - m_rx;
        const double cy = top ? m_ry : m_height - m_ry;
        const double nearX = std::clamp(cx, double(x), double(x + 1));
        const double nearY = std::clamp(cy, double(y), double(y + 1));
        const double farX = std::abs(cx - x) > std::abs(cx - (x + 1)) ? x : x + 1;
        const double farY = std::abs(cy - y) > std::abs(cy - (y + 1)) ? y : y + 1;
        const auto distance = [&](double px, double py) {
            const double u = (px - cx) / m_rx;
            const double v = (py - cy) / m_ry;
            return u * u + v * v;
        };
        if (distance(nearX, nearY) >= 1.0)
            return 0.0F;
        if (distance(farX, farY) <= 1.0)
            return 1.0F;
    }
    int inside = 0;
    for (int sy = 0; sy < subsamples; ++sy) {
        const double py = y + (sy + 0.5) / subsamples;
        for (int sx = 0; sx < subsamples; ++sx)
            inside += contains(x + (sx + 0.5) / subsamples, py) ? 1 : 0;
    }
    return float(inside) / float(subsamples * subsamples);
}

float RoundedCornerMask::coverage(int x, int y) const
{
    const bool inCornerColumns = x < m_rx || x + 1 > m_width - m_rx;
    const bool inCornerRows = y < m_ry || y + 1 > m_height - m_ry;
    if (!inCornerColumns || !inCornerRows)
        return 1.0F;
    return cornerCoverage(x, y);
}

void RoundedCornerMask::applyToRow(int y, Float4 *row) const
{
    if (!(y < m_ry || y + 1 > m_height - m_ry))
        return;
    const int width = int(m_width);
    const int leftEnd = std::min(width, int(std::ceil(m_rx)));
    const int rightStart = std::max(leftEnd, int(std::floor(m_width - m_rx)));
    for (int x = 0; x < leftEnd; ++x)
        row[x] = row[x] * coverage(x, y);
    for (int x = rightStart; x < width; ++x)
        row[x] = row[x] * coverage(x, y);
}

} // namespace iconsmith
