#pragma once

#include <QSize>

#include <cstddef>
#include <vector>

#include "float4.h"

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

private:
    QSize m_size;
    std::vector<Float4> m_pixels;
};

} // namespace iconsmith
