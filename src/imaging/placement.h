#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

#include <optional>

#include "imaging/contentextent.h"
#include "imaging/renderrequest.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/** How a surface's file is finished around the picture. */
enum class SurfaceFinish : std::uint8_t {
    AsIs,      ///< nothing placed: the picture fitted into the square, its transparency kept
    Flattened, ///< nothing placed: the picture fitted into the square and flattened onto the plate colour
    Opaque,    ///< the whole square is shown: the file is flattened onto a plate colour
    Layer,     ///< the file stays transparent: the system draws what lies behind (a backdrop, a background layer)
    CutToMask, ///< the file itself is cut to the mask and transparent outside it
    Body,      ///< the file draws the icon's body: a plate cut to the mask, with a soft shadow under it
    Plate,     ///< nothing of the picture: the square filled with the plate colour (a layered icon's back layer)
};

/**
 * Where a platform shows an icon: the part of the written square the system shows, the outline it
 * cuts that to, and how a logo keeps clear of that outline. Figures are shares of the square's side.
 *
 * The table of platforms is the static functions below; targets ask for their images by surface,
 * so that where artwork lands is decided here and nowhere else.
 */
struct Surface
{
    /** The largest part of the square the system shows: full-bleed artwork fills exactly this. */
    QRectF visible{0, 0, 1, 1};
    /** The smallest outline the system may cut what it shows to, inscribed in maskFrame. */
    BodyShape mask = BodyShape::Square;
    QRectF maskFrame{0, 0, 1, 1};
    /** The margin between the mask and a logo, as a share of maskFrame's side, unless the user gives one. */
    double logoMargin = 0.0;
    SurfaceFinish finish = SurfaceFinish::AsIs;
    /** Whether the square beyond the visible part shows in motion (parallax): full-bleed artwork continues there. */
    bool bleed = false;

    /** The same surface finished otherwise: the dark icon is the light one's surface as a layer. */
    [[nodiscard]] Surface finishedAs(SurfaceFinish other) const
    {
        Surface surface = *this;
        surface.finish = other;
        return surface;
    }

    /** Shown as it is, in a square without a mask: favicons, Windows, Linux, ready layers. */
    static const Surface &asIs();
    /** The iOS and iPadOS home screen (and Safari's touch icon): a continuous rounded square over the whole square. */
    static const Surface &iosHome();
    /** The watchOS home screen: the circle inscribed in the square. */
    static const Surface &watch();
    /** macOS: the 824-pixel body of the 1024 square is the icon, drawn in the file with its shadow. */
    static const Surface &macBody();
    /** Android's adaptive layer: 108 dp, of which the central 72 dp show through a mask; 66 dp are never cut. */
    static const Surface &androidAdaptive();
    /** Android's legacy square launcher icon. */
    static const Surface &androidLegacy();
    /** Android's legacy round launcher icon, cut to its circle in the file. */
    static const Surface &androidRound();
    /** Google Play's listing icon: Play rounds its corners (a fifth of the side). */
    static const Surface &playStore();
    /** A web app's maskable icon: any mask, down to the centred circle of 40 % radius. */
    static const Surface &maskable();
    /** Android's status bar: a 24 dp square whose central 20 dp hold the glyph, on transparency. */
    static const Surface &statusBar();
    /** The Chrome Web Store's 128-pixel extension icon: the art in the central 96 pixels, transparent around. */
    static const Surface &webStoreExtension();
    /** A visionOS icon layer: the circle inscribed in the square, on transparency over the layers behind. */
    static const Surface &visionLayer();
    /** A Windows Start tile: the logo in the middle of the tile, the tile's colour drawn by Windows. */
    static const Surface &windowsTile();
    /** A Windows app list and taskbar icon (Square44x44Logo): the art fills the square but for a thin margin. */
    static const Surface &windowsIcon();
    /** A layered icon's back layer: the background colour alone, opaque. */
    static const Surface &plate();
    /** A TV banner or shelf image: the logo on the background colour, opaque, nothing cut. */
    static const Surface &banner();
    /** A tvOS icon layer: the whole square shown, moved in parallax, on transparency over the layers behind. */
    static const Surface &tvLayer();
    /**
     * Android 12's splash screen icon without an icon background: 288 dp, of which the system
     * shows the centred circle of 192 dp; what lies outside it is cut away.
     */
    static const Surface &androidSplash();
};

/** The choices that shape a placement besides the surface and the picture. */
struct PlacementChoices
{
    /** The margin between the mask and a logo, a share of the mask's side; none: the surface's own. */
    std::optional<double> margin;
    /** The colour a Flattened, Opaque, CutToMask or Body surface is filled with behind the picture. */
    RgbColor plate{255, 255, 255};
    /** Whether the Body surface draws its body; off, every picture is used as it is. */
    bool drawBody = true;
};

/**
 * Places a picture on a surface by the kind of artwork it is:
 * - full-bleed artwork fills the surface's visible part, whole (its proportions kept), cut only
 *   by the mask; where the surface bleeds, the picture's edges continue, mirrored, to the square's;
 * - a logo, on transparency or on its own plate, is scaled so that its content (its box and its
 *   reach from the centre) stays the margin inside the mask, and is centred on the plate colour
 *   (or on transparency for a layer).
 * The result is the geometry and finish of a render request; the tone is the caller's.
 */
class Placement
{
public:
    static RenderRequest place(const Surface &surface, int pixels, QSize picture, const ContentExtent &extent,
                               const PlacementChoices &choices = {});
    /**
     * @p placed, a square's request, moved to the centre of a canvas of @p canvas pixels: what it
     * placed, framed and cut keeps its size, and the canvas around it is filled with its background
     * (or left transparent when it has none; continued, mirrored, where it extends its picture's
     * edges). A canvas of the square's own size changes nothing.
     */
    static RenderRequest onCanvas(RenderRequest placed, QSize canvas);
    /**
     * @p placed, a square's request, laid at the start of a wide canvas of @p canvas pixels (its
     * right for text that runs right to left) with room for @p text beside its body: the body as
     * far from the start edge as from the top, the room as high as the body and as far from the
     * end edge. The text's colour is white or black, whichever reads better on the square's plate.
     */
    static RenderRequest besideCaption(RenderRequest placed, QSize canvas, const QString &text);
    /**
     * @p laidOut, from besideCaption, with its text set in @p textSize pixels: the body and the
     * text, a gap apart, centred together on the canvas, the text's middle level with the
     * body's. The caption's box becomes the text's own rectangle.
     */
    static RenderRequest aroundCaption(RenderRequest laidOut, QSize textSize);
    /** The gap between a body and its caption, as a share of the canvas's height. */
    static constexpr double captionGap = 0.1;

    /** The rectangle of @p picture's proportions fitted into and centred in @p frame. */
    static QRect fitted(QSize picture, const QRect &frame);
    /**
     * The rectangle that puts @p picture's content, centred on the canvas, inside @p mask inscribed
     * in the centred square of side @p maskSide pixels, shrunk by @p margin of that side on every side.
     */
    static QRect logoRect(QSize picture, const ContentExtent &extent, int canvas, BodyShape mask, double maskSide,
                          double margin);
    /** Whether a logo on its own plate already has the shape and place of the surface's body (a macOS icon). */
    static bool hasBodyShape(const Surface &surface, const ContentExtent &extent);

    /** A logo's content is enlarged to fill its safe area by at most this many canvas sides: a speck stays small. */
    static constexpr double largestEnlargement = 4.0;
};

} // namespace iconsmith
