#pragma once

#include "raster.h"

namespace iconsmith::bench {

/**
 * Coloured pink noise, size×size opaque RGB (size a power of two): a random field whose
 * amplitude falls as 1/f, so every octave from the whole picture down to single pixels carries
 * the same energy, the way natural textures (foliage, fabric, gravel) do. It is what a filter
 * meets in fine texture: a reduction must discard the finest octaves without folding them back.
 * The three bands share a common field and each adds one of its own, so the noise is coloured.
 * Same bytes on every run.
 */
Raster makePinkNoise(int size);

/**
 * Pink noise of lower contrast with hair-thin lines across it: light and dark lines one source
 * pixel wide at many angles (among them exactly horizontal, exactly vertical and nearly so),
 * drawn with their exact area coverage. Lines thinner than a target pixel are where a
 * reduction's sharpness, ringing and moiré show most. Opaque RGB; same bytes on every run.
 */
Raster makeHairlines(int size);

} // namespace iconsmith::bench
