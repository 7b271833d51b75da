#include "pixelbuffer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace iconsmith {

namespace {

const std::array<float, 256> &unitTable()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = float(i) / 255.0F;
        return t;
    }();
    return table;
}

} // namespace

void PixelBuffer::premultiplyRow(const std::uint8_t *rgba, int width, Float4 *out)
{
    const auto &unit = unitTable();
    for (int x = 0; x < width; ++x, rgba += 4) {
        const float a = unit[rgba[3]];
        out[x] = Float4{unit[rgba[0]] * a, unit[rgba[1]] * a, unit[rgba[2]] * a, a};
    }
}

bool PixelBuffer::unpremultiplyRow(const Float4 *row, int width, std::uint8_t *rgba)
{
    bool opaque = true;
    for (int x = 0; x < width; ++x, rgba += 4) {
        const Float4 p = row[x];
        const float alpha = std::clamp(p[3], 0.0F, 1.0F);
        const auto a8 = std::uint8_t(alpha * 255.0F + 0.5F);
        if (a8 == 0) {
            rgba[0] = rgba[1] = rgba[2] = rgba[3] = 0;
            opaque = false;
            continue;
        }
        // Premultiplied colour can overshoot its alpha after filtering; clamping it to the alpha
        // keeps edges against transparency from turning darker or lighter than the shape.
        const float scale = 255.0F / alpha;
        for (int c = 0; c < 3; ++c)
            rgba[c] = std::uint8_t(std::clamp(p[c], 0.0F, alpha) * scale + 0.5F);
        rgba[3] = a8;
        opaque = opaque && a8 == 255;
    }
    return opaque;
}

} // namespace iconsmith
