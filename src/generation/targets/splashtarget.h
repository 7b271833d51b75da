#pragma once

#include <QCoreApplication>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * Launch screens, light and dark, from the source (or a splash logo) on a background colour:
 * - ios/: the UILaunchScreen way, without a storyboard: LaunchLogo.imageset (the logo in a box of
 *   logoPoints points at @1x, @2x and @3x, with a dark appearance for a dark logo),
 *   LaunchBackground.colorset and UILaunchScreen.plist, the dictionary that names them;
 * - android/res/: Android 12's splash icon (288 dp, the logo inside the 192 dp circle the system
 *   shows) at every density, the background colour (values-night/ for dark), the launching theme
 *   for Android 12 and later (values-v31/) and before (values/, over drawable/splash_screen.xml);
 * - web/: an apple-touch-startup-image for every iPhone and iPad screen (StartupScreen) in both
 *   orientations, dark ones too, and splash.html with their link tags.
 */
class SplashTarget
{
    Q_DECLARE_TR_FUNCTIONS(SplashTarget)

public:
    static TargetPlan plan(const TargetContext &context);

    /** The side of the box the logo fills on iOS and on the startup images, in points. */
    static constexpr int logoPoints = 160;
    /** The colour of the dark launch screens when only a dark logo is given. */
    static constexpr RgbColor defaultDarkBackground{0, 0, 0};

    /**
     * A whole-screen launch picture of @p canvas pixels, as some projects keep them (Capacitor's
     * Splash.imageset and drawable*\/splash.png), which the system scales to fill the screen: the
     * logo in the centre on the launch background, light or @p dark.
     */
    static PlannedImage wholeScreen(const QString &file, QSize canvas, bool dark, const TargetContext &context);
    /**
     * The logo's box on a whole-screen picture, as a share of its shorter side: a 2732-pixel
     * square, which iOS fills a phone's screen with, shows a 512-pixel logo at about the
     * logoPoints of the launch screens.
     */
    static constexpr double wholeScreenLogoShare = 0.1875;
};

} // namespace iconsmith
