#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

#include "check/iconsetcheck.h"
#include "generation/targetgenerator.h"
#include "generation/targets/targetcatalog.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject jsonAt(const QString &path)
{
    return QJsonDocument::fromJson(readAll(path)).object();
}

// The smallest rectangle holding every pixel of @p image that is not transparent.
QRect contentBox(const test::DecodedImage &image)
{
    QRect box;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.alpha(x, y) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

const QString tvAssets = u"tvos/Assets.xcassets/App Icon & Top Shelf Image.brandassets/"_s;

class StoreTargetsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    // An orange ring on transparency: a logo whose silhouette has a hole.
    QString ring()
    {
        const QString path = m_dir.filePath(u"ring.png"_s);
        test::writePng(path, QSize(512, 512), [](int x, int y) -> std::array<std::uint8_t, 4> {
            const double r = std::hypot(x + 0.5 - 256, y + 0.5 - 256);
            return {255, 128, 0, std::uint8_t(r < 250 && r > 150 ? 255 : 0)};
        });
        return path;
    }
    // A solid orange disc on transparency: a silhouette without inner detail.
    QString disc()
    {
        const QString path = m_dir.filePath(u"disc.png"_s);
        test::writePng(path, QSize(512, 512), [](int x, int y) -> std::array<std::uint8_t, 4> {
            return {255, 128, 0, std::uint8_t(std::hypot(x + 0.5 - 256, y + 0.5 - 256) < 250 ? 255 : 0)};
        });
        return path;
    }

    GenerationReport generate(const QString &source, const QString &targets,
                              const QMap<SourceRole, QString> &others = {}, const QString &displayName = {})
    {
        TargetSources sources{*SourceImage::load(source), {}};
        for (auto it = others.begin(); it != others.end(); ++it)
            sources.others.insert(it.key(), *SourceImage::load(it.value()));
        TargetOptions options;
        options.name = u"Ring App"_s;
        options.displayName = displayName;
        return TargetGenerator(m_host).generate(sources, {out(), TargetCatalog::parse(targets).value(), options});
    }
    QString out(const QString &file = {}) const
    {
        return m_dir.filePath(u"out"_s) + (file.isEmpty() ? u""_s : u'/' + file);
    }

    QTemporaryDir m_dir;
    test::RecordingHost m_host;
};

TEST_F(StoreTargetsTest, EveryFileHasTheSizeItsNameAndFolderSay)
{
    const GenerationReport report =
        generate(ring(), u"windows-store,android-notification,android-tv,extension,visionos,tvos"_s);
    ASSERT_TRUE(report.succeeded()) << report.failures.first().reason.toStdString();

    // The vendors' figures, written out rather than derived: Windows' scale sizes, Android's
    // densities, Chrome's icon sizes, Apple's layer and shelf sizes.
    const QList<std::pair<QString, QSize>> expected{
        {u"windows-store/Assets/Square44x44Logo.scale-125.png"_s, {55, 55}},
        {u"windows-store/Assets/Square44x44Logo.scale-400.png"_s, {176, 176}},
        {u"windows-store/Assets/Square44x44Logo.targetsize-24_altform-unplated.png"_s, {24, 24}},
        {u"windows-store/Assets/Square44x44Logo.targetsize-256_altform-lightunplated.png"_s, {256, 256}},
        {u"windows-store/Assets/Square71x71Logo.scale-125.png"_s, {89, 89}},
        {u"windows-store/Assets/Square150x150Logo.scale-125.png"_s, {188, 188}},
        {u"windows-store/Assets/Square310x310Logo.scale-400.png"_s, {1240, 1240}},
        {u"windows-store/Assets/StoreLogo.scale-150.png"_s, {75, 75}},
        {u"windows-store/Assets/Wide310x150Logo.scale-125.png"_s, {388, 188}},
        {u"windows-store/Assets/Wide310x150Logo.scale-200.png"_s, {620, 300}},
        {u"windows-store/Assets/SplashScreen.scale-100.png"_s, {620, 300}},
        {u"windows-store/Assets/SplashScreen.scale-400.png"_s, {2480, 1200}},
        {u"android-notification/res/drawable-mdpi/ic_stat_ring_app.png"_s, {24, 24}},
        {u"android-notification/res/drawable-xxxhdpi/ic_stat_ring_app.png"_s, {96, 96}},
        {u"android-tv/res/drawable-xhdpi/banner.png"_s, {320, 180}},
        {u"android-tv/res/drawable-mdpi/banner.png"_s, {160, 90}},
        {u"android-tv/play-tv-banner-1280x720.png"_s, {1280, 720}},
        {u"extension/icons/icon-16.png"_s, {16, 16}},
        {u"extension/icons/icon-128.png"_s, {128, 128}},
        {u"visionos/AppIcon.solidimagestack/Back.solidimagestacklayer/Content.imageset/Back.png"_s, {1024, 1024}},
        {tvAssets + u"App Icon.imagestack/Front.imagestacklayer/Content.imageset/Front@2x.png"_s, {800, 480}},
        {tvAssets + u"App Icon - App Store.imagestack/Back.imagestacklayer/Content.imageset/Back.png"_s, {1280, 768}},
        {tvAssets + u"Top Shelf Image.imageset/TopShelfImage.png"_s, {1920, 720}},
        {tvAssets + u"Top Shelf Image Wide.imageset/TopShelfImageWide@2x.png"_s, {4640, 1440}},
    };
    for (const auto &[file, size] : expected)
        EXPECT_EQ(test::readImage(out(file)).size(), size) << file.toStdString();

    // Every target size has both unplated variants beside the plated one.
    for (const int size : {16, 24, 32, 48, 256})
        for (const QString &variant : {u""_s, u"_altform-unplated"_s, u"_altform-lightunplated"_s})
            EXPECT_TRUE(QFile::exists(
                out(u"windows-store/Assets/Square44x44Logo.targetsize-%1%2.png"_s.arg(size).arg(variant))))
                << size << variant.toStdString();

    // And what was written passes the check of each kind of folder, as a whole and one by one.
    const IconSetCheck::Report check = IconSetCheck::check(out());
    EXPECT_TRUE(check.passed()) << (check.problems.isEmpty() ? std::string()
                                                             : check.problems.first().file.toStdString() + ": " +
                                                                   check.problems.first().message.toStdString());
    QStringList kinds;
    for (const CheckReport::Found &found : check.found)
        kinds << found.kind;
    kinds.sort();
    EXPECT_EQ(kinds.join(u' '), u"android android brandassets extension solidimagestack windows-assets"_s);
}

TEST_F(StoreTargetsTest, NotificationIconsArePureWhiteOnTransparencyAndWarnOfASolidBlob)
{
    ASSERT_TRUE(generate(ring(), u"android-notification"_s).succeeded());
    const test::DecodedImage icon =
        test::readImage(out(u"android-notification/res/drawable-xxxhdpi/ic_stat_ring_app.png"_s));
    ASSERT_EQ(icon.bands, 4);
    int shown = 0;
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x) {
            if (icon.alpha(x, y) == 0)
                continue;
            ++shown;
            for (int band = 0; band < 3; ++band)
                ASSERT_EQ(icon.at(x, y, band), 255) << x << ',' << y;
        }
    EXPECT_GT(shown, 0);
    EXPECT_EQ(icon.alpha(48, 48), 0) << "the ring's hole stays transparent";
    // The glyph keeps to the 20 dp live area of the 24 dp icon.
    const QRect box = contentBox(icon);
    EXPECT_GE(box.left(), 7);
    EXPECT_LE(box.right(), 88);

    const GenerationReport ringReport = generate(ring(), u"android-notification"_s);
    EXPECT_TRUE(ringReport.warnings.isEmpty());
    const GenerationReport discReport = generate(disc(), u"android-notification"_s);
    ASSERT_EQ(discReport.warnings.size(), 1);
    EXPECT_TRUE(discReport.warnings.first().message.contains(u"solid"_s));
    // A monochrome picture given is the glyph: no warning, whatever the source's shape.
    EXPECT_TRUE(generate(disc(), u"android-notification"_s, {{SourceRole::Monochrome, ring()}}).warnings.isEmpty());
}

TEST_F(StoreTargetsTest, WideImagesShowTheLogoCentredAndUnstretched)
{
    ASSERT_TRUE(generate(disc(), u"windows-store,android-tv,tvos"_s).succeeded());
    // On a transparent wide tile the disc's box is square and in the middle.
    const test::DecodedImage wide = test::readImage(out(u"windows-store/Assets/Wide310x150Logo.scale-200.png"_s));
    const QRect box = contentBox(wide);
    EXPECT_NEAR(box.width(), box.height(), 2);
    EXPECT_NEAR(box.center().x(), wide.width / 2.0, 2);
    EXPECT_NEAR(box.center().y(), wide.height / 2.0, 2);
    EXPECT_LT(box.height(), wide.height);

    // Opaque banners: the background colour (white behind a logo) at their sides, the disc's orange in the middle.
    for (const QString &file : {u"android-tv/play-tv-banner-1280x720.png"_s,
                                tvAssets + u"Top Shelf Image Wide.imageset/TopShelfImageWide.png"_s}) {
        const test::DecodedImage banner = test::readImage(out(file));
        ASSERT_EQ(banner.bands, 3) << file.toStdString();
        EXPECT_EQ(banner.at(10, banner.height / 2, 1), 255) << file.toStdString();
        EXPECT_EQ(banner.at(banner.width / 2, banner.height / 2, 2), 0) << file.toStdString();
    }
}

TEST_F(StoreTargetsTest, GivenTheAppsNameEveryTvBannerShowsTheLogoAndTheNameBesideIt)
{
    ASSERT_TRUE(generate(disc(), u"android-tv"_s, {}, u"Disc TV"_s).succeeded());
    for (const QString &file :
         {u"android-tv/res/drawable-mdpi/banner.png"_s, u"android-tv/res/drawable-xhdpi/banner.png"_s,
          u"android-tv/play-tv-banner-1280x720.png"_s}) {
        const test::DecodedImage banner = test::readImage(out(file));
        ASSERT_EQ(banner.bands, 3) << file.toStdString();
        QRect disc;
        QRect text;
        for (int y = 0; y < banner.height; ++y)
            for (int x = 0; x < banner.width; ++x) {
                const int red = banner.at(x, y, 0);
                const int blue = banner.at(x, y, 2);
                if (red > 200 && blue < 60)
                    disc |= QRect(x, y, 1, 1);
                else if (red < 60 && blue < 60)
                    text |= QRect(x, y, 1, 1); // black on the white plate
            }
        // The logo is round, whole, and at the start; the name's ink lies after it, level with it.
        EXPECT_NEAR(disc.width(), disc.height(), 2) << file.toStdString();
        EXPECT_GT(disc.left(), 0) << file.toStdString();
        EXPECT_GT(disc.top(), 0) << file.toStdString();
        EXPECT_LT(disc.bottom(), banner.height - 1) << file.toStdString();
        ASSERT_FALSE(text.isEmpty()) << file.toStdString();
        EXPECT_GT(text.left(), disc.right()) << file.toStdString();
        EXPECT_LT(text.right(), banner.width - 1) << file.toStdString();
        EXPECT_NEAR(text.center().y(), disc.center().y(), banner.height / 20.0) << file.toStdString();
        EXPECT_GT(text.width(), banner.width / 6) << file.toStdString();
    }

    // A name that no font can show leaves the logo alone, centred, and says why.
    const GenerationReport report = generate(disc(), u"android-tv"_s, {}, QString::fromUcs4(U"\U0010FFFD"));
    ASSERT_TRUE(report.succeeded());
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_TRUE(report.notes.first().message.contains(u"logo alone"_s));
    const test::DecodedImage alone = test::readImage(out(u"android-tv/res/drawable-xhdpi/banner.png"_s));
    EXPECT_EQ(alone.at(alone.width / 2, alone.height / 2, 2), 0) << "the disc in the middle";
}

TEST_F(StoreTargetsTest, LayeredIconsListTheirLayersFrontToBackWithAnOpaqueBack)
{
    const QString middle = ring();
    ASSERT_TRUE(generate(disc(), u"visionos,tvos"_s, {{SourceRole::LayerMiddle, middle}}).succeeded());
    const QList<std::pair<QString, QString>> stacks{
        {u"visionos/AppIcon.solidimagestack/"_s, u".solidimagestacklayer"_s},
        {tvAssets + u"App Icon.imagestack/"_s, u".imagestacklayer"_s},
        {tvAssets + u"App Icon - App Store.imagestack/"_s, u".imagestacklayer"_s},
    };
    for (const auto &[stack, extension] : stacks) {
        const QJsonArray layers = jsonAt(out(stack + u"Contents.json"_s)).value(u"layers").toArray();
        QStringList names;
        for (const QJsonValue &layer : layers)
            names << layer.toObject().value(u"filename").toString();
        EXPECT_EQ(names, (QStringList{u"Front"_s + extension, u"Middle"_s + extension, u"Back"_s + extension}))
            << stack.toStdString();
        const QString backSet = stack + u"Back"_s + extension + u"/Content.imageset/"_s;
        const QJsonArray images = jsonAt(out(backSet + u"Contents.json"_s)).value(u"images").toArray();
        ASSERT_FALSE(images.isEmpty());
        for (const QJsonValue &image : images) {
            const test::DecodedImage back =
                test::readImage(out(backSet + image.toObject().value(u"filename").toString()));
            EXPECT_EQ(back.bands, 3) << stack.toStdString();
        }
        const QString frontSet = stack + u"Front"_s + extension + u"/Content.imageset/"_s;
        const QString front = jsonAt(out(frontSet + u"Contents.json"_s))
                                  .value(u"images")
                                  .toArray()
                                  .first()
                                  .toObject()
                                  .value(u"filename")
                                  .toString();
        EXPECT_EQ(test::readImage(out(frontSet + front)).alpha(0, 0), 0) << "the front layer is transparent around";
    }
    EXPECT_EQ(jsonAt(out(u"visionos/AppIcon.solidimagestack/Front.solidimagestacklayer/Content.imageset/"
                         "Contents.json"_s))
                  .value(u"images")
                  .toArray()
                  .first()
                  .toObject()
                  .value(u"idiom")
                  .toString(),
              u"vision"_s);
    const QJsonArray assets = jsonAt(out(tvAssets + u"Contents.json"_s)).value(u"assets").toArray();
    QStringList roles;
    for (const QJsonValue &asset : assets)
        roles << asset.toObject().value(u"role").toString() + u' ' + asset.toObject().value(u"size").toString();
    EXPECT_EQ(roles, (QStringList{u"primary-app-icon 1280x768"_s, u"primary-app-icon 400x240"_s,
                                  u"top-shelf-image-wide 2320x720"_s, u"top-shelf-image 1920x720"_s}));

    // Without a middle picture the stacks have two layers.
    ASSERT_TRUE(generate(disc(), u"visionos"_s).succeeded());
    EXPECT_EQ(jsonAt(out(u"visionos/AppIcon.solidimagestack/Contents.json"_s)).value(u"layers").toArray().size(), 2);
}

TEST_F(StoreTargetsTest, ExtensionStoreIconKeepsItsMarginAndTheManifestNamesEveryIcon)
{
    ASSERT_TRUE(generate(disc(), u"extension"_s).succeeded());
    const test::DecodedImage icon = test::readImage(out(u"extension/icons/icon-128.png"_s));
    EXPECT_EQ(contentBox(icon), QRect(16, 16, 96, 96));
    const QJsonObject manifest = jsonAt(out(u"extension/manifest-icons.json"_s));
    const QJsonObject icons = manifest.value(u"icons").toObject();
    EXPECT_EQ(icons.keys(), (QStringList{u"128"_s, u"16"_s, u"32"_s, u"48"_s}));
    for (auto it = icons.begin(); it != icons.end(); ++it)
        EXPECT_EQ(test::readImage(out(u"extension/"_s + it.value().toString())).width, it.key().toInt());
    EXPECT_EQ(manifest.value(u"action"_s).toObject().value(u"default_icon").toObject().value(u"16").toString(),
              u"icons/icon-16.png"_s);
}

TEST_F(StoreTargetsTest, VisualElementsAndDarkFaviconLinksNameOnlyWhatWasWritten)
{
    ASSERT_TRUE(generate(disc(), u"windows-store,web"_s, {{SourceRole::Dark, ring()}}).succeeded());
    const QString xml = QString::fromUtf8(readAll(out(u"windows-store/VisualElements.xml"_s)));
    static const QRegularExpression named(u"Assets\\\\(\\w+)\\.png"_s);
    QStringList logos;
    for (auto it = named.globalMatch(xml); it.hasNext();)
        logos << it.next().captured(1);
    logos.sort();
    EXPECT_EQ(logos, (QStringList{u"SplashScreen"_s, u"Square150x150Logo"_s, u"Square310x310Logo"_s,
                                  u"Square44x44Logo"_s, u"Square71x71Logo"_s, u"StoreLogo"_s, u"Wide310x150Logo"_s}));
    for (const QString &logo : logos)
        EXPECT_TRUE(QFile::exists(out(u"windows-store/Assets/%1.scale-100.png"_s.arg(logo)))) << logo.toStdString();
    EXPECT_TRUE(xml.contains(u"BackgroundColor=\"#ffffff\""_s)) << xml.toStdString();

    const QString head = QString::fromUtf8(readAll(out(u"web/head.html"_s)));
    EXPECT_TRUE(head.contains(u"href=\"favicon-dark-32.png\" type=\"image/png\" sizes=\"32x32\" "
                              "media=\"(prefers-color-scheme: dark)\""_s))
        << head.toStdString();
    EXPECT_EQ(test::readImage(out(u"web/favicon-dark-48.png"_s)).size(), QSize(48, 48));
    // The light favicon comes first: a browser takes the last icon that matches.
    EXPECT_LT(head.indexOf(u"favicon.ico"_s), head.indexOf(u"favicon-dark"_s));
}

TEST_F(StoreTargetsTest, AVectorSourceWithAVectorDarkPictureGetsAnIconSvgThatSwitchesWithTheTheme)
{
    const auto svg = [this](const QString &name, const char *fill) {
        const QString path = m_dir.filePath(name);
        test::writeBytes(path, QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64">)"
                                          R"(<circle cx="32" cy="32" r="30" fill=")") +
                                   fill + "\"/></svg>");
        return path;
    };
    const QString light = svg(u"light.svg"_s, "#222222");
    const QString dark = svg(u"dark.svg"_s, "#eeeeee");
    ASSERT_TRUE(generate(light, u"web"_s, {{SourceRole::Dark, dark}}).succeeded());
    const QByteArray icon = readAll(out(u"web/icon.svg"_s));
    EXPECT_TRUE(icon.contains("@media (prefers-color-scheme: dark)")) << icon.toStdString();
    EXPECT_TRUE(icon.contains(readAll(light).toBase64()));
    EXPECT_TRUE(icon.contains(readAll(dark).toBase64()));

    // With a dark picture that is not a vector, icon.svg is the source as it is.
    ASSERT_TRUE(generate(light, u"web"_s, {{SourceRole::Dark, ring()}}).succeeded());
    EXPECT_EQ(readAll(out(u"web/icon.svg"_s)), readAll(light));
}

} // namespace
} // namespace iconsmith
