#include "check/androidrescheck.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>

#include "check/checkscope.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int legacyDp = 48;
constexpr int layerDp = 108;

// What the folder holds, by resource type: "mipmap" and "drawable" names, and "color" names.
using Resources = QHash<QString, QSet<QString>>;

QString joined(const QString &res, const QString &name)
{
    return res.isEmpty() ? name : res + u'/' + name;
}

QStringList subfolders(const QString &path)
{
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
}

QStringList filesIn(const QString &path, const QStringList &patterns)
{
    return QDir(path).entryList(patterns, QDir::Files | QDir::System, QDir::Name);
}

// A resource's name is its file name up to the first dot ("ic_launcher.9.png" is "ic_launcher").
QString resourceName(const QString &file)
{
    return file.section(u'.', 0, 0);
}

bool isColour(const QString &text)
{
    static const QRegularExpression colour(u"^#([0-9A-Fa-f]{3,4}|[0-9A-Fa-f]{6}|[0-9A-Fa-f]{8})$"_s);
    return colour.match(text.trimmed()).hasMatch();
}

// The colours a values XML declares; problems for one that does not parse or a bad value.
void readValues(CheckScope &scope, const QString &file, Resources &resources)
{
    const Result<QByteArray> bytes = scope.read(file, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(file, bytes.error());
        return;
    }
    QXmlStreamReader xml(*bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"color")
            continue;
        const QString name = xml.attributes().value(QStringLiteral("name")).toString();
        const QString value = xml.readElementText();
        if (!isColour(value) && !value.startsWith(u'@'))
            scope.problem(
                file,
                AndroidResCheck::tr("the colour %1 is \"%2\", not #RGB, #ARGB, #RRGGBB or #AARRGGBB").arg(name, value));
        resources[u"color"_s].insert(name);
    }
    if (xml.hasError())
        scope.problem(
            file,
            AndroidResCheck::tr("is not well-formed XML: %1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber()));
}

// Every reference of an adaptive icon resolves; returns the names it uses as layers.
QSet<QString> checkAdaptiveIcon(CheckScope &scope, const QString &file, const Resources &resources)
{
    QSet<QString> layers;
    const Result<QByteArray> bytes = scope.read(file, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(file, bytes.error());
        return layers;
    }
    static const QRegularExpression reference(u"^@\\+?(mipmap|drawable|color)/(.+)$"_s);
    QXmlStreamReader xml(*bytes);
    bool root = true;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (root && xml.name() != u"adaptive-icon")
            scope.problem(file, AndroidResCheck::tr("is a <%1>, not an <adaptive-icon>").arg(xml.name()));
        root = false;
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            const QRegularExpressionMatch match = reference.match(attribute.value());
            if (!match.hasMatch())
                continue;
            const QString type = match.captured(1);
            const QString name = match.captured(2);
            if (!resources.value(type).contains(name))
                scope.problem(file, AndroidResCheck::tr("<%1> refers to %2, which the folder does not hold")
                                        .arg(xml.name(), attribute.value()));
            if (type != u"color")
                layers.insert(name);
        }
    }
    if (xml.hasError())
        scope.problem(
            file,
            AndroidResCheck::tr("is not well-formed XML: %1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber()));
    else if (root)
        scope.problem(file, AndroidResCheck::tr("holds no element"));
    return layers;
}

} // namespace

double AndroidResCheck::densityScale(const QString &qualifier)
{
    static const QHash<QString, double> scales{{u"ldpi"_s, 0.75}, {u"mdpi"_s, 1.0},   {u"hdpi"_s, 1.5},
                                               {u"xhdpi"_s, 2.0}, {u"xxhdpi"_s, 3.0}, {u"xxxhdpi"_s, 4.0}};
    return scales.value(qualifier, 0.0);
}

void AndroidResCheck::check(CheckScope &scope, const QString &res)
{
    scope.found(u"android"_s);
    const QString resPath = joined(scope.root(), res);
    const QStringList folders = subfolders(resPath);
    Resources resources;
    for (const QString &folder : folders) {
        const QString type = folder.section(u'-', 0, 0);
        const QString path = joined(res, folder);
        if (type == u"mipmap" || type == u"drawable") {
            for (const QString &file : filesIn(joined(resPath, folder), {u"*"_s}))
                resources[type].insert(resourceName(file));
        } else if (type == u"values") {
            for (const QString &file : filesIn(joined(resPath, folder), {u"*.xml"_s}))
                readValues(scope, joined(path, file), resources);
        } else if (type == u"color") {
            for (const QString &file : filesIn(joined(resPath, folder), {u"*.xml"_s}))
                resources[type].insert(resourceName(file));
        }
    }

    QSet<QString> layers;
    for (const QString &folder : folders) {
        if (!folder.startsWith(u"mipmap-anydpi"))
            continue;
        for (const QString &file : filesIn(joined(resPath, folder), {u"*.xml"_s}))
            layers |= checkAdaptiveIcon(scope, joined(joined(res, folder), file), resources);
    }

    for (const QString &folder : folders) {
        const double scale = folder.startsWith(u"mipmap-") ? densityScale(folder.section(u'-', 1, 1)) : 0.0;
        if (scale <= 0)
            continue;
        for (const QString &file : filesIn(joined(resPath, folder), {u"*.png"_s, u"*.PNG"_s})) {
            const bool layer = layers.contains(resourceName(file));
            const int dp = layer ? layerDp : legacyDp;
            const int pixels = int(std::lround(dp * scale));
            scope.measurePng(joined(joined(res, folder), file), QSize(pixels, pixels),
                             layer ? tr("an adaptive-icon layer at %1 (%2 dp)").arg(folder.section(u'-', 1, 1)).arg(dp)
                                   : tr("a launcher icon at %1 (%2 dp)").arg(folder.section(u'-', 1, 1)).arg(dp));
        }
    }

    const QString play = u"play-store-512.png"_s;
    if (!res.isEmpty() && scope.exists(play))
        scope.measurePng(play, QSize(512, 512), tr("the Play Store icon"));
}

} // namespace iconsmith
