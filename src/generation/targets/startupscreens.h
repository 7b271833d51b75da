#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace iconsmith {

/**
 * The screens Safari shows a home-screen web app's startup image on: one per distinct screen of
 * the iPhones and iPads in use, by its size in points and its scale (the device pixels per point),
 * as Apple's Human Interface Guidelines list them under "Device screen sizes and orientations".
 * Safari picks the image whose link's media query matches the screen exactly, so each size is
 * written in both orientations.
 */
struct StartupScreen
{
    /** Portrait width and height, in points (CSS pixels). */
    int width = 0;
    int height = 0;
    int scale = 1;

    /** The picture's size in device pixels, in portrait or landscape. */
    [[nodiscard]] QSize pixels(bool landscape) const
    {
        return landscape ? QSize(height * scale, width * scale) : QSize(width * scale, height * scale);
    }
    /**
     * The media query that selects this screen: device-width and device-height are the portrait
     * ones whatever the orientation; with @p colourScheme ("light", "dark") only in that scheme.
     */
    [[nodiscard]] QString mediaQuery(bool landscape, const QString &colourScheme = {}) const;

    /** Every screen, largest iPhones first, then the iPads. */
    static const QList<StartupScreen> &all();
};

} // namespace iconsmith
