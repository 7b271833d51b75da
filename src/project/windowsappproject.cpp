#include "project/windowsappproject.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

#include "generation/targets/windowsstoretarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int largestAsset = 2480; // SplashScreen at scale 400

// The logos the manifest names, by the name of the logo: its attributes, and the two it names otherwise.
QMap<QString, QString> logosOf(const QByteArray &manifest)
{
    static const QStringList attributes{u"Square150x150Logo"_s, u"Square44x44Logo"_s, u"Wide310x150Logo"_s,
                                        u"Square71x71Logo"_s, u"Square310x310Logo"_s};
    QMap<QString, QString> logos;
    QXmlStreamReader xml(manifest);
    QStringList open;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() == QXmlStreamReader::EndElement) {
            open.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QString element = xml.name().toString();
        for (const QString &attribute : attributes) {
            if (xml.attributes().hasAttribute(attribute))
                logos.insert(attribute, xml.attributes().value(attribute).toString());
        }
        if (element == u"SplashScreen" && xml.attributes().hasAttribute(u"Image"_s))
            logos.insert(u"SplashScreen"_s, xml.attributes().value(u"Image"_s).toString());
        if (element == u"Logo" && !open.isEmpty() && open.last() == u"Properties") {
            logos.insert(u"StoreLogo"_s, xml.readElementText());
            continue; // readElementText() consumed the end element
        }
        open.append(element);
    }
    return logos;
}

} // namespace

std::unique_ptr<ProjectKind> WindowsAppProject::at(const QString &root, const QString &folder, QStringList &notes)
{
    const QByteArray manifest = readSmallFile(joined(root, joined(folder, u"Package.appxmanifest"_s)));
    if (manifest.isEmpty())
        return nullptr;
    std::unique_ptr<WindowsAppProject> app(new WindowsAppProject(folder));
    const QMap<QString, QString> logos = logosOf(manifest);
    for (auto it = logos.begin(); it != logos.end(); ++it)
        app->addFiles(root, it.key(), it.value(), notes);
    if (app->m_assets.isEmpty())
        return nullptr;
    return app;
}

void WindowsAppProject::addFiles(const QString &root, const QString &logo, const QString &path, QStringList &notes)
{
    const QString clean = QDir::cleanPath(QString(path).replace(u'\\', u'/'));
    if (clean.isEmpty() || clean.startsWith(u"..") || QDir::isAbsolutePath(clean) || clean.contains(u':') ||
        !clean.endsWith(u".png"_s, Qt::CaseInsensitive)) {
        notes << tr("%1: the logo \"%2\" is not a PNG of the app, so it was left alone.")
                     .arg(joined(m_folder, u"Package.appxmanifest"_s), path);
        return;
    }
    const auto base = std::find_if(WindowsStoreTarget::logos().cbegin(), WindowsStoreTarget::logos().cend(),
                                   [&logo](const WindowsStoreTarget::Logo &known) { return known.name == logo; });
    if (base == WindowsStoreTarget::logos().cend())
        return;
    const QString folder = joined(m_folder, clean.section(u'/', 0, -2));
    const QString stem = QRegularExpression::escape(clean.section(u'/', -1).chopped(4));
    const QRegularExpression qualified(
        u"^%1(?:\\.(?:scale-(\\d{2,3})|targetsize-(\\d{1,3})(?:_altform-(?:light)?unplated)?))?\\.png$"_s.arg(stem));
    for (const QString &name : QDir(root + u'/' + folder).entryList({u"*.png"_s}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = qualified.match(name);
        if (!match.hasMatch())
            continue;
        QSize pixels;
        if (match.hasCaptured(2)) {
            // Target sizes are the app icon's alone.
            if (logo != u"Square44x44Logo")
                continue;
            pixels = QSize(match.captured(2).toInt(), match.captured(2).toInt());
        } else {
            pixels = WindowsStoreTarget::scaled(base->base, match.hasCaptured(1) ? match.captured(1).toInt() : 100);
        }
        if (!pixels.isEmpty() && std::max(pixels.width(), pixels.height()) <= largestAsset)
            m_assets.append({joined(folder, name), logo, pixels});
    }
}

TargetPlan WindowsAppProject::plan(const TargetContext & /*context*/) const
{
    TargetPlan plan;
    plan.name = kind();
    for (const Asset &asset : m_assets) {
        // Drawn as the windows-store target draws each logo: the app icon as an icon, the others as
        // tiles, a wide one with the logo's square in the middle.
        const Surface &surface = asset.logo == u"Square44x44Logo" ? Surface::windowsIcon() : Surface::windowsTile();
        plan.images.append(PlannedImage(asset.file, std::min(asset.pixels.width(), asset.pixels.height()), surface)
                               .onCanvas(asset.pixels));
    }
    return plan;
}

} // namespace iconsmith
