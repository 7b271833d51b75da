// Where artwork lands on each platform, measured as the platform shows the files: each written
// file composited under its system's mask, with the masks drawn here from the platforms'
// published figures.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "generation/targetgenerator.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;
using Rgba = std::array<std::uint8_t, 4>;

// The share of a pixel's centre, at (x, y) of a side×side file, that a mask keeps.
using Mask = std::function<bool(double x, double y, double side)>;

Mask roundedSquare(double radius)
{
    return [radius](double x, double y, double side) {
        const double r = radius * side;
        const double cx = std::clamp(x, r, side - r);
        const double cy = std::clamp(y, r, side - r);
        return std::hypot(x - cx, y - cy) <= r;
    };
}

Mask circle(double radius)
{
    return
        [radius](double x, double y, double side) { return std::hypot(x - side / 2, y - side / 2) <= radius * side; };
}

const Mask iosHome = roundedSquare(0.2237);
const Mask playStore = roundedSquare(0.2);
const Mask watch = circle(0.5);
const Mask maskableSafe = circle(0.4);
// The smallest adaptive mask: the circle of the 72 dp that show, of the 108 dp layer.
const Mask adaptiveCircle = circle(36.0 / 108);

int difference(const test::DecodedImage &image, int x, int y, const Rgba &colour)
{
    int most = 0;
    for (int c = 0; c < 3; ++c)
        most = std::max(most, std::abs(int(image.at(x, y, c)) - colour[std::size_t(c)]));
    return most;
}

// What a mask does to a logo's pixels: an opaque file's that differ from its plate (its corner's
// colour), a transparent file's visible ones, or those of them that differ from @p plate.
struct Cut
{
    double share = 0;  // of the logo's pixels, outside the mask
    double extent = 0; // the side of the logo's box, as a share of the file's side
};

Cut cutBy(const test::DecodedImage &image, const Mask &mask, std::optional<Rgba> onPlate = std::nullopt)
{
    const bool opaque = image.bands == 3;
    const Rgba plate = onPlate.value_or(Rgba{image.at(0, 0, 0), image.at(0, 0, 1), image.at(0, 0, 2), 255});
    double total = 0;
    double outside = 0;
    int left = image.width;
    int right = -1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const bool differs = difference(image, x, y, plate) > 24;
            const bool logo = opaque ? differs : image.alpha(x, y) >= 128 && (!onPlate || differs);
            if (!logo)
                continue;
            total += 1;
            outside += mask(x + 0.5, y + 0.5, image.width) ? 0 : 1;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    if (total == 0)
        return {};
    return {outside / total, double(right - left + 1) / image.width};
}

// The median WCAG contrast with black of what shows: pixels from alpha 128 up laid on black, or
// an opaque file's pixels that differ from black.
double contrastOnBlack(const test::DecodedImage &image)
{
    std::vector<double> ratios;
    for (int y = 0; y < image.height; y += 2)
        for (int x = 0; x < image.width; x += 2) {
            const double alpha = image.alpha(x, y) / 255.0;
            if (image.bands == 4 ? alpha < 0.5 : difference(image, x, y, {0, 0, 0, 255}) <= 8)
                continue;
            double luminance = 0;
            const double weights[3] = {0.2126, 0.7152, 0.0722};
            for (int c = 0; c < 3; ++c) {
                const double v = image.at(x, y, c) / 255.0 * alpha;
                luminance += weights[c] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
            }
            ratios.push_back((luminance + 0.05) / 0.05);
        }
    if (ratios.empty())
        return 1;
    std::nth_element(ratios.begin(), ratios.begin() + std::ptrdiff_t(ratios.size() / 2), ratios.end());
    return ratios[ratios.size() / 2];
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TargetPlacementTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    // A dark frame glyph (#2e3436) reaching every edge of its transparent square, with a dot in
    // the middle: the kind of logo that masks cut when it is flattened edge to edge.
    QString glyph(const QString &name = u"glyph.png"_s)
    {
        const QString path = m_dir.filePath(name);
        test::writePng(path, QSize(512, 512), [](int x, int y) -> Rgba {
            const int edge = std::min({x, y, 511 - x, 511 - y});
            const bool frame = edge < 60;
            const bool dot = std::hypot(x - 255.5, y - 255.5) < 70;
            return {0x2e, 0x34, 0x36, std::uint8_t(frame || dot ? 255 : 0)};
        });
        return path;
    }

    // An opaque picture running to its edges: red follows x, green follows y.
    QString photo()
    {
        const QString path = m_dir.filePath(u"photo.png"_s);
        test::writePng(
            path, QSize(600, 600),
            [](int x, int y) -> Rgba {
                return {std::uint8_t(x * 255 / 599), std::uint8_t(y * 255 / 599), 90, 255};
            },
            false);
        return path;
    }

    GenerationReport generate(const QString &source, const QStringList &targets, TargetOptions options = {},
                              const QMap<SourceRole, QString> &others = {})
    {
        TargetSources sources{*SourceImage::load(source), {}};
        for (auto it = others.begin(); it != others.end(); ++it)
            sources.others.insert(it.key(), *SourceImage::load(it.value()));
        return TargetGenerator(m_host).generate(sources, {out(), targets, options});
    }
    QString out(const QString &file = {}) const
    {
        return m_dir.filePath(u"out"_s) + (file.isEmpty() ? u""_s : u'/' + file);
    }
    test::DecodedImage image(const QString &file) const { return test::readImage(out(file)); }

    QTemporaryDir m_dir;
    test::RecordingHost m_host;
};

TEST_F(TargetPlacementTest, FullBleedArtworkFillsWhatTheLauncherShowsAndTheMaskableIcon)
{
    const GenerationReport report = generate(photo(), {u"android"_s, u"web"_s});
    ASSERT_TRUE(report.succeeded());

    // The launcher shows the central 72 dp (288 of 432 pixels): the whole picture is there.
    const test::DecodedImage layer = image(u"android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"_s);
    ASSERT_EQ(layer.size(), QSize(432, 432));
    for (const double u : {0.02, 0.25, 0.5, 0.75, 0.98})
        for (const double v : {0.02, 0.5, 0.98}) {
            const int x = 72 + int(u * 288);
            const int y = 72 + int(v * 288);
            EXPECT_NEAR(layer.at(x, y, 0), u * 255, 6) << u << ',' << v;
            EXPECT_NEAR(layer.at(x, y, 1), v * 255, 6) << u << ',' << v;
            EXPECT_EQ(layer.alpha(x, y), 255);
        }
    // The bleed continues the picture, mirrored at its edges, to the layer's own.
    for (const int k : {0, 10, 40, 71}) {
        EXPECT_NEAR(layer.at(71 - k, 200, 0), layer.at(72 + k, 200, 0), 2) << k;
        EXPECT_NEAR(layer.at(360 + k, 200, 0), layer.at(359 - k, 200, 0), 2) << k;
        EXPECT_NEAR(layer.at(200, 71 - k, 1), layer.at(200, 72 + k, 1), 2) << k;
    }
    EXPECT_EQ(layer.alpha(0, 0), 255);

    // The maskable icon is the picture over its whole square, as the "any" icons are.
    const test::DecodedImage maskable = image(u"web/icon-maskable-512.png"_s);
    EXPECT_EQ(maskable.bands, 3);
    EXPECT_NEAR(maskable.at(5, 256, 0), 2, 6);
    EXPECT_NEAR(maskable.at(506, 256, 0), 252, 6);
    EXPECT_NEAR(maskable.at(256, 506, 1), 252, 6);

    // A square of colour is no themed icon: the monochrome layer is left out, and said so.
    EXPECT_FALSE(QFile::exists(out(u"android/res/mipmap-xxxhdpi/ic_launcher_monochrome.png"_s)));
    EXPECT_FALSE(readAll(out(u"android/res/mipmap-anydpi-v26/ic_launcher.xml"_s)).contains("monochrome"));
    EXPECT_TRUE(report.noteMessages().join(u'\n').contains(u"monochrome"_s))
        << qPrintable(report.noteMessages().join(u'\n'));
}

TEST_F(TargetPlacementTest, ALogoReachingItsEdgesStaysInsideEveryMaskAndFillsIt)
{
    const GenerationReport report = generate(glyph(), {u"ios"_s, u"watchos"_s, u"android"_s, u"web"_s});
    ASSERT_TRUE(report.succeeded());
    const std::pair<QString, const Mask *> shown[] = {
        {u"ios/AppIcon.appiconset/AppIcon.png"_s, &iosHome},
        {u"ios/AppIcon.appiconset/AppIcon-dark.png"_s, &iosHome},
        {u"ios/AppIcon.appiconset/AppIcon-tinted.png"_s, &iosHome},
        {u"watchos/AppIcon.appiconset/AppIcon.png"_s, &watch},
        {u"android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"_s, &adaptiveCircle},
        {u"android/res/mipmap-xxxhdpi/ic_launcher_monochrome.png"_s, &adaptiveCircle},
        {u"android/play-store-512.png"_s, &playStore},
        {u"web/icon-maskable-512.png"_s, &maskableSafe},
        {u"web/apple-touch-icon.png"_s, &iosHome},
    };
    for (const auto &[file, mask] : shown) {
        const Cut cut = cutBy(image(file), *mask);
        EXPECT_LE(cut.share, 0.01) << qPrintable(file);
        // Not a stamp either: the logo spans most of what the mask leaves.
        EXPECT_GE(cut.extent, file.contains(u"mipmap"_s)     ? 0.42
                              : file.contains(u"maskable"_s) ? 0.5
                                                             : 0.55)
            << qPrintable(file);
    }
    // The round icon is cut to its circle in the file: the logo keeps clear of it.
    const test::DecodedImage round = image(u"android/res/mipmap-xxxhdpi/ic_launcher_round.png"_s);
    for (int y = 0; y < round.height; ++y)
        for (int x = 0; x < round.width; ++x)
            if (round.alpha(x, y) > 0 && difference(round, x, y, {255, 255, 255, 255}) > 24) {
                ASSERT_LE(std::hypot(x + 0.5 - 96, y + 0.5 - 96), 96 * 0.95) << x << ',' << y;
            }
}

TEST_F(TargetPlacementTest, PaddingSetsEveryPlatformsMarginButAndroidsInsetWins)
{
    const QString source = glyph();
    ASSERT_TRUE(generate(source, {u"ios"_s, u"watchos"_s, u"android"_s}).succeeded());
    const double iosDefault = cutBy(image(u"ios/AppIcon.appiconset/AppIcon.png"_s), iosHome).extent;
    const double layerDefault =
        cutBy(image(u"android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"_s), adaptiveCircle).extent;

    TargetOptions padded;
    padded.padding = 25;
    ASSERT_TRUE(generate(source, {u"ios"_s, u"watchos"_s, u"android"_s}, padded).succeeded());
    const Cut ios = cutBy(image(u"ios/AppIcon.appiconset/AppIcon.png"_s), iosHome);
    EXPECT_LT(ios.extent, iosDefault * 0.75);
    // A quarter of the side on each side leaves half of it; the square's corners keep clear of the rounding.
    EXPECT_LE(ios.extent, 0.5 + 0.01);
    EXPECT_GE(ios.extent, 0.4);
    // On the watch the glyph's corners reach the circle shrunk by the padding: a square of side 0.5·√2.
    EXPECT_NEAR(cutBy(image(u"watchos/AppIcon.appiconset/AppIcon.png"_s), watch).extent, 0.5 / std::sqrt(2.0), 0.01);
    EXPECT_LT(cutBy(image(u"android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"_s), adaptiveCircle).extent,
              layerDefault);

    TargetOptions inset = padded;
    inset.androidInset = 30; // a circle of radius 20 % of the layer
    ASSERT_TRUE(generate(source, {u"android"_s}, inset).succeeded());
    EXPECT_NEAR(cutBy(image(u"android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"_s), adaptiveCircle).extent,
                0.4 / std::sqrt(2.0), 0.01);
}

TEST_F(TargetPlacementTest, AMacLogoSitsOnThePlateInsideTheBody)
{
    const QString source = glyph();
    ASSERT_TRUE(generate(source, {u"macos"_s}).succeeded());
    const test::DecodedImage mac = image(u"macos/AppIcon.appiconset/icon_512x512@2x.png"_s);
    ASSERT_EQ(mac.bands, 4);
    // The plate: white and opaque just inside the body, clear outside it but for the faint shadow.
    EXPECT_EQ(mac.alpha(512, 110), 255);
    EXPECT_EQ(difference(mac, 512, 110, {255, 255, 255, 255}), 0);
    EXPECT_EQ(mac.alpha(20, 20), 0);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            if (mac.alpha(x, y) > 200) {
                ASSERT_TRUE(x >= 100 && x < 924 && y >= 100 && y < 924) << x << ',' << y;
            }
    // The glyph within the plate, clear of its rounded outline.
    const Mask body = [](double x, double y, double) {
        return x >= 100 && y >= 100 && roundedSquare(185.0 / 824)(x - 100, y - 100, 824);
    };
    const Cut onPlate = cutBy(mac, body, Rgba{255, 255, 255, 255});
    EXPECT_LE(onPlate.share, 0.001); // the plate's rim, where its shadow shows through
    EXPECT_GE(onPlate.extent, 0.5);

    // Without the shape the logo is used as it is, reaching its square's edges.
    TargetOptions asItIs;
    asItIs.macShape = false;
    ASSERT_TRUE(generate(source, {u"macos"_s}, asItIs).succeeded());
    const test::DecodedImage plain = image(u"macos/AppIcon.appiconset/icon_512x512@2x.png"_s);
    EXPECT_EQ(plain.alpha(2, 512), 255);
    EXPECT_EQ(plain.alpha(300, 300), 0);
}

TEST_F(TargetPlacementTest, ADarkGlyphsDarkAndTintedIconsShowOnTheirBackdrop)
{
    const QString source = glyph();
    const GenerationReport made = generate(source, {u"ios"_s});
    ASSERT_TRUE(made.succeeded());
    EXPECT_TRUE(made.warnings.isEmpty());
    EXPECT_TRUE(made.noteMessages().join(u'\n').contains(u"dark icon"_s))
        << qPrintable(made.noteMessages().join(u'\n'));
    const test::DecodedImage dark = image(u"ios/AppIcon.appiconset/AppIcon-dark.png"_s);
    EXPECT_GE(contrastOnBlack(dark), 3.0);
    const test::DecodedImage tinted = image(u"ios/AppIcon.appiconset/AppIcon-tinted.png"_s);
    EXPECT_GE(contrastOnBlack(tinted), 3.0);
    // One colour: the tinted icon is the glyph's silhouette in white.
    EXPECT_EQ(tinted.at(512, 512, 0), 255);

    // A dark picture of the user's own is kept, and named as hard to see; so is a tinted one.
    const GenerationReport given =
        generate(source, {u"ios"_s}, {},
                 {{SourceRole::Dark, glyph(u"dark.png"_s)}, {SourceRole::Tinted, glyph(u"tinted.png"_s)}});
    ASSERT_EQ(given.warnings.size(), 2);
    for (const SourceWarning &warning : given.warnings)
        EXPECT_EQ(warning.kind, SourceWarning::Kind::HardToSee);
    EXPECT_TRUE(given.warnings[0].message.contains(u"dark icon"_s));
    EXPECT_TRUE(given.warnings[0].message.contains(u"--dark"_s));
    EXPECT_TRUE(given.warnings[1].message.contains(u"tinted icon"_s));
    EXPECT_LT(contrastOnBlack(image(u"ios/AppIcon.appiconset/AppIcon-dark.png"_s)), 3.0);
}

TEST_F(TargetPlacementTest, TheWebFolderWorksUnderAnyPathAndIsInstallable)
{
    ASSERT_TRUE(generate(glyph(), {u"web"_s}).succeeded());
    const QJsonObject manifest = QJsonDocument::fromJson(readAll(out(u"web/manifest.webmanifest"_s))).object();
    EXPECT_EQ(manifest.value(u"start_url").toString(), u"./"_s);
    EXPECT_EQ(manifest.value(u"scope").toString(), u"./"_s);
    const QString head = QString::fromUtf8(readAll(out(u"web/head.html"_s)));
    static const QRegularExpression href(u"href=\"([^\"]*)\""_s);
    int links = 0;
    for (auto it = href.globalMatch(head); it.hasNext(); ++links) {
        const QString url = it.next().captured(1);
        EXPECT_FALSE(url.startsWith(u'/')) << qPrintable(url);
        EXPECT_TRUE(QFile::exists(out(u"web/"_s + url))) << qPrintable(url);
    }
    EXPECT_EQ(links, 3);
}

} // namespace
} // namespace iconsmith
