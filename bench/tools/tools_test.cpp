// Checks of the benchmark's own yardsticks: if a metric or a source drifts, every figure in the
// comparison drifts with it, silently.

#include "metrics.h"
#include "picture.h"
#include "texture.h"

#include <gtest/gtest.h>
#include <vips/vips8>

#include <array>
#include <cmath>
#include <filesystem>

namespace iconsmith::bench {
namespace {

Raster flat(int size, std::uint8_t value, std::uint8_t alpha = 255)
{
    Raster raster(size, size, 4);
    for (std::size_t i = 0; i < raster.samples.size(); i += 4) {
        raster.samples[i] = raster.samples[i + 1] = raster.samples[i + 2] = value;
        raster.samples[i + 3] = alpha;
    }
    return raster;
}

// The exact premultiplied box average, rounded to 8 bits: the best an 8-bit result can do.
Raster boxReduce(const Raster &rgba, int factor)
{
    Raster out(rgba.width / factor, rgba.height / factor, 4);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            double sum[4] = {};
            for (int v = 0; v < factor; ++v) {
                for (int u = 0; u < factor; ++u) {
                    const std::uint8_t *in = rgba.pixel(x * factor + u, y * factor + v);
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += in[c] * in[3] / 255.0;
                    }
                    sum[3] += in[3];
                }
            }
            const double alpha = sum[3] / (factor * factor);
            std::uint8_t *o = out.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                o[c] = alpha > 0 ? std::uint8_t(std::lround(sum[c] / (factor * factor) * 255.0 / alpha)) : 0;
            }
            o[3] = std::uint8_t(std::lround(alpha));
        }
    }
    return out;
}

Raster nearestReduce(const Raster &rgba, int factor)
{
    Raster out(rgba.width / factor, rgba.height / factor, 4);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            std::copy_n(rgba.pixel(x * factor + factor / 2, y * factor + factor / 2), 4, out.pixel(x, y));
        }
    }
    return out;
}

TEST(ZonePlate, FollowsTheFormulaFromThePictureCentre)
{
    const Raster plate = makeZonePlate(1024);
    ASSERT_EQ(plate.bands, 1);
    // Expected values worked out independently from round(255 · (0.5 + 0.5·cos(π r² / 1024))),
    // r measured from (512, 512) to pixel centres.
    EXPECT_EQ(*plate.pixel(511, 511), 255);
    EXPECT_EQ(*plate.pixel(512, 512), 255);
    EXPECT_EQ(*plate.pixel(0, 0), 0);
    EXPECT_EQ(*plate.pixel(1023, 1023), 0);
    EXPECT_EQ(*plate.pixel(600, 300), 63);
    EXPECT_EQ(*plate.pixel(534, 512), 130);
    EXPECT_EQ(*plate.pixel(100, 900), 35);
    EXPECT_EQ(*plate.pixel(700, 700), 88);
}

TEST(Landscape, HasATransparentRoundedMarginAndAnOpaqueCentre)
{
    const Raster photo = makeLandscape(256, true, 2);
    ASSERT_EQ(photo.bands, 4);
    EXPECT_EQ(photo.pixel(0, 0)[3], 0);
    EXPECT_EQ(photo.pixel(255, 128)[3], 0);
    EXPECT_EQ(photo.pixel(128, 128)[3], 255);
    // Inside the inset square but outside its rounded corner.
    EXPECT_EQ(photo.pixel(17, 17)[3], 0);
    EXPECT_EQ(photo.pixel(0, 0)[0], 0) << "transparent pixels are transparent black";
}

TEST(Landscape, IsTheSameWhateverTheThreadCount)
{
    EXPECT_EQ(makeLandscape(128, true, 1).samples, makeLandscape(128, true, 3).samples);
}

TEST(Landscape, OpaqueVariantMatchesInsideTheMargin)
{
    const Raster photo = makeLandscape(128, true, 1);
    const Raster opaque = makeLandscape(128, false, 1);
    ASSERT_EQ(opaque.bands, 3);
    EXPECT_TRUE(std::equal(photo.pixel(64, 64), photo.pixel(64, 64) + 3, opaque.pixel(64, 64)));
}

TEST(Landscape, IsTheSamePictureAtEverySize)
{
    // The larger picture, box-reduced, must look like the smaller one: only the finest octaves and
    // the grain differ, so the match is close but not exact.
    const Raster small = makeLandscape(128, true, 2);
    const Raster large = makeLandscape(512, true, 2);
    const double psnr = psnrAgainstBoxAverage(large, small);
    EXPECT_GT(psnr, 24.0);
    EXPECT_FALSE(std::isinf(psnr));
}

TEST(MarginCoverage, IsOpaqueInsideClearOutsideAndHalfOnTheEdge)
{
    EXPECT_EQ(marginCoverage(1024, 512.0, 512.0), 1.0);
    EXPECT_EQ(marginCoverage(1024, 0.5, 0.5), 0.0);
    EXPECT_EQ(marginCoverage(1024, 1023.5, 512.0), 0.0);
    // The straight edge of the inset square runs along x = 64.
    EXPECT_NEAR(marginCoverage(1024, 64.0, 512.0), 0.5, 1e-9);
    EXPECT_NEAR(marginCoverage(1024, 64.25, 512.0), 0.75, 1e-9);
}

TEST(Landscape, IsNotFlat)
{
    const Raster photo = makeLandscape(256, false, 2);
    double sum = 0;
    double sumSquares = 0;
    for (const std::uint8_t sample : photo.samples) {
        sum += sample;
        sumSquares += double(sample) * sample;
    }
    const double n = double(photo.samples.size());
    EXPECT_GT(std::sqrt(sumSquares / n - (sum / n) * (sum / n)), 30.0);
}

double bandVariance(const Raster &raster, int band)
{
    double sum = 0;
    double squares = 0;
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            const double value = raster.pixel(x, y)[band];
            sum += value;
            squares += value * value;
        }
    }
    const double n = double(raster.width) * raster.height;
    return squares / n - (sum / n) * (sum / n);
}

TEST(PinkNoise, KeepsTheSameShareOfItsDetailAtEveryScale)
{
    // With amplitude falling as 1/f every octave holds the same energy, so each halving removes
    // the same share of what is left: white noise would keep a quarter, a smooth field nearly all.
    Raster noise = toRgba(makePinkNoise(256));
    EXPECT_GT(std::sqrt(bandVariance(noise, 1)), 35.0);
    for (int halving = 0; halving < 3; ++halving) {
        const Raster half = boxReduce(noise, 2);
        for (int band = 0; band < 3; ++band) {
            const double kept = bandVariance(half, band) / bandVariance(noise, band);
            EXPECT_GT(kept, 0.75) << "halving " << halving << ", band " << band;
            EXPECT_LT(kept, 0.93) << "halving " << halving << ", band " << band;
        }
        noise = half;
    }
    EXPECT_EQ(makePinkNoise(64).samples, makePinkNoise(64).samples);
}

TEST(Hairlines, AnAxialLineCoversExactlyOneRowOrColumn)
{
    // Lines are one pixel wide: the horizontal (light) and the vertical (dark) one each fill one
    // whole row or column with their colour, wherever no other line crosses them.
    const Raster picture = makeHairlines(256);
    const auto lineColoured = [&](int x, int y, std::array<std::uint8_t, 3> colour) {
        return std::equal(colour.begin(), colour.end(), picture.pixel(x, y));
    };
    int lightRows = 0;
    int darkColumns = 0;
    for (int i = 0; i < 256; ++i) {
        int light = 0;
        int dark = 0;
        for (int j = 0; j < 256; ++j) {
            light += lineColoured(j, i, {246, 242, 228}) ? 1 : 0;
            dark += lineColoured(i, j, {14, 18, 28}) ? 1 : 0;
        }
        lightRows += light > 200 ? 1 : 0;
        darkColumns += dark > 200 ? 1 : 0;
    }
    EXPECT_EQ(lightRows, 1);
    EXPECT_EQ(darkColumns, 1);
}

TEST(AliasRms, FlatMidGreyIsHalfALevel)
{
    EXPECT_NEAR(aliasRms(flat(60, 128), 1024), 0.5, 1e-9);
    EXPECT_NEAR(aliasRms(flat(60, 127), 1024), 0.5, 1e-9);
}

TEST(AliasRms, IgnoresTheRingsBelowTheCutoff)
{
    // Black where the rings are slower than 0.65 cycles a result pixel, mid-grey elsewhere: a
    // perfect score, since only the fast rings can alias.
    Raster result = flat(64, 128);
    const double scale = 1024.0 / 64;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const double r = std::hypot((x + 0.5) * scale - 512.0, (y + 0.5) * scale - 512.0);
            if (r / 1024.0 * scale < 0.65) {
                std::fill_n(result.pixel(x, y), 3, std::uint8_t{0});
            }
        }
    }
    EXPECT_NEAR(aliasRms(result, 1024), 0.5, 1e-9);
    EXPECT_GT(aliasRms(result, 1024, 0.1), 5.0) << "a lower cutoff takes the black centre in";
}

TEST(AliasRms, NearestNeighbourReductionOfTheZonePlateAliasesBadly)
{
    const Raster plate = toRgba(makeZonePlate(1024));
    // A full-swing cosine aliased down keeps its amplitude: RMS near 127.5/√2 ≈ 90.
    EXPECT_GT(aliasRms(nearestReduce(plate, 8), 1024), 60.0);
}

TEST(AliasRms, BoxReductionAliasesFarLessThanNearestNeighbour)
{
    const Raster plate = toRgba(makeZonePlate(1024));
    EXPECT_LT(aliasRms(boxReduce(plate, 8), 1024), aliasRms(nearestReduce(plate, 8), 1024) / 4.0);
}

TEST(Psnr, IdenticalImagesAgreeExactly)
{
    const Raster photo = makeLandscape(64, true, 1);
    EXPECT_TRUE(std::isinf(psnrAgainstBoxAverage(photo, photo)));
}

TEST(Psnr, RoundedBoxAverageScoresHigh)
{
    const Raster photo = makeLandscape(256, true, 2);
    EXPECT_GT(psnrAgainstBoxAverage(photo, boxReduce(photo, 4)), 50.0);
}

TEST(Psnr, OffsetOfTenInColourOnlyGivesTheExpectedFigure)
{
    // Three of four bands off by 10: MSE = 300 / 4 = 75, PSNR = 10·log10(65025 / 75).
    EXPECT_NEAR(psnrAgainstBoxAverage(flat(32, 100), flat(8, 110)), 10.0 * std::log10(65025.0 / 75.0), 1e-9);
}

TEST(Psnr, ComparesInPremultipliedAlpha)
{
    // One opaque red pixel beside a transparent one: the premultiplied mean is (127.5, 0, 0, 127.5),
    // which an 8-bit result holds as red at alpha 128. Off by half a level in two bands:
    // MSE = 0.5 / 4, PSNR = 10·log10(65025 / 0.125).
    Raster source(2, 1, 4);
    const std::uint8_t red[] = {255, 0, 0, 255};
    std::copy_n(red, 4, source.pixel(0, 0));
    Raster result(1, 1, 4);
    const std::uint8_t halfRed[] = {255, 0, 0, 128};
    std::copy_n(halfRed, 4, result.pixel(0, 0));
    EXPECT_NEAR(psnrAgainstBoxAverage(source, result), 10.0 * std::log10(65025.0 / 0.125), 1e-9);
}

TEST(Psnr, ColourUnderFullTransparencyDoesNotCount)
{
    EXPECT_TRUE(std::isinf(psnrAgainstBoxAverage(flat(32, 0, 0), flat(8, 200, 0))));
}

TEST(Psnr, RefusesASizeThatDoesNotDivide)
{
    EXPECT_THROW(psnrAgainstBoxAverage(flat(32, 0), flat(7, 0)), std::invalid_argument);
}

TEST(Fringe, WhiteEdgesAreClean)
{
    Raster shape = flat(8, 0, 0);
    for (int x = 2; x < 6; ++x) {
        std::fill_n(shape.pixel(x, 4), 3, std::uint8_t{255});
        shape.pixel(x, 4)[3] = x == 2 ? 64 : 255;
    }
    EXPECT_EQ(fringeMinimum(shape), 255);
    shape.pixel(2, 4)[1] = 90;
    EXPECT_EQ(fringeMinimum(shape), 90);
}

TEST(Fringe, NothingShowingMeansNoFringe)
{
    EXPECT_EQ(fringeMinimum(flat(4, 0, 0)), 255);
}

TEST(ToRgba, MakesRgbOpaque)
{
    Raster rgb(1, 1, 3);
    rgb.samples = {1, 2, 3};
    const std::vector<std::uint8_t> expected = {1, 2, 3, 255};
    EXPECT_EQ(toRgba(rgb).samples, expected);
}

TEST(LoadRgba, WidensGreyAndAlpha)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "iconsmith-tools-test-grey.png";
    const std::uint8_t greyAlpha[] = {10, 20, 30, 40};
    vips::VImage::new_from_memory(const_cast<std::uint8_t *>(greyAlpha), sizeof greyAlpha, 2, 1, 2, VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_B_W))
        .pngsave(path.c_str());
    const Raster loaded = loadRgba(path.string());
    std::filesystem::remove(path);
    ASSERT_EQ(loaded.bands, 4);
    const std::vector<std::uint8_t> expected = {10, 10, 10, 20, 30, 30, 30, 40};
    EXPECT_EQ(loaded.samples, expected);
}

} // namespace
} // namespace iconsmith::bench

int main(int argc, char **argv)
{
    if (VIPS_INIT(argv[0]) != 0) {
        vips_error_exit("cannot start libvips");
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
