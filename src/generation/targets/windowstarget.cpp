#include "generation/targets/windowstarget.h"

namespace iconsmith {

TargetPlan WindowsTarget::plan(const TargetContext & /*context*/)
{
    TargetPlan plan;
    plan.name = QStringLiteral("windows");
    for (const int size : sizes)
        plan.images.append(PlannedImage(QStringLiteral("app.ico"), size).asEntry(QStringLiteral("ico")));
    return plan;
}

} // namespace iconsmith
