#include "check/webfoldercheck.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include "check/checkscope.h"
#include "check/containercheck.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString headName = u"head.html"_s;

QString sizeText(QSize size)
{
    return u"%1x%2"_s.arg(size.width()).arg(size.height());
}

// The sizes an icon declares, "192x192 512x512" or "any"; an unreadable token is a problem.
QStringList declaredSizes(CheckScope &scope, const QString &src, const QString &sizes)
{
    static const QRegularExpression size(u"^[1-9][0-9]*x[1-9][0-9]*$"_s);
    QStringList tokens = sizes.toLower().split(u' ', Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token != u"any" && !size.match(token).hasMatch())
            scope.problem(WebFolderCheck::manifestName.toString(),
                          WebFolderCheck::tr("the icon %1 declares the size \"%2\", which is neither WxH nor any")
                              .arg(src, token));
    }
    return tokens;
}

void checkPurpose(CheckScope &scope, const QString &src, const QJsonValue &purpose)
{
    if (purpose.isUndefined())
        return;
    static const QSet<QString> known{u"any"_s, u"maskable"_s, u"monochrome"_s};
    const QStringList tokens = purpose.toString().split(u' ', Qt::SkipEmptyParts);
    if (!purpose.isString() || tokens.isEmpty())
        scope.problem(WebFolderCheck::manifestName.toString(),
                      WebFolderCheck::tr("the icon %1 has an empty purpose").arg(src));
    for (const QString &token : tokens) {
        if (!known.contains(token))
            scope.problem(WebFolderCheck::manifestName.toString(),
                          WebFolderCheck::tr("the icon %1 has the purpose \"%2\"; browsers know any, maskable and "
                                             "monochrome, and ignore an icon of none of them")
                              .arg(src, token));
    }
    if (tokens.contains(u"any"_s) && tokens.contains(u"maskable"_s))
        scope.note(WebFolderCheck::manifestName.toString(),
                   WebFolderCheck::tr("the icon %1 is both any and maskable; Chrome warns that it will look wrong "
                                      "on some platforms")
                       .arg(src));
}

// One entry of "icons": its file is in the folder and measures a size it declares.
void checkIcon(CheckScope &scope, const QJsonObject &icon, QSet<QString> &listedIcos)
{
    const QString manifest = WebFolderCheck::manifestName.toString();
    const QString src = icon.value(u"src").toString();
    if (src.isEmpty()) {
        scope.problem(manifest, WebFolderCheck::tr("lists an icon without a src"));
        return;
    }
    checkPurpose(scope, src, icon.value(u"purpose"));
    const QString file = WebFolderCheck::fileOf(src);
    if (file.isEmpty()) {
        scope.note(manifest,
                   WebFolderCheck::tr("the icon %1 is not a file of this folder; it was not checked").arg(src));
        return;
    }
    if (!scope.exists(file)) {
        const Result<QString> path = scope.resolve(file);
        scope.problem(
            manifest,
            WebFolderCheck::tr("the icon %1 %2").arg(src, path ? WebFolderCheck::tr("is missing") : path.error()));
        return;
    }
    const QStringList sizes = declaredSizes(scope, src, icon.value(u"sizes").toString());
    QList<QSize> measured;
    if (file.endsWith(u".svg", Qt::CaseInsensitive)) {
        if (const Result<QByteArray> head = scope.readHead(file, 1); !head)
            scope.problem(file, head.error());
        return; // a vector has no pixel size to match
    }
    if (file.endsWith(u".ico", Qt::CaseInsensitive)) {
        measured = ContainerCheck::ico(scope, file);
        listedIcos.insert(file);
    } else if (const Result<ImageHeader> header = scope.pngHeader(file); header) {
        scope.countImages();
        measured.append(header->size);
    } else {
        scope.problem(file, header.error());
        return;
    }
    for (const QString &size : sizes) {
        if (size == u"any")
            continue;
        const bool matches =
            std::any_of(measured.cbegin(), measured.cend(), [&size](QSize pixels) { return sizeText(pixels) == size; });
        if (!matches && !measured.isEmpty())
            scope.problem(manifest, WebFolderCheck::tr("the icon %1 is declared %2, but it is %3")
                                        .arg(src, size, sizeText(measured.first())));
    }
}

void checkManifest(CheckScope &scope, QSet<QString> &listedIcos)
{
    const QString manifest = WebFolderCheck::manifestName.toString();
    const Result<QByteArray> bytes = scope.read(manifest, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(manifest, bytes.error());
        return;
    }
    QJsonParseError parseError{};
    const QJsonDocument json = QJsonDocument::fromJson(*bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !json.isObject()) {
        scope.problem(manifest, parseError.error != QJsonParseError::NoError
                                    ? WebFolderCheck::tr("is not valid JSON: %1").arg(parseError.errorString())
                                    : WebFolderCheck::tr("is not a JSON object"));
        return;
    }
    const QJsonArray icons = json.object().value(u"icons").toArray();
    if (icons.isEmpty())
        scope.problem(manifest, WebFolderCheck::tr("lists no icons"));
    for (const auto &icon : icons)
        checkIcon(scope, icon.toObject(), listedIcos);
}

// Every link of the page's head names a file of the folder.
void checkHead(CheckScope &scope)
{
    const Result<QByteArray> bytes = scope.read(headName, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(headName, bytes.error());
        return;
    }
    static const QRegularExpression href(u"<link\\b[^>]*\\bhref\\s*=\\s*[\"']([^\"']*)[\"']"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto it = href.globalMatch(QString::fromUtf8(*bytes)); it.hasNext();) {
        const QString url = it.next().captured(1);
        const QString file = WebFolderCheck::fileOf(url);
        if (file.isEmpty())
            continue;
        if (const Result<QString> path = scope.resolve(file); !path)
            scope.problem(headName, WebFolderCheck::tr("links %1, which %2").arg(url, path.error()));
        else if (!scope.exists(file))
            scope.problem(headName, WebFolderCheck::tr("links %1, which is missing").arg(url));
    }
}

} // namespace

QString WebFolderCheck::fileOf(const QString &url)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]*:"_s);
    if (url.startsWith(u"//") || scheme.match(url).hasMatch())
        return {};
    QString path = url.section(u'#', 0, 0).section(u'?', 0, 0);
    path = QUrl::fromPercentEncoding(path.toUtf8());
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    while (path.startsWith(u"./"))
        path.remove(0, 2);
    // An empty result would mean the folder itself; "." keeps it a name CheckScope refuses.
    return path.isEmpty() ? u"."_s : path;
}

void WebFolderCheck::check(CheckScope &scope)
{
    scope.found(u"web"_s);
    QSet<QString> listedIcos;
    checkManifest(scope, listedIcos);
    if (scope.exists(headName))
        checkHead(scope);
    // An ICO the manifest does not list (favicon.ico, linked from the page) is checked too.
    for (const QString &ico :
         QDir(scope.root()).entryList({u"*.ico"_s, u"*.ICO"_s}, QDir::Files | QDir::System, QDir::Name)) {
        if (!listedIcos.contains(ico))
            ContainerCheck::ico(scope, ico);
    }
}

} // namespace iconsmith
