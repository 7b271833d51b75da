#include "generation/targets/visiontarget.h"

#include <QJsonArray>

#include "catalog/layeredcatalog.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString stackFolder = u"AppIcon.solidimagestack/"_s;

QString layerFolder(const QString &layer)
{
    return layer + u".solidimagestacklayer"_s;
}

QString imageFile(const QString &layer)
{
    return stackFolder + layerFolder(layer) + u'/' + LayeredCatalog::contentFolder + u'/' + layer + u".png"_s;
}

// The documents of one layer: its folder's and its image set's, listing the picture when it was written.
void addLayerDocuments(TargetPlan &plan, const QString &layer)
{
    const QString folder = stackFolder + layerFolder(layer) + u'/';
    plan.documents.append({folder + u"Contents.json"_s, [](const QSet<QString> &) { return LayeredCatalog::layer(); }});
    plan.documents.append(
        {folder + LayeredCatalog::contentFolder + u"/Contents.json"_s, [layer](const QSet<QString> &written) {
             const QString file = written.contains(imageFile(layer)) ? layer + u".png"_s : QString();
             return LayeredCatalog::imageSet({LayeredCatalog::image(file, u"vision"_s, u"2x"_s)});
         }});
}

} // namespace

TargetPlan VisionTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"visionos"_s;
    QStringList layers{u"Front"_s};
    plan.images.append(PlannedImage(imageFile(u"Front"_s), pixels, Surface::visionLayer()));
    if (context.has(SourceRole::LayerMiddle)) {
        layers << u"Middle"_s;
        plan.images.append(PlannedImage(imageFile(u"Middle"_s), pixels).from(SourceRole::LayerMiddle));
    }
    layers << u"Back"_s;
    if (context.has(SourceRole::AndroidBackground))
        plan.images.append(
            PlannedImage(imageFile(u"Back"_s), pixels, Surface::asIs().finishedAs(SurfaceFinish::Flattened))
                .from(SourceRole::AndroidBackground));
    else
        plan.images.append(PlannedImage(imageFile(u"Back"_s), pixels, Surface::plate()));

    QStringList folders;
    for (const QString &layer : layers) {
        folders << layerFolder(layer);
        addLayerDocuments(plan, layer);
    }
    plan.documents.append({stackFolder + u"Contents.json"_s,
                           [folders](const QSet<QString> &) { return LayeredCatalog::stack(folders); }});
    return plan;
}

} // namespace iconsmith
