#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * An Icon Composer document for Xcode 26 and later, AppIcon.icon: icon.json and the layer
 * pictures in Assets/. The source is the one layer (its SVG when it is a vector, so the system
 * can draw it at any size), the background colour the fill; a dark or tinted picture given by
 * the user becomes that appearance's specialisation of the layer.
 */
class IconComposerTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    /** The document's JSON for a layer picture per appearance ("" for the default) and a fill colour. */
    static QByteArray document(const QList<std::pair<QString, QString>> &layerByAppearance, RgbColor fill);
};

} // namespace iconsmith
