#include "iconrenderer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "resampler.h"
#include "roundedcornermask.h"
#include "sourceimage.h"

namespace iconsmith {

namespace {

// Turns finished premultiplied rows into the 8-bit bitmap, remembering whether any pixel kept
// some transparency.
class RowFinisher
{
public:
    explicit RowFinisher(const RenderRequest &request)
        : m_bitmap(request.pixels, 4), m_scratch(std::size_t(request.pixels.width()))
    {
        if (request.rounded)
            m_mask.emplace(request.pixels);
        if (request.background) {
            m_background = Float4{request.background->red / 255.0F, request.background->green / 255.0F,
                                  request.background->blue / 255.0F, 1.0F};
        }
    }

    void operator()(int y, const Float4 *row)
    {
        const int width = m_bitmap.width();
        std::copy(row, row + width, m_scratch.begin());
        if (m_mask)
            m_mask->applyToRow(y, m_scratch.data());
        if (m_background) {
            for (Float4 &p : m_scratch) {
                const float alpha = std::clamp(p[3], 0.0F, 1.0F);
                p = p + *m_background * (1.0F - alpha);
                p[3] = 1.0F;
            }
        }
        quantise(m_scratch.data(), m_bitmap.row(y), width);
    }

    Bitmap take()
    {
        if (m_opaque)
            m_bitmap.dropAlpha();
        return std::move(m_bitmap);
    }

private:
    void quantise(const Float4 *row, std::uint8_t *out, int width)
    {
        m_opaque = PixelBuffer::unpremultiplyRow(row, width, out) && m_opaque;
    }

    Bitmap m_bitmap;
    std::vector<Float4> m_scratch;
    std::optional<RoundedCornerMask> m_mask;
    std::optional<Float4> m_background;
    bool m_opaque = true;
};

// The picture at its own size, untouched but for fully transparent pixels, whose colour is
// cleared as the filtered path clears it: invisible colour only costs bytes in the file.
Bitmap copyOf(const Bitmap &rgba)
{
    Bitmap copy(rgba.size(), 4);
    bool opaque = true;
    const std::size_t rowBytes = rgba.bytesPerRow();
    for (int y = 0; y < rgba.height(); ++y) {
        const std::uint8_t *from = rgba.row(y);
        std::uint8_t *to = copy.row(y);
        std::copy_n(from, rowBytes, to);
        for (std::size_t x = 0; x < rowBytes; x += 4) {
            if (to[x + 3] == 255)
                continue;
            opaque = false;
            if (to[x + 3] == 0)
                to[x] = to[x + 1] = to[x + 2] = 0;
        }
    }
    if (opaque)
        copy.dropAlpha();
    return copy;
}

} // namespace

Bitmap IconRenderer::render(const PixelBuffer &picture, const RenderRequest &request)
{
    RowFinisher finisher(request);
    Resampler resampler(picture.size(), request.pixels, std::ref(finisher));
    for (int y = 0; y < picture.height(); ++y)
        resampler.pushRow(picture.row(y));
    return finisher.take();
}

Bitmap IconRenderer::render(const Bitmap &rgba, const RenderRequest &request)
{
    if (rgba.size() == request.pixels && !request.rounded && !request.background)
        return copyOf(rgba);
    RowFinisher finisher(request);
    Resampler resampler(rgba.size(), request.pixels, std::ref(finisher));
    std::vector<Float4> row(std::size_t(rgba.width()));
    for (int y = 0; y < rgba.height(); ++y) {
        PixelBuffer::premultiplyRow(rgba.row(y), rgba.width(), row.data());
        resampler.pushRow(row.data());
    }
    return finisher.take();
}

Bitmap IconRenderer::render(const SourceImage &vectorSource, const RenderRequest &request)
{
    const PixelBuffer picture = vectorSource.renderVector(request.pixels);
    return render(picture, request);
}

Bitmap IconRenderer::preview(const SourceImage &source, int maxEdge, bool *transparent)
{
    const QSize full = source.size();
    const QSize fitted =
        full.scaled(QSize(maxEdge, maxEdge), Qt::KeepAspectRatio).boundedTo(full).expandedTo(QSize(1, 1));
    const RenderRequest request{fitted, false, std::nullopt};
    if (source.isVector()) {
        const PixelBuffer picture = source.renderVector(fitted);
        if (transparent != nullptr)
            *transparent = picture.hasTransparency();
        return render(picture, request);
    }
    const QSize decoded = source.decodedSize(fitted);
    RowFinisher finisher(request);
    Resampler resampler(decoded, fitted, std::ref(finisher));
    std::vector<Float4> row(std::size_t(decoded.width()));
    bool anyTransparent = false;
    source.decode(fitted, [&](int, const std::uint8_t *rgba) {
        PixelBuffer::premultiplyRow(rgba, decoded.width(), row.data());
        anyTransparent = anyTransparent || PixelBuffer::hasTransparency(row.data(), decoded.width());
        resampler.pushRow(row.data());
    });
    if (transparent != nullptr)
        *transparent = anyTransparent;
    return finisher.take();
}

} // namespace iconsmith
