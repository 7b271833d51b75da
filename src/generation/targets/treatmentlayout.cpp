#include "generation/targets/treatmentlayout.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

namespace {

// A picture whose content is a speck would be enlarged without end to fill the safe zone;
// beyond this many canvas sides it is left small.
constexpr double largestEnlargement = 4.0;

} // namespace

QRect TreatmentLayout::fitted(QSize picture, const QRect &frame)
{
    if (picture.isEmpty())
        return frame;
    const QSize size = picture.scaled(frame.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return {frame.x() + (frame.width() - size.width()) / 2, frame.y() + (frame.height() - size.height()) / 2,
            size.width(), size.height()};
}

QRect TreatmentLayout::contentInCircle(const PictureFacts &picture, int canvas, double radius)
{
    // The picture's longer side L makes its content reach extent.radius × L from the centre.
    double longer = canvas;
    if (picture.extent.radius > 0)
        longer = std::min(radius * canvas / picture.extent.radius, largestEnlargement * canvas);
    const QSize size =
        picture.size.isEmpty()
            ? QSize(int(std::lround(longer)), int(std::lround(longer)))
            : picture.size.scaled(QSize(int(std::lround(longer)), int(std::lround(longer))), Qt::KeepAspectRatio);
    const QSize body = size.expandedTo(QSize(1, 1));
    return {(canvas - body.width()) / 2, (canvas - body.height()) / 2, body.width(), body.height()};
}

RenderRequest TreatmentLayout::request(Treatment treatment, int pixels, const PictureFacts &picture,
                                       const TargetContext &context)
{
    const QRect canvas(0, 0, pixels, pixels);
    RenderRequest request(QSize(pixels, pixels));
    // A square picture stretched over the square is the same as fitted; leaving the body empty
    // keeps it on the streaming path.
    const auto fit = [&](const QRect &frame) {
        const QRect body = fitted(picture.size, frame);
        return body == canvas ? QRect() : body;
    };
    const double safeRadius =
        context.options.androidInset ? 0.5 - *context.options.androidInset / 100.0 : adaptiveSafeRadius;
    const auto shapeOf = [&] {
        request.tone = Tone::Monochrome;
        if (!picture.extent.transparentMargin)
            request.contrastWith = picture.extent.edgeColour;
    };
    switch (treatment) {
    case Treatment::Plain:
        request.body = fit(canvas);
        break;
    case Treatment::Opaque:
        request.body = fit(canvas);
        request.background = context.background();
        break;
    case Treatment::Tinted:
        request.body = fit(canvas);
        request.tone = Tone::Greyscale;
        request.background = RgbColor{0, 0, 0};
        break;
    case Treatment::Round:
        request.body = fitted(picture.size, canvas);
        request.frame = canvas;
        request.frameFill = context.background();
        request.shape = BodyShape::Circle;
        break;
    case Treatment::SafeZone:
        request.body = contentInCircle(picture, pixels, safeRadius);
        break;
    case Treatment::SafeZoneShape:
        request.body = contentInCircle(picture, pixels, safeRadius);
        shapeOf();
        break;
    case Treatment::LayerShape:
        request.body = fitted(picture.size, canvas);
        shapeOf();
        break;
    case Treatment::MacShape:
        if (picture.extent.transparentMargin || !context.options.macShape) {
            request.body = fit(canvas);
        } else {
            const int side = int(std::lround(pixels * macBodyShare));
            request.frame = QRect((pixels - side) / 2, (pixels - side) / 2, side, side);
            request.body = fitted(picture.size, request.frame);
            request.shape = BodyShape::Squircle;
            request.shadow = true;
        }
        break;
    case Treatment::Maskable:
        request.body = contentInCircle(picture, pixels, maskableSafeRadius);
        request.background = context.background();
        break;
    }
    return request;
}

} // namespace iconsmith
