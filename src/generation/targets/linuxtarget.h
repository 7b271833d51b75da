#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * The freedesktop icon theme's hicolor folders: hicolor/<N>x<N>/apps/<name>.png for the usual
 * sizes, and hicolor/scalable/apps/<name>.svg for a vector source. The desktop file's Icon key
 * names <name>.
 */
class LinuxTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    static constexpr int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
};

} // namespace iconsmith
