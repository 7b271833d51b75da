// Launch screens as the systems read them: Xcode's image and colour sets, Android's resources
// and Safari's startup-image links, with each rule's fault.
#include "check/iconsetcheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "check/startupimagecheck.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class SplashCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        writeFolder();
    }
    [[nodiscard]] QString path(const QString &relative = {}) const { return m_dir.filePath(u"splash/"_s + relative); }
    void write(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        test::writeBytes(path(relative), bytes);
    }
    void picture(const QString &relative, QSize size) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        test::writeTestPicture(path(relative), size, true);
    }
    [[nodiscard]] QString problems() const
    {
        QStringList lines;
        const CheckReport report = IconSetCheck::check(m_dir.path());
        for (const CheckReport::Problem &problem : report.problems)
            lines << problem.file + u": "_s + problem.message;
        return lines.join(u'\n');
    }

    // A folder of launch screens written by hand, in other names and number formats than Iconsmith's.
    void writeFolder() const
    {
        write(u"ios/UILaunchScreen.plist"_s, R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>UILaunchScreen</key><dict>
<key>UIImageName</key><string>Brand</string><key>UIColorName</key><string>Paper</string>
</dict></dict></plist>)");
        write(u"ios/Brand.imageset/Contents.json"_s, R"({"images": [
            {"filename": "b.png", "idiom": "universal", "scale": "1x"},
            {"filename": "b@2x.png", "idiom": "universal", "scale": "2x"},
            {"idiom": "universal", "scale": "3x"},
            {"filename": "b-dark@3x.png", "idiom": "universal", "scale": "3x",
             "appearances": [{"appearance": "luminosity", "value": "dark"}]}], "info": {"version": 1}})");
        picture(u"ios/Brand.imageset/b.png"_s, {120, 40});
        picture(u"ios/Brand.imageset/b@2x.png"_s, {240, 80});
        picture(u"ios/Brand.imageset/b-dark@3x.png"_s, {300, 300});
        write(u"ios/Paper.colorset/Contents.json"_s, R"({"colors": [
            {"idiom": "universal", "color": {"color-space": "srgb",
             "components": {"red": "0.5", "green": "0.25", "blue": "1.000", "alpha": "1.000"}}},
            {"idiom": "universal", "appearances": [{"appearance": "luminosity", "value": "dark"}],
             "color": {"color-space": "display-p3", "components": {"red": "0x1C", "green": "28", "blue": 0, "alpha": 1}}}]})");

        write(u"android/res/drawable/splash_screen.xml"_s,
              R"(<layer-list xmlns:android="http://schemas.android.com/apk/res/android">
    <item android:drawable="@color/paper"/>
    <item><bitmap android:gravity="center" android:src="@drawable/brand"/></item></layer-list>)");
        write(u"android/res/values/colors.xml"_s, R"(<resources><color name="paper">#FFEEDD</color></resources>)");
        write(u"android/res/values-v31/themes.xml"_s, R"(<resources><style name="Launch">
    <item name="android:windowSplashScreenBackground">@color/paper</item>
    <item name="android:windowSplashScreenAnimatedIcon">@drawable/brand</item>
    <item name="android:windowSplashScreenIconBackgroundColor">@android:color/white</item></style></resources>)");
        picture(u"android/res/drawable-mdpi/brand.png"_s, {288, 288});
        picture(u"android/res/drawable-night-hdpi/brand.png"_s, {432, 432});

        write(u"web/splash.html"_s,
              R"html(<link rel="stylesheet" href="site.css">
<link href="p.png" rel="apple-touch-startup-image"
      media="screen and (device-width: 375px) and (device-height: 667px) and (-webkit-device-pixel-ratio: 2) and (orientation: portrait)">
<LINK REL='apple-touch-startup-image' MEDIA='(orientation: landscape) and (-webkit-device-pixel-ratio: 1.5) and (device-height: 100px) and (device-width: 60px)' HREF='l.png'>)html");
        picture(u"web/p.png"_s, {750, 1334});
        picture(u"web/l.png"_s, {150, 90});
    }

    QTemporaryDir m_dir;
};

TEST_F(SplashCheckTest, AFolderOfLaunchScreensPassesWhateverItsNamesAndNumberFormats)
{
    const CheckReport report = IconSetCheck::check(m_dir.path());
    EXPECT_TRUE(report.passed()) << problems().toStdString();
    ASSERT_EQ(report.found.size(), 1);
    EXPECT_EQ(report.found.first().kind, u"splash"_s);
    EXPECT_EQ(report.imagesChecked, 7);
}

TEST_F(SplashCheckTest, ImageAndColourSetsMustBeThereAndAgreeAcrossScalesAndAppearances)
{
    picture(u"ios/Brand.imageset/b@2x.png"_s, {242, 80});
    EXPECT_TRUE(problems().contains(u"b@2x.png: is 121 × 40 points, where the set's other scales are 120 × 40"_s))
        << problems().toStdString();
    write(u"ios/Brand.imageset/Contents.json"_s,
          R"({"images": [{"filename": "b.png", "idiom": "universal", "scale": "1x",
              "appearances": [{"appearance": "luminosity", "value": "sepia"}]}]})");
    EXPECT_TRUE(problems().contains(u"appearance or scale asset catalogs do not know"_s));
    EXPECT_TRUE(problems().contains(u"no image for the default appearance"_s));
    QDir(path(u"ios/Paper.colorset"_s)).removeRecursively();
    EXPECT_TRUE(problems().contains(u"ios/Paper.colorset: is named by the launch screen but missing"_s));
}

TEST_F(SplashCheckTest, AndroidReferencesResolveForEveryDeviceAndTheIconIs288Dp)
{
    // Only the night has the colour: a light device would fail to start the app.
    write(u"android/res/values-night/colors.xml"_s, R"(<resources><color name="paper">#000000</color></resources>)");
    QFile::remove(path(u"android/res/values/colors.xml"_s));
    EXPECT_TRUE(problems().contains(u"drawable/splash_screen.xml: refers to @color/paper"_s))
        << problems().toStdString();
    EXPECT_TRUE(problems().contains(u"values-v31/themes.xml: refers to @color/paper"_s));

    // The icon is measured at every density it is drawn for, the night's too.
    picture(u"android/res/drawable-night-hdpi/brand.png"_s, {288, 288});
    EXPECT_TRUE(problems().contains(u"drawable-night-hdpi/brand.png: is 288 × 288 pixels, but the splash screen icon "
                                    "(288 dp) needs 432 × 432"_s));
}

TEST_F(SplashCheckTest, EveryStartupLinkNamesOneScreenAndItsPictureMeasuresIt)
{
    picture(u"web/p.png"_s, {1334, 750}); // landscape for a portrait link
    EXPECT_TRUE(problems().contains(u"web/p.png: is 1334 × 750 pixels"_s)) << problems().toStdString();
    write(u"web/splash.html"_s, R"html(<link rel="apple-touch-startup-image" href="p.png"
        media="(device-width: 375px) and (device-height: 667px) and (-webkit-device-pixel-ratio: 2)">)html");
    EXPECT_TRUE(problems().contains(u"names no one screen"_s));

    EXPECT_EQ(
        StartupImageCheck::screenPixels(
            u"screen and (device-width: 430px) and (device-height: 932px) and (-webkit-device-pixel-ratio: 3) and "
            "(orientation: landscape) and (prefers-color-scheme: dark)"_s),
        QSize(2796, 1290));
}

} // namespace
} // namespace iconsmith
