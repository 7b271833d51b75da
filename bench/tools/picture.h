#pragma once

#include "raster.h"

namespace iconsmith::bench {

/**
 * A synthetic landscape at sunset, size×size pixels: gradients, clouds, jagged ridges, rippled
 * water, grass, flowers and hard-edged buildings. The scene is defined in continuous
 * coordinates and its noise gets finer octaves as the size grows, so a larger picture carries
 * more detail rather than the same detail blown up. Same bytes on every run.
 *
 * With a margin the result is RGBA: the scene inside an anti-aliased rounded square inset by
 * size/16, fully transparent black outside. Without one it is opaque RGB.
 */
Raster makeLandscape(int size, bool withMargin, int threads = 1);

/**
 * A grey zone plate, size×size: 0.5 + 0.5·cos(π r² / size) rounded to 8 bits, r measured from
 * the picture centre to pixel centres. Its local ring frequency is r / size cycles per pixel.
 */
Raster makeZonePlate(int size);

/** Coverage, 0 to 1, of the rounded square that frames makeLandscape's margin, at a pixel centre. */
double marginCoverage(int size, double x, double y);

} // namespace iconsmith::bench
