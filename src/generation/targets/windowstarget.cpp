#include "generation/targets/windowstarget.h"

namespace iconsmith {

TargetPlan WindowsTarget::plan(const TargetContext & /*context*/)
{
    TargetPlan plan;
    plan.name = QStringLiteral("windows");
    for (const int size : sizes)
        plan.images.append(
            {QStringLiteral("app.ico"), size, Treatment::Plain, SourceRole::Main, QStringLiteral("ico")});
    return plan;
}

} // namespace iconsmith
