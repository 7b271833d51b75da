#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include "common/result.h"

namespace iconsmith {

/**
 * What a check needs to know of an image's pixels rather than its header: whether any pixel is
 * less than opaque (a layer that must be opaque) and whether any visible pixel is not white (an
 * icon that Android draws as a white silhouette).
 */
struct PixelFacts
{
    Q_DECLARE_TR_FUNCTIONS(PixelFacts)

public:
    /** Whether any pixel has alpha below 255. */
    bool translucent = false;
    /** Whether any pixel is fully transparent. */
    bool transparent = false;
    /** Whether any pixel that shows (alpha above visibleAlpha) has a channel below whiteLevel. */
    bool coloured = false;
    /** Whether any pixel that shows lies within the margin read() was given of the image's edge. */
    bool showsInMargin = false;

    /**
     * Decodes @p bytes (an image file) and reads its pixels, with a margin of @p margin pixels along
     * every edge; fails with the decoder's reason.
     */
    static Result<PixelFacts> read(const QByteArray &bytes, int margin = 0);

    /** Alpha from which a pixel shows. */
    static constexpr int visibleAlpha = 16;
    /** The lowest channel value still taken for white: resampling leaves no other value in a white shape. */
    static constexpr int whiteLevel = 250;
};

} // namespace iconsmith
