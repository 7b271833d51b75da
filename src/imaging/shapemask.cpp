#include "imaging/shapemask.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

namespace {

// Sub-rows per pixel row: the outline is exact across a row and sampled this often down it,
// enough to resolve coverage to the precision of an 8-bit alpha.
constexpr int subrows = 16;

} // namespace

ShapeMask::ShapeMask(BodyShape shape, QSize size)
    : m_size(size), m_exponent(shape == BodyShape::Circle ? 2.0 : squircleExponent),
      m_rowCoverage(std::size_t(std::max(0, size.width())) * std::size_t(std::max(0, size.height())), 1.0F)
{
    if (shape == BodyShape::Square)
        return;
    const double centre = m_size.width() / 2.0;
    for (int y = 0; y < m_size.height(); ++y) {
        float *row = m_rowCoverage.data() + std::size_t(y) * std::size_t(m_size.width());
        std::fill(row, row + m_size.width(), 0.0F);
        for (int s = 0; s < subrows; ++s) {
            const double half = halfWidthAt(y + (s + 0.5) / subrows);
            if (half <= 0)
                continue;
            const double left = centre - half;
            const double right = centre + half;
            const int first = std::max(0, int(std::floor(left)));
            const int last = std::min(m_size.width() - 1, int(std::ceil(right)) - 1);
            for (int x = first; x <= last; ++x) {
                const double covered = std::min(right, double(x + 1)) - std::max(left, double(x));
                row[x] += float(std::max(0.0, covered) / subrows);
            }
        }
    }
}

double ShapeMask::halfWidthAt(double y) const
{
    const double halfHeight = m_size.height() / 2.0;
    const double v = std::abs(y - halfHeight) / halfHeight;
    if (v >= 1.0)
        return 0.0;
    return m_size.width() / 2.0 * std::pow(1.0 - std::pow(v, m_exponent), 1.0 / m_exponent);
}

float ShapeMask::coverage(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size.width() || y >= m_size.height())
        return 0.0F;
    return std::min(1.0F, m_rowCoverage[std::size_t(y) * std::size_t(m_size.width()) + std::size_t(x)]);
}

} // namespace iconsmith
