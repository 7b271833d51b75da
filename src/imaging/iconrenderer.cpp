#include "imaging/iconrenderer.h"

#include <algorithm>
#include <functional>

#include "common/cancelled.h"
#include "imaging/iconcomposer.h"
#include "imaging/iconfinisher.h"
#include "imaging/resampler.h"

namespace iconsmith {

namespace {

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

// The picture (premultiplied floats or 8-bit straight RGBA) resampled to @p size.
template <typename Picture> PixelBuffer resampled(const Picture &picture, QSize size, const std::stop_token &stop)
{
    PixelBuffer out(size);
    Resampler resampler(picture.size(), size,
                        [&out](int y, const Float4 *row) { std::copy(row, row + out.width(), out.row(y)); });
    for (int y = 0; y < picture.height(); ++y) {
        Cancelled::throwIfRequested(stop);
        resampler.pushRow(picture.row(y));
    }
    return out;
}

// The picture stretched over the whole canvas and finished row by row as it streams out.
template <typename Picture>
Bitmap stretched(const Picture &picture, const RenderRequest &request, const std::stop_token &stop)
{
    IconFinisher finisher(request);
    Resampler resampler(picture.size(), request.pixels, std::ref(finisher));
    for (int y = 0; y < picture.height(); ++y) {
        Cancelled::throwIfRequested(stop);
        resampler.pushRow(picture.row(y));
    }
    return finisher.take();
}

} // namespace

PixelBuffer IconRenderer::resample(const Bitmap &rgba, QSize size, const std::stop_token &stop)
{
    return resampled(rgba, size, stop);
}

Bitmap IconRenderer::finish(const PixelBuffer &picture, const RenderRequest &request)
{
    if (!request.isStretchOnly())
        return IconComposer::compose(picture, request);
    IconFinisher finisher(request);
    for (int y = 0; y < picture.height(); ++y)
        finisher(y, picture.row(y));
    return finisher.take();
}

QSize IconRenderer::pictureSize(const RenderRequest &request)
{
    return request.body.isEmpty() ? request.pixels : request.body.size();
}

Bitmap IconRenderer::render(const PixelBuffer &picture, const RenderRequest &request, const std::stop_token &stop)
{
    if (!request.isStretchOnly())
        return IconComposer::compose(resampled(picture, pictureSize(request), stop), request);
    return stretched(picture, request, stop);
}

Bitmap IconRenderer::render(const Bitmap &rgba, const RenderRequest &request, const std::stop_token &stop)
{
    if (!request.isStretchOnly())
        return IconComposer::compose(resampled(rgba, pictureSize(request), stop), request);
    if (rgba.size() == request.pixels && !request.rounded && !request.background)
        return copyOf(rgba);
    return stretched(rgba, request, stop);
}

} // namespace iconsmith
