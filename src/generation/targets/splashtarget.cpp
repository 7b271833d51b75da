#include "generation/targets/splashtarget.h"

#include "generation/targets/splashdocuments.h"
#include "generation/targets/startupscreens.h"

#include <algorithm>
#include <cmath>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// What the launch screens are made of, decided once for every platform.
struct SplashLooks
{
    SourceRole logo = SourceRole::Main;
    SourceRole darkLogo = SourceRole::Main;
    RgbColor background;
    std::optional<RgbColor> darkBackground;
    bool darkLogoGiven = false;
};

SplashLooks looksOf(const TargetContext &context)
{
    const TargetOptions &options = context.options;
    SplashLooks looks;
    looks.logo = context.has(SourceRole::SplashLogo) ? SourceRole::SplashLogo : SourceRole::Main;
    looks.darkLogoGiven = context.has(SourceRole::SplashDarkLogo);
    looks.darkLogo = looks.darkLogoGiven ? SourceRole::SplashDarkLogo : looks.logo;
    looks.background = options.splashBackground.value_or(options.background.value_or(RgbColor{255, 255, 255}));
    if (options.splashDarkBackground)
        looks.darkBackground = options.splashDarkBackground;
    else if (looks.darkLogoGiven)
        looks.darkBackground = SplashTarget::defaultDarkBackground;
    return looks;
}

// The logo fills its box: the background colour shows around it.
const Surface &logoBox()
{
    static const Surface surface = Surface::asIs().finishedAs(SurfaceFinish::Layer);
    return surface;
}

void planIos(const SplashLooks &looks, TargetPlan &plan)
{
    const QString imageSet = u"ios/%1.imageset/"_s.arg(SplashDocuments::logoName);
    for (const bool dark : {false, true}) {
        if (dark && !looks.darkLogoGiven)
            break;
        for (int scale = 1; scale <= 3; ++scale) {
            const QString file = u"%1%2%3.png"_s.arg(SplashDocuments::logoName, dark ? u"-dark"_s : QString(),
                                                     scale == 1 ? QString() : u"@%1x"_s.arg(scale));
            plan.images.append(PlannedImage(imageSet + file, SplashTarget::logoPoints * scale, logoBox())
                                   .from(dark ? looks.darkLogo : looks.logo));
        }
    }
    plan.documents.append({imageSet + u"Contents.json"_s, [imageSet](const QSet<QString> &written) {
                               QSet<QString> inSet;
                               for (const QString &file : written) {
                                   if (file.startsWith(imageSet))
                                       inSet.insert(file.mid(imageSet.size()));
                               }
                               return SplashDocuments::logoImageSet(inSet);
                           }});
    plan.documents.append(
        {u"ios/%1.colorset/Contents.json"_s.arg(SplashDocuments::backgroundName), [looks](const QSet<QString> &) {
             return SplashDocuments::colourSet(looks.background, looks.darkBackground);
         }});
    plan.documents.append(
        {u"ios/UILaunchScreen.plist"_s, [](const QSet<QString> &) { return SplashDocuments::launchScreenPlist(); }});
}

void planAndroid(const SplashLooks &looks, TargetPlan &plan)
{
    // 288 dp at each density.
    const std::pair<const char16_t *, int> densities[] = {
        {u"mdpi", 288}, {u"hdpi", 432}, {u"xhdpi", 576}, {u"xxhdpi", 864}, {u"xxxhdpi", 1152}};
    const QString icon = SplashDocuments::androidIcon.toString() + u".png"_s;
    for (const auto &[density, pixels] : densities) {
        const QString name = QString::fromUtf16(density);
        plan.images.append(
            PlannedImage(u"android/res/drawable-%1/"_s.arg(name) + icon, pixels, Surface::androidSplash())
                .from(looks.logo));
        if (looks.darkLogoGiven)
            plan.images.append(
                PlannedImage(u"android/res/drawable-night-%1/"_s.arg(name) + icon, pixels, Surface::androidSplash())
                    .from(looks.darkLogo));
    }
    const RgbColor light = looks.background;
    plan.documents.append({u"android/res/values/splash_colors.xml"_s,
                           [light](const QSet<QString> &) { return SplashDocuments::androidColours(light); }});
    if (looks.darkBackground) {
        const RgbColor dark = *looks.darkBackground;
        plan.documents.append({u"android/res/values-night/splash_colors.xml"_s,
                               [dark](const QSet<QString> &) { return SplashDocuments::androidColours(dark); }});
    }
    plan.documents.append({u"android/res/values/splash_theme.xml"_s,
                           [](const QSet<QString> &) { return SplashDocuments::androidThemeXml(false); }});
    plan.documents.append({u"android/res/values-v31/splash_theme.xml"_s,
                           [](const QSet<QString> &) { return SplashDocuments::androidThemeXml(true); }});
    plan.documents.append({u"android/res/drawable/%1.xml"_s.arg(SplashDocuments::androidLayers),
                           [](const QSet<QString> &) { return SplashDocuments::androidLayerList(); }});
}

void planWeb(const SplashLooks &looks, TargetPlan &plan)
{
    // The opaque canvas is the background colour; the logo fills its box in the middle.
    const Surface opaque = Surface::asIs().finishedAs(SurfaceFinish::Opaque);
    QList<SplashDocuments::StartupLink> links;
    QSet<QString> made;
    for (const bool dark : {false, true}) {
        if (dark && !looks.darkBackground)
            break;
        const QString scheme = !looks.darkBackground ? QString() : dark ? u"dark"_s : u"light"_s;
        for (const StartupScreen &screen : StartupScreen::all()) {
            for (const bool landscape : {false, true}) {
                const QSize pixels = screen.pixels(landscape);
                const QString file = u"apple-splash%1-%2x%3.png"_s.arg(dark ? u"-dark"_s : QString())
                                         .arg(pixels.width())
                                         .arg(pixels.height());
                links.append({file, screen.mediaQuery(landscape, scheme)});
                if (made.contains(file))
                    continue; // a screen of the same pixels has it already
                made.insert(file);
                plan.images.append(PlannedImage(u"web/"_s + file, SplashTarget::logoPoints * screen.scale, opaque)
                                       .onCanvas(pixels)
                                       .onPlate(dark ? *looks.darkBackground : looks.background)
                                       .from(dark ? looks.darkLogo : looks.logo));
            }
        }
    }
    plan.documents.append({u"web/splash.html"_s, [links](const QSet<QString> &written) {
                               QSet<QString> inFolder;
                               for (const QString &file : written)
                                   inFolder.insert(file.mid(4)); // past "web/"
                               return SplashDocuments::startupLinks(links, inFolder);
                           }});
}

} // namespace

PlannedImage SplashTarget::wholeScreen(const QString &file, QSize canvas, bool dark, const TargetContext &context)
{
    const SplashLooks looks = looksOf(context);
    const int logo = std::max(1, int(std::lround(std::min(canvas.width(), canvas.height()) * wholeScreenLogoShare)));
    return PlannedImage(file, logo, Surface::asIs().finishedAs(SurfaceFinish::Opaque))
        .onCanvas(canvas)
        .onPlate(dark ? looks.darkBackground.value_or(looks.background) : looks.background)
        .from(dark ? looks.darkLogo : looks.logo);
}

TargetPlan SplashTarget::plan(const TargetContext &context)
{
    TargetPlan plan;
    plan.name = u"splash"_s;
    const SplashLooks looks = looksOf(context);
    planIos(looks, plan);
    planAndroid(looks, plan);
    planWeb(looks, plan);
    if (looks.darkBackground && !looks.darkLogoGiven)
        plan.notes.append({tr("splash: the dark launch screens show the light logo on the dark background."),
                           SourceRole::SplashDarkLogo});
    return plan;
}

} // namespace iconsmith
