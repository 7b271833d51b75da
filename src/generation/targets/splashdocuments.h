#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * The documents of the launch screens: the asset catalog's image set and colour set, the
 * UILaunchScreen dictionary for Info.plist, Android's colour, theme and layer-list resources, and
 * the web page's startup-image links.
 */
class SplashDocuments
{
public:
    /** The names the documents give the pictures and colours they refer to. */
    static constexpr QStringView logoName = u"LaunchLogo";
    static constexpr QStringView backgroundName = u"LaunchBackground";
    static constexpr QStringView androidIcon = u"splash_icon";
    static constexpr QStringView androidColour = u"splash_background";
    static constexpr QStringView androidLayers = u"splash_screen";
    /** The theme an app's launching activity takes (Android's own documentation names it so). */
    static constexpr QStringView androidTheme = u"Theme.App.Starting";

    /** One startup image's link: its file and the media query of the screen it is for. */
    struct StartupLink
    {
        QString file;
        QString media;
    };

    /** LaunchLogo.imageset's Contents.json for @p written files of the form LaunchLogo[-dark][@Nx].png. */
    static QByteArray logoImageSet(const QSet<QString> &written);
    /** LaunchBackground.colorset's Contents.json: @p light, and @p dark for the dark appearance. */
    static QByteArray colourSet(RgbColor light, std::optional<RgbColor> dark);
    /** The property list holding the UILaunchScreen dictionary that names the image and colour sets. */
    static QByteArray launchScreenPlist();
    /** values/splash_colors.xml (and values-night/'s): the window's background colour. */
    static QByteArray androidColours(RgbColor colour);
    /**
     * The launching theme: on Android 12 and later (@p platformSplash) the splash screen's icon
     * and background; before, a window background of the layer list.
     */
    static QByteArray androidThemeXml(bool platformSplash);
    /** drawable/splash_screen.xml: the background colour with the splash icon centred on it. */
    static QByteArray androidLayerList();
    /** splash.html: the link tags of the startup images among @p written, in the order of @p links. */
    static QByteArray startupLinks(const QList<StartupLink> &links, const QSet<QString> &written);
};

} // namespace iconsmith
