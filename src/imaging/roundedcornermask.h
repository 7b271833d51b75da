#pragma once

#include <QSize>

#include "imaging/float4.h"

namespace iconsmith {

/**
 * The rounded-rectangle clip of an icon: the whole image with elliptical corners whose radii
 * are one eighth of the width and of the height. Pixels on the curve get their covered
 * fraction, so the edge is anti-aliased; pixels outside become fully transparent.
 */
class RoundedCornerMask
{
public:
    explicit RoundedCornerMask(QSize size);

    /** The fraction of pixel (x, y) inside the rounded rectangle, from 0 to 1. */
    [[nodiscard]] float coverage(int x, int y) const;
    /** Multiplies one premultiplied row by the coverage of its pixels. */
    void applyToRow(int y, Float4 *row) const;

    [[nodiscard]] double radiusX() const { return m_rx; }
    [[nodiscard]] double radiusY() const { return m_ry; }

private:
    [[nodiscard]] bool contains(double px, double py) const;
    [[nodiscard]] float cornerCoverage(int x, int y) const;

    double m_width;
    double m_height;
    double m_rx;
    double m_ry;
};

} // namespace iconsmith
