#pragma once

#include <QRectF>

#include <array>
#include <cstdint>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/** What kind of artwork a picture is, which decides where it lands on every platform. */
enum class ArtworkKind : std::uint8_t {
    FullBleed,  ///< opaque to its edges (a photo, an icon with its own background): fills what a system shows
    Logo,       ///< a logo on transparency: fitted into the safe area, the background behind it
    PlatedLogo, ///< a logo on its own plate (an opaque shape with transparent corners): the plate is its silhouette
};

/**
 * Where a picture's visible content lies, which decides how it is fitted into a safe zone; what
 * its edge looks like, which decides whether it is full-bleed artwork or a body on transparency;
 * and a sample of its colours, from which the contrast of its appearances is measured.
 */
struct ContentExtent
{
    /** One visible pixel of the sample: straight sRGB and alpha, 8 bits each. */
    using Sample = std::array<std::uint8_t, 4>;

    /** The smallest rectangle holding every visible pixel, in units of the picture's size (0 to 1 each way). */
    QRectF box{0, 0, 1, 1};
    /**
     * The largest distance from the picture's centre to a visible pixel, in units of the
     * picture's longer side: 0.5 for a full circle touching the edges, about 0.71 for a full square.
     */
    double radius = 0.5 * 1.4142135623730951;
    /** Whether a noticeable share of the edge pixels is transparent: a body on transparency. */
    bool transparentMargin = false;
    /** The mean colour of the opaque edge pixels: the picture's background when it has one. */
    RgbColor edgeColour{255, 255, 255};
    /**
     * The share of the pixels between each row's first and last visible pixel that are opaque:
     * 1 for a solid shape (a disc, a plate), lower for strokes and glyphs with holes.
     */
    double solidity = 1.0;
    /** The share of the content's box that is opaque: about 0.79 for a disc, 0.95 for a rounded square. */
    double boxFill = 1.0;
    /** The typical colour just inside the content's outline: a plate's colour, a one-colour glyph's colour. */
    RgbColor outlineColour{255, 255, 255};
    /** The share of the outline that has that colour: near 1 for a plate of one colour, low for a many-coloured shape.
     */
    double outlineUniformity = 1.0;
    /** Visible pixels taken on an even grid (a few thousand at most), for measuring contrast. */
    std::vector<Sample> samples;

    /** Measures @p rgba (8-bit, 3 or 4 channels, straight alpha). */
    static ContentExtent measure(const Bitmap &rgba);

    /**
     * What kind of artwork this is: full-bleed when it is opaque to its edges and within them,
     * or when an opaque body fills the whole square but for rounded corners; a logo on its own plate when its content
     * is solid and its outline of one colour; otherwise a logo on transparency.
     */
    [[nodiscard]] ArtworkKind kind() const;

    /** Alpha from which a pixel counts as visible content. */
    static constexpr int visibleAlpha = 16;
    /** Alpha from which a pixel counts as opaque, for the solidity and the plate. */
    static constexpr int opaqueAlpha = 128;
};

} // namespace iconsmith
