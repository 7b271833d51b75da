#pragma once

#include <QSize>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/float4.h"

namespace iconsmith {

/**
 * A picture in premultiplied RGBA floats from 0 to 1, rows top to bottom: the working form of
 * every resampling, so that colour never bleeds out of transparent pixels.
 */
class PixelBuffer
{
public:
    PixelBuffer() = default;
    explicit PixelBuffer(QSize size) : m_size(size), m_pixels(std::size_t(size.width()) * std::size_t(size.height())) {}

    [[nodiscard]] QSize size() const { return m_size; }
    [[nodiscard]] int width() const { return m_size.width(); }
    [[nodiscard]] int height() const { return m_size.height(); }
    [[nodiscard]] bool isNull() const { return m_pixels.empty(); }

    [[nodiscard]] Float4 *row(int y) { return m_pixels.data() + std::size_t(y) * std::size_t(m_size.width()); }
    [[nodiscard]] const Float4 *row(int y) const
    {
        return m_pixels.data() + std::size_t(y) * std::size_t(m_size.width());
    }

    /** Converts a row of 8-bit straight RGBA to premultiplied floats. */
    static void premultiplyRow(const std::uint8_t *rgba, int width, Float4 *out);
    /**
     * Converts a row of premultiplied floats to 8-bit straight RGBA, clamping values a filter
     * pushed out of range. Returns whether every pixel came out opaque.
     */
    static bool unpremultiplyRow(const Float4 *row, int width, std::uint8_t *rgba);

    /** Whether any pixel of the row is less than opaque, to 8-bit precision. */
    static bool hasTransparency(const Float4 *row, int width)
    {
        // Below this an alpha no longer rounds to 255.
        constexpr float opaque = 1.0F - 0.5F / 255.0F;
        for (int x = 0; x < width; ++x) {
            if (row[x][3] < opaque)
                return true;
        }
        return false;
    }
    /** Whether any pixel is less than opaque. */
    [[nodiscard]] bool hasTransparency() const
    {
        for (int y = 0; y < height(); ++y) {
            if (hasTransparency(row(y), width()))
                return true;
        }
        return false;
    }

private:
    QSize m_size;
    std::vector<Float4> m_pixels;
};

} // namespace iconsmith
