#include "imaging/iconcomposer.h"

#include <algorithm>
#include <cmath>

#include "imaging/dropshadow.h"
#include "imaging/iconfinisher.h"
#include "imaging/shapemask.h"

namespace iconsmith {

void IconComposer::applyTone(PixelBuffer &picture, const RenderRequest &request)
{
    if (request.tone == Tone::Colour)
        return;
    const std::optional<RgbColor> &reference = request.contrastWith;
    const float referenceLuminance =
        reference ? luminance(Float4{reference->red / 255.0F, reference->green / 255.0F, reference->blue / 255.0F, 1})
                  : 0.0F;
    // How far a luminance can lie from the reference: the contrast that counts as full shape.
    const float span = std::max(referenceLuminance, 1.0F - referenceLuminance);
    for (int y = 0; y < picture.height(); ++y) {
        Float4 *row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            Float4 &p = row[x];
            const float alpha = p[3];
            if (request.tone == Tone::Greyscale) {
                const float grey = luminance(p);
                p = Float4{grey, grey, grey, alpha};
                continue;
            }
            float shape = alpha;
            if (reference && alpha > 0) {
                const float straight = luminance(p) / alpha;
                shape = alpha * std::clamp(std::abs(straight - referenceLuminance) / span, 0.0F, 1.0F);
            }
            p = Float4{shape, shape, shape, shape};
        }
    }
}

Bitmap IconComposer::compose(PixelBuffer body, const RenderRequest &request)
{
    applyTone(body, request);
    const QRect canvasRect(QPoint(0, 0), request.pixels);
    const QRect place = request.body.isEmpty() ? canvasRect : request.body;
    const QRect frame = request.frame.isEmpty() ? place : request.frame;

    PixelBuffer canvas(request.pixels);
    if (request.frameFill) {
        const Float4 fill{request.frameFill->red / 255.0F, request.frameFill->green / 255.0F,
                          request.frameFill->blue / 255.0F, 1.0F};
        const QRect filled = frame & canvasRect;
        for (int y = filled.top(); y <= filled.bottom(); ++y)
            std::fill(canvas.row(y) + filled.left(), canvas.row(y) + filled.right() + 1, fill);
    }
    // The picture over whatever the frame holds.
    for (int y = 0; y < body.height(); ++y) {
        const int canvasY = place.y() + y;
        if (canvasY < 0 || canvasY >= canvas.height())
            continue;
        const Float4 *from = body.row(y);
        Float4 *to = canvas.row(canvasY);
        for (int x = 0; x < body.width(); ++x) {
            const int canvasX = place.x() + x;
            if (canvasX >= 0 && canvasX < canvas.width())
                to[canvasX] = from[x] + to[canvasX] * (1.0F - from[x][3]);
        }
    }
    if (request.shape != BodyShape::Square)
        cutToFrame(canvas, frame, request.shape);
    if (request.shadow)
        DropShadow::applyUnder(canvas, {});

    IconFinisher finisher(request);
    for (int y = 0; y < canvas.height(); ++y)
        finisher(y, canvas.row(y));
    return finisher.take();
}

void IconComposer::cutToFrame(PixelBuffer &canvas, const QRect &frame, BodyShape shape)
{
    const ShapeMask mask(shape, frame.size());
    for (int y = 0; y < canvas.height(); ++y) {
        Float4 *row = canvas.row(y);
        for (int x = 0; x < canvas.width(); ++x)
            row[x] = row[x] * mask.coverage(x - frame.x(), y - frame.y());
    }
}

} // namespace iconsmith
