#include "imaging/placement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "imaging/appearance.h"
#include "imaging/shapemask.h"

namespace iconsmith {

namespace {

// A logo keeps this share of the mask's side clear on every side, where the user gives no margin:
// what designers leave around a glyph on a home screen.
constexpr double homeScreenMargin = 0.08;
// Android guarantees the central 66 dp of the 72 dp that show: 3 dp of margin to the smallest mask.
constexpr double adaptiveMargin = 3.0 / 72.0;
// The macOS grid: an 824-pixel body centred in 1024.
constexpr double macBodyInset = 100.0 / 1024.0;
constexpr double macBodySide = 824.0 / 1024.0;
// Android's adaptive layer: 18 dp of bleed around the 72 dp that show, of 108.
constexpr double adaptiveInset = 18.0 / 108.0;
constexpr double adaptiveVisible = 72.0 / 108.0;
// The maskable icon's smallest mask: the circle of radius 40 % of the width.
constexpr double maskableInset = 0.1;
constexpr double maskableSafe = 0.8;
// Android's notification glyph: 20 dp live area of the 24 dp icon.
constexpr double statusBarMargin = 2.0 / 24.0;
// The Chrome Web Store's extension icon: 96 pixels of art, 16 of transparency on every side of 128.
constexpr double webStoreInset = 16.0 / 128.0;
constexpr double webStoreArt = 96.0 / 128.0;
// Windows: a logo spans about two thirds of a tile; a small icon fills its square but for a pixel in 16.
constexpr double windowsTileMargin = 1.0 / 6.0;
constexpr double windowsIconMargin = 1.0 / 16.0;
// A banner's logo keeps an eighth of the height clear above and below.
constexpr double bannerMargin = 0.125;
// Android's splash icon: a circle of 192 dp shows of the 288 dp square.
constexpr double splashInset = 48.0 / 288.0;
constexpr double splashCircle = 192.0 / 288.0;
// How close a plate must come to a body's place and size to count as that body already.
constexpr double bodyCentreTolerance = 0.03;
constexpr double bodySizeTolerance = 0.05;
constexpr double bodyFill = 0.88;
// Points on the content's reach from the centre that bound it with its box.
constexpr int outlinePoints = 360;

Surface surface(QRectF visible, BodyShape mask, QRectF maskFrame, double margin, SurfaceFinish finish,
                bool bleed = false)
{
    Surface made;
    made.visible = visible;
    made.mask = mask;
    made.maskFrame = maskFrame;
    made.logoMargin = margin;
    made.finish = finish;
    made.bleed = bleed;
    return made;
}

const QRectF whole(0, 0, 1, 1);

// The rectangle of @p share of a square of @p pixels, its edges rounded so that centred shares stay centred.
QRect toPixels(const QRectF &share, int pixels)
{
    const int left = int(std::lround(share.left() * pixels));
    const int top = int(std::lround(share.top() * pixels));
    const int right = int(std::lround(share.right() * pixels));
    const int bottom = int(std::lround(share.bottom() * pixels));
    return {left, top, std::max(1, right - left), std::max(1, bottom - top)};
}

// How far @p x, @p y lies from the centre in the measure of @p mask: 1 on the outline of half-size 1.
double outlineNorm(BodyShape mask, double x, double y)
{
    x = std::abs(x);
    y = std::abs(y);
    switch (mask) {
    case BodyShape::Square:
        return std::max(x, y);
    case BodyShape::Circle:
        return std::hypot(x, y);
    case BodyShape::Squircle:
        return std::pow(std::pow(x, ShapeMask::squircleExponent) + std::pow(y, ShapeMask::squircleExponent),
                        1.0 / ShapeMask::squircleExponent);
    }
    return std::hypot(x, y);
}

} // namespace

const Surface &Surface::asIs()
{
    static const Surface made;
    return made;
}

const Surface &Surface::iosHome()
{
    static const Surface made = surface(whole, BodyShape::Squircle, whole, homeScreenMargin, SurfaceFinish::Opaque);
    return made;
}

const Surface &Surface::watch()
{
    static const Surface made = surface(whole, BodyShape::Circle, whole, homeScreenMargin, SurfaceFinish::Opaque);
    return made;
}

const Surface &Surface::macBody()
{
    static const QRectF body(macBodyInset, macBodyInset, macBodySide, macBodySide);
    static const Surface made = surface(body, BodyShape::Squircle, body, homeScreenMargin, SurfaceFinish::Body);
    return made;
}

const Surface &Surface::androidAdaptive()
{
    static const QRectF shown(adaptiveInset, adaptiveInset, adaptiveVisible, adaptiveVisible);
    static const Surface made =
        surface(shown, BodyShape::Circle, shown, adaptiveMargin, SurfaceFinish::Layer, /*bleed=*/true);
    return made;
}

const Surface &Surface::androidLegacy()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, homeScreenMargin, SurfaceFinish::Opaque);
    return made;
}

const Surface &Surface::androidRound()
{
    static const Surface made = surface(whole, BodyShape::Circle, whole, homeScreenMargin, SurfaceFinish::CutToMask);
    return made;
}

const Surface &Surface::playStore()
{
    static const Surface made = surface(whole, BodyShape::Squircle, whole, homeScreenMargin, SurfaceFinish::Opaque);
    return made;
}

const Surface &Surface::maskable()
{
    static const Surface made =
        surface(whole, BodyShape::Circle, QRectF(maskableInset, maskableInset, maskableSafe, maskableSafe), 0.0,
                SurfaceFinish::Opaque);
    return made;
}

const Surface &Surface::statusBar()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, statusBarMargin, SurfaceFinish::Layer);
    return made;
}

const Surface &Surface::webStoreExtension()
{
    static const QRectF art(webStoreInset, webStoreInset, webStoreArt, webStoreArt);
    static const Surface made = surface(art, BodyShape::Square, art, 0.0, SurfaceFinish::Layer);
    return made;
}

const Surface &Surface::visionLayer()
{
    static const Surface made = surface(whole, BodyShape::Circle, whole, homeScreenMargin, SurfaceFinish::Layer);
    return made;
}

const Surface &Surface::windowsTile()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, windowsTileMargin, SurfaceFinish::Layer);
    return made;
}

const Surface &Surface::windowsIcon()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, windowsIconMargin, SurfaceFinish::Layer);
    return made;
}

const Surface &Surface::plate()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, 0.0, SurfaceFinish::Plate);
    return made;
}

const Surface &Surface::banner()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, bannerMargin, SurfaceFinish::Opaque);
    return made;
}

const Surface &Surface::tvLayer()
{
    static const Surface made = surface(whole, BodyShape::Square, whole, homeScreenMargin, SurfaceFinish::Layer);
    return made;
}

const Surface &Surface::androidSplash()
{
    static const QRectF shown(splashInset, splashInset, splashCircle, splashCircle);
    static const Surface made = surface(shown, BodyShape::Circle, shown, homeScreenMargin, SurfaceFinish::Layer);
    return made;
}

QRect Placement::fitted(QSize picture, const QRect &frame)
{
    if (picture.isEmpty())
        return frame;
    const QSize size = picture.scaled(frame.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return {frame.x() + (frame.width() - size.width()) / 2, frame.y() + (frame.height() - size.height()) / 2,
            size.width(), size.height()};
}

QRect Placement::logoRect(QSize picture, const ContentExtent &extent, int canvas, BodyShape mask, double maskSide,
                          double margin)
{
    const QSize shape = picture.isEmpty() ? QSize(1, 1) : picture;
    const double longer = std::max(shape.width(), shape.height());
    // The content, in units of the picture's longer side from its centre: inside its box and
    // within its reach. Points that bound that region: the box's corners brought within the
    // reach, and the reach's circle brought into the box.
    const double wide = shape.width() / longer;
    const double high = shape.height() / longer;
    const double left = (extent.box.left() - 0.5) * wide;
    const double right = (extent.box.right() - 0.5) * wide;
    const double top = (extent.box.top() - 0.5) * high;
    const double bottom = (extent.box.bottom() - 0.5) * high;
    const double reach = extent.radius;
    const double half = maskSide / 2.0 * (1.0 - 2.0 * margin);
    double side = largestEnlargement * canvas;
    if (!extent.box.isEmpty() && reach > 0 && half > 0) {
        double farthest = 0;
        for (const double x : {left, right}) {
            for (const double y : {top, bottom}) {
                const double scale = std::min(1.0, reach / std::max(std::hypot(x, y), 1e-9));
                farthest = std::max(farthest, outlineNorm(mask, x * scale, y * scale));
            }
        }
        for (int i = 0; i < outlinePoints; ++i) {
            const double angle = 2.0 * std::numbers::pi * i / outlinePoints;
            const double x = std::clamp(reach * std::cos(angle), left, right);
            const double y = std::clamp(reach * std::sin(angle), top, bottom);
            farthest = std::max(farthest, outlineNorm(mask, x, y));
        }
        if (farthest > 0)
            side = std::min(side, half / farthest);
    }
    const int rounded = int(std::lround(side));
    const QSize size = shape.scaled(QSize(rounded, rounded), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return {(canvas - size.width()) / 2, (canvas - size.height()) / 2, size.width(), size.height()};
}

bool Placement::hasBodyShape(const Surface &surface, const ContentExtent &extent)
{
    if (surface.finish != SurfaceFinish::Body || extent.kind() != ArtworkKind::PlatedLogo)
        return false;
    const QRectF &body = surface.visible;
    const QPointF offset = extent.box.center() - body.center();
    return std::abs(offset.x()) <= bodyCentreTolerance && std::abs(offset.y()) <= bodyCentreTolerance &&
           std::abs(extent.box.width() - body.width()) <= bodySizeTolerance &&
           std::abs(extent.box.height() - body.height()) <= bodySizeTolerance && extent.boxFill >= bodyFill;
}

RenderRequest Placement::onCanvas(RenderRequest placed, QSize canvas)
{
    if (canvas == placed.pixels)
        return placed;
    // Rounded corners would round the canvas, not the square: only a frame's cut moves with it.
    const QPoint offset((canvas.width() - placed.pixels.width()) / 2, (canvas.height() - placed.pixels.height()) / 2);
    const QRect square(QPoint(0, 0), placed.pixels);
    placed.body = (placed.body.isEmpty() ? square : placed.body).translated(offset);
    if (!placed.frame.isEmpty())
        placed.frame.translate(offset);
    placed.pixels = canvas;
    return placed;
}

RenderRequest Placement::besideCaption(RenderRequest placed, QSize canvas, const QString &text)
{
    const QRect square(QPoint(0, 0), placed.pixels);
    const QRect body = placed.body.isEmpty() ? square : placed.body;
    const int top = (canvas.height() - square.height()) / 2;
    const int edge = top + body.top(); // the body's distance from the top, kept from the start edge too
    const bool rightToLeft = text.isRightToLeft();
    const QPoint offset(rightToLeft ? canvas.width() - edge - body.right() - 1 : edge - body.left(), top);
    placed.body = body.translated(offset);
    if (!placed.frame.isEmpty())
        placed.frame.translate(offset);
    placed.pixels = canvas;

    const int gap = int(std::lround(captionGap * canvas.height()));
    const int width = canvas.width() - 2 * edge - placed.body.width() - gap;
    const int left = rightToLeft ? edge : placed.body.right() + 1 + gap;
    const RgbColor plate = placed.background.value_or(placed.frameFill.value_or(RgbColor{255, 255, 255}));
    const double plateLuminance = Contrast::luminance(plate);
    const RgbColor white{255, 255, 255};
    const RgbColor black{0, 0, 0};
    const bool whiteReads =
        Contrast::ratio(plateLuminance, Contrast::luminance(white)) >= Contrast::ratio(plateLuminance, 0.0);
    placed.caption = Caption{text, QRect(left, placed.body.top(), std::max(width, 0), placed.body.height()),
                             whiteReads ? white : black};
    return placed;
}

RenderRequest Placement::aroundCaption(RenderRequest laidOut, QSize textSize)
{
    if (!laidOut.caption)
        return laidOut;
    Caption &caption = *laidOut.caption;
    const int gap = int(std::lround(captionGap * laidOut.pixels.height()));
    const QRect body = laidOut.body;
    const int together = body.width() + gap + textSize.width();
    const int start = (laidOut.pixels.width() - together) / 2;
    const bool rightToLeft = caption.text.isRightToLeft();
    const int bodyLeft = rightToLeft ? start + textSize.width() + gap : start;
    const QPoint offset(bodyLeft - body.left(), 0);
    laidOut.body.translate(offset);
    if (!laidOut.frame.isEmpty())
        laidOut.frame.translate(offset);
    const int textLeft = rightToLeft ? start : laidOut.body.right() + 1 + gap;
    const int textTop = body.top() + (body.height() - textSize.height()) / 2;
    caption.box = QRect(QPoint(textLeft, textTop), textSize);
    return laidOut;
}

RenderRequest Placement::place(const Surface &surface, int pixels, QSize picture, const ContentExtent &extent,
                               const PlacementChoices &choices)
{
    const QRect canvas(0, 0, pixels, pixels);
    RenderRequest request(QSize(pixels, pixels));
    const bool fullBleed = extent.kind() == ArtworkKind::FullBleed;
    const QRect visible = toPixels(surface.visible, pixels);
    const QRect maskFrame = toPixels(surface.maskFrame, pixels);
    const double margin = choices.margin.value_or(surface.logoMargin);
    const auto logo = [&] {
        return logoRect(picture, extent, pixels, surface.mask, double(maskFrame.width()), margin);
    };
    // A square picture stretched over the square is the same as fitted; leaving the body empty
    // keeps it on the streaming path.
    const auto fit = [&](const QRect &frame) {
        const QRect body = fitted(picture, frame);
        return body == canvas ? QRect() : body;
    };

    switch (surface.finish) {
    case SurfaceFinish::AsIs:
        request.body = fit(canvas);
        break;
    case SurfaceFinish::Flattened:
        request.body = fit(canvas);
        request.background = choices.plate;
        break;
    case SurfaceFinish::Opaque:
        request.body = fullBleed ? fit(visible) : logo();
        request.background = choices.plate;
        break;
    case SurfaceFinish::Layer:
        request.body = fullBleed ? fit(visible) : logo();
        request.extendEdges = fullBleed && surface.bleed && !request.body.isEmpty();
        break;
    case SurfaceFinish::CutToMask:
        request.body = fullBleed ? fitted(picture, visible) : logo();
        request.frame = maskFrame;
        request.frameFill = choices.plate;
        request.shape = surface.mask;
        break;
    case SurfaceFinish::Body:
        if (!choices.drawBody || hasBodyShape(surface, extent)) {
            request.body = fit(canvas);
            break;
        }
        request.frame = visible;
        request.body = fullBleed ? fitted(picture, visible) : logo();
        if (!fullBleed)
            request.frameFill = choices.plate;
        request.shape = surface.mask;
        request.shadow = true;
        break;
    case SurfaceFinish::Plate:
        // The picture lands beside the canvas, so that only the plate shows.
        request.body = QRect(pixels, pixels, 1, 1);
        request.frame = canvas;
        request.frameFill = choices.plate;
        request.background = choices.plate;
        break;
    }
    return request;
}

} // namespace iconsmith
