#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * The visionOS app icon: AppIcon.solidimagestack with its layers, 1024 × 1024 each, and every
 * Contents.json. The layers are the picture's parts: at the back the background, opaque (the
 * background colour, or the Android background picture when one is given); at the front the
 * source, placed in the circle visionOS shows; between them the middle-layer picture when one is
 * given. visionOS takes two or three layers.
 */
class VisionTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    static constexpr int pixels = 1024;
};

} // namespace iconsmith
