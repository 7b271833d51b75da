#include "check/webfoldercheck.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include "check/checkscope.h"
#include "check/containercheck.h"
#include "check/webmanifest.h"
#include "codec/inputlimits.h"
#include "codec/regularfile.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The pages whose links are followed, in the order they are read.
const QStringList &pageNames()
{
    static const QStringList names{u"index.html"_s, u"head.html"_s};
    return names;
}

// The usual names of a manifest no page links, in order of preference.
const QStringList &manifestNames()
{
    static const QStringList names{u"manifest.webmanifest"_s, u"site.webmanifest"_s, u"manifest.json"_s};
    return names;
}

QString sizeText(QSize size)
{
    return u"%1x%2"_s.arg(size.width()).arg(size.height());
}

QString folderOf(const QString &file)
{
    return file.contains(u'/') ? file.section(u'/', 0, -2) : QString();
}

// One check of one web folder: what it has read, so that each file is read once.
class WebCheck
{
public:
    explicit WebCheck(CheckScope &scope) : m_scope(scope) {}

    void checkManifest(const QString &manifest);
    void checkPage(const QString &page, QStringList &linkedManifests);
    void checkUnlistedIcos();

private:
    // The pixel sizes an icon file holds (empty when it has none or could not be read); problems
    // with the file itself are filed once, under its own name.
    QList<QSize> measured(const QString &file);
    void checkIcon(const QString &document, const QString &url, const QString &file, const QString &sizes);
    QStringList declaredSizes(const QString &document, const QString &src, const QString &sizes);
    void checkPurpose(const QString &document, const QString &src, const QJsonValue &purpose);

    CheckScope &m_scope;
    QHash<QString, QList<QSize>> m_measured;
    QSet<QString> m_icos;
};

QList<QSize> WebCheck::measured(const QString &file)
{
    if (const auto known = m_measured.constFind(file); known != m_measured.cend())
        return *known;
    QList<QSize> sizes;
    if (file.endsWith(u".ico", Qt::CaseInsensitive)) {
        sizes = ContainerCheck::ico(m_scope, file);
        m_icos.insert(file);
    } else if (file.endsWith(u".svg", Qt::CaseInsensitive)) {
        if (const Result<QByteArray> head = m_scope.readHead(file, 1); !head)
            m_scope.problem(file, head.error());
    } else {
        m_scope.countImages();
        const Result<CheckedImage> image = m_scope.image(file, CheckScope::Formats::PngOrWebp);
        if (image)
            sizes.append(image->size);
        else
            m_scope.problem(file, image.error());
    }
    m_measured.insert(file, sizes);
    return sizes;
}

QStringList WebCheck::declaredSizes(const QString &document, const QString &src, const QString &sizes)
{
    static const QRegularExpression size(u"^[1-9][0-9]*x[1-9][0-9]*$"_s);
    QStringList tokens = sizes.toLower().split(u' ', Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token != u"any" && !size.match(token).hasMatch())
            m_scope.problem(document, WebFolderCheck::tr("the icon %1 declares the size \"%2\", which is neither WxH "
                                                         "nor any")
                                          .arg(src, token));
    }
    return tokens;
}

void WebCheck::checkPurpose(const QString &document, const QString &src, const QJsonValue &purpose)
{
    if (purpose.isUndefined())
        return;
    static const QSet<QString> known{u"any"_s, u"maskable"_s, u"monochrome"_s};
    const QStringList tokens = purpose.toString().split(u' ', Qt::SkipEmptyParts);
    if (!purpose.isString() || tokens.isEmpty())
        m_scope.problem(document, WebFolderCheck::tr("the icon %1 has an empty purpose").arg(src));
    for (const QString &token : tokens) {
        if (!known.contains(token))
            m_scope.problem(document, WebFolderCheck::tr("the icon %1 has the purpose \"%2\"; browsers know any, "
                                                         "maskable and monochrome, and ignore an icon of none of them")
                                          .arg(src, token));
    }
    if (tokens.contains(u"any"_s) && tokens.contains(u"maskable"_s))
        m_scope.note(document, WebFolderCheck::tr("the icon %1 is both any and maskable; Chrome warns that it will "
                                                  "look wrong on some platforms")
                                   .arg(src));
}

// An icon a document names: its file is in the folder and measures each size it declares.
void WebCheck::checkIcon(const QString &document, const QString &url, const QString &file, const QString &sizes)
{
    if (file.isEmpty() || WebUrl::isTemplated(url)) {
        m_scope.note(document,
                     WebFolderCheck::tr("the icon %1 is not a file of this folder; it was not checked").arg(url));
        return;
    }
    if (!m_scope.exists(file)) {
        const Result<QString> path = m_scope.resolve(file);
        m_scope.problem(
            document,
            WebFolderCheck::tr("the icon %1 %2").arg(url, path ? WebFolderCheck::tr("is missing") : path.error()));
        return;
    }
    const QStringList declared = declaredSizes(document, url, sizes);
    const QList<QSize> pixels = measured(file);
    if (pixels.isEmpty())
        return; // a vector, or a file whose own problem is filed
    QStringList held;
    for (const QSize size : pixels)
        held << sizeText(size);
    for (const QString &size : declared) {
        if (size != u"any" && !held.contains(size))
            m_scope.problem(
                document,
                WebFolderCheck::tr("the icon %1 is declared %2, but it is %3").arg(url, size, held.join(u", "_s)));
    }
}

void WebCheck::checkManifest(const QString &manifest)
{
    const Result<QByteArray> bytes = m_scope.read(manifest, InputLimits::maxDocumentBytes);
    if (!bytes) {
        m_scope.problem(manifest, bytes.error());
        return;
    }
    const Result<WebManifest> parsed = WebManifest::parse(*bytes);
    if (!parsed) {
        m_scope.problem(manifest, parsed.error());
        return;
    }
    if (parsed->icons.isEmpty())
        m_scope.problem(manifest, WebFolderCheck::tr("lists no icons"));
    const QString base = folderOf(manifest);
    for (const WebManifest::Icon &icon : parsed->icons) {
        if (!icon.problem.isEmpty()) {
            m_scope.problem(manifest, icon.problem);
            continue;
        }
        if (icon.src.isEmpty()) {
            m_scope.problem(manifest, WebFolderCheck::tr("lists an icon without a src"));
            continue;
        }
        checkPurpose(manifest, icon.src, icon.purpose);
        checkIcon(manifest, icon.src, WebUrl::fileOf(icon.src, base), icon.sizes);
    }
}

// Every icon and manifest the page links is a file of the folder, of the sizes it declares.
void WebCheck::checkPage(const QString &page, QStringList &linkedManifests)
{
    const Result<QByteArray> bytes = m_scope.read(page, InputLimits::maxDocumentBytes);
    if (!bytes) {
        m_scope.problem(page, bytes.error());
        return;
    }
    for (const PageLink &link : PageLink::linksOf(QString::fromUtf8(*bytes))) {
        if (!link.namesIconFile() || link.href.isEmpty())
            continue;
        const QString file = WebUrl::fileOf(link.href, folderOf(page));
        if (file.isEmpty() || WebUrl::isTemplated(link.href))
            continue; // another site's, or one a template fills in
        if (link.rel.contains(u"manifest"_s)) {
            if (const Result<QString> path = m_scope.resolve(file); !path)
                m_scope.problem(page, WebFolderCheck::tr("links %1, which %2").arg(link.href, path.error()));
            else if (!m_scope.exists(file))
                m_scope.problem(page, WebFolderCheck::tr("links %1, which is missing").arg(link.href));
            else if (!linkedManifests.contains(file))
                linkedManifests << file;
            continue;
        }
        if (const Result<QString> path = m_scope.resolve(file); !path)
            m_scope.problem(page, WebFolderCheck::tr("links %1, which %2").arg(link.href, path.error()));
        else if (!m_scope.exists(file))
            m_scope.problem(page, WebFolderCheck::tr("links %1, which is missing").arg(link.href));
        else
            checkIcon(page, link.href, file, link.sizes);
    }
}

// An .ico no document names (favicon.ico, which browsers ask for unasked) is checked too.
void WebCheck::checkUnlistedIcos()
{
    for (const QString &file : m_scope.entries({}, CheckScope::Entries::Files)) {
        if (file.endsWith(u".ico", Qt::CaseInsensitive) && !m_icos.contains(file))
            measured(file);
    }
}

} // namespace

QString WebFolderCheck::fileOf(const QString &url)
{
    return WebUrl::fileOf(url);
}

bool WebFolderCheck::isWebFolder(const QString &path, const QStringList &files)
{
    if (std::any_of(files.cbegin(), files.cend(), [](const QString &file) { return file.endsWith(u".webmanifest"); }))
        return true;
    if (files.contains(u"manifest.json"_s)) {
        const Result<QByteArray> json = RegularFile::read(path + u"/manifest.json"_s, InputLimits::maxDocumentBytes);
        if (json && WebManifest::looksLikeWebManifest(*json))
            return true;
    }
    for (const QString &page : pageNames()) {
        if (!files.contains(page))
            continue;
        const Result<QByteArray> html = RegularFile::read(path + u'/' + page, InputLimits::maxDocumentBytes);
        if (!html)
            continue;
        for (const PageLink &link : PageLink::linksOf(QString::fromUtf8(*html))) {
            const QString file = WebUrl::fileOf(link.href);
            if (link.rel.contains(u"manifest"_s) && !file.contains(u"..") && QFileInfo(path + u'/' + file).isFile())
                return true;
        }
    }
    return false;
}

void WebFolderCheck::check(CheckScope &scope)
{
    scope.found(u"web"_s);
    WebCheck web(scope);
    QStringList manifests;
    for (const QString &page : pageNames()) {
        if (scope.exists(page))
            web.checkPage(page, manifests);
    }
    if (manifests.isEmpty()) {
        const QStringList files = scope.entries({}, CheckScope::Entries::Files);
        for (const QString &name : manifestNames()) {
            if (files.contains(name)) {
                manifests << name;
                break;
            }
        }
        if (manifests.isEmpty()) {
            const auto other = std::find_if(files.cbegin(), files.cend(),
                                            [](const QString &file) { return file.endsWith(u".webmanifest"); });
            if (other != files.cend())
                manifests << *other;
        }
    }
    if (manifests.isEmpty())
        scope.problem({}, tr("holds no web app manifest that a page links or that has a usual name"));
    for (const QString &manifest : manifests)
        web.checkManifest(manifest);
    web.checkUnlistedIcos();
}

} // namespace iconsmith
