#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace iconsmith::bench {

/** An 8-bit picture with interleaved bands (1 grey, 3 RGB or 4 RGBA), rows top to bottom. */
struct Raster
{
    int width = 0;
    int height = 0;
    int bands = 0;
    std::vector<std::uint8_t> samples;

    Raster() = default;
    Raster(int w, int h, int b)
        : width(w), height(h), bands(b), samples(std::size_t(w) * std::size_t(h) * std::size_t(b))
    {}

    [[nodiscard]] std::uint8_t *pixel(int x, int y)
    {
        return samples.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * std::size_t(bands);
    }
    [[nodiscard]] const std::uint8_t *pixel(int x, int y) const
    {
        return samples.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * std::size_t(bands);
    }
};

} // namespace iconsmith::bench
