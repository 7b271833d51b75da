#include "imaging/contentextent.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

namespace {

// Share of the edge that must be transparent for a picture to count as a body on transparency:
// enough that a few soft corner pixels of full-bleed artwork do not count.
constexpr double transparentEdgeShare = 0.1;
// Enough visible pixels to measure a median contrast to well under a percent.
constexpr double wantedSamples = 4096;
// A solid shape: a plate, or a glyph without holes. Strokes and open glyphs stay well below.
constexpr double plateSolidity = 0.9;
// A plate is of one colour along its outline (its rim may catch a highlight or a shade); a
// shape of many colours, its outline too, is a logo of its own.
constexpr double plateUniformity = 0.75;
constexpr int sameColour = 32;
// An opaque body that reaches every edge of its square but for its rounded corners: a superellipse
// or a rounded square of corner radius up to about a third of the side fills this much of its box.
constexpr double roundedBodyReach = 0.98;
constexpr double roundedBodyFill = 0.88;
// Full-bleed artwork is opaque nearly everywhere; a picture with an opaque edge but transparent
// within (a frame) is a logo.
constexpr double fullBleedFill = 0.9;

RgbColor medianColour(std::vector<RgbColor> &colours)
{
    if (colours.empty())
        return RgbColor{255, 255, 255};
    const auto middle = colours.begin() + std::ptrdiff_t(colours.size() / 2);
    RgbColor median;
    std::nth_element(colours.begin(), middle, colours.end(),
                     [](const RgbColor &a, const RgbColor &b) { return a.red < b.red; });
    median.red = middle->red;
    std::nth_element(colours.begin(), middle, colours.end(),
                     [](const RgbColor &a, const RgbColor &b) { return a.green < b.green; });
    median.green = middle->green;
    std::nth_element(colours.begin(), middle, colours.end(),
                     [](const RgbColor &a, const RgbColor &b) { return a.blue < b.blue; });
    median.blue = middle->blue;
    return median;
}

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
    const int stride = std::max(1, int(std::ceil(std::sqrt(double(width) * height / wantedSamples))));
    // The outline's colour is taken a little inside it, past the anti-aliased rim.
    const int inward = std::max(1, std::max(width, height) / 100);

    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    double farthest = 0;
    long spanPixels = 0;
    long spanOpaque = 0;
    long opaque = 0;
    std::vector<RgbColor> outline;
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = rgba.row(y);
        int first = -1;
        int last = -1;
        int firstOpaque = -1;
        int lastOpaque = -1;
        long rowOpaque = 0;
        for (int x = 0; x < width; ++x) {
            const int alpha = alphaAt(row, x);
            if (alpha < visibleAlpha)
                continue;
            if (first < 0)
                first = x;
            last = x;
            if (alpha >= opaqueAlpha) {
                ++rowOpaque;
                if (firstOpaque < 0)
                    firstOpaque = x;
                lastOpaque = x;
            }
            if (y % stride == 0 && x % stride == 0) {
                const std::uint8_t *p = row + std::size_t(x) * std::size_t(channels);
                extent.samples.push_back({p[0], p[1], p[2], std::uint8_t(alpha)});
            }
        }
        if (first < 0)
            continue;
        spanPixels += last - first + 1;
        spanOpaque += rowOpaque;
        opaque += rowOpaque;
        if (firstOpaque >= 0) {
            for (const int x :
                 {std::min(firstOpaque + inward, lastOpaque), std::max(lastOpaque - inward, firstOpaque)}) {
                const std::uint8_t *p = row + std::size_t(x) * std::size_t(channels);
                if (alphaAt(row, x) >= opaqueAlpha)
                    outline.push_back(RgbColor{p[0], p[1], p[2]});
            }
        }
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
        extent.solidity = double(spanOpaque) / double(spanPixels);
        extent.boxFill = double(opaque) / (double(right - left + 1) * double(bottom - top + 1));
    } else {
        extent.box = QRectF();
        extent.radius = 0;
        extent.solidity = 0;
        extent.boxFill = 0;
    }
    extent.outlineColour = medianColour(outline);
    if (!outline.empty()) {
        const RgbColor &plate = extent.outlineColour;
        const auto near = std::count_if(outline.begin(), outline.end(), [&plate](const RgbColor &c) {
            return std::abs(c.red - plate.red) <= sameColour && std::abs(c.green - plate.green) <= sameColour &&
                   std::abs(c.blue - plate.blue) <= sameColour;
        });
        extent.outlineUniformity = double(near) / double(outline.size());
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

ArtworkKind ContentExtent::kind() const
{
    // Opaque to the edges, and within them: a frame of a glyph that touches every edge is
    // opaque at the edge too, but mostly transparent inside.
    const bool reachesEdges = box.width() >= roundedBodyReach && box.height() >= roundedBodyReach;
    if (!transparentMargin && boxFill >= fullBleedFill)
        return ArtworkKind::FullBleed;
    if (reachesEdges && boxFill >= roundedBodyFill)
        return ArtworkKind::FullBleed;
    return solidity >= plateSolidity && outlineUniformity >= plateUniformity ? ArtworkKind::PlatedLogo
                                                                             : ArtworkKind::Logo;
}

} // namespace iconsmith
