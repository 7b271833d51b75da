#include "generation/targets/windowsstoretarget.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString assets = u"Assets/"_s;

QString scaleFile(const QString &logo, int scale)
{
    return assets + u"%1.scale-%2.png"_s.arg(logo).arg(scale);
}

QString targetSizeFile(int size, QStringView variant = {})
{
    return assets + u"Square44x44Logo.targetsize-%1%2.png"_s.arg(size).arg(variant);
}

// Whether any file of @p logo was written: the manifest names a logo by its base name and
// Windows picks the file of the scale it needs.
bool wroteLogo(const QSet<QString> &written, const QString &logo)
{
    return std::any_of(std::begin(WindowsStoreTarget::scales), std::end(WindowsStoreTarget::scales),
                       [&](int scale) { return written.contains(scaleFile(logo, scale)); });
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace

const QList<WindowsStoreTarget::Logo> &WindowsStoreTarget::logos()
{
    static const QList<Logo> list{
        {u"Square44x44Logo"_s, {44, 44}},     {u"Square71x71Logo"_s, {71, 71}}, {u"Square150x150Logo"_s, {150, 150}},
        {u"Square310x310Logo"_s, {310, 310}}, {u"StoreLogo"_s, {50, 50}},       {u"Wide310x150Logo"_s, {310, 150}},
        {u"SplashScreen"_s, {620, 300}},
    };
    return list;
}

QSize WindowsStoreTarget::scaled(QSize base, int scale)
{
    return {int(std::lround(base.width() * scale / 100.0)), int(std::lround(base.height() * scale / 100.0))};
}

TargetPlan WindowsStoreTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"windows-store"_s;
    for (const Logo &logo : logos()) {
        // The app icon is drawn as an icon, the others as tiles with room around the logo.
        // A wide logo is the logo's square in the middle of its width: never the square stretched.
        const Surface &surface = logo.name == u"Square44x44Logo" ? Surface::windowsIcon() : Surface::windowsTile();
        for (const int scale : scales) {
            const QSize size = scaled(logo.base, scale);
            plan.images.append(PlannedImage(scaleFile(logo.name, scale), std::min(size.width(), size.height()), surface)
                                   .onCanvas(size));
        }
    }
    for (const int size : targetSizes) {
        plan.images.append(PlannedImage(targetSizeFile(size), size, Surface::windowsIcon()));
        for (const char16_t *variant : unplated)
            plan.images.append(PlannedImage(targetSizeFile(size, variant), size, Surface::windowsIcon()));
    }
    const QString name = context.options.name;
    const RgbColor background = context.background();
    plan.documents.append({u"VisualElements.xml"_s, [name, background](const QSet<QString> &written) {
                               return visualElements(name, background, written);
                           }});
    return plan;
}

QByteArray WindowsStoreTarget::visualElements(const QString &name, RgbColor background, const QSet<QString> &written)
{
    const auto logo = [&written](const QString &attribute, const QString &file) -> QByteArray {
        if (!wroteLogo(written, file))
            return {};
        return "\n    " + attribute.toLatin1() + "=\"Assets\\" + file.toLatin1() + ".png\"";
    };
    const QByteArray colour = background.name().toLatin1();
    QByteArray xml = "<!-- The <uap:VisualElements> element of Package.appxmanifest's <Application>; the package's\n"
                     "     <Properties><Logo> is Assets\\StoreLogo.png. -->\n";
    xml += "<uap:VisualElements\n    DisplayName=\"" + escaped(name) + "\"\n    Description=\"" + escaped(name) +
           "\"\n    BackgroundColor=\"" + colour + "\"";
    xml += logo(u"Square150x150Logo"_s, u"Square150x150Logo"_s);
    xml += logo(u"Square44x44Logo"_s, u"Square44x44Logo"_s);
    xml += ">\n  <uap:DefaultTile";
    xml += logo(u"Wide310x150Logo"_s, u"Wide310x150Logo"_s).replace("\n    ", "\n      ");
    xml += logo(u"Square71x71Logo"_s, u"Square71x71Logo"_s).replace("\n    ", "\n      ");
    xml += logo(u"Square310x310Logo"_s, u"Square310x310Logo"_s).replace("\n    ", "\n      ");
    xml += "\n      ShortName=\"" + escaped(name) + "\"/>\n";
    if (wroteLogo(written, u"SplashScreen"_s))
        xml += "  <uap:SplashScreen Image=\"Assets\\SplashScreen.png\" BackgroundColor=\"" + colour + "\"/>\n";
    xml += "</uap:VisualElements>\n";
    return xml;
}

} // namespace iconsmith
