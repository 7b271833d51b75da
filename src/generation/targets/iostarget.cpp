#include "generation/targets/iostarget.h"

#include "catalog/contentsdocument.h"

namespace iconsmith {

namespace {

const QString folder = QStringLiteral("AppIcon.appiconset/");

CatalogEntry universal(const QString &file, const QString &platform, const QString &appearance = {})
{
    CatalogEntry entry(file, QStringLiteral("universal"), {}, QStringLiteral("1024x1024"));
    entry.platform = platform;
    entry.appearance = appearance;
    return entry;
}

} // namespace

TargetPlan IosTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = QStringLiteral("ios");
    struct Appearance
    {
        QString file;
        QString value;
    };
    QList<Appearance> appearances{{QStringLiteral("AppIcon.png"), {}}};
    plan.images.append({folder + appearances.last().file, 1024, Treatment::Opaque, SourceRole::Main, {}});

    if (context.has(SourceRole::Dark) || context.mainExtent.transparentMargin) {
        appearances.append({QStringLiteral("AppIcon-dark.png"), QStringLiteral("dark")});
        plan.images.append({folder + appearances.last().file,
                            1024,
                            Treatment::Plain,
                            context.has(SourceRole::Dark) ? SourceRole::Dark : SourceRole::Main,
                            {}});
    } else {
        plan.notes.append({tr("ios: no dark icon: the source has no transparent background to show on the dark "
                              "backdrop."),
                           SourceRole::Dark});
    }
    appearances.append({QStringLiteral("AppIcon-tinted.png"), QStringLiteral("tinted")});
    plan.images.append({folder + appearances.last().file,
                        1024,
                        Treatment::Tinted,
                        context.has(SourceRole::Tinted) ? SourceRole::Tinted : SourceRole::Main,
                        {}});

    plan.documents.append({folder + ContentsDocument::fileName.toString(), [appearances](const QSet<QString> &written) {
                               ContentsDocument document;
                               for (const Appearance &appearance : appearances) {
                                   if (written.contains(folder + appearance.file))
                                       document.images.append(
                                           universal(appearance.file, QStringLiteral("ios"), appearance.value));
                               }
                               return document.toJson();
                           }});
    return plan;
}

} // namespace iconsmith
