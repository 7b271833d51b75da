#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace iconsmith {

/**
 * The asset-catalog documents of a layered icon, as Xcode writes them: an image stack
 * (`.imagestack` for tvOS, `.solidimagestack` for visionOS) lists its layer folders front to
 * back; each layer folder holds only an "info" block and one `Content.imageset`, whose
 * Contents.json lists the layer's pictures.
 */
class LayeredCatalog
{
public:
    /** The "info" block every document carries. */
    static QJsonObject info();
    /** The stack's Contents.json naming @p layerFolders, front first. */
    static QByteArray stack(const QStringList &layerFolders);
    /** A layer folder's Contents.json. */
    static QByteArray layer();
    /** An image set's Contents.json listing @p images. */
    static QByteArray imageSet(const QJsonArray &images);
    /** An image set entry for @p idiom ("tv", "vision") at @p scale ("1x", "2x"). */
    static QJsonObject image(const QString &file, const QString &idiom, const QString &scale);

    /** The image set inside every layer folder. */
    static inline const QString contentFolder = QStringLiteral("Content.imageset");
};

} // namespace iconsmith
