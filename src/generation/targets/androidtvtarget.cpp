#include "generation/targets/androidtvtarget.h"

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

} // namespace

TargetPlan AndroidTvTarget::plan(const TargetContext & /*context*/)
{
    TargetPlan plan;
    plan.name = u"android-tv"_s;
    for (const Density &density : densities)
        plan.images.append(PlannedImage(u"res/drawable-%1/banner.png"_s.arg(QStringView(density.name)),
                                        density.pixels.height(), Surface::banner())
                               .onCanvas(density.pixels));
    plan.images.append(PlannedImage(playBanner.toString(), 720, Surface::banner()).onCanvas({1280, 720}));
    return plan;
}

} // namespace iconsmith
