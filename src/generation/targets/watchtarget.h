#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/** The single-size watchOS icon: AppIcon.appiconset with one opaque 1024-pixel PNG. */
class WatchTarget
{
public:
    static TargetPlan plan(const TargetContext &context);
};

} // namespace iconsmith
