#include "imaging/contentextent.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

namespace {

// Share of the edge that must be transparent for a picture to count as a body on transparency:
// enough that a few soft corner pixels of full-bleed artwork do not count.
constexpr double transparentEdgeShare = 0.1;

} // namespace

ContentExtent ContentExtent::measure(const Bitmap &rgba)
{
    ContentExtent extent;
    const int width = rgba.width();
    const int height = rgba.height();
    if (width == 0 || height == 0)
        return extent;
    const int channels = rgba.channels();
    const auto alphaAt = [&](const std::uint8_t *row, int x) { return channels == 4 ? row[x * 4 + 3] : 255; };

    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    double farthest = 0;
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = rgba.row(y);
        int first = -1;
        int last = -1;
        for (int x = 0; x < width; ++x) {
            if (alphaAt(row, x) < visibleAlpha)
                continue;
            if (first < 0)
                first = x;
            last = x;
        }
        if (first < 0)
            continue;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        // The pixel's far corner, on whichever side of the centre it lies.
        const double dy = std::max(std::abs(y - cy), std::abs(y + 1 - cy));
        for (const int x : {first, last}) {
            const double dx = std::max(std::abs(x - cx), std::abs(x + 1 - cx));
            farthest = std::max(farthest, std::hypot(dx, dy));
        }
    }
    const double longer = std::max(width, height);
    if (right >= 0) {
        extent.box = QRectF(double(left) / width, double(top) / height, double(right - left + 1) / width,
                            double(bottom - top + 1) / height);
        extent.radius = farthest / longer;
    } else {
        extent.box = QRectF();
        extent.radius = 0;
    }

    // The edge: first and last rows and columns.
    long transparent = 0;
    long edge = 0;
    double sum[3] = {0, 0, 0};
    double weight = 0;
    const auto visit = [&](int x, int y) {
        const std::uint8_t *p = rgba.row(y) + std::size_t(x) * std::size_t(channels);
        const int alpha = channels == 4 ? p[3] : 255;
        ++edge;
        if (alpha < 128)
            ++transparent;
        for (int c = 0; c < 3; ++c)
            sum[c] += p[c] * (alpha / 255.0);
        weight += alpha / 255.0;
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        if (height > 1)
            visit(x, height - 1);
    }
    for (int y = 1; y + 1 < height; ++y) {
        visit(0, y);
        if (width > 1)
            visit(width - 1, y);
    }
    extent.transparentMargin = double(transparent) > transparentEdgeShare * double(edge);
    if (weight > 0) {
        const auto mean = [&](int c) { return std::uint8_t(std::clamp(std::lround(sum[c] / weight), 0L, 255L)); };
        extent.edgeColour = RgbColor{mean(0), mean(1), mean(2)};
    }
    return extent;
}

} // namespace iconsmith
