#pragma once

#include <QCoreApplication>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * The single-size iOS icon of Xcode 14 and later: AppIcon.appiconset with one 1024-pixel PNG
 * per appearance. Light is opaque (the App Store refuses transparency); dark is the foreground
 * on transparency, from --dark or, when the source has a transparent background, the source
 * itself; tinted is an opaque greyscale picture, from --tinted or the source's luminance.
 */
class IosTarget
{
    Q_DECLARE_TR_FUNCTIONS(IosTarget)

public:
    static TargetPlan plan(const TargetContext &context);
};

} // namespace iconsmith
