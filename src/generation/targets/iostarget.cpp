#include "generation/targets/iostarget.h"

#include "catalog/contentsdocument.h"
#include "imaging/appearance.h"

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

QString ratio(double contrast)
{
    return QStringLiteral("%1:1").arg(contrast, 0, 'f', 1);
}

// The dark icon: the user's, or a logo's lightened as far as it needs to show on the dark backdrop.
void checkDark(const TargetContext &context, TargetPlan &plan)
{
    const bool given = context.has(SourceRole::Dark);
    const ContentExtent &extent = context.extent(given ? SourceRole::Dark : SourceRole::Main);
    if (extent.kind() == ArtworkKind::FullBleed)
        return; // opaque: it brings its own background
    const double asItIs = Appearance::contrast(extent, Appearance::darkBackdrop);
    const ToneLevels levels = given ? ToneLevels() : Appearance::darkLevels(extent);
    const double made = Appearance::contrast(extent, Appearance::darkBackdrop, Tone::Colour, levels);
    if (made < Appearance::minimumContrast) {
        plan.warnings.append({SourceWarning::Kind::HardToSee,
                              IosTarget::tr("ios: the dark icon would be hard to see on the dark backdrop (contrast "
                                            "%1, below 3:1): give one with Dark… (--dark FILE).")
                                  .arg(ratio(made))});
    } else if (!levels.isIdentity()) {
        plan.notes.append({IosTarget::tr("ios: the dark icon shows the logo lightened, as it would be hard to see on "
                                         "the dark backdrop as it is (contrast %1, now %2).")
                               .arg(ratio(asItIs), ratio(made)),
                           SourceRole::Dark});
    }
}

// The tinted icon: the user's, or a logo's greys spread so that its darkest still show on black.
void checkTinted(const TargetContext &context, TargetPlan &plan)
{
    const bool given = context.has(SourceRole::Tinted);
    const ContentExtent &extent = context.extent(given ? SourceRole::Tinted : SourceRole::Main);
    if (extent.kind() == ArtworkKind::FullBleed)
        return; // a picture of its own, not a shape on black
    const ToneLevels levels = given ? ToneLevels() : Appearance::tintedLevels(extent);
    const double made = Appearance::contrast(extent, Appearance::darkBackdrop, Tone::Greyscale, levels);
    if (made < Appearance::minimumContrast)
        plan.warnings.append({SourceWarning::Kind::HardToSee,
                              IosTarget::tr("ios: the tinted icon would be hard to see (contrast %1 on black, below "
                                            "3:1): give one with Tinted… (--tinted FILE).")
                                  .arg(ratio(made))});
}

} // namespace

TargetPlan IosTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = QStringLiteral("ios");
    struct Variant
    {
        QString file;
        QString value;
    };
    const Surface &home = Surface::iosHome();
    QList<Variant> appearances{{QStringLiteral("AppIcon.png"), {}}};
    plan.images.append(PlannedImage(folder + appearances.last().file, 1024, home));

    if (context.has(SourceRole::Dark) || context.mainExtent.kind() != ArtworkKind::FullBleed) {
        appearances.append({QStringLiteral("AppIcon-dark.png"), QStringLiteral("dark")});
        plan.images.append(PlannedImage(folder + appearances.last().file, 1024, home)
                               .as(Look::Dark)
                               .from(context.has(SourceRole::Dark) ? SourceRole::Dark : SourceRole::Main));
        checkDark(context, plan);
    } else {
        plan.notes.append({tr("ios: no dark icon: the source has no transparent background to show on the dark "
                              "backdrop."),
                           SourceRole::Dark});
    }
    appearances.append({QStringLiteral("AppIcon-tinted.png"), QStringLiteral("tinted")});
    plan.images.append(PlannedImage(folder + appearances.last().file, 1024, home)
                           .as(Look::Tinted)
                           .from(context.has(SourceRole::Tinted) ? SourceRole::Tinted : SourceRole::Main));
    checkTinted(context, plan);

    plan.documents.append({folder + ContentsDocument::fileName.toString(), [appearances](const QSet<QString> &written) {
                               ContentsDocument document;
                               for (const Variant &appearance : appearances) {
                                   if (written.contains(folder + appearance.file))
                                       document.images.append(
                                           universal(appearance.file, QStringLiteral("ios"), appearance.value));
                               }
                               return document.toJson();
                           }});
    return plan;
}

} // namespace iconsmith
