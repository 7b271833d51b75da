#include "imaging/iconrenderer.h"

#include <functional>

#include "common/cancelled.h"
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

} // namespace

Bitmap IconRenderer::render(const PixelBuffer &picture, const RenderRequest &request, const std::stop_token &stop)
{
    IconFinisher finisher(request);
    Resampler resampler(picture.size(), request.pixels, std::ref(finisher));
    for (int y = 0; y < picture.height(); ++y) {
        Cancelled::throwIfRequested(stop);
        resampler.pushRow(picture.row(y));
    }
    return finisher.take();
}

Bitmap IconRenderer::render(const Bitmap &rgba, const RenderRequest &request, const std::stop_token &stop)
{
    if (rgba.size() == request.pixels && !request.rounded && !request.background)
        return copyOf(rgba);
    IconFinisher finisher(request);
    Resampler resampler(rgba.size(), request.pixels, std::ref(finisher));
    for (int y = 0; y < rgba.height(); ++y) {
        Cancelled::throwIfRequested(stop);
        resampler.pushRow(rgba.row(y));
    }
    return finisher.take();
}

} // namespace iconsmith
