#include "generation/targets/iconcomposertarget.h"

#include <QJsonArray>
#include <QJsonObject>

#include "catalog/xcodejson.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString bundle = u"AppIcon.icon/"_s;

QString srgb(RgbColor colour)
{
    return u"srgb:%1,%2,%3,1.00000"_s.arg(colour.red / 255.0, 0, 'f', 5)
        .arg(colour.green / 255.0, 0, 'f', 5)
        .arg(colour.blue / 255.0, 0, 'f', 5);
}

} // namespace

QByteArray IconComposerTarget::document(const QList<std::pair<QString, QString>> &layerByAppearance, RgbColor fill)
{
    QJsonObject layer{{u"name"_s, u"AppIcon"_s}};
    if (layerByAppearance.size() == 1) {
        layer.insert(u"image-name"_s, layerByAppearance.first().second);
    } else {
        // Always with the default first: Xcode drops a list of overrides without one.
        QJsonArray images;
        for (const auto &[appearance, image] : layerByAppearance) {
            QJsonObject entry{{u"value"_s, image}};
            if (!appearance.isEmpty())
                entry.insert(u"appearance"_s, appearance);
            images.append(entry);
        }
        layer.insert(u"image-name-specializations"_s, images);
    }
    const QJsonObject group{{u"layers"_s, QJsonArray{layer}},
                            {u"shadow"_s, QJsonObject{{u"kind"_s, u"neutral"_s}, {u"opacity"_s, 0.5}}},
                            {u"translucency"_s, QJsonObject{{u"enabled"_s, true}, {u"value"_s, 0.5}}}};
    const QJsonObject root{
        {u"fill"_s, QJsonObject{{u"solid"_s, srgb(fill)}}},
        {u"groups"_s, QJsonArray{group}},
        {u"supported-platforms"_s, QJsonObject{{u"circles"_s, QJsonArray{u"watchOS"_s}}, {u"squares"_s, u"shared"_s}}}};
    return XcodeJson::write(root);
}

TargetPlan IconComposerTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"icon-composer"_s;
    const QString assets = bundle + u"Assets/"_s;
    QList<std::pair<QString, QString>> layers;
    if (context.mainIsSvg) {
        layers.append({QString(), u"AppIcon.svg"_s});
        plan.copies.append({assets + layers.last().second, SourceRole::Main});
    } else {
        layers.append({QString(), u"AppIcon.png"_s});
        plan.images.append(PlannedImage(assets + layers.last().second, 1024));
    }
    if (context.has(SourceRole::Dark)) {
        layers.append({u"dark"_s, u"AppIcon-dark.png"_s});
        plan.images.append(PlannedImage(assets + layers.last().second, 1024).from(SourceRole::Dark));
    }
    if (context.has(SourceRole::Tinted)) {
        layers.append({u"tinted"_s, u"AppIcon-tinted.png"_s});
        plan.images.append(PlannedImage(assets + layers.last().second, 1024).from(SourceRole::Tinted));
    }
    const RgbColor fill = context.background();
    plan.documents.append({bundle + u"icon.json"_s, [layers, assets, fill](const QSet<QString> &written) {
                               QList<std::pair<QString, QString>> present;
                               for (const auto &layer : layers) {
                                   if (written.contains(assets + layer.second))
                                       present.append(layer);
                               }
                               return document(present, fill);
                           }});
    return plan;
}

} // namespace iconsmith
