#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * How much of each pixel a shape covers, from 0 (none) to 255 (all): set text, as a font
 * rasteriser leaves it, anti-aliased at its edges.
 */
class CoverageMap
{
public:
    CoverageMap() = default;
    /** A map of @p size, every pixel uncovered. */
    explicit CoverageMap(QSize size);

    [[nodiscard]] QSize size() const { return m_size; }
    [[nodiscard]] bool isEmpty() const { return m_size.isEmpty(); }
    [[nodiscard]] std::uint8_t at(int x, int y) const { return m_values[index(x, y)]; }
    void set(int x, int y, std::uint8_t value) { m_values[index(x, y)] = value; }

    /**
     * Paints the covered pixels onto @p bitmap in @p colour, the map's top left corner at @p origin:
     * each pixel mixed with what is there by its coverage, as the rasteriser meant; what lies
     * outside the bitmap is left out. A transparent pixel takes the coverage as its alpha.
     */
    void paintOnto(Bitmap &bitmap, QPoint origin, RgbColor colour) const;

private:
    [[nodiscard]] std::size_t index(int x, int y) const
    {
        return std::size_t(y) * std::size_t(m_size.width()) + std::size_t(x);
    }

    QSize m_size;
    std::vector<std::uint8_t> m_values;
};

} // namespace iconsmith
