// The launch screens as each system reads them: the Android icon under its circle, the asset
// catalog's sets and the plist that names them, and Safari's links against their pictures.
#include "generation/targetgenerator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

#include "catalog/contentsdocument.h"
#include "catalog/propertylistreader.h"
#include "check/iconsetcheck.h"
#include "check/startupimagecheck.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PNG's size from its header, without decoding the picture.
QSize pngSize(const QString &path)
{
    const QByteArray head = readAll(path).left(24);
    if (head.size() < 24)
        return {};
    const auto word = [&head](int at) {
        return int(quint8(head[at]) << 24 | quint8(head[at + 1]) << 16 | quint8(head[at + 2]) << 8 |
                   quint8(head[at + 3]));
    };
    return {word(16), word(20)};
}

// The share of @p image's alpha that lies outside the centred circle of @p radius pixels.
double shareOutside(const test::DecodedImage &image, double radius)
{
    double inside = 0;
    double outside = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const double r = std::hypot(x + 0.5 - image.width / 2.0, y + 0.5 - image.height / 2.0);
            (r <= radius ? inside : outside) += image.alpha(x, y);
        }
    return outside / std::max(1.0, inside + outside);
}

bool near(const test::DecodedImage &image, int x, int y, RgbColor colour)
{
    return std::abs(image.at(x, y, 0) - colour.red) <= 2 && std::abs(image.at(x, y, 1) - colour.green) <= 2 &&
           std::abs(image.at(x, y, 2) - colour.blue) <= 2;
}

class SplashTargetTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    // A solid square reaching the picture's edges, on transparency: the hardest logo for a circle.
    QString square(const QString &name, RgbColor colour)
    {
        const QString path = m_dir.filePath(name);
        test::writePng(path, QSize(400, 400), [colour](int x, int y) -> std::array<std::uint8_t, 4> {
            const bool inside = x >= 20 && y >= 20 && x < 380 && y < 380;
            return {colour.red, colour.green, colour.blue, std::uint8_t(inside ? 255 : 0)};
        });
        return path;
    }
    GenerationReport generate(const QStringList &targets, const TargetOptions &options,
                              const QMap<SourceRole, QString> &others = {})
    {
        TargetSources sources{*SourceImage::load(square(u"logo.png"_s, logo)), {}};
        for (auto it = others.begin(); it != others.end(); ++it)
            sources.others.insert(it.key(), *SourceImage::load(it.value()));
        return TargetGenerator(m_host).generate(sources, {out(), targets, options});
    }
    [[nodiscard]] QString out(const QString &file = {}) const
    {
        return m_dir.filePath(u"out"_s) + (file.isEmpty() ? u""_s : u'/' + file);
    }
    // Each startup link of splash.html: its picture and media query.
    [[nodiscard]] QList<std::pair<QString, QString>> links() const
    {
        static const QRegularExpression link(
            u"<link rel=\"apple-touch-startup-image\" media=\"([^\"]+)\" href=\"([^\"]+)\">"_s);
        QList<std::pair<QString, QString>> found;
        for (const QRegularExpressionMatch &match :
             link.globalMatch(QString::fromUtf8(readAll(out(u"splash/web/splash.html"_s)))))
            found.append({match.captured(2), match.captured(1)});
        return found;
    }

    static constexpr RgbColor logo{230, 120, 20};
    QTemporaryDir m_dir;
    test::RecordingHost m_host;
};

TEST_F(SplashTargetTest, LightAndDarkLaunchScreensReadBackAsEachSystemReadsThem)
{
    TargetOptions options;
    options.splashBackground = RgbColor{16, 32, 48};
    options.splashDarkBackground = RgbColor{240, 240, 240};
    const RgbColor darkLogo{20, 20, 20};
    const GenerationReport report =
        generate({u"splash"_s}, options, {{SourceRole::SplashDarkLogo, square(u"dark.png"_s, darkLogo)}});
    ASSERT_TRUE(report.succeeded()) << report.failures.first().reason.toStdString();

    // Android: 288 dp at each density, the logo inside the 192 dp circle, the night's too.
    const std::pair<QString, int> densities[] = {
        {u"mdpi"_s, 2}, {u"hdpi"_s, 3}, {u"xhdpi"_s, 4}, {u"xxhdpi"_s, 6}, {u"xxxhdpi"_s, 8}};
    for (const auto &[density, doubled] : densities) {
        for (const QString &night : {u""_s, u"night-"_s}) {
            const test::DecodedImage icon =
                test::readImage(out(u"splash/android/res/drawable-%1%2/splash_icon.png"_s.arg(night, density)));
            EXPECT_EQ(icon.size(), QSize(144 * doubled, 144 * doubled)) << density.toStdString();
            EXPECT_LE(shareOutside(icon, 96.0 * doubled / 2), 0.01) << density.toStdString();
            EXPECT_GT(shareOutside(icon, 80.0 * doubled / 2), 0.0) << "the logo should fill the circle";
        }
    }
    EXPECT_TRUE(readAll(out(u"splash/android/res/values-night/splash_colors.xml"_s)).contains("#F0F0F0"));

    // iOS: the image set with its dark appearance, the colour set with its, both named by the plist.
    const Result<ContentsDocument> imageSet =
        ContentsDocument::fromJson(readAll(out(u"splash/ios/LaunchLogo.imageset/Contents.json"_s)));
    ASSERT_TRUE(imageSet);
    ASSERT_EQ(imageSet->images.size(), 6);
    EXPECT_EQ(imageSet->images[4].filename, u"LaunchLogo-dark@2x.png"_s);
    EXPECT_EQ(imageSet->images[4].appearance, u"dark"_s);
    EXPECT_EQ(pngSize(out(u"splash/ios/LaunchLogo.imageset/LaunchLogo-dark@2x.png"_s)), QSize(320, 320));
    const QJsonArray colours =
        QJsonDocument::fromJson(readAll(out(u"splash/ios/LaunchBackground.colorset/Contents.json"_s)))
            .object()
            .value(u"colors")
            .toArray();
    ASSERT_EQ(colours.size(), 2);
    EXPECT_EQ(colours[0].toObject().value(u"color").toObject().value(u"components").toObject().value(u"blue"),
              u"0x30"_s);
    EXPECT_EQ(colours[1].toObject().value(u"appearances").toArray()[0].toObject().value(u"value"), u"dark"_s);
    const Result<PropertyList> plist = PropertyListReader::read(readAll(out(u"splash/ios/UILaunchScreen.plist"_s)));
    ASSERT_TRUE(plist);
    const PropertyList *launch = plist->value(u"UILaunchScreen");
    ASSERT_NE(launch, nullptr);
    EXPECT_TRUE(QDir(out(u"splash/ios/%1.imageset"_s.arg(launch->value(u"UIImageName")->text))).exists());
    EXPECT_TRUE(QDir(out(u"splash/ios/%1.colorset"_s.arg(launch->value(u"UIColorName")->text))).exists());

    // The web: every link's screen is its picture's size; light and dark ones for each screen.
    const QList<std::pair<QString, QString>> found = links();
    EXPECT_EQ(found.size(), 84);
    for (const auto &[file, media] : found)
        EXPECT_EQ(StartupImageCheck::screenPixels(media), pngSize(out(u"splash/web/"_s + file))) << file.toStdString();
    const test::DecodedImage light = test::readImage(out(u"splash/web/apple-splash-1179x2556.png"_s));
    EXPECT_TRUE(near(light, 0, 0, *options.splashBackground));
    EXPECT_TRUE(near(light, 1179 / 2, 2556 / 2, logo));
    const test::DecodedImage dark = test::readImage(out(u"splash/web/apple-splash-dark-2732x2048.png"_s));
    EXPECT_TRUE(near(dark, 2731, 2047, *options.splashDarkBackground));
    EXPECT_TRUE(near(dark, 2732 / 2, 2048 / 2, darkLogo));

    const IconSetCheck::Report check = IconSetCheck::check(out(u"splash"_s));
    EXPECT_TRUE(check.passed()) << check.problems.first().file.toStdString() << ": "
                                << check.problems.first().message.toStdString();
}

TEST_F(SplashTargetTest, WithoutDarkInputsTheLaunchScreensAreLightOnTheBackgroundColour)
{
    TargetOptions options;
    options.background = RgbColor{51, 102, 153};
    const RgbColor other{10, 200, 90};
    ASSERT_TRUE(
        generate({u"splash"_s}, options, {{SourceRole::SplashLogo, square(u"splash.png"_s, other)}}).succeeded());

    EXPECT_FALSE(QDir(out(u"splash/android/res/drawable-night-mdpi"_s)).exists());
    EXPECT_FALSE(QFile::exists(out(u"splash/android/res/values-night/splash_colors.xml"_s)));
    EXPECT_TRUE(readAll(out(u"splash/android/res/values/splash_colors.xml"_s)).contains("#336699"));
    EXPECT_EQ(
        ContentsDocument::fromJson(readAll(out(u"splash/ios/LaunchLogo.imageset/Contents.json"_s)))->images.size(), 3);
    const QList<std::pair<QString, QString>> found = links();
    EXPECT_EQ(found.size(), 42);
    EXPECT_FALSE(std::any_of(found.cbegin(), found.cend(),
                             [](const auto &link) { return link.second.contains(u"prefers-color-scheme"_s); }));
    // The splash logo, not the source, on the background colour.
    const test::DecodedImage icon = test::readImage(out(u"splash/android/res/drawable-mdpi/splash_icon.png"_s));
    EXPECT_TRUE(near(icon, 144, 144, other));
}

TEST_F(SplashTargetTest, TheWebManifestStartsOnTheSplashBackground)
{
    TargetOptions options;
    options.background = RgbColor{255, 255, 255};
    options.splashBackground = RgbColor{171, 205, 239};
    ASSERT_TRUE(generate({u"web"_s}, options).succeeded());
    const QJsonObject manifest = QJsonDocument::fromJson(readAll(out(u"web/manifest.webmanifest"_s))).object();
    EXPECT_EQ(manifest.value(u"background_color").toString(), u"#abcdef"_s);
}

} // namespace
} // namespace iconsmith
