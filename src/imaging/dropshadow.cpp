#include "imaging/dropshadow.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace iconsmith {

namespace {

// One box blur of radius r along a line of n values spaced by stride, in place.
void boxBlurLine(float *values, int n, std::size_t stride, int r, std::vector<float> &scratch)
{
    if (r <= 0 || n <= 0)
        return;
    scratch.resize(std::size_t(n));
    for (int i = 0; i < n; ++i)
        scratch[std::size_t(i)] = values[std::size_t(i) * stride];
    const float scale = 1.0F / float(2 * r + 1);
    float sum = 0;
    // Outside the line counts as zero: the shadow fades out at the canvas edge.
    for (int i = 0; i <= std::min(r, n - 1); ++i)
        sum += scratch[std::size_t(i)];
    for (int i = 0; i < n; ++i) {
        values[std::size_t(i) * stride] = sum * scale;
        const int entering = i + r + 1;
        const int leaving = i - r;
        if (entering < n)
            sum += scratch[std::size_t(entering)];
        if (leaving >= 0)
            sum -= scratch[std::size_t(leaving)];
    }
}

} // namespace

void DropShadow::applyUnder(PixelBuffer &canvas, const Style &style)
{
    const int width = canvas.width();
    const int height = canvas.height();
    if (width == 0 || height == 0)
        return;
    const int offset = int(std::lround(style.offset * width));
    // Three box passes of radius r approximate a Gaussian of sigma ≈ r.
    const int radius = std::max(1, int(std::lround(style.blur * width)));

    std::vector<float> shade(std::size_t(width) * std::size_t(height), 0.0F);
    for (int y = 0; y + offset < height; ++y) {
        const Float4 *from = canvas.row(y);
        float *to = shade.data() + std::size_t(y + offset) * std::size_t(width);
        for (int x = 0; x < width; ++x)
            to[x] = from[x][3];
    }
    std::vector<float> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            boxBlurLine(shade.data() + std::size_t(y) * std::size_t(width), width, 1, radius, scratch);
        for (int x = 0; x < width; ++x)
            boxBlurLine(shade.data() + x, height, std::size_t(width), radius, scratch);
    }
    for (int y = 0; y < height; ++y) {
        Float4 *row = canvas.row(y);
        const float *s = shade.data() + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x) {
            // Black under the picture: only the alpha grows where the picture lets it through.
            const float alpha = std::clamp(s[x] * style.opacity, 0.0F, 1.0F);
            row[x][3] += alpha * (1.0F - row[x][3]);
        }
    }
}

} // namespace iconsmith
