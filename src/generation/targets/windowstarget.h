#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/** The Windows application icon: app.ico with the sizes of Windows' scale steps, 16 to 256. */
class WindowsTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    /** The sizes, largest first as the entries are written. */
    static constexpr int sizes[] = {256, 64, 48, 40, 32, 24, 20, 16};
};

} // namespace iconsmith
