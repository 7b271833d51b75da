#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * The macOS icon: the ten-entry AppIcon.appiconset (16 to 512 points at 1x and 2x) and
 * AppIcon.icns with the chunks Apple's iconutil writes. macOS draws no mask, so full-bleed
 * artwork is fitted into the rounded body of Apple's icon grid with a soft shadow (unless the
 * options say otherwise); a picture with its own transparent margin is used as it is.
 */
class MacTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    /** The .icns file, relative to the target's folder. */
    static constexpr QStringView icnsFile = u"AppIcon.icns";
};

} // namespace iconsmith
