#pragma once

#include "raster.h"

#include <string>

namespace iconsmith::bench {

/**
 * Reads an image file as 8-bit RGBA: grey is copied to the three colour bands, a missing alpha
 * band means opaque, and 16-bit samples are scaled down to 8 bits (rounded).
 */
Raster loadRgba(const std::string &path);

/** Widens grey, grey+alpha or RGB to RGBA the way loadRgba does. */
Raster toRgba(const Raster &raster);

/**
 * Alias RMS of a zone plate reduction: the RMS deviation from mid-grey 127.5, in 8-bit units,
 * over the result pixels whose local ring frequency is at least `cutoff` cycles per result pixel.
 * The result is the zone plate of makeZonePlate(sourceSize) reduced to any size; its grey is the
 * mean of its three colour bands. A perfect low-pass filter leaves those pixels flat grey: 0
 * (0.5 after rounding to 8 bits).
 */
double aliasRms(const Raster &rgbaResult, int sourceSize, double cutoff = 0.65);

/**
 * PSNR in dB of a reduction against the exact box average of its source, in premultiplied
 * alpha: each result pixel is compared with the mean premultiplied RGBA of the source block it
 * covers, over all four bands in 8-bit units. The result's size must divide the source's.
 * Returns +infinity when the two agree exactly.
 */
double psnrAgainstBoxAverage(const Raster &rgbaSource, const Raster &rgbaResult);

/**
 * The darkest unpremultiplied colour sample among pixels that are not fully transparent: 255
 * for a white shape that kept its colour to the edge, less where dark colour crept in from the
 * transparent surround. Returns 255 when no pixel shows.
 */
int fringeMinimum(const Raster &rgbaResult);

} // namespace iconsmith::bench
