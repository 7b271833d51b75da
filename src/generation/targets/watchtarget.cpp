#include "generation/targets/watchtarget.h"

#include "catalog/contentsdocument.h"

namespace iconsmith {

TargetPlan WatchTarget::plan(const TargetContext & /*context*/)
{
    const QString file = QStringLiteral("AppIcon.png");
    const QString path = QStringLiteral("AppIcon.appiconset/") + file;
    TargetPlan plan;
    plan.name = QStringLiteral("watchos");
    // The App Store refuses a watch icon with an alpha channel; the watch shows its inscribed circle.
    plan.images.append(PlannedImage(path, 1024, Surface::watch()));
    plan.documents.append({QStringLiteral("AppIcon.appiconset/") + ContentsDocument::fileName.toString(),
                           [file, path](const QSet<QString> &written) {
                               ContentsDocument document;
                               if (written.contains(path)) {
                                   CatalogEntry entry(file, QStringLiteral("universal"), {},
                                                      QStringLiteral("1024x1024"));
                                   entry.platform = QStringLiteral("watchos");
                                   document.images.append(entry);
                               }
                               return document.toJson();
                           }});
    return plan;
}

} // namespace iconsmith
