#include "check/imagestackcheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "check/checkscope.h"
#include "check/pixelfacts.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QString joined(const QString &parent, const QString &child)
{
    return parent.isEmpty() ? child : parent + u'/' + child;
}

// The JSON object of the document @p relative, or nothing when it is missing or not an object (a problem is filed).
std::optional<QJsonObject> readDocument(CheckScope &scope, const QString &relative)
{
    const Result<QByteArray> bytes = scope.read(relative, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(relative, bytes.error());
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) {
        scope.problem(relative, error.error != QJsonParseError::NoError
                                    ? ImageStackCheck::tr("is not valid JSON: %1").arg(error.errorString())
                                    : ImageStackCheck::tr("is not a JSON object"));
        return std::nullopt;
    }
    return json.object();
}

// A scale ("2x") as a number; 1 when it is missing, 0 when it does not read.
int scaleOf(const QJsonValue &value)
{
    if (value.isUndefined())
        return 1;
    QString text = value.toString();
    if (!text.endsWith(u'x'))
        return 0;
    text.chop(1);
    bool ok = false;
    const int scale = text.toInt(&ok);
    return ok && scale > 0 ? scale : 0;
}

void checkOpaque(CheckScope &scope, const QString &file)
{
    const Result<QByteArray> bytes = scope.read(file, InputLimits::maxCheckedImageBytes);
    if (!bytes)
        return; // its problem is filed by the measure
    const Result<PixelFacts> facts = PixelFacts::read(*bytes);
    if (facts && facts->translucent)
        scope.problem(file,
                      ImageStackCheck::tr("is the back layer but is not opaque; the system shows what lies behind "
                                          "it through the icon"));
}

// The images of an image set, each of the size @p kind gives its scale; those of a back layer opaque.
void checkImageSet(CheckScope &scope, const QString &imageSet, bool back, const ImageStackCheck::Kind &kind)
{
    const std::optional<QJsonObject> contents = readDocument(scope, joined(imageSet, u"Contents.json"_s));
    if (!contents)
        return;
    int images = 0;
    for (const auto &value : contents->value(u"images").toArray()) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(u"filename").toString();
        if (name.isEmpty())
            continue;
        ++images;
        const int scale = scaleOf(entry.value(u"scale"));
        const QString file = joined(imageSet, name);
        if (!CheckScope::isPlainName(name) || scale == 0) {
            scope.problem(joined(imageSet, u"Contents.json"_s),
                          ImageStackCheck::tr("names \"%1\" at the scale \"%2\", which Xcode cannot use")
                              .arg(name, entry.value(u"scale").toString()));
            continue;
        }
        const std::optional<CheckedImage> image =
            scope.measure(file, kind.pixels(scale), ImageStackCheck::tr("a layer at %1x").arg(scale));
        if (image && back)
            checkOpaque(scope, file);
    }
    if (images == 0)
        scope.problem(imageSet, ImageStackCheck::tr("holds no image"));
}

void checkLayer(CheckScope &scope, const QString &layer, bool back, const ImageStackCheck::Kind &kind)
{
    if (!scope.exists(joined(layer, u"Contents.json"_s)))
        scope.problem(layer, ImageStackCheck::tr("has no Contents.json"));
    checkImageSet(scope, joined(layer, u"Content.imageset"_s), back, kind);
}

// A size "1280x768" as read; an empty size when it does not read.
QSize sizeOf(const QString &text)
{
    const QStringList parts = text.split(u'x');
    bool wide = false;
    bool high = false;
    const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(&wide), parts[1].toInt(&high)) : QSize();
    return wide && high && !size.isEmpty() ? size : QSize();
}

} // namespace

ImageStackCheck::Kind ImageStackCheck::vision()
{
    return {u".solidimagestacklayer"_s, 3, [](int scale) { return QSize(512 * scale, 512 * scale); }};
}

ImageStackCheck::Kind ImageStackCheck::tv(QSize size)
{
    return {u".imagestacklayer"_s, 5, [size](int scale) { return size * scale; }};
}

void ImageStackCheck::checkBrandAssets(CheckScope &scope)
{
    scope.found(u"brandassets"_s);
    const QString document = u"Contents.json"_s;
    const std::optional<QJsonObject> contents = readDocument(scope, document);
    if (!contents)
        return;
    const QJsonArray assets = contents->value(u"assets").toArray();
    if (assets.isEmpty())
        scope.problem(document, tr("lists no assets"));
    for (const auto &value : assets) {
        const QJsonObject asset = value.toObject();
        const QString name = asset.value(u"filename").toString();
        const QSize size = sizeOf(asset.value(u"size").toString());
        const bool stack = name.endsWith(u".imagestack");
        if (!CheckScope::isPlainName(name) || (!stack && !name.endsWith(u".imageset")) || size.isEmpty()) {
            scope.problem(document, tr("lists \"%1\" of the size \"%2\", which is not a stack or image set of a size")
                                        .arg(name, asset.value(u"size").toString()));
            continue;
        }
        if (!scope.exists(name))
            scope.problem(name, tr("is missing"));
        else if (stack)
            check(scope, name, tv(size));
        else
            checkImageSet(scope, name, false, tv(size));
    }
}

void ImageStackCheck::check(CheckScope &scope, const QString &stack, const Kind &kind)
{
    const QString document = joined(stack, u"Contents.json"_s);
    const std::optional<QJsonObject> contents = readDocument(scope, document);
    if (!contents)
        return;
    const QJsonArray layers = contents->value(u"layers").toArray();
    if (layers.size() < 2 || layers.size() > kind.maxLayers)
        scope.problem(document, tr("lists %1 layers; the stack needs 2 to %2").arg(layers.size()).arg(kind.maxLayers));
    for (qsizetype i = 0; i < layers.size(); ++i) {
        const QString name = layers[i].toObject().value(u"filename").toString();
        if (!CheckScope::isPlainName(name) || !name.endsWith(kind.layerExtension)) {
            scope.problem(
                document,
                tr("lists the layer \"%1\", which is not a %2 folder of the stack").arg(name, kind.layerExtension));
            continue;
        }
        const QString layer = joined(stack, name);
        if (!scope.exists(layer)) {
            scope.problem(layer, tr("is missing"));
            continue;
        }
        checkLayer(scope, layer, i == layers.size() - 1, kind);
    }
}

} // namespace iconsmith
