#include "imaging/pixelbuffer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    int x = 0;
#if defined(__SSE2__)
    // Four pixels at a time: widen the bytes to 32-bit lanes, convert, scale, and multiply the
    // colour lanes by alpha (the alpha lane by one).
    const __m128i zero = _mm_setzero_si128();
    const __m128 scale = _mm_set1_ps(1.0F / 255.0F);
    const __m128 alphaLane = _mm_castsi128_ps(_mm_set_epi32(-1, 0, 0, 0));
    const auto finish = [&](__m128i lanes) {
        const __m128 value = _mm_mul_ps(_mm_cvtepi32_ps(lanes), scale);
        const __m128 alpha = _mm_shuffle_ps(value, value, _MM_SHUFFLE(3, 3, 3, 3));
        const __m128 premultiplied = _mm_mul_ps(value, alpha);
        return _mm_or_ps(_mm_and_ps(alphaLane, value), _mm_andnot_ps(alphaLane, premultiplied));
    };
    for (; x + 4 <= width; x += 4, rgba += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rgba));
        const __m128i low = _mm_unpacklo_epi8(bytes, zero);
        const __m128i high = _mm_unpackhi_epi8(bytes, zero);
        _mm_storeu_ps(reinterpret_cast<float *>(out + x), finish(_mm_unpacklo_epi16(low, zero)));
        _mm_storeu_ps(reinterpret_cast<float *>(out + x + 1), finish(_mm_unpackhi_epi16(low, zero)));
        _mm_storeu_ps(reinterpret_cast<float *>(out + x + 2), finish(_mm_unpacklo_epi16(high, zero)));
        _mm_storeu_ps(reinterpret_cast<float *>(out + x + 3), finish(_mm_unpackhi_epi16(high, zero)));
    }
#endif
    const auto &unit = unitTable();
    for (; x < width; ++x, rgba += 4) {
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
        // Non-negative, so adding a half and truncating rounds to the nearest.
        const auto a8 = std::uint8_t(alpha * 255.0F + 0.5F); // NOLINT(bugprone-incorrect-roundings)
        if (a8 == 0) {
            rgba[0] = rgba[1] = rgba[2] = rgba[3] = 0;
            opaque = false;
            continue;
        }
        // Premultiplied colour can overshoot its alpha after filtering; clamping it to the alpha
        // keeps edges against transparency from turning darker or lighter than the shape.
        const float scale = 255.0F / alpha;
        for (int c = 0; c < 3; ++c)
            rgba[c] =
                std::uint8_t(std::clamp(p[c], 0.0F, alpha) * scale + 0.5F); // NOLINT(bugprone-incorrect-roundings)
        rgba[3] = a8;
        opaque = opaque && a8 == 255;
    }
    return opaque;
}

} // namespace iconsmith
