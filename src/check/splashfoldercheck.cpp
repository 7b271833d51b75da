#include "check/splashfoldercheck.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <algorithm>

#include "catalog/contentsdocument.h"
#include "catalog/propertylistreader.h"
#include "check/androidsplashcheck.h"
#include "check/checkscope.h"
#include "check/startupimagecheck.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The appearance an asset catalog entry is for: "" for the default, else the luminosity's value;
// std::nullopt for one asset catalogs do not know.
std::optional<QString> appearanceOf(const QJsonObject &entry)
{
    QString value;
    for (const auto &appearance : entry.value(u"appearances").toArray()) {
        const QJsonObject object = appearance.toObject();
        if (object.value(u"appearance").toString() != u"luminosity")
            return std::nullopt;
        value = object.value(u"value").toString();
        if (value != u"light" && value != u"dark")
            return std::nullopt;
    }
    return value;
}

// A colour component as Xcode writes it: "0xRR", an integer 0-255 or a fraction 0-1.
bool isComponent(const QJsonValue &value)
{
    const QString text = value.isString() ? value.toString() : QString::number(value.toDouble(-1));
    bool ok = false;
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        const int number = text.mid(2).toInt(&ok, 16);
        return ok && number >= 0 && number <= 255;
    }
    const double number = text.toDouble(&ok);
    return ok && number >= 0 && number <= 255;
}

std::optional<QJsonObject> readJson(CheckScope &scope, const QString &file)
{
    const Result<QByteArray> bytes = scope.read(file, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(file, bytes.error());
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (!document.isObject()) {
        scope.problem(file, SplashFolderCheck::tr("is not a JSON object (%1)").arg(error.errorString()));
        return std::nullopt;
    }
    return document.object();
}

// The name of @p key in the UILaunchScreen dictionary, or a problem saying it is missing.
QString launchName(CheckScope &scope, const PropertyList &launch, QStringView key)
{
    const PropertyList *value = launch.value(key);
    if (value == nullptr || value->kind != PropertyList::Kind::String || value->text.isEmpty()) {
        scope.problem(SplashFolderCheck::iosMark.toString(),
                      SplashFolderCheck::tr("names no %1 in its UILaunchScreen dictionary").arg(key));
        return {};
    }
    return value->text;
}

void checkIos(CheckScope &scope)
{
    const QString plist = SplashFolderCheck::iosMark.toString();
    const Result<QByteArray> bytes = scope.read(plist, InputLimits::maxDocumentBytes);
    const Result<PropertyList> read =
        bytes ? PropertyListReader::read(*bytes) : Result<PropertyList>(Failure{bytes.error()});
    if (!read) {
        scope.problem(plist, read.error());
        return;
    }
    const PropertyList *launch = read->value(u"UILaunchScreen");
    if (launch == nullptr || launch->kind != PropertyList::Kind::Dictionary) {
        scope.problem(plist, SplashFolderCheck::tr("has no UILaunchScreen dictionary"));
        return;
    }
    const QString folder = QFileInfo(plist).path() + u'/';
    if (const QString image = launchName(scope, *launch, u"UIImageName"); !image.isEmpty())
        SplashFolderCheck::checkImageSet(scope, folder + image + u".imageset"_s);
    if (const QString colour = launchName(scope, *launch, u"UIColorName"); !colour.isEmpty())
        SplashFolderCheck::checkColourSet(scope, folder + colour + u".colorset"_s);
}

} // namespace

bool SplashFolderCheck::isSplashFolder(const QString &path)
{
    const QStringView marks[] = {iosMark, androidMark, webMark};
    return std::ranges::any_of(marks,
                               [&path](QStringView mark) { return QFileInfo(path + u'/' + mark.toString()).isFile(); });
}

void SplashFolderCheck::check(CheckScope &scope)
{
    scope.found(u"splash"_s);
    if (scope.exists(iosMark.toString()))
        checkIos(scope);
    if (scope.exists(androidMark.toString()))
        AndroidSplashCheck::check(scope, u"android/res"_s);
    if (scope.exists(webMark.toString()))
        StartupImageCheck::check(scope, webMark.toString());
}

void SplashFolderCheck::checkImageSet(CheckScope &scope, const QString &imageSet)
{
    const QString contents = imageSet + u'/' + ContentsDocument::fileName.toString();
    if (!scope.exists(contents)) {
        scope.problem(imageSet, tr("is named by the launch screen but missing"));
        return;
    }
    const std::optional<QJsonObject> document = readJson(scope, contents);
    if (!document)
        return;
    // The @1x size of each appearance, from the first entry that gives one.
    QMap<QString, QSize> pointSize;
    bool hasDefault = false;
    for (const auto &value : document->value(u"images").toArray()) {
        const QJsonObject entry = value.toObject();
        const QString file = entry.value(u"filename").toString();
        const std::optional<QString> appearance = appearanceOf(entry);
        const int scale = entry.value(u"scale").toString().chopped(1).toInt();
        if (!appearance || scale < 1 || scale > 3 || !entry.value(u"scale").toString().endsWith(u'x')) {
            scope.problem(contents,
                          tr("lists \"%1\" with an appearance or scale asset catalogs do not know").arg(file));
            continue;
        }
        hasDefault = hasDefault || appearance->isEmpty();
        if (file.isEmpty() || !CheckScope::isPlainName(file))
            continue; // a slot left empty
        const QString path = imageSet + u'/' + file;
        scope.countImages();
        const Result<CheckedImage> image = scope.image(path);
        if (!image) {
            scope.problem(path, image.error());
            continue;
        }
        if (image->size.width() % scale != 0 || image->size.height() % scale != 0) {
            scope.problem(
                path,
                tr("is %1 × %2, not a size at @%3x").arg(image->size.width()).arg(image->size.height()).arg(scale));
            continue;
        }
        const QSize points = image->size / scale;
        const QSize known = pointSize.value(*appearance, points);
        pointSize.insert(*appearance, known);
        if (known != points)
            scope.problem(path, tr("is %1 × %2 points, where the set's other scales are %3 × %4")
                                    .arg(points.width())
                                    .arg(points.height())
                                    .arg(known.width())
                                    .arg(known.height()));
    }
    if (!hasDefault)
        scope.problem(contents, tr("has no image for the default appearance"));
}

void SplashFolderCheck::checkColourSet(CheckScope &scope, const QString &colourSet)
{
    const QString contents = colourSet + u'/' + ContentsDocument::fileName.toString();
    if (!scope.exists(contents)) {
        scope.problem(colourSet, tr("is named by the launch screen but missing"));
        return;
    }
    const std::optional<QJsonObject> document = readJson(scope, contents);
    if (!document)
        return;
    bool hasDefault = false;
    for (const auto &value : document->value(u"colors").toArray()) {
        const QJsonObject entry = value.toObject();
        const std::optional<QString> appearance = appearanceOf(entry);
        const QJsonObject components = entry.value(u"color").toObject().value(u"components").toObject();
        bool valid = appearance.has_value();
        for (const QString &channel : {u"red"_s, u"green"_s, u"blue"_s, u"alpha"_s})
            valid = valid && isComponent(components.value(channel));
        if (!valid) {
            scope.problem(contents,
                          tr("has a colour that does not parse, or an appearance asset catalogs do not know"));
            continue;
        }
        hasDefault = hasDefault || appearance->isEmpty();
    }
    if (!hasDefault)
        scope.problem(contents, tr("has no colour for the default appearance"));
}

} // namespace iconsmith
