#include "generation/targets/androidnotificationtarget.h"

#include <algorithm>
#include <cstdlib>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

struct Density
{
    const char16_t *name;
    int pixels; // 24 dp
};

constexpr Density densities[] = {{u"mdpi", 24}, {u"hdpi", 36}, {u"xhdpi", 48}, {u"xxhdpi", 72}, {u"xxxhdpi", 96}};

// The summed channel difference from a plate's colour that shows as a logo on it.
constexpr int differs = 48;

// Whether a plate holds nothing that differs from its own colour: no logo to cut out of it.
bool isBarePlate(const ContentExtent &extent)
{
    const auto logo =
        std::size_t(std::count_if(extent.samples.cbegin(), extent.samples.cend(), [&extent](const auto &sample) {
            const RgbColor &plate = extent.outlineColour;
            return std::abs(sample[0] - plate.red) + std::abs(sample[1] - plate.green) +
                       std::abs(sample[2] - plate.blue) >
                   differs;
        }));
    return double(logo) < (1.0 - AndroidNotificationTarget::blobSolidity) * double(extent.samples.size());
}

// Whether the shape the icon would show is one solid blob: a logo without holes or gaps, or a
// plate without a logo on it to cut out.
bool isBlob(const ContentExtent &extent)
{
    switch (extent.kind()) {
    case ArtworkKind::Logo:
        return extent.solidity >= AndroidNotificationTarget::blobSolidity;
    case ArtworkKind::PlatedLogo:
        return isBarePlate(extent);
    case ArtworkKind::FullBleed:
        return false; // its shape is what differs from its own background
    }
    return false;
}

} // namespace

QString AndroidNotificationTarget::resourceName(const QString &name)
{
    // Android resource names are lower-case letters, digits and underscores.
    QString resource;
    for (const QChar c : name.toLower()) {
        const bool allowed = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_';
        resource += allowed ? c : u'_';
    }
    return u"ic_stat_"_s + (resource.isEmpty() ? u"icon"_s : resource);
}

TargetPlan AndroidNotificationTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"android-notification"_s;
    const bool given = context.has(SourceRole::Monochrome);
    const SourceRole source = given ? SourceRole::Monochrome : SourceRole::Main;
    const QString file = resourceName(context.options.name) + u".png"_s;
    for (const Density &density : densities)
        plan.images.append(PlannedImage(u"res/drawable-%1/"_s.arg(QStringView(density.name)) + file, density.pixels,
                                        Surface::statusBar())
                               .as(Look::Shape)
                               .from(source));
    if (!given && isBlob(context.mainExtent))
        plan.warnings.append(
            {SourceWarning::Kind::HardToSee,
             tr("android-notification: the source's silhouette is one solid shape, which shows in the "
                "status bar as a plain white blob: give a glyph with Monochrome… (--monochrome FILE).")});
    return plan;
}

} // namespace iconsmith
