#include "check/webmanifest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace iconsmith {

using namespace Qt::StringLiterals;

Result<WebManifest> WebManifest::parse(const QByteArray &json)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failure{tr("is not valid JSON: %1").arg(parseError.errorString())};
    if (!document.isObject())
        return Failure{tr("is not a JSON object")};
    WebManifest manifest;
    const QJsonValue icons = document.object().value(u"icons");
    manifest.listsIcons = icons.isArray();
    for (const auto &value : icons.toArray()) {
        Icon icon;
        if (!value.isObject()) {
            icon.problem = tr("lists an icon that is not an object");
        } else {
            const QJsonObject object = value.toObject();
            icon.src = object.value(u"src").toString();
            icon.sizes = object.value(u"sizes").toString();
            icon.purpose = object.value(u"purpose");
        }
        manifest.icons.append(icon);
    }
    return manifest;
}

bool WebManifest::looksLikeWebManifest(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return false;
    const QJsonObject object = document.object();
    if (object.contains(u"manifest_version"))
        return false;
    return object.value(u"icons").isArray() || object.contains(u"start_url") || object.contains(u"display") ||
           object.contains(u"short_name");
}

bool PageLink::namesIconFile() const
{
    static const QSet<QString> icons{u"icon"_s,      u"apple-touch-icon"_s, u"apple-touch-icon-precomposed"_s,
                                     u"mask-icon"_s, u"manifest"_s,         u"fluid-icon"_s};
    return std::any_of(rel.cbegin(), rel.cend(), [](const QString &token) { return icons.contains(token); });
}

QList<PageLink> PageLink::linksOf(const QString &html)
{
    static const QRegularExpression comment(u"<!--.*?-->"_s, QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression link(u"<link\\b([^>]*)>"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(u"([A-Za-z-]+)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"_s);
    QString text = html;
    text.remove(comment);
    QList<PageLink> links;
    for (auto tags = link.globalMatch(text); tags.hasNext();) {
        PageLink found;
        const QString attributes = tags.next().captured(1);
        for (auto it = attribute.globalMatch(attributes); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString name = match.captured(1).toLower();
            const QString value = match.captured(2) + match.captured(3) + match.captured(4);
            if (name == u"rel")
                found.rel = value.toLower().split(u' ', Qt::SkipEmptyParts);
            else if (name == u"href")
                found.href = value.trimmed();
            else if (name == u"sizes")
                found.sizes = value;
        }
        links.append(found);
    }
    return links;
}

bool WebUrl::isTemplated(const QString &url)
{
    static const QRegularExpression templated(u"\\{\\{|\\{%|<%|%[A-Za-z_]+%|\\$[A-Za-z_{]"_s);
    return templated.match(url).hasMatch();
}

QString WebUrl::fileOf(const QString &url, const QString &base)
{
    static const QRegularExpression siteRoot(u"^(%PUBLIC_URL%|<%=\\s*BASE_URL\\s*%>)/?"_s);
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]*:"_s);
    QString path = url.trimmed();
    if (const QRegularExpressionMatch root = siteRoot.match(path); root.hasMatch())
        path = u'/' + path.mid(root.capturedLength());
    if (path.startsWith(u"//") || scheme.match(path).hasMatch())
        return {};
    path = path.section(u'#', 0, 0).section(u'?', 0, 0);
    path = QUrl::fromPercentEncoding(path.toUtf8());
    const bool fromRoot = path.startsWith(u'/');
    QStringList segments = fromRoot || base.isEmpty() ? QStringList() : base.split(u'/');
    for (const QString &segment : path.split(u'/', Qt::SkipEmptyParts)) {
        if (segment == u".")
            continue;
        if (segment == u".." && !segments.isEmpty() && segments.last() != u"..") {
            segments.removeLast();
            continue;
        }
        segments << segment;
    }
    // An empty result would mean the folder itself; "." keeps it a name the scope refuses.
    return segments.isEmpty() ? u"."_s : segments.join(u'/');
}

} // namespace iconsmith
