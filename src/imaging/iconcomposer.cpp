#include "imaging/iconcomposer.h"

#include <algorithm>
#include <cmath>

#include "imaging/dropshadow.h"
#include "imaging/iconfinisher.h"
#include "imaging/shapemask.h"

namespace iconsmith {

void IconComposer::applyTone(PixelBuffer &picture, const RenderRequest &request)
{
    if (request.tone == Tone::Colour && request.levels.isIdentity())
        return;
    const std::optional<RgbColor> &reference = request.contrastWith;
    const Float4 referenceColour =
        reference ? Float4{reference->red / 255.0F, reference->green / 255.0F, reference->blue / 255.0F, 1.0F}
                  : Float4{0, 0, 0, 1};
    const float referenceLuminance = reference ? luminance(referenceColour) : 0.0F;
    // How far a luminance can lie from the reference: the contrast that counts as full shape.
    const float span = std::max(referenceLuminance, 1.0F - referenceLuminance);
    const ToneLevels &levels = request.levels;
    for (int y = 0; y < picture.height(); ++y) {
        Float4 *row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            Float4 &p = row[x];
            const float alpha = p[3];
            switch (request.tone) {
            case Tone::Colour:
                if (alpha > 0)
                    p = Float4{levels(p[0] / alpha) * alpha, levels(p[1] / alpha) * alpha, levels(p[2] / alpha) * alpha,
                               alpha};
                break;
            case Tone::Greyscale: {
                const float grey = alpha > 0 ? levels(luminance(p) / alpha) * alpha : 0.0F;
                p = Float4{grey, grey, grey, alpha};
                break;
            }
            case Tone::Monochrome: {
                float shape = alpha;
                if (reference && alpha > 0) {
                    const float straight = luminance(p) / alpha;
                    shape = alpha * std::clamp(std::abs(straight - referenceLuminance) / span, 0.0F, 1.0F);
                }
                p = Float4{shape, shape, shape, shape};
                break;
            }
            case Tone::Stencil: {
                float shape = alpha;
                if (alpha > 0) {
                    const Float4 difference = p * (1.0F / alpha) + referenceColour * -1.0F;
                    const float distance = std::sqrt(difference[0] * difference[0] + difference[1] * difference[1] +
                                                     difference[2] * difference[2]);
                    shape = alpha * (1.0F - std::clamp((distance - stencilTolerance) / stencilRamp, 0.0F, 1.0F));
                }
                p = Float4{shape, shape, shape, shape};
                break;
            }
            }
        }
    }
}

void IconComposer::extendEdges(PixelBuffer &canvas, const QRect &place)
{
    // A reflection that keeps the edge pixel: -1 → 0, -2 → 1, width → width - 1; repeated for
    // a bleed wider than the picture.
    const auto mirror = [](int i, int size) {
        const int period = 2 * size;
        int m = i % period;
        if (m < 0)
            m += period;
        return m < size ? m : period - 1 - m;
    };
    const QRect inside = place & QRect(QPoint(0, 0), canvas.size());
    if (inside.isEmpty())
        return;
    for (int y = 0; y < canvas.height(); ++y) {
        const int fromY = place.y() + mirror(y - place.y(), place.height());
        const Float4 *from = canvas.row(std::clamp(fromY, inside.top(), inside.bottom()));
        Float4 *to = canvas.row(y);
        const bool insideRow = y >= inside.top() && y <= inside.bottom();
        for (int x = 0; x < canvas.width(); ++x) {
            if (insideRow && x >= inside.left() && x <= inside.right())
                continue;
            const int fromX = place.x() + mirror(x - place.x(), place.width());
            to[x] = from[std::clamp(fromX, inside.left(), inside.right())];
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
    if (request.extendEdges)
        extendEdges(canvas, place);
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
