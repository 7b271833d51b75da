#include "generation/targets/linuxtarget.h"

namespace iconsmith {

TargetPlan LinuxTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = QStringLiteral("linux");
    const QString &name = context.options.name;
    for (const int size : sizes)
        plan.images.append(PlannedImage(QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(name), size));
    if (context.mainIsSvg)
        plan.copies.append({QStringLiteral("hicolor/scalable/apps/%1.svg").arg(name), SourceRole::Main});
    return plan;
}

} // namespace iconsmith
