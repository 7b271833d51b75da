#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * The tvOS brand assets, Assets.xcassets/App Icon & Top Shelf Image.brandassets: the home-screen
 * icon (400 × 240 at 1x and 2x) and the App Store icon (1280 × 768) as image stacks of Front,
 * Middle and Back layers, the Back opaque; the Top Shelf image (1920 × 720) and the wide one (2320
 * × 720) at 1x and 2x; and every Contents.json as Xcode writes them. The layers are the picture's
 * parts: the background (the colour, or the Android background picture) at the back, the source at
 * the front, the middle-layer picture between them when one is given. Nothing is stretched: the
 * source keeps its proportions in the middle of each wide image.
 */
class TvTarget
{
public:
    /** One image of the brand assets: a stack of layers or a flat image set. */
    struct Asset
    {
        QString name;
        QString role;
        QSize size;
        QList<int> scales;
        bool stack = false;
    };

    static TargetPlan plan(const TargetContext &context);

    /** Every asset, in the order Xcode lists them. */
    static const QList<Asset> &assets();
};

} // namespace iconsmith
