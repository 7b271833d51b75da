#pragma once

#include <QSize>

#include <vector>

#include "imaging/renderrequest.h"

namespace iconsmith {

/**
 * The cut of a body to its shape: a circle or a superellipse inscribed in the body's rectangle.
 * Each pixel keeps the fraction of it inside the outline, so edges are anti-aliased; pixels
 * outside become fully transparent.
 */
class ShapeMask
{
public:
    ShapeMask(BodyShape shape, QSize size);

    /** The fraction of pixel (x, y) inside the outline, from 0 to 1; 0 outside the mask's rectangle. */
    [[nodiscard]] float coverage(int x, int y) const;

    /** The exponent of the superellipse: 2 is an ellipse; higher is squarer with still continuous curvature. */
    static constexpr double squircleExponent = 5.0;

private:
    // Half the width of the outline at height y (in pixels from the top), centred on the body.
    [[nodiscard]] double halfWidthAt(double y) const;

    QSize m_size;
    double m_exponent;
    // For each pixel row, the covered length of every pixel column, computed once per row.
    std::vector<float> m_rowCoverage;
};

} // namespace iconsmith
