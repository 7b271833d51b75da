#include "generation/targets/androidtarget.h"

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

QByteArray adaptiveIconXml(bool backgroundImage)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                     "<adaptive-icon xmlns:android=\"http://schemas.android.com/apk/res/android\">\n";
    xml += backgroundImage ? "    <background android:drawable=\"@mipmap/ic_launcher_background\"/>\n"
                           : "    <background android:drawable=\"@color/ic_launcher_background\"/>\n";
    xml += "    <foreground android:drawable=\"@mipmap/ic_launcher_foreground\"/>\n"
           "    <monochrome android:drawable=\"@mipmap/ic_launcher_monochrome\"/>\n"
           "</adaptive-icon>\n";
    return xml;
}

} // namespace

TargetPlan AndroidTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"android"_s;
    const bool readyForeground = context.has(SourceRole::AndroidForeground);
    const bool backgroundImage = context.has(SourceRole::AndroidBackground);
    for (const Density &density : densities) {
        const QString folder = u"res/mipmap-%1/"_s.arg(QStringView(density.name));
        plan.images.append({folder + u"ic_launcher.png"_s, density.legacy, Treatment::Opaque, SourceRole::Main, {}});
        plan.images.append(
            {folder + u"ic_launcher_round.png"_s, density.legacy, Treatment::Round, SourceRole::Main, {}});
        // A ready foreground layer is used as it is; the source is fitted into the safe zone.
        const SourceRole foreground = readyForeground ? SourceRole::AndroidForeground : SourceRole::Main;
        plan.images.append({folder + u"ic_launcher_foreground.png"_s,
                            density.adaptive,
                            readyForeground ? Treatment::Plain : Treatment::SafeZone,
                            foreground,
                            {}});
        // The monochrome layer is the given picture's shape, else the foreground's.
        const bool monochromeGiven = context.has(SourceRole::Monochrome);
        const SourceRole monochrome = monochromeGiven ? SourceRole::Monochrome : foreground;
        const Treatment shape = monochromeGiven || readyForeground ? Treatment::LayerShape : Treatment::SafeZoneShape;
        plan.images.append({folder + u"ic_launcher_monochrome.png"_s, density.adaptive, shape, monochrome, {}});
        if (backgroundImage)
            plan.images.append({folder + u"ic_launcher_background.png"_s,
                                density.adaptive,
                                Treatment::Opaque,
                                SourceRole::AndroidBackground,
                                {}});
    }
    // Google Play masks and shadows the full square itself.
    plan.images.append({u"play-store-512.png"_s, 512, Treatment::Opaque, SourceRole::Main, {}});

    const QByteArray xml = adaptiveIconXml(backgroundImage);
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
