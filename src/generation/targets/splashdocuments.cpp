#include "generation/targets/splashdocuments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "catalog/contentsdocument.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QByteArray xmlHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

// A colour set's colour: sRGB components as Xcode writes them.
QJsonObject colourEntry(RgbColor colour, bool dark)
{
    const auto component = [](int value) { return u"0x"_s + u"%1"_s.arg(value, 2, 16, QLatin1Char('0')).toUpper(); };
    QJsonObject entry{
        {u"idiom"_s, u"universal"_s},
        {u"color"_s, QJsonObject{{u"color-space"_s, u"srgb"_s},
                                 {u"components"_s, QJsonObject{{u"red"_s, component(colour.red)},
                                                               {u"green"_s, component(colour.green)},
                                                               {u"blue"_s, component(colour.blue)},
                                                               {u"alpha"_s, u"1.000"_s}}}}},
    };
    if (dark)
        entry.insert(u"appearances"_s,
                     QJsonArray{QJsonObject{{u"appearance"_s, u"luminosity"_s}, {u"value"_s, u"dark"_s}}});
    return entry;
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace

QByteArray SplashDocuments::logoImageSet(const QSet<QString> &written)
{
    ContentsDocument document;
    for (const bool dark : {false, true}) {
        for (const QString &scale : {u"1"_s, u"2"_s, u"3"_s}) {
            const QString file = u"LaunchLogo%1%2.png"_s.arg(dark ? u"-dark"_s : QString(),
                                                             scale == u"1" ? QString() : u'@' + scale + u'x');
            if (!written.contains(file))
                continue;
            CatalogEntry entry(file, u"universal"_s, scale + u'x', {});
            if (dark)
                entry.appearance = u"dark"_s;
            document.images.append(entry);
        }
    }
    return document.toJson();
}

QByteArray SplashDocuments::colourSet(RgbColor light, std::optional<RgbColor> dark)
{
    QJsonArray colours{colourEntry(light, false)};
    if (dark)
        colours.append(colourEntry(*dark, true));
    const QJsonObject document{{u"colors"_s, colours},
                               {u"info"_s, QJsonObject{{u"author"_s, u"xcode"_s}, {u"version"_s, 1}}}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray SplashDocuments::launchScreenPlist()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n"
           "\t<key>UILaunchScreen</key>\n\t<dict>\n"
           "\t\t<key>UIColorName</key>\n\t\t<string>" +
           backgroundName.toString().toUtf8() +
           "</string>\n"
           "\t\t<key>UIImageName</key>\n\t\t<string>" +
           logoName.toString().toUtf8() +
           "</string>\n"
           "\t\t<key>UIImageRespectsSafeAreaInsets</key>\n\t\t<false/>\n"
           "\t</dict>\n</dict>\n</plist>\n";
}

QByteArray SplashDocuments::androidColours(RgbColor colour)
{
    return xmlHeader + "<resources>\n    <color name=\"" + androidColour.toString().toUtf8() + "\">" +
           colour.name().toUpper().toUtf8() + "</color>\n</resources>\n";
}

QByteArray SplashDocuments::androidThemeXml(bool platformSplash)
{
    const QByteArray name = androidTheme.toString().toUtf8();
    const QByteArray colour = "@color/" + androidColour.toString().toUtf8();
    QByteArray xml = xmlHeader + "<resources>\n    <style name=\"" + name +
                     "\" parent=\"android:Theme.DeviceDefault.NoActionBar\">\n";
    if (platformSplash) {
        xml += "        <item name=\"android:windowSplashScreenBackground\">" + colour + "</item>\n";
        xml += "        <item name=\"android:windowSplashScreenAnimatedIcon\">@drawable/" +
               androidIcon.toString().toUtf8() + "</item>\n";
    } else {
        xml += "        <item name=\"android:windowBackground\">@drawable/" + androidLayers.toString().toUtf8() +
               "</item>\n";
    }
    return xml + "    </style>\n</resources>\n";
}

QByteArray SplashDocuments::androidLayerList()
{
    return xmlHeader +
           "<layer-list xmlns:android=\"http://schemas.android.com/apk/res/android\">\n"
           "    <item android:drawable=\"@color/" +
           androidColour.toString().toUtf8() +
           "\"/>\n"
           "    <item>\n        <bitmap android:gravity=\"center\" android:src=\"@drawable/" +
           androidIcon.toString().toUtf8() + "\"/>\n    </item>\n</layer-list>\n";
}

QByteArray SplashDocuments::startupLinks(const QList<StartupLink> &links, const QSet<QString> &written)
{
    QByteArray html;
    for (const StartupLink &link : links) {
        if (written.contains(link.file))
            html += "<link rel=\"apple-touch-startup-image\" media=\"" + escaped(link.media) + "\" href=\"" +
                    escaped(link.file) + "\">\n";
    }
    return html;
}

} // namespace iconsmith
