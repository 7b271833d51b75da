#include "project/webappproject.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

#include "generation/targets/webtarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int largestIcon = 2048;

const QStringList manifestNames{u"manifest.json"_s, u"manifest.webmanifest"_s, u"site.webmanifest"_s};

// The file @p reference names, relative to the project folder, or empty when it names no file of the project.
QString resolve(QString reference, const QString &folder, const QString &siteRoot)
{
    reference = reference.trimmed();
    reference.remove(u"%PUBLIC_URL%"_s);
    reference = reference.section(u'#', 0, 0).section(u'?', 0, 0);
    if (reference.isEmpty() || reference.contains(u':') || reference.startsWith(u"//") || reference.contains(u'\\'))
        return {};
    const bool fromRoot = reference.startsWith(u'/');
    QString path = QDir::cleanPath(
        ProjectKind::joined(fromRoot ? siteRoot : folder, QUrl::fromPercentEncoding(reference.toUtf8()).mid(fromRoot)));
    if (path.isEmpty() || path == u"." || path.startsWith(u"..") || QDir::isAbsolutePath(path))
        return {};
    return path;
}

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

QString attribute(const QString &tag, const QString &name)
{
    const QRegularExpression value(u"\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"_s.arg(name),
                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = value.match(tag);
    return match.captured(1) + match.captured(2) + match.captured(3);
}

QStringList linkTags(const QString &html)
{
    static const QRegularExpression link(u"<link\\b[^>]*>"_s, QRegularExpression::CaseInsensitiveOption);
    QStringList tags;
    for (const QRegularExpressionMatch &match : link.globalMatch(html))
        tags << match.captured();
    return tags;
}

// Whether @p html links the manifest @p name.
bool linksManifest(const QString &html, const QString &name)
{
    const QStringList tags = linkTags(html);
    return std::any_of(tags.begin(), tags.end(), [&name](const QString &tag) {
        return attribute(tag, u"rel"_s).toLower() == u"manifest" &&
               attribute(tag, u"href"_s).section(u'?', 0, 0).endsWith(name);
    });
}

} // namespace

QList<WebAppProject::Icon> WebAppProject::manifestIcons(const QByteArray &manifest, const QString &folder,
                                                        QStringList &refused)
{
    QList<Icon> icons;
    for (const QJsonValue value : QJsonDocument::fromJson(manifest).object().value(u"icons"_s).toArray()) {
        const QJsonObject icon = value.toObject();
        const QString source = icon.value(u"src"_s).toString();
        const QString file = resolve(source, folder, folder);
        if (file.isEmpty()) {
            refused << source;
            continue;
        }
        const QStringList purposes = icon.value(u"purpose"_s).toString().split(u' ', Qt::SkipEmptyParts);
        const QString purpose = purposes.contains(u"maskable"_s)     ? u"maskable"_s
                                : purposes.contains(u"monochrome"_s) ? u"monochrome"_s
                                                                     : QString();
        icons.append({file, firstSize(icon.value(u"sizes"_s).toString()), purpose});
    }
    return icons;
}

QList<WebAppProject::Icon> WebAppProject::pageIcons(const QString &html, const QString &folder, const QString &siteRoot,
                                                    QStringList &refused)
{
    QList<Icon> icons;
    for (const QString &tag : linkTags(html)) {
        const QStringList rel = attribute(tag, u"rel"_s).toLower().split(u' ', Qt::SkipEmptyParts);
        const bool touch = rel.contains(u"apple-touch-icon"_s) || rel.contains(u"apple-touch-icon-precomposed"_s);
        if (!touch && !rel.contains(u"icon"_s))
            continue;
        const QString reference = attribute(tag, u"href"_s);
        const QString file = resolve(reference, folder, siteRoot);
        if (file.isEmpty()) {
            refused << reference;
            continue;
        }
        icons.append({file, firstSize(attribute(tag, u"sizes"_s)), touch ? u"apple-touch-icon"_s : QString()});
    }
    return icons;
}

std::unique_ptr<ProjectKind> WebAppProject::at(const QString &root, const QString &folder, QStringList & /*notes*/)
{
    for (const QString &name : manifestNames) {
        const QString manifest = joined(folder, name);
        if (!QFileInfo(joined(root, manifest)).isFile())
            continue;
        QStringList pageFolders{folder};
        if (!folder.isEmpty())
            pageFolders << folder.section(u'/', 0, -2);
        for (const QString &pageFolder : std::as_const(pageFolders)) {
            const QString html = QString::fromUtf8(readSmallFile(joined(root, joined(pageFolder, u"index.html"_s))));
            if (!linksManifest(html, name))
                continue;
            std::unique_ptr<WebAppProject> app(new WebAppProject(root, folder));
            app->m_icons = manifestIcons(readSmallFile(joined(root, manifest)), folder, app->m_refused);
            // The page's paths from "/" are the site's, whose root is the manifest's folder.
            const QString &siteRoot = folder;
            app->m_icons << pageIcons(html, pageFolder, siteRoot, app->m_refused);
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
