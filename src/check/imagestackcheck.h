#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <functional>

namespace iconsmith {

class CheckScope;

/**
 * Checks a layered icon of an asset catalog as Xcode reads it: a visionOS `.solidimagestack` or a
 * tvOS `.imagestack`. Its Contents.json lists its layer folders front to back, each of them a
 * folder of the stack of the right kind holding a Contents.json and a `Content.imageset` whose
 * images are files of the set that measure what the stack needs at their scale. The back layer,
 * the last, must be opaque: nothing may show through it. A stack has two to @p maxLayers layers.
 */
class ImageStackCheck
{
    Q_DECLARE_TR_FUNCTIONS(ImageStackCheck)

public:
    /** What a stack of one kind needs. */
    struct Kind
    {
        /** The extension of its layer folders (".solidimagestacklayer"). */
        QString layerExtension;
        int maxLayers = 3;
        /** The pixel size an image at @p scale (1, 2, ...) must have. */
        std::function<QSize(int scale)> pixels;
    };

    /** A visionOS solid image stack: 1024 × 1024 layers at 2x, two or three of them. */
    static Kind vision();

    /** A tvOS image stack of @p size points: its layers at 1x and 2x, two to five of them. */
    static Kind tv(QSize size);

    /** Checks the stack @p stack (a folder of @p scope, "" for the scope's own). */
    static void check(CheckScope &scope, const QString &stack, const Kind &kind);
    /**
     * Checks tvOS brand assets (the folder of @p scope, `.brandassets`): every asset its Contents.json
     * lists is a stack or image set of the folder whose images measure the asset's size at their scale.
     */
    static void checkBrandAssets(CheckScope &scope);
};

} // namespace iconsmith
