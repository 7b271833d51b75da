#include "imaging/appearance.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace iconsmith {

namespace {

// The grey of a straight sRGB colour, as the renderer's greyscale tone makes it.
float grey(float red, float green, float blue)
{
    return 0.2126F * red + 0.7152F * green + 0.0722F * blue;
}

// The tones of a logo's opaque pixels that count as its darkest and brightest: a few stray
// pixels (an outline's anti-aliasing, a speck) do not move them.
constexpr double toneQuantile = 0.05;
// Tones closer than this make one colour: the tinted icon is then a white silhouette.
constexpr float oneColourSpread = 0.1F;
// The darkest grey of a tinted icon: 3.7:1 on black, so that its darkest parts still show.
constexpr float tintedFloor = 0.4F;
// The steps in which the dark icon's colours are lightened.
constexpr int liftSteps = 20;

std::vector<float> opaqueGreys(const ContentExtent &extent)
{
    std::vector<float> greys;
    for (const ContentExtent::Sample &sample : extent.samples) {
        if (sample[3] >= ContentExtent::opaqueAlpha)
            greys.push_back(grey(sample[0] / 255.0F, sample[1] / 255.0F, sample[2] / 255.0F));
    }
    std::sort(greys.begin(), greys.end());
    return greys;
}

} // namespace

double Contrast::luminance(double red, double green, double blue)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

double Contrast::luminance(RgbColor colour)
{
    return luminance(colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

double Contrast::ratio(double luminanceA, double luminanceB)
{
    const auto [darker, lighter] = std::minmax(luminanceA, luminanceB);
    return (lighter + 0.05) / (darker + 0.05);
}

double Appearance::contrast(const ContentExtent &extent, RgbColor backdrop, Tone tone, const ToneLevels &levels)
{
    const double backdropLuminance = Contrast::luminance(backdrop);
    const float under[3] = {backdrop.red / 255.0F, backdrop.green / 255.0F, backdrop.blue / 255.0F};
    std::vector<double> ratios;
    ratios.reserve(extent.samples.size());
    for (const ContentExtent::Sample &sample : extent.samples) {
        if (sample[3] < ContentExtent::opaqueAlpha)
            continue;
        float colour[3] = {sample[0] / 255.0F, sample[1] / 255.0F, sample[2] / 255.0F};
        if (tone == Tone::Greyscale) {
            const float level = levels(grey(colour[0], colour[1], colour[2]));
            colour[0] = colour[1] = colour[2] = level;
        } else if (tone == Tone::Monochrome || tone == Tone::Stencil) {
            colour[0] = colour[1] = colour[2] = 1.0F;
        } else {
            for (float &channel : colour)
                channel = levels(channel);
        }
        // Laid on the backdrop as the system composes it, in sRGB values.
        const float alpha = sample[3] / 255.0F;
        for (int c = 0; c < 3; ++c)
            colour[c] = colour[c] * alpha + under[c] * (1.0F - alpha);
        ratios.push_back(Contrast::ratio(Contrast::luminance(colour[0], colour[1], colour[2]), backdropLuminance));
    }
    if (ratios.empty())
        return 1.0;
    const auto middle = ratios.begin() + std::ptrdiff_t(ratios.size() / 2);
    std::nth_element(ratios.begin(), middle, ratios.end());
    return *middle;
}

ToneLevels Appearance::darkLevels(const ContentExtent &extent)
{
    if (extent.kind() == ArtworkKind::FullBleed || contrast(extent, darkBackdrop) >= minimumContrast)
        return {};
    for (int step = 1; step < liftSteps; ++step) {
        const ToneLevels lifted = ToneLevels::lift(float(step) / liftSteps);
        if (contrast(extent, darkBackdrop, Tone::Colour, lifted) >= aimedContrast)
            return lifted;
    }
    return ToneLevels::lift(1.0F);
}

ToneLevels Appearance::tintedLevels(const ContentExtent &extent)
{
    if (extent.kind() == ArtworkKind::FullBleed)
        return {};
    const std::vector<float> greys = opaqueGreys(extent);
    if (greys.empty())
        return {};
    const auto at = [&greys](double quantile) {
        return greys[std::min(greys.size() - 1, std::size_t(quantile * double(greys.size())))];
    };
    const float darkest = at(toneQuantile);
    const float brightest = at(1.0 - toneQuantile);
    if (brightest - darkest < oneColourSpread)
        return {0.0F, 0.0F, 0.0F, 1.0F};
    return {darkest, brightest, std::max(darkest, tintedFloor), 1.0F};
}

} // namespace iconsmith
