#include "generation/targets/androidtarget.h"

#include "generation/targets/treatmentlayout.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

struct Density
{
    const char16_t *name;
    int legacy;   // 48 dp
    int adaptive; // 108 dp
};

constexpr Density densities[] = {
    {u"mdpi", 48, 108}, {u"hdpi", 72, 162}, {u"xhdpi", 96, 216}, {u"xxhdpi", 144, 324}, {u"xxxhdpi", 192, 432}};

QByteArray adaptiveIconXml(bool backgroundImage, bool monochrome)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                     "<adaptive-icon xmlns:android=\"http://schemas.android.com/apk/res/android\">\n";
    xml += backgroundImage ? "    <background android:drawable=\"@mipmap/ic_launcher_background\"/>\n"
                           : "    <background android:drawable=\"@color/ic_launcher_background\"/>\n";
    xml += "    <foreground android:drawable=\"@mipmap/ic_launcher_foreground\"/>\n";
    if (monochrome)
        xml += "    <monochrome android:drawable=\"@mipmap/ic_launcher_monochrome\"/>\n";
    xml += "</adaptive-icon>\n";
    return xml;
}

} // namespace

TargetPlan AndroidTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"android"_s;
    const bool readyForeground = context.has(SourceRole::AndroidForeground);
    const bool backgroundImage = context.has(SourceRole::AndroidBackground);
    // A ready foreground layer is used as it is; the source is placed on the layer.
    const SourceRole foreground = readyForeground ? SourceRole::AndroidForeground : SourceRole::Main;
    const Surface &layer = readyForeground ? Surface::asIs() : Surface::androidAdaptive();
    std::optional<double> inset;
    if (context.options.androidInset)
        inset = TreatmentLayout::adaptiveMarginForInset(*context.options.androidInset);
    // The monochrome layer is the given picture's shape, else the foreground's; full-bleed
    // artwork has no shape of its own (it would be a plain square), so the launcher is left to
    // theme the icon itself.
    const bool monochromeGiven = context.has(SourceRole::Monochrome);
    const SourceRole monochrome = monochromeGiven ? SourceRole::Monochrome : foreground;
    const bool withMonochrome = monochromeGiven || context.extent(foreground).kind() != ArtworkKind::FullBleed;
    if (!withMonochrome)
        plan.notes.append({tr("android: no monochrome (themed icon) layer: the source is full-bleed artwork, whose "
                              "shape would be a plain square."),
                           SourceRole::Monochrome});
    for (const Density &density : densities) {
        const QString folder = u"res/mipmap-%1/"_s.arg(QStringView(density.name));
        plan.images.append(PlannedImage(folder + u"ic_launcher.png"_s, density.legacy, Surface::androidLegacy()));
        plan.images.append(PlannedImage(folder + u"ic_launcher_round.png"_s, density.legacy, Surface::androidRound()));
        plan.images.append(PlannedImage(folder + u"ic_launcher_foreground.png"_s, density.adaptive, layer)
                               .from(foreground)
                               .withMargin(inset));
        if (withMonochrome)
            plan.images.append(PlannedImage(folder + u"ic_launcher_monochrome.png"_s, density.adaptive,
                                            monochromeGiven ? Surface::asIs() : layer)
                                   .as(Look::Shape)
                                   .from(monochrome)
                                   .withMargin(inset));
        if (backgroundImage)
            plan.images.append(PlannedImage(folder + u"ic_launcher_background.png"_s, density.adaptive,
                                            Surface::asIs().finishedAs(SurfaceFinish::Flattened))
                                   .from(SourceRole::AndroidBackground));
    }
    // Google Play masks and shadows the full square itself.
    plan.images.append(PlannedImage(u"play-store-512.png"_s, 512, Surface::playStore()));

    const QByteArray xml = adaptiveIconXml(backgroundImage, withMonochrome);
    for (const QString &name : {u"ic_launcher.xml"_s, u"ic_launcher_round.xml"_s})
        plan.documents.append(
            {u"res/mipmap-anydpi-v26/"_s + name, [xml](const QSet<QString> &) { return QByteArray(xml); }});
    if (!backgroundImage) {
        const QByteArray colour = context.background().name().toUpper().toLatin1();
        plan.documents.append({u"res/values/ic_launcher_background.xml"_s, [colour](const QSet<QString> &) {
                                   return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<resources>\n"
                                          "    <color name=\"ic_launcher_background\">" +
                                          colour + "</color>\n</resources>\n";
                               }});
    }
    return plan;
}

} // namespace iconsmith
