#pragma once

#include <QRect>
#include <QSize>

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
    Tone tone = Tone::Colour;
    /**
     * For Tone::Monochrome: the colour of the picture's own background, so that what differs
     * from it makes the shape; none when the picture's alpha alone is its shape.
     */
    std::optional<RgbColor> contrastWith;

    /** Whether the picture is only stretched over the canvas and finished, with nothing placed, cut or toned. */
    [[nodiscard]] bool isStretchOnly() const
    {
        return body.isEmpty() && frame.isEmpty() && !frameFill && shape == BodyShape::Square && !shadow &&
               tone == Tone::Colour;
    }

    friend bool operator==(const RenderRequest &, const RenderRequest &) = default;
    friend bool operator<(const RenderRequest &a, const RenderRequest &b)
    {
        const auto colour = [](const std::optional<RgbColor> &c) {
            return c ? (c->red << 16 | c->green << 8 | c->blue) : -1;
        };
        const auto key = [&colour](const RenderRequest &r) {
            return std::make_tuple(r.pixels.width(), r.pixels.height(), r.rounded, colour(r.background), r.body.x(),
                                   r.body.y(), r.body.width(), r.body.height(), r.frame.x(), r.frame.y(),
                                   r.frame.width(), r.frame.height(), colour(r.frameFill), r.shape, r.shadow, r.tone,
                                   colour(r.contrastWith));
        };
        return key(a) < key(b);
    }
};

} // namespace iconsmith
