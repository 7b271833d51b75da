#include "generation/targets/androidtvtarget.h"

#include <cmath>

#include "codec/textsetter.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

struct Density
{
    const char16_t *name;
    QSize pixels; // 160 × 90 dp
};

const Density densities[] = {{u"mdpi", {160, 90}},
                             {u"hdpi", {240, 135}},
                             {u"xhdpi", {320, 180}},
                             {u"xxhdpi", {480, 270}},
                             {u"xxxhdpi", {640, 360}}};

// The banner's picture: the logo centred, or, with the app's name, the logo at the start and the
// name beside it, the logo's square then three quarters of the banner's height.
PlannedImage banner(const QString &file, QSize size, const QString &name)
{
    if (name.isEmpty())
        return PlannedImage(file, size.height(), Surface::banner()).onCanvas(size);
    const int square = int(std::lround(size.height() * 0.75));
    return PlannedImage(file, square, Surface::banner()).onCanvas(size).withCaption(name);
}

} // namespace

TargetPlan AndroidTvTarget::plan(const TargetContext &context)
{
    QString name = context.options.displayName;
    TargetPlan plan;
    plan.name = u"android-tv"_s;
    if (!name.isEmpty() && !TextSetter::canShow(name)) {
        plan.notes.append({tr("android-tv: the banners show the logo alone, as no font on this system has every "
                              "character of \"%1\".")
                               .arg(name),
                           std::nullopt});
        name.clear();
    }
    for (const Density &density : densities)
        plan.images.append(
            banner(u"res/drawable-%1/banner.png"_s.arg(QStringView(density.name)), density.pixels, name));
    plan.images.append(banner(playBanner.toString(), {1280, 720}, name));
    return plan;
}

} // namespace iconsmith
