#pragma once

#include <QSize>

#include <optional>
#include <tuple>

#include "imaging/rgbcolor.h"

namespace iconsmith {

/** One picture to render: its exact size in pixels and how it is finished. */
struct RenderRequest
{
    QSize pixels;
    bool rounded = false;
    std::optional<RgbColor> background;

    friend bool operator==(const RenderRequest &, const RenderRequest &) = default;
    friend bool operator<(const RenderRequest &a, const RenderRequest &b)
    {
        const auto key = [](const RenderRequest &r) {
            const int colour =
                r.background ? (r.background->red << 16 | r.background->green << 8 | r.background->blue) : -1;
            return std::make_tuple(r.pixels.width(), r.pixels.height(), r.rounded, colour);
        };
        return key(a) < key(b);
    }
};

} // namespace iconsmith
