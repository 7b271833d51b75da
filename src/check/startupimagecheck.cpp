#include "check/startupimagecheck.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

#include "check/checkscope.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The value of the media feature @p feature in @p media ("(device-width: 430px)"), or empty.
QString featureValue(const QString &media, const QString &feature)
{
    const QRegularExpression pattern(u"\\(\\s*"_s + QRegularExpression::escape(feature) +
                                         u"\\s*:\\s*([^)\\s]+)\\s*\\)"_s,
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(media).captured(1);
}

QString attribute(const QString &tag, const QString &name)
{
    const QRegularExpression pattern(u"\\b"_s + name + u"\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"_s,
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(tag);
    return match.captured(1).isNull() ? match.captured(2) : match.captured(1);
}

QString unescaped(QString text)
{
    return text.replace(u"&quot;"_s, u"\""_s)
        .replace(u"&lt;"_s, u"<"_s)
        .replace(u"&gt;"_s, u">"_s)
        .replace(u"&amp;"_s, u"&"_s);
}

} // namespace

std::optional<QSize> StartupImageCheck::screenPixels(const QString &media)
{
    bool widthOk = false;
    bool heightOk = false;
    bool ratioOk = false;
    const int width = featureValue(media, u"device-width"_s).remove(u"px"_s).toInt(&widthOk);
    const int height = featureValue(media, u"device-height"_s).remove(u"px"_s).toInt(&heightOk);
    const double ratio = featureValue(media, u"-webkit-device-pixel-ratio"_s).toDouble(&ratioOk);
    const QString orientation = featureValue(media, u"orientation"_s).toLower();
    if (!widthOk || !heightOk || !ratioOk || width <= 0 || height <= 0 || ratio <= 0 ||
        (orientation != u"portrait" && orientation != u"landscape"))
        return std::nullopt;
    const QSize portrait(int(std::lround(width * ratio)), int(std::lround(height * ratio)));
    return orientation == u"portrait" ? portrait : portrait.transposed();
}

void StartupImageCheck::check(CheckScope &scope, const QString &page)
{
    const Result<QByteArray> html = scope.read(page, InputLimits::maxDocumentBytes);
    if (!html) {
        scope.problem(page, html.error());
        return;
    }
    const QString folder = QFileInfo(page).path();
    static const QRegularExpression links(u"<link\\b[^>]*>"_s, QRegularExpression::CaseInsensitiveOption);
    int count = 0;
    for (const QRegularExpressionMatch &link : links.globalMatch(QString::fromUtf8(*html))) {
        const QString tag = link.captured();
        if (attribute(tag, u"rel"_s).trimmed().toLower() != u"apple-touch-startup-image")
            continue;
        ++count;
        const QString href = unescaped(attribute(tag, u"href"_s));
        const QString media = unescaped(attribute(tag, u"media"_s));
        const std::optional<QSize> pixels = screenPixels(media);
        if (!pixels) {
            scope.problem(
                page, tr("links %1 for \"%2\", which names no one screen: Safari shows it nowhere").arg(href, media));
            continue;
        }
        if (href.isEmpty() || !CheckScope::isInsideName(href)) {
            scope.problem(page, tr("links \"%1\", which is not a file of the folder").arg(href));
            continue;
        }
        scope.measure(folder == u"." ? href : folder + u'/' + href, *pixels, tr("the screen of \"%1\"").arg(media));
    }
    if (count == 0)
        scope.problem(page, tr("links no startup image"));
}

} // namespace iconsmith
