#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>
#include <stop_token>

#include "generation/generationreport.h"

namespace iconsmith {

/** One place where a system shows an app's icon, with the icon prepared as that system draws it. */
struct PlatformScene
{
    enum class Kind {
        IosLight,        ///< the home screen in light mode: the icon in the rounded square
        IosDark,         ///< dark mode: the dark icon over the system's dark backdrop
        IosTinted,       ///< tinted mode: the greyscale icon tinted by the system
        AndroidCircle,   ///< the adaptive layers under a circle mask
        AndroidSquircle, ///< the adaptive layers under a squircle mask
        AndroidThemed,   ///< the themed icon: the monochrome layer in the theme's colours
        MacDockLight,    ///< the Dock of a light desktop: the icon as it is
        MacDockDark,     ///< the Dock of a dark desktop
        WatchCircle,     ///< the watch face: the icon under a circle
        BrowserTab,      ///< a browser's tab strip: the 16-pixel favicon
    };

    Kind kind = Kind::IosLight;
    /** The icon as the system draws it, masked and tinted, at iconPoints(kind) × the device ratio; the favicon as it
     * is. */
    QImage icon;
    /** The file the icon was read from. */
    QString file;
    /** The system shows another picture in its place: iOS's light icon where there is no dark one. */
    bool fallback = false;
};

/**
 * Finds, among the files a generation wrote, those that show how the systems will present the
 * app's icon, and prepares each scene from the files read back (never from the source): the
 * iOS home screen in light, dark and tinted mode, Android's adaptive layers under a circle and a
 * squircle and its themed icon, the macOS Dock, the watch face, a browser tab with the favicon.
 */
class PlatformScenes
{
public:
    /** The written files the scenes come from; empty paths for what was not written. */
    struct Sources
    {
        QString iosLight;
        QString iosDark;
        QString iosTinted;
        QString androidForeground;
        QString androidBackground;
        /** The colour of Android's background layer when it is a colour rather than a picture. */
        std::optional<QColor> androidBackgroundColour;
        QString androidMonochrome;
        QString mac;
        QString watch;
        QString favicon;

        [[nodiscard]] bool isEmpty() const;
    };

    /** The size, in points, at which a scene of @p kind shows its icon. */
    static int iconPoints(PlatformScene::Kind kind);
    /** The colour iOS tints its tinted icons with in the preview. */
    static QColor tintColour();

    /**
     * Picks the files of @p files (written into @p folder) that the scenes read: the targets' by
     * their place in their folders, a classic icon set's largest image for the home screen. Reads
     * only the small Android colour document.
     */
    static Sources find(const QList<GenerationReport::WrittenFile> &files, const QString &folder);
    /** Reads @p sources and prepares every scene they allow at @p ratio device pixels per point; off the GUI thread. */
    static QList<PlatformScene> build(const Sources &sources, qreal ratio, const std::stop_token &stop = {});
};

} // namespace iconsmith
