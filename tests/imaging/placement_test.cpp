#include "imaging/placement.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "imaging/appearance.h"
#include "imaging/iconrenderer.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

using Rgba = std::array<std::uint8_t, 4>;

Bitmap drawn(QSize size, const std::function<Rgba(double x, double y)> &pixel)
{
    Bitmap bitmap(size, 4);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const Rgba p = pixel(x + 0.5, y + 0.5);
            std::copy(p.begin(), p.end(), bitmap.row(y) + std::size_t(x) * 4);
        }
    return bitmap;
}

constexpr Rgba clear{0, 0, 0, 0};

// A blue disc filling its square with a white bar across it: a logo on its own plate.
Bitmap platedDisc(int side = 256)
{
    return drawn({side, side}, [side](double x, double y) -> Rgba {
        const double r = std::hypot(x - side / 2.0, y - side / 2.0);
        if (r > side / 2.0 - 1)
            return clear;
        return std::abs(y - side / 2.0) < side / 10.0 ? Rgba{255, 255, 255, 255} : Rgba{30, 90, 200, 255};
    });
}

// A ring of stroke width a tenth of the side, reaching the square's edges: a glyph.
Bitmap ring(int side, Rgba colour)
{
    return drawn({side, side}, [side, colour](double x, double y) {
        const double r = std::hypot(x - side / 2.0, y - side / 2.0);
        return r < side / 2.0 && r > side * 0.4 ? colour : clear;
    });
}

// Relative luminance as the WCAG define it, for the figures the tests check against.
double wcagLuminance(const std::uint8_t *rgb)
{
    double sum = 0;
    const double weights[3] = {0.2126, 0.7152, 0.0722};
    for (int c = 0; c < 3; ++c) {
        const double v = rgb[c] / 255.0;
        sum += weights[c] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
}

TEST(ArtworkKind, FollowsTheEdgeTheSolidityAndTheOutlineOfThePicture)
{
    // Opaque to its edges: a photo-like gradient.
    const Bitmap photo = drawn({200, 120}, [](double x, double y) {
        return Rgba{std::uint8_t(x), std::uint8_t(y * 2), 90, 255};
    });
    EXPECT_EQ(ContentExtent::measure(photo).kind(), ArtworkKind::FullBleed);
    // An opaque square with rounded corners still runs to the edges: its own background.
    const Bitmap rounded = drawn({200, 200}, [](double x, double y) {
        const double cx = std::clamp(x, 40.0, 160.0);
        const double cy = std::clamp(y, 40.0, 160.0);
        return std::hypot(x - cx, y - cy) <= 40 ? Rgba{200, 40, 40, 255} : clear;
    });
    EXPECT_EQ(ContentExtent::measure(rounded).kind(), ArtworkKind::FullBleed);

    const ContentExtent plate = ContentExtent::measure(platedDisc());
    EXPECT_EQ(plate.kind(), ArtworkKind::PlatedLogo);
    EXPECT_EQ(plate.outlineColour, (RgbColor{30, 90, 200}));
    EXPECT_EQ(ContentExtent::measure(ring(256, {46, 52, 54, 255})).kind(), ArtworkKind::Logo);
    // A frame is opaque along every edge, but a glyph: flattened onto its edge colour it would vanish.
    const Bitmap frame = drawn({256, 256}, [](double x, double y) {
        return std::min({x, y, 256 - x, 256 - y}) < 30 ? Rgba{46, 52, 54, 255} : clear;
    });
    EXPECT_EQ(ContentExtent::measure(frame).kind(), ArtworkKind::Logo);
    // A solid shape of many colours around its outline is a logo of its own, not a plate.
    const Bitmap segments = drawn({256, 256}, [](double x, double y) -> Rgba {
        if (std::hypot(x - 128, y - 128) > 120)
            return clear;
        const double turn = std::atan2(y - 128, x - 128);
        return turn < -1 ? Rgba{250, 200, 0, 255} : turn < 1 ? Rgba{220, 30, 60, 255} : Rgba{90, 40, 200, 255};
    });
    EXPECT_EQ(ContentExtent::measure(segments).kind(), ArtworkKind::Logo);
}

// The largest value of @p norm over the visible pixels of @p bitmap's @p body rectangle on its canvas.
double farthest(const Bitmap &picture, const QRect &body, int canvas, const std::function<double(double, double)> &norm)
{
    double most = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.row(y)[std::size_t(x) * 4 + 3] < ContentExtent::visibleAlpha)
                continue;
            // The pixel's corners, placed on the canvas, relative to its centre.
            for (const double dx : {0.0, 1.0})
                for (const double dy : {0.0, 1.0}) {
                    const double px = body.x() + (x + dx) * body.width() / picture.width() - canvas / 2.0;
                    const double py = body.y() + (y + dy) * body.height() / picture.height() - canvas / 2.0;
                    most = std::max(most, norm(px, py));
                }
        }
    return most;
}

TEST(Placement, ALogoFillsEachMaskLessItsMarginAndNoMore)
{
    // A square logo and a round one: for each mask, the content reaches the outline shrunk by the
    // margin and stays inside it.
    const Bitmap square = drawn({100, 100}, [](double x, double y) {
        return x > 2 && y > 2 && x < 98 && y < 98 ? Rgba{0, 0, 0, 255} : clear;
    });
    const Bitmap round = ring(100, {0, 0, 0, 255});
    const int canvas = 1000;
    const double margin = 0.1;
    const double half = canvas / 2.0 * (1 - 2 * margin);
    const std::pair<BodyShape, std::function<double(double, double)>> masks[] = {
        {BodyShape::Circle, [](double x, double y) { return std::hypot(x, y); }},
        {BodyShape::Square, [](double x, double y) { return std::max(std::abs(x), std::abs(y)); }},
        {BodyShape::Squircle,
         [](double x, double y) { return std::pow(std::pow(std::abs(x), 5) + std::pow(std::abs(y), 5), 0.2); }}};
    for (const Bitmap *picture : {&square, &round}) {
        const ContentExtent extent = ContentExtent::measure(*picture);
        for (const auto &[shape, norm] : masks) {
            const QRect body = Placement::logoRect(picture->size(), extent, canvas, shape, canvas, margin);
            const double reach = farthest(*picture, body, canvas, norm);
            EXPECT_LE(reach, half + 2) << int(shape);
            EXPECT_GE(reach, half - 6) << int(shape);
            EXPECT_NEAR(body.center().x(), canvas / 2, 1);
            EXPECT_NEAR(body.center().y(), canvas / 2, 1);
        }
    }
    // Content off to one side is limited by that side, and a speck is not blown up without end.
    const Bitmap rightHalf = drawn({100, 100}, [](double x, double) { return x > 50 ? Rgba{0, 0, 0, 255} : clear; });
    const QRect body =
        Placement::logoRect({100, 100}, ContentExtent::measure(rightHalf), canvas, BodyShape::Square, canvas, margin);
    EXPECT_NEAR(body.right() + 1, canvas / 2.0 + half, 2);
    const Bitmap speck = drawn({100, 100}, [](double x, double y) {
        return std::hypot(x - 50, y - 50) < 1 ? Rgba{0, 0, 0, 255} : clear;
    });
    EXPECT_LE(Placement::logoRect({100, 100}, ContentExtent::measure(speck), canvas, BodyShape::Circle, canvas, margin)
                  .width(),
              int(Placement::largestEnlargement * canvas));
}

TEST(Placement, FullBleedArtworkFillsWhatEachSurfaceShows)
{
    const ContentExtent photo = ContentExtent::measure(drawn({300, 300}, [](double x, double y) {
        return Rgba{std::uint8_t(x), std::uint8_t(y), 60, 255};
    }));
    PlacementChoices choices;
    choices.plate = RgbColor{1, 2, 3};

    // Android: the 72 dp of the 108 dp layer, the bleed continuing the picture.
    const RenderRequest adaptive = Placement::place(Surface::androidAdaptive(), 432, {300, 300}, photo, choices);
    EXPECT_EQ(adaptive.body, QRect(72, 72, 288, 288));
    EXPECT_TRUE(adaptive.extendEdges);
    EXPECT_FALSE(adaptive.background);
    // The maskable icon and the iOS home screen: the whole square, flattened.
    for (const Surface *surface : {&Surface::maskable(), &Surface::iosHome(), &Surface::watch()}) {
        const RenderRequest request = Placement::place(*surface, 512, {300, 300}, photo, choices);
        EXPECT_TRUE(request.body.isEmpty());
        EXPECT_EQ(request.background, choices.plate);
    }
    // macOS: the 824 body, cut and shadowed; as it is when the body is not wanted.
    const RenderRequest mac = Placement::place(Surface::macBody(), 1024, {300, 300}, photo, choices);
    EXPECT_EQ(mac.frame, QRect(100, 100, 824, 824));
    EXPECT_EQ(mac.body, mac.frame);
    EXPECT_TRUE(mac.shadow);
    EXPECT_FALSE(mac.frameFill);
    choices.drawBody = false;
    EXPECT_TRUE(Placement::place(Surface::macBody(), 1024, {300, 300}, photo, choices).isStretchOnly());
}

TEST(Placement, AMacLogoSitsOnTheBodysPlateUnlessItIsABodyAlready)
{
    const Bitmap glyph = ring(400, {46, 52, 54, 255});
    PlacementChoices choices;
    const RenderRequest mac =
        Placement::place(Surface::macBody(), 1024, glyph.size(), ContentExtent::measure(glyph), choices);
    EXPECT_EQ(mac.frame, QRect(100, 100, 824, 824));
    EXPECT_EQ(mac.frameFill, (RgbColor{255, 255, 255}));
    EXPECT_EQ(mac.shape, BodyShape::Squircle);
    EXPECT_TRUE(mac.frame.contains(mac.body));
    EXPECT_LT(mac.body.width(), 824 * 0.85);

    // A plate of the body's own size and place is a macOS icon already.
    const Bitmap body = drawn({1024, 1024}, [](double x, double y) {
        const double u = std::abs(x - 512) / 412;
        const double v = std::abs(y - 512) / 412;
        return std::pow(u, 5) + std::pow(v, 5) <= 1 ? Rgba{240, 240, 240, 255} : clear;
    });
    EXPECT_TRUE(
        Placement::place(Surface::macBody(), 1024, body.size(), ContentExtent::measure(body), choices).isStretchOnly());
}

TEST(Placement, ASquaresPlacementLaidOnAWiderOrTallerCanvasKeepsItsSizeAndIsCentred)
{
    const Bitmap glyph = ring(200, {200, 30, 30, 255});
    const ContentExtent extent = ContentExtent::measure(glyph);
    PlacementChoices choices;
    choices.plate = RgbColor{10, 20, 30};
    const RenderRequest square = Placement::place(Surface::androidLegacy(), 120, glyph.size(), extent, choices);
    EXPECT_EQ(Placement::onCanvas(square, square.pixels), square);

    for (const QSize canvas : {QSize(310, 150), QSize(150, 310)}) {
        const RenderRequest wide = Placement::onCanvas(square, canvas);
        const Bitmap out = IconRenderer::render(glyph, wide);
        ASSERT_EQ(out.size(), canvas);
        ASSERT_EQ(out.channels(), 3); // opaque: the plate fills the whole canvas
        const auto pixel = [&out](int x, int y) {
            const std::uint8_t *p = out.row(y) + std::size_t(x) * 3;
            return RgbColor{p[0], p[1], p[2]};
        };
        EXPECT_EQ(pixel(0, 0), choices.plate);
        EXPECT_EQ(pixel(canvas.width() - 1, canvas.height() - 1), choices.plate);
        // The ring's red reaches as far left as right, as far up as down, and spans what it spans in the square.
        int left = canvas.width();
        int right = -1;
        int top = canvas.height();
        int bottom = -1;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (pixel(x, y).red > 128 && pixel(x, y).green < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_NEAR(left, canvas.width() - 1 - right, 1) << canvas.width();
        EXPECT_NEAR(top, canvas.height() - 1 - bottom, 1) << canvas.width();
        EXPECT_NEAR(right - left + 1, square.body.width() * 0.99, 3);
    }

    // A layer stays transparent around its square, and a frame's cut moves with the square.
    const RenderRequest round = Placement::place(Surface::androidRound(), 100, glyph.size(), extent, choices);
    const RenderRequest tall = Placement::onCanvas(round, {100, 240});
    EXPECT_EQ(tall.frame, round.frame.translated(0, 70));
    const Bitmap out = IconRenderer::render(glyph, tall);
    ASSERT_EQ(out.channels(), 4);
    EXPECT_EQ(out.row(10)[50 * 4 + 3], 0);
    EXPECT_EQ(out.row(120)[50 * 4 + 3], 255); // the plate at the centre of the circle
}

TEST(Placement, ACaptionedSquareStartsTheCanvasAndTheTextCentresWithItInItsReadingOrder)
{
    const Bitmap glyph = ring(200, {200, 30, 30, 255});
    const ContentExtent extent = ContentExtent::measure(glyph);
    PlacementChoices choices;
    choices.plate = RgbColor{250, 240, 200};
    const QSize canvas(320, 180);
    const RenderRequest square = Placement::place(Surface::banner(), 135, glyph.size(), extent, choices);
    const int gap = int(std::lround(Placement::captionGap * canvas.height()));

    const RenderRequest laid = Placement::besideCaption(square, canvas, u"Ring"_s);
    ASSERT_TRUE(laid.caption);
    EXPECT_EQ(laid.pixels, canvas);
    EXPECT_EQ(laid.body.size(), square.body.size());
    EXPECT_EQ(laid.body.left(), laid.body.top()) << "as far from the start edge as from the top";
    EXPECT_EQ(laid.caption->box.left(), laid.body.right() + 1 + gap);
    EXPECT_EQ(canvas.width() - 1 - laid.caption->box.right(), laid.body.left()) << "as far from the end edge";
    EXPECT_EQ(laid.caption->box.top(), laid.body.top());
    EXPECT_EQ(laid.caption->box.height(), laid.body.height());
    EXPECT_EQ(laid.caption->colour, (RgbColor{0, 0, 0})) << "black reads on a light plate";

    // Set in a rectangle smaller than the room, the two are centred together, the text level with the body.
    const RenderRequest set = Placement::aroundCaption(laid, {60, 20});
    const int together = set.body.width() + gap + 60;
    EXPECT_NEAR(set.body.left(), (canvas.width() - together) / 2.0, 1);
    EXPECT_EQ(set.caption->box.topLeft().x(), set.body.right() + 1 + gap);
    EXPECT_EQ(set.caption->box.size(), QSize(60, 20));
    EXPECT_NEAR(set.caption->box.center().y(), set.body.center().y(), 1);

    // Right-to-left text comes first from the left, the body to its right; white reads on a dark plate.
    choices.plate = RgbColor{20, 40, 90};
    const RenderRequest dark = Placement::place(Surface::banner(), 135, glyph.size(), extent, choices);
    const RenderRequest mirrored = Placement::besideCaption(dark, canvas, u"\u05D8\u05D1\u05E2\u05EA"_s);
    EXPECT_EQ(canvas.width() - 1 - mirrored.body.right(), mirrored.body.top());
    EXPECT_EQ(mirrored.caption->box.left(), mirrored.body.top());
    EXPECT_EQ(mirrored.caption->box.right() + 1 + gap, mirrored.body.left());
    EXPECT_EQ(mirrored.caption->colour, (RgbColor{255, 255, 255}));
    const RenderRequest mirroredSet = Placement::aroundCaption(mirrored, {60, 20});
    EXPECT_EQ(mirroredSet.caption->box.right() + 1 + gap, mirroredSet.body.left());
    EXPECT_NEAR(mirroredSet.caption->box.left(), canvas.width() - 1 - mirroredSet.body.right(), 1);
}

TEST(IconComposer, TheBleedMirrorsThePicturesEdges)
{
    // Every column and row of the picture different, so that a mirror shows.
    const Bitmap picture = drawn({64, 64}, [](double x, double y) {
        return Rgba{std::uint8_t(x * 3), std::uint8_t(y * 3), std::uint8_t(x + y), 255};
    });
    RenderRequest request(QSize(96, 96));
    request.body = QRect(16, 16, 64, 64);
    request.extendEdges = true;
    const Bitmap out = IconRenderer::render(picture, request);
    ASSERT_EQ(out.channels(), 3); // nothing left transparent
    const auto at = [&out](int x, int y, int c) { return out.row(y)[std::size_t(x) * 3 + std::size_t(c)]; };
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(at(15 - k, 40, 0), at(16 + k, 40, 0)) << k;
        EXPECT_EQ(at(80 + k, 40, 0), at(79 - k, 40, 0)) << k;
        EXPECT_EQ(at(40, 15 - k, 1), at(40, 16 + k, 1)) << k;
        EXPECT_EQ(at(15 - k, 15 - k, 2), at(16 + k, 16 + k, 2)) << k;
    }
}

TEST(IconComposer, LevelsLightenAndAStencilCutsThePlatesLogoOut)
{
    const Bitmap black = drawn({32, 32}, [](double, double) { return Rgba{0, 0, 0, 255}; });
    RenderRequest lifted(QSize(32, 32));
    lifted.body = QRect(0, 0, 32, 32);
    lifted.levels = ToneLevels::lift(0.5F);
    EXPECT_NEAR(IconRenderer::render(black, lifted).row(16)[16 * 3], 128, 1);

    const Bitmap plate = platedDisc();
    RenderRequest stencil(QSize(256, 256));
    stencil.body = QRect(0, 0, 256, 256);
    stencil.tone = Tone::Stencil;
    stencil.contrastWith = ContentExtent::measure(plate).outlineColour;
    const Bitmap shape = IconRenderer::render(plate, stencil);
    ASSERT_EQ(shape.channels(), 4);
    const auto alpha = [&shape](int x, int y) { return shape.row(y)[std::size_t(x) * 4 + 3]; };
    EXPECT_EQ(alpha(128, 128), 0);          // the white bar: cut out
    EXPECT_EQ(alpha(128, 40), 255);         // the plate
    EXPECT_EQ(alpha(2, 2), 0);              // outside the disc
    EXPECT_EQ(shape.row(40)[128 * 4], 255); // white
}

TEST(Appearance, ADarkGlyphIsLightenedUntilItShowsOnTheDarkBackdrop)
{
    const ContentExtent dark = ContentExtent::measure(ring(256, {0x2e, 0x34, 0x36, 255}));
    // #2e3436 on black: the WCAG figure.
    const std::uint8_t glyph[3] = {0x2e, 0x34, 0x36};
    EXPECT_NEAR(Appearance::contrast(dark, Appearance::darkBackdrop), (wcagLuminance(glyph) + 0.05) / 0.05, 0.01);
    EXPECT_LT(Appearance::contrast(dark, Appearance::darkBackdrop), Appearance::minimumContrast);

    const ToneLevels levels = Appearance::darkLevels(dark);
    EXPECT_FALSE(levels.isIdentity());
    RenderRequest request(QSize(256, 256));
    request.body = QRect(0, 0, 256, 256);
    request.levels = levels;
    const Bitmap made = IconRenderer::render(ring(256, {0x2e, 0x34, 0x36, 255}), request);
    // On the ring's stroke, measured on the file.
    const std::uint8_t *stroke = made.row(128) + std::size_t(12) * 4;
    ASSERT_EQ(stroke[3], 255);
    EXPECT_GE((wcagLuminance(stroke) + 0.05) / 0.05, Appearance::aimedContrast - 0.1);
    EXPECT_LE((wcagLuminance(stroke) + 0.05) / 0.05, 7.0); // lightened, not blanched

    // A logo that shows already keeps its colours.
    EXPECT_TRUE(Appearance::darkLevels(ContentExtent::measure(ring(256, {255, 128, 0, 255}))).isIdentity());
}

TEST(Appearance, TheTintedIconOfALogoReachesWhite)
{
    // One colour: its silhouette in white, whatever the colour.
    const ToneLevels silhouette = Appearance::tintedLevels(ContentExtent::measure(ring(128, {0x2e, 0x34, 0x36, 255})));
    EXPECT_EQ(silhouette(0.18F), 1.0F);
    // Two tones: the brighter becomes white, the darker a grey that shows on black.
    const Bitmap twoTone = drawn({128, 128}, [](double x, double y) -> Rgba {
        if (std::hypot(x - 64, y - 64) > 60)
            return clear;
        return x < 64 ? Rgba{20, 20, 20, 255} : Rgba{120, 120, 120, 255};
    });
    const ContentExtent extent = ContentExtent::measure(twoTone);
    const ToneLevels levels = Appearance::tintedLevels(extent);
    EXPECT_NEAR(levels(120 / 255.0F), 1.0F, 0.01F);
    EXPECT_GE(levels(20 / 255.0F), 0.39F);
    EXPECT_GE(Appearance::contrast(extent, Appearance::darkBackdrop, Tone::Greyscale, levels),
              Appearance::minimumContrast);
}

} // namespace
} // namespace iconsmith
