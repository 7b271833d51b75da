#include "imaging/iconrenderer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <numbers>

#include "imaging/roundedcornermask.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

PixelBuffer filled(QSize size, const std::function<Float4(int, int)> &pixel)
{
    PixelBuffer buffer(size);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            buffer.row(y)[x] = pixel(x, y);
    return buffer;
}

const Float4 opaqueOrange{1.0F, 0.5F, 0.0F, 1.0F};

int alphaAt(const Bitmap &bitmap, int x, int y)
{
    return bitmap.hasAlpha() ? bitmap.row(y)[std::size_t(x) * 4 + 3] : 255;
}

TEST(IconRenderer, AnOpaquePictureStaysOpaqueAndIsWrittenWithoutAlpha)
{
    const PixelBuffer picture = filled(QSize(64, 64), [](int, int) { return opaqueOrange; });
    for (const QSize size : {QSize(64, 64), QSize(20, 20), QSize(7, 13), QSize(150, 150)}) {
        const Bitmap bitmap = IconRenderer::render(picture, {size, false, std::nullopt});
        EXPECT_EQ(bitmap.size(), size);
        EXPECT_EQ(bitmap.channels(), 3);
        // A uniform picture stays exactly uniform: the filter weights sum to one.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(bitmap.row(y)[x * 3 + 1], 128) << x << ',' << y;
    }
}

TEST(IconRenderer, RoundedCornersClearTheCornersAndSmoothTheCurve)
{
    const PixelBuffer picture = filled(QSize(64, 64), [](int, int) { return opaqueOrange; });
    const Bitmap bitmap = IconRenderer::render(picture, {QSize(1024, 1024), true, std::nullopt});
    ASSERT_EQ(bitmap.channels(), 4);
    EXPECT_EQ(alphaAt(bitmap, 0, 0), 0);
    EXPECT_EQ(alphaAt(bitmap, 1023, 1023), 0);
    EXPECT_EQ(alphaAt(bitmap, 512, 512), 255);
    EXPECT_EQ(alphaAt(bitmap, 512, 0), 255);
    EXPECT_EQ(alphaAt(bitmap, 0, 512), 255);

    const RoundedCornerMask mask(QSize(1024, 1024));
    EXPECT_DOUBLE_EQ(mask.radiusX(), 128);
    int partial = 0;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            // Distance of the pixel square's nearest and farthest points from the corner's centre.
            const double nearX = std::clamp(128.0, double(x), x + 1.0) - 128;
            const double nearY = std::clamp(128.0, double(y), y + 1.0) - 128;
            const double farX = x - 128.0;
            const double farY = y - 128.0;
            const int alpha = alphaAt(bitmap, x, y);
            if (std::hypot(nearX, nearY) >= 128)
                ASSERT_EQ(alpha, 0) << x << ',' << y;
            else if (std::hypot(farX, farY) <= 128)
                ASSERT_EQ(alpha, 255) << x << ',' << y;
            else
                partial += alpha > 0 && alpha < 255 ? 1 : 0;
        }
    }
    // The curve is anti-aliased: most pixels it crosses are partly covered.
    EXPECT_GT(partial, 150);
    // Edge colour is the picture's own, not darkened by the clip.
    EXPECT_EQ(bitmap.row(500)[std::size_t(6) * 4 + 1], 128);
}

TEST(IconRenderer, TheCornerRadiiAreAnEighthOfEachSide)
{
    const RoundedCornerMask mask(QSize(200, 100));
    EXPECT_DOUBLE_EQ(mask.radiusX(), 25);
    EXPECT_DOUBLE_EQ(mask.radiusY(), 12.5);
    EXPECT_EQ(mask.coverage(0, 0), 0.0F);
    EXPECT_EQ(mask.coverage(100, 50), 1.0F);
    // Along the top edge the straight part starts where the horizontal radius ends.
    EXPECT_EQ(mask.coverage(25, 0), 1.0F);
    EXPECT_LT(mask.coverage(10, 0), 0.5F);
    EXPECT_EQ(mask.coverage(0, 12), 1.0F);
    EXPECT_LT(mask.coverage(0, 5), 0.5F);
}

TEST(IconRenderer, TransparentEdgesKeepTheirColour)
{
    // A white disc on transparency: filtering must not pull black in from the transparent pixels.
    const PixelBuffer picture = filled(QSize(300, 300), [](int x, int y) {
        const bool inside = std::hypot(x - 150.0, y - 150.0) < 100.0;
        return inside ? Float4{1, 1, 1, 1} : Float4{0, 0, 0, 0};
    });
    for (const QSize size : {QSize(40, 40), QSize(87, 87), QSize(299, 299), QSize(600, 600)}) {
        const Bitmap bitmap = IconRenderer::render(picture, {size, false, std::nullopt});
        ASSERT_EQ(bitmap.channels(), 4);
        int partial = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const std::uint8_t *p = bitmap.row(y) + std::size_t(x) * 4;
                if (p[3] == 0)
                    continue;
                partial += p[3] < 255 ? 1 : 0;
                ASSERT_GE(std::min({p[0], p[1], p[2]}), 254) << size.width() << ": " << x << ',' << y;
            }
        }
        EXPECT_GT(partial, 0);
    }
}

TEST(IconRenderer, TheWholePictureIsStretchedOntoTheTarget)
{
    // 300×150: left half red, right half blue, squeezed into a square, neither cropped nor letter-boxed.
    const PixelBuffer picture = filled(QSize(300, 150), [](int x, int) {
        return x < 150 ? Float4{1, 0, 0, 1} : Float4{0, 0, 1, 1};
    });
    const Bitmap bitmap = IconRenderer::render(picture, {QSize(100, 100), false, std::nullopt});
    ASSERT_EQ(bitmap.channels(), 3);
    for (const int y : {0, 50, 99}) {
        EXPECT_EQ(bitmap.row(y)[10 * 3 + 0], 255);
        EXPECT_EQ(bitmap.row(y)[10 * 3 + 2], 0);
        EXPECT_EQ(bitmap.row(y)[90 * 3 + 0], 0);
        EXPECT_EQ(bitmap.row(y)[90 * 3 + 2], 255);
    }
}

TEST(IconRenderer, FineDetailBeyondTheTargetIsRemovedNotFoldedBack)
{
    // One-pixel stripes reduced eightfold must come out as an even grey, without moiré.
    const PixelBuffer picture = filled(QSize(800, 800), [](int x, int) {
        const float v = x % 2 ? 1.0F : 0.0F;
        return Float4{v, v, v, 1};
    });
    const Bitmap bitmap = IconRenderer::render(picture, {QSize(100, 100), false, std::nullopt});
    for (int x = 0; x < 100; ++x)
        EXPECT_NEAR(bitmap.row(50)[x * 3], 128, 1) << x;
}

TEST(IconRenderer, SharpEdgesGetNoHaloWhenReducedOrEnlarged)
{
    // A white square on dark grey. A plain windowed-sinc filter undershoots beside the edge (a
    // dark rim) and overshoots inside it; no result may leave the range of the picture.
    const float dark = 64.0F / 255.0F;
    const auto picture = [dark](QSize size) {
        return filled(size, [size, dark](int x, int y) {
            const bool inside = x >= size.width() / 3 && x < 2 * size.width() / 3 && y >= size.height() / 3 &&
                                y < 2 * size.height() / 3;
            const float v = inside ? 1.0F : dark;
            return Float4{v, v, v, 1};
        });
    };
    const std::pair<QSize, QSize> cases[] = {
        {QSize(999, 999), QSize(100, 100)}, {QSize(300, 300), QSize(87, 87)}, {QSize(30, 30), QSize(100, 100)}};
    for (const auto &[from, to] : cases) {
        const Bitmap bitmap = IconRenderer::render(picture(from), {to, false, std::nullopt});
        int darkest = 255;
        for (int y = 0; y < to.height(); ++y)
            for (int x = 0; x < to.width(); ++x)
                darkest = std::min<int>(darkest, bitmap.row(y)[x * 3]);
        EXPECT_EQ(darkest, 64) << from.width() << " to " << to.width();
    }
}

TEST(IconRenderer, RingsTooFineForTheTargetComeOutFlatGrey)
{
    // A zone plate: rings whose frequency grows with the distance from the centre. Where they
    // are finer than the target can hold (0.65 cycles per target pixel and up) the ideal result
    // is an even mid-grey; what deviates from it is aliasing.
    constexpr int side = 1024;
    const PixelBuffer plate = filled(QSize(side, side), [](int x, int y) {
        const double r2 =
            (x + 0.5 - side / 2.0) * (x + 0.5 - side / 2.0) + (y + 0.5 - side / 2.0) * (y + 0.5 - side / 2.0);
        const auto v = float(0.5 + 0.5 * std::cos(std::numbers::pi * r2 / side));
        return Float4{v, v, v, 1};
    });
    for (const int target : {60, 120, 180}) {
        const Bitmap bitmap = IconRenderer::render(plate, {QSize(target, target), false, std::nullopt});
        double squares = 0;
        int counted = 0;
        for (int y = 0; y < target; ++y) {
            for (int x = 0; x < target; ++x) {
                const double scale = double(side) / target;
                const double r = std::hypot((x + 0.5) * scale - side / 2.0, (y + 0.5) * scale - side / 2.0);
                if (r / side * scale < 0.65)
                    continue;
                const double deviation = bitmap.row(y)[x * 3] - 127.5;
                squares += deviation * deviation;
                ++counted;
            }
        }
        // Rounding alone leaves 0.5; a Lanczos-3 reduction leaves 1.17 to 1.9 here, this filter 0.74 to 1.1.
        EXPECT_LT(std::sqrt(squares / counted), 1.15) << target;
    }
}

} // namespace
} // namespace iconsmith
