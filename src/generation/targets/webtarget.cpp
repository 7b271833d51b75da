#include "generation/targets/webtarget.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

struct ManifestIcon
{
    const char16_t *file;
    int size;
    const char16_t *purpose;
};

constexpr ManifestIcon manifestIcons[] = {
    {u"icon-192.png", 192, u"any"}, {u"icon-512.png", 512, u"any"}, {u"icon-maskable-512.png", 512, u"maskable"}};

} // namespace

TargetPlan WebTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"web"_s;
    for (const int size : {48, 32, 16})
        plan.images.append(PlannedImage(u"favicon.ico"_s, size).asEntry(u"ico"_s));
    // Safari puts the touch icon on the home screen as iOS shows app icons.
    plan.images.append(PlannedImage(u"apple-touch-icon.png"_s, 180, Surface::iosHome()));
    plan.images.append(PlannedImage(u"icon-192.png"_s, 192));
    plan.images.append(PlannedImage(u"icon-512.png"_s, 512));
    plan.images.append(PlannedImage(u"icon-maskable-512.png"_s, 512, Surface::maskable()));
    // The dark picture as the favicon of pages shown in a dark browser theme.
    if (context.has(SourceRole::Dark)) {
        for (const int size : darkFaviconSizes)
            plan.images.append(PlannedImage(darkFavicon(size), size).from(SourceRole::Dark));
    }
    if (context.mainIsSvg && context.svgPictures.contains(SourceRole::Dark))
        plan.copies.append({u"icon.svg"_s, SourceRole::Main, SourceRole::Dark, &switchingSvg});
    else if (context.mainIsSvg)
        plan.copies.append({u"icon.svg"_s, SourceRole::Main});
    const QString name = context.options.name;
    // The colour a browser shows while the app starts: the launch screens' when they have their own.
    const RgbColor background = context.options.splashBackground.value_or(context.background());
    plan.documents.append({u"manifest.webmanifest"_s, [name, background](const QSet<QString> &written) {
                               return manifest(name, written, background);
                           }});
    plan.documents.append({u"head.html"_s, [](const QSet<QString> &written) { return headTags(written); }});
    return plan;
}

QByteArray WebTarget::switchingSvg(const QByteArray &light, const QByteArray &dark)
{
    // Each drawing as an image of its own (a data URL, which an SVG shown as an icon may load),
    // so that their ids and styles cannot clash; the style shows one by the colour scheme.
    const auto layer = [](const char *name, const QByteArray &svg) {
        return QByteArray("  <image class=\"") + name +
               "\" width=\"100\" height=\"100\" href=\"data:image/svg+xml;base64," + svg.toBase64() + "\"/>\n";
    };
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">\n"
           "  <style>.dark{display:none}@media (prefers-color-scheme: dark){.light{display:none}.dark{display:inline}}"
           "</style>\n" +
           layer("light", light) + layer("dark", dark) + "</svg>\n";
}

QString WebTarget::darkFavicon(int size)
{
    return u"favicon-dark-%1.png"_s.arg(size);
}

QByteArray WebTarget::manifest(const QString &name, const QSet<QString> &written, RgbColor background)
{
    QJsonArray icons;
    for (const ManifestIcon &icon : manifestIcons) {
        const QString file = QString::fromUtf16(icon.file);
        if (!written.contains(file))
            continue;
        icons.append(QJsonObject{{u"src"_s, file},
                                 {u"sizes"_s, u"%1x%1"_s.arg(icon.size)},
                                 {u"type"_s, u"image/png"_s},
                                 {u"purpose"_s, QString::fromUtf16(icon.purpose)}});
    }
    if (written.contains(u"icon.svg"_s))
        icons.prepend(QJsonObject{{u"src"_s, u"icon.svg"_s}, {u"sizes"_s, u"any"_s}, {u"type"_s, u"image/svg+xml"_s}});
    // Every URL is relative to the manifest's own, so that the folder works wherever the site
    // serves it (at the root or under /app/): the app starts at, and spans, that folder.
    const QJsonObject root{{u"name"_s, name},
                           {u"short_name"_s, name},
                           {u"start_url"_s, u"./"_s},
                           {u"scope"_s, u"./"_s},
                           {u"icons"_s, icons},
                           {u"background_color"_s, background.name()},
                           {u"theme_color"_s, background.name()},
                           {u"display"_s, u"standalone"_s}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray WebTarget::headTags(const QSet<QString> &written)
{
    QByteArray html;
    // Links relative to the page, which sits beside the files wherever the site serves them; a
    // link from the root would miss them under a sub-path. The ICO's sizes keep browsers that
    // understand SVG from preferring the ICO.
    if (written.contains(u"favicon.ico"_s))
        html += "<link rel=\"icon\" href=\"favicon.ico\" sizes=\"32x32\">\n";
    if (written.contains(u"icon.svg"_s))
        html += "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n";
    // After the others: of the icons that fit, a browser takes the last one whose media matches.
    for (const int size : darkFaviconSizes) {
        if (written.contains(darkFavicon(size)))
            html += "<link rel=\"icon\" href=\"" + darkFavicon(size).toUtf8() + "\" type=\"image/png\" sizes=\"" +
                    QByteArray::number(size) + 'x' + QByteArray::number(size) +
                    "\" media=\"(prefers-color-scheme: dark)\">\n";
    }
    if (written.contains(u"apple-touch-icon.png"_s))
        html += "<link rel=\"apple-touch-icon\" href=\"apple-touch-icon.png\">\n";
    if (written.contains(u"manifest.webmanifest"_s))
        html += "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n";
    return html;
}

} // namespace iconsmith
