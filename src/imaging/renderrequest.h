#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>

#include "imaging/rgbcolor.h"

namespace iconsmith {

/** The outline a picture is cut to within its body. */
enum class BodyShape : std::uint8_t {
    Square,   ///< no cut
    Circle,   ///< the inscribed circle (ellipse for a non-square body)
    Squircle, ///< a superellipse: a rounded square whose curvature changes continuously
};

/** How the picture's colours are turned before it is placed. */
enum class Tone : std::uint8_t {
    Colour,     ///< as they are
    Greyscale,  ///< luminance in every channel, alpha kept
    Monochrome, ///< white, the picture's shape in the alpha channel
    Stencil,    ///< white, the picture's shape with what differs from contrastWith (a plate's logo) cut out
};

/**
 * A map of tone levels: values from inLow to inHigh go linearly to outLow to outHigh, and are
 * clamped beyond; applied to each colour channel (straight, not premultiplied) or to the grey.
 * When inHigh is not above inLow, every value from inLow up becomes outHigh: a silhouette.
 */
struct ToneLevels
{
    float inLow = 0.0F;
    float inHigh = 1.0F;
    float outLow = 0.0F;
    float outHigh = 1.0F;

    /** Colours moved towards white by @p share (0: as they are, 1: white). */
    static ToneLevels lift(float share) { return {0.0F, 1.0F, share, 1.0F}; }
    [[nodiscard]] bool isIdentity() const { return inLow == 0 && inHigh == 1 && outLow == 0 && outHigh == 1; }
    [[nodiscard]] float operator()(float value) const
    {
        if (inHigh <= inLow)
            return value >= inLow ? outHigh : outLow;
        const float share = std::clamp((value - inLow) / (inHigh - inLow), 0.0F, 1.0F);
        return outLow + (outHigh - outLow) * share;
    }
    friend bool operator==(const ToneLevels &, const ToneLevels &) = default;
};

/** Text set beside the picture on its canvas: an app's name on a TV banner. */
struct Caption
{
    QString text;
    /** The room the text may take on the canvas, or, once it is set, the text's own rectangle. */
    QRect box;
    RgbColor colour;

    friend bool operator==(const Caption &, const Caption &) = default;
};

/** One picture to render: its exact size in pixels and how it is made and finished. */
struct RenderRequest
{
    RenderRequest() = default;
    /** The picture stretched over a canvas of @p size, finished as asked. */
    RenderRequest(QSize size, bool roundedCorners = false, std::optional<RgbColor> fill = std::nullopt)
        : pixels(size), rounded(roundedCorners), background(fill)
    {}

    QSize pixels;
    /** The whole canvas clipped to a rounded rectangle (radii one eighth of the sides). */
    bool rounded = false;
    /** Transparency flattened onto this colour. */
    std::optional<RgbColor> background;
    /** Where the picture goes on the canvas; empty: over the whole canvas, stretched to it. */
    QRect body;
    /** The region that is filled and cut to the shape; empty: the body. */
    QRect frame;
    /** A colour filling the frame behind the picture, before the cut. */
    std::optional<RgbColor> frameFill;
    /** The outline the frame is cut to; everything outside a cut frame becomes transparent. */
    BodyShape shape = BodyShape::Square;
    /** A soft shadow under the body, inside the canvas. */
    bool shadow = false;
    /**
     * Whether the canvas beyond the body continues the picture, mirrored at its edges: the bleed
     * around full-bleed artwork that a system shows only in motion.
     */
    bool extendEdges = false;
    Tone tone = Tone::Colour;
    /** The picture's levels, after its tone (Colour, Greyscale). */
    ToneLevels levels;
    /**
     * For Tone::Monochrome and Tone::Stencil: the colour of the picture's own background, so that what differs
     * from it makes the shape; none when the picture's alpha alone is its shape.
     */
    std::optional<RgbColor> contrastWith;
    /** Text set on the canvas beside the body, in the room its box gives (Placement::besideCaption). */
    std::optional<Caption> caption;

    /** Whether the picture is only stretched over the canvas and finished, with nothing placed, cut or toned. */
    [[nodiscard]] bool isStretchOnly() const
    {
        return body.isEmpty() && frame.isEmpty() && !frameFill && shape == BodyShape::Square && !shadow &&
               !extendEdges && tone == Tone::Colour && levels.isIdentity() && !caption;
    }

    friend bool operator==(const RenderRequest &, const RenderRequest &) = default;
    friend bool operator<(const RenderRequest &a, const RenderRequest &b)
    {
        const auto colour = [](const std::optional<RgbColor> &c) {
            return c ? (c->red << 16 | c->green << 8 | c->blue) : -1;
        };
        const auto key = [&colour](const RenderRequest &r) {
            const Caption none;
            const Caption &text = r.caption ? *r.caption : none;
            return std::make_tuple(
                r.pixels.width(), r.pixels.height(), r.rounded, colour(r.background), r.body.x(), r.body.y(),
                r.body.width(), r.body.height(), r.frame.x(), r.frame.y(), r.frame.width(), r.frame.height(),
                colour(r.frameFill), r.shape, r.shadow, r.extendEdges, r.tone, r.levels.inLow, r.levels.inHigh,
                r.levels.outLow, r.levels.outHigh, colour(r.contrastWith), r.caption.has_value(), text.text,
                text.box.x(), text.box.y(), text.box.width(), text.box.height(), colour(text.colour));
        };
        return key(a) < key(b);
    }
};

} // namespace iconsmith
