#pragma once

#include "imaging/contentextent.h"
#include "imaging/renderrequest.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/** Relative luminance and contrast as the Web Content Accessibility Guidelines define them. */
class Contrast
{
public:
    /** The relative luminance of an sRGB colour with channels from 0 to 1. */
    static double luminance(double red, double green, double blue);
    static double luminance(RgbColor colour);
    /** The contrast ratio of two relative luminances, from 1 to 21. */
    static double ratio(double luminanceA, double luminanceB);
};

/**
 * How the appearances of an icon that the system shows on its own backdrop (the dark icon on a
 * dark backdrop, the tinted icon on black) are derived from a picture so that they stay visible,
 * and how visible they are.
 *
 * A picture's contrast is the median, over its opaque pixels, of each pixel's contrast with the
 * backdrop once toned and laid on it: the contrast most of the picture reaches.
 */
class Appearance
{
public:
    /** Below this the icon is hard to see and a warning names it. */
    static constexpr double minimumContrast = 3.0;
    /** What a derived appearance aims for when the picture as it is stays below minimumContrast. */
    static constexpr double aimedContrast = 4.5;
    /** What the contrast is measured on: the darkest the system draws behind dark and tinted icons. */
    static constexpr RgbColor darkBackdrop{0, 0, 0};

    /** The contrast @p extent's samples reach on @p backdrop once toned by @p tone and @p levels. */
    static double contrast(const ContentExtent &extent, RgbColor backdrop, Tone tone = Tone::Colour,
                           const ToneLevels &levels = {});

    /**
     * The levels of the dark icon made from a logo: none when it stands out on the dark backdrop
     * as it is, else its colours lightened by the least that reaches aimedContrast.
     */
    static ToneLevels darkLevels(const ContentExtent &extent);
    /**
     * The levels of the tinted icon made from a logo's greys: its brightest tone becomes white and
     * its darkest no darker than a grey that still shows on black; a logo of one colour becomes its
     * silhouette in white. Full-bleed artwork keeps its greys.
     */
    static ToneLevels tintedLevels(const ContentExtent &extent);
};

} // namespace iconsmith
