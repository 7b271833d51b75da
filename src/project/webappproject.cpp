#include "project/webappproject.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "check/webmanifest.h"
#include "generation/targets/webtarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int largestIcon = 2048;

const QStringList manifestNames{u"manifest.json"_s, u"manifest.webmanifest"_s, u"site.webmanifest"_s};

// The first square size of a "sizes" list ("192x192 512x512": 192); 0 for "any" or none.
int firstSize(const QString &sizes)
{
    for (const QString &size : sizes.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList sides = size.toLower().split(u'x');
        if (sides.size() == 2 && sides.first() == sides.last() && sides.first().toInt() > 0)
            return sides.first().toInt();
    }
    return 0;
}

// The file @p url names, relative to the project folder, for a site whose root is @p siteRoot;
// empty when it names no file of the site (an address, a template, a path above the root).
QString fileOfSite(const QString &url, const QString &siteRoot)
{
    // The site-root placeholders of create-react-app and Vue are read; any other template is not.
    const QString file = WebUrl::fileOf(url);
    if (file.isEmpty() || file == u"." || file.startsWith(u"..") || WebUrl::isTemplated(file))
        return {};
    return ProjectKind::joined(siteRoot, file);
}

// Whether @p html links the manifest @p name.
bool linksManifest(const QString &html, const QString &name)
{
    const QList<PageLink> links = PageLink::linksOf(html);
    return std::any_of(links.begin(), links.end(), [&name](const PageLink &link) {
        return link.rel.contains(u"manifest"_s) && QFileInfo(WebUrl::fileOf(link.href)).fileName() == name;
    });
}

} // namespace

QList<WebAppProject::Icon> WebAppProject::manifestIcons(const QByteArray &manifest, const QString &folder,
                                                        QStringList &refused)
{
    QList<Icon> icons;
    const Result<WebManifest> parsed = WebManifest::parse(manifest);
    if (!parsed)
        return icons;
    for (const WebManifest::Icon &icon : parsed->icons) {
        const QString file = fileOfSite(icon.src, folder);
        if (file.isEmpty()) {
            if (!icon.src.isEmpty())
                refused << icon.src;
            continue;
        }
        const QStringList purposes = icon.purpose.toString().split(u' ', Qt::SkipEmptyParts);
        const QString purpose = purposes.contains(u"maskable"_s)     ? u"maskable"_s
                                : purposes.contains(u"monochrome"_s) ? u"monochrome"_s
                                                                     : QString();
        icons.append({file, firstSize(icon.sizes), purpose});
    }
    return icons;
}

QList<WebAppProject::Icon> WebAppProject::pageIcons(const QString &html, const QString &folder, QStringList &refused)
{
    QList<Icon> icons;
    for (const PageLink &link : PageLink::linksOf(html)) {
        const bool touch =
            link.rel.contains(u"apple-touch-icon"_s) || link.rel.contains(u"apple-touch-icon-precomposed"_s);
        if (!touch && !link.rel.contains(u"icon"_s))
            continue;
        const QString file = fileOfSite(link.href, folder);
        if (file.isEmpty()) {
            refused << link.href;
            continue;
        }
        icons.append({file, firstSize(link.sizes), touch ? u"apple-touch-icon"_s : QString()});
    }
    return icons;
}

std::unique_ptr<ProjectKind> WebAppProject::at(const QString &root, const QString &folder, QStringList & /*notes*/)
{
    for (const QString &name : manifestNames) {
        const QString manifest = joined(folder, name);
        const QByteArray contents = readSmallFile(joined(root, manifest));
        // Another file called manifest.json (a browser extension's) is no web app's.
        if (!WebManifest::looksLikeWebManifest(contents))
            continue;
        QStringList pageFolders{folder};
        if (!folder.isEmpty())
            pageFolders << folder.section(u'/', 0, -2);
        for (const QString &pageFolder : std::as_const(pageFolders)) {
            const QString html = QString::fromUtf8(readSmallFile(joined(root, joined(pageFolder, u"index.html"_s))));
            if (!linksManifest(html, name))
                continue;
            std::unique_ptr<WebAppProject> app(new WebAppProject(root, folder));
            // The site's root, as the app serves it, is the manifest's folder: the page's paths are its.
            app->m_icons = manifestIcons(contents, folder, app->m_refused);
            app->m_icons << pageIcons(html, folder, app->m_refused);
            return app;
        }
    }
    return nullptr;
}

TargetPlan WebAppProject::plan(const TargetContext &context) const
{
    TargetPlan plan;
    plan.name = kind();
    const TargetPlan web = WebTarget::plan(context);
    QStringList planned;
    for (const Icon &icon : m_icons) {
        if (planned.contains(icon.file))
            continue;
        planned << icon.file;
        const QString suffix = QFileInfo(icon.file).suffix().toLower();
        if (suffix == u"ico") {
            plan.images << containerEntries(web, u".ico"_s, icon.file);
            continue;
        }
        const int pixels = icon.pixels > 0 ? icon.pixels : presentSquareSize(joined(m_root, icon.file));
        if (suffix != u"png" || pixels <= 0 || pixels > largestIcon) {
            plan.notes.append({tr("%1: Iconsmith writes PNG and ICO icons of a size it knows, so it was left as it is.")
                                   .arg(icon.file),
                               std::nullopt});
            continue;
        }
        const Surface &surface = icon.purpose == u"maskable"           ? Surface::maskable()
                                 : icon.purpose == u"apple-touch-icon" ? Surface::iosHome()
                                                                       : Surface::asIs();
        plan.images.append(
            PlannedImage(icon.file, pixels, surface).as(icon.purpose == u"monochrome" ? Look::Shape : Look::Colour));
    }
    for (const QString &reference : m_refused)
        plan.notes.append({tr("The web app in %1 names the icon \"%2\", which is not a file of the project, so it "
                              "was left as it is.")
                               .arg(m_folder.isEmpty() ? u"."_s : m_folder, reference),
                           std::nullopt});
    return plan;
}

} // namespace iconsmith
