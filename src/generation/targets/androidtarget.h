#pragma once

#include <QCoreApplication>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * An Android app module's launcher icons, laid out as its res/ folder: the legacy square and
 * round icons per density, the adaptive icon's foreground and monochrome layers per density
 * with the XML that joins them to the background (a colour resource, or a background layer
 * picture), and the 512-pixel Google Play icon beside res/.
 *
 * The foreground's content is fitted by its extent, not its box: whatever the picture holds
 * lies inside the 66 dp safe zone of the 108 dp layer, which every launcher mask leaves
 * visible, so nothing is cropped and a small logo is not left tiny. The inset option moves
 * that circle. A monochrome layer is the foreground's shape in white: its alpha when it has a
 * transparent background, else how far each pixel's luminance lies from the background's.
 */
class AndroidTarget
{
    Q_DECLARE_TR_FUNCTIONS(AndroidTarget)

public:
    static TargetPlan plan(const TargetContext &context);
};

} // namespace iconsmith
