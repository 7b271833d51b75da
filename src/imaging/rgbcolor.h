#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace iconsmith {

/** An opaque sRGB colour with 8 bits per channel. */
struct RgbColor
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    /**
     * Reads a CSS-style colour: "#rrggbb", "#rgb" or one of a few names (white, black, red,
     * green, blue, gray/grey, silver, yellow, orange, transparent is refused). Case does not matter.
     */
    static std::optional<RgbColor> fromText(const QString &text);
    /** The colour as "#rrggbb". */
    [[nodiscard]] QString name() const;

    friend bool operator==(const RgbColor &, const RgbColor &) = default;
};

} // namespace iconsmith
