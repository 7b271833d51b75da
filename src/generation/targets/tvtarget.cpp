#include "generation/targets/tvtarget.h"

#include <QJsonArray>
#include <QJsonObject>

#include "catalog/layeredcatalog.h"
#include "catalog/xcodejson.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString catalog = u"Assets.xcassets/"_s;
const QString brandAssets = catalog + u"App Icon & Top Shelf Image.brandassets/"_s;

QString sizeText(QSize size)
{
    return u"%1x%2"_s.arg(size.width()).arg(size.height());
}

QString scaledName(const QString &stem, int scale)
{
    return scale == 1 ? stem + u".png"_s : u"%1@%2x.png"_s.arg(stem).arg(scale);
}

// An image set's Contents.json listing @p stem at each scale of @p asset that was written to @p folder.
PlannedDocument imageSetDocument(const QString &folder, const QString &stem, const QList<int> &scales)
{
    return {folder + u"Contents.json"_s, [folder, stem, scales](const QSet<QString> &written) {
                QJsonArray images;
                for (const int scale : scales) {
                    const QString file = scaledName(stem, scale);
                    images.append(LayeredCatalog::image(written.contains(folder + file) ? file : QString(), u"tv"_s,
                                                        u"%1x"_s.arg(scale)));
                }
                return LayeredCatalog::imageSet(images);
            }};
}

// One picture at each scale of @p asset: the square of its height laid in the middle of its width.
void addPictures(TargetPlan &plan, const QString &folder, const QString &stem, const TvTarget::Asset &asset,
                 const PlannedImage &shape)
{
    for (const int scale : asset.scales) {
        const QSize size = asset.size * scale;
        PlannedImage image = shape;
        image.file = folder + scaledName(stem, scale);
        image.pixels = std::min(size.width(), size.height());
        plan.images.append(image.onCanvas(size));
    }
}

void addStack(TargetPlan &plan, const TargetContext &context, const TvTarget::Asset &asset)
{
    const QString stack = brandAssets + asset.name + u".imagestack/"_s;
    QStringList layers{u"Front"_s};
    if (context.has(SourceRole::LayerMiddle))
        layers << u"Middle"_s;
    layers << u"Back"_s;
    QStringList folders;
    for (const QString &layer : layers) {
        const QString layerFolder = layer + u".imagestacklayer"_s;
        folders << layerFolder;
        const QString imageSet = stack + layerFolder + u'/' + LayeredCatalog::contentFolder + u'/';
        PlannedImage shape(QString(), 0, Surface::tvLayer());
        if (layer == u"Middle")
            shape = PlannedImage(QString(), 0).from(SourceRole::LayerMiddle);
        else if (layer == u"Back" && context.has(SourceRole::AndroidBackground))
            shape = PlannedImage(QString(), 0, Surface::asIs().finishedAs(SurfaceFinish::Flattened))
                        .from(SourceRole::AndroidBackground);
        else if (layer == u"Back")
            shape = PlannedImage(QString(), 0, Surface::plate());
        addPictures(plan, imageSet, layer, asset, shape);
        plan.documents.append(imageSetDocument(imageSet, layer, asset.scales));
        plan.documents.append(
            {stack + layerFolder + u"/Contents.json"_s, [](const QSet<QString> &) { return LayeredCatalog::layer(); }});
    }
    plan.documents.append(
        {stack + u"Contents.json"_s, [folders](const QSet<QString> &) { return LayeredCatalog::stack(folders); }});
}

QByteArray brandAssetsDocument()
{
    QJsonArray entries;
    for (const TvTarget::Asset &asset : TvTarget::assets())
        entries.append(QJsonObject{{u"filename"_s, asset.name + (asset.stack ? u".imagestack"_s : u".imageset"_s)},
                                   {u"idiom"_s, u"tv"_s},
                                   {u"role"_s, asset.role},
                                   {u"size"_s, sizeText(asset.size)}});
    return XcodeJson::write(QJsonObject{{u"assets"_s, entries}, {u"info"_s, LayeredCatalog::info()}});
}

} // namespace

const QList<TvTarget::Asset> &TvTarget::assets()
{
    static const QList<Asset> list{
        {u"App Icon - App Store"_s, u"primary-app-icon"_s, {1280, 768}, {1}, true},
        {u"App Icon"_s, u"primary-app-icon"_s, {400, 240}, {1, 2}, true},
        {u"Top Shelf Image Wide"_s, u"top-shelf-image-wide"_s, {2320, 720}, {1, 2}, false},
        {u"Top Shelf Image"_s, u"top-shelf-image"_s, {1920, 720}, {1, 2}, false},
    };
    return list;
}

TargetPlan TvTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"tvos"_s;
    for (const Asset &asset : assets()) {
        if (asset.stack) {
            addStack(plan, context, asset);
            continue;
        }
        // The shelf shows the logo on the background, opaque.
        const QString imageSet = brandAssets + asset.name + u".imageset/"_s;
        const QString stem = asset.name.split(u' ').join(QString());
        addPictures(plan, imageSet, stem, asset, PlannedImage(QString(), 0, Surface::banner()));
        plan.documents.append(imageSetDocument(imageSet, stem, asset.scales));
    }
    plan.documents.append(
        {brandAssets + u"Contents.json"_s, [](const QSet<QString> &) { return brandAssetsDocument(); }});
    plan.documents.append({catalog + u"Contents.json"_s, [](const QSet<QString> &) {
                               return XcodeJson::write(QJsonObject{{u"info"_s, LayeredCatalog::info()}});
                           }});
    return plan;
}

} // namespace iconsmith
