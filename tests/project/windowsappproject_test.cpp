#include <gtest/gtest.h>

#include "projecttest.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// A WinUI app as Visual Studio's template lays it out: the manifest names its logos by base name
// and the Assets folder holds the qualified files of some of them, and one logo nothing names.
class WindowsAppProjectTest : public test::ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(path(u"App/Assets"_s)));
        test::writeBytes(path(u"App/Package.appxmanifest"_s), R"(<?xml version="1.0" encoding="utf-8"?>
<Package xmlns="http://schemas.microsoft.com/appx/manifest/foundation/windows10"
         xmlns:uap="http://schemas.microsoft.com/appx/manifest/uap/windows10">
  <Properties>
    <DisplayName>Demo</DisplayName>
    <Logo>Assets\StoreLogo.png</Logo>
  </Properties>
  <Applications>
    <Application Id="App">
      <uap:VisualElements DisplayName="Demo" Description="Demo" BackgroundColor="transparent"
                          Square150x150Logo="Assets\Square150x150Logo.png" Square44x44Logo="Assets\Square44x44Logo.png">
        <uap:DefaultTile Wide310x150Logo="Assets\Wide310x150Logo.png"/>
        <uap:SplashScreen Image="Assets\SplashScreen.png"/>
      </uap:VisualElements>
    </Application>
  </Applications>
</Package>
)");
        for (const QString &name : m_expected.keys() + QStringList{u"LockScreenLogo.scale-200.png"_s})
            test::writeTestPicture(path(u"App/Assets/"_s + name), QSize(10, 10), true);
    }
    [[nodiscard]] QByteArray bytesOf(const QString &file) const
    {
        QFile in(path(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    const QMap<QString, QSize> m_expected{
        {u"Square44x44Logo.scale-200.png"_s, {88, 88}},
        {u"Square44x44Logo.targetsize-24_altform-unplated.png"_s, {24, 24}},
        {u"Square150x150Logo.scale-200.png"_s, {300, 300}},
        {u"Wide310x150Logo.scale-200.png"_s, {620, 300}},
        {u"SplashScreen.scale-200.png"_s, {1240, 600}},
        {u"StoreLogo.png"_s, {50, 50}},
    };
};

TEST_F(WindowsAppProjectTest, EachLogoFileIsMadeAtTheSizeItsQualifierSays)
{
    const QByteArray manifest = bytesOf(u"App/Package.appxmanifest"_s);
    const QByteArray lockScreen = bytesOf(u"App/Assets/LockScreenLogo.scale-200.png"_s);
    update();
    for (auto it = m_expected.begin(); it != m_expected.end(); ++it)
        EXPECT_EQ(test::readImage(path(u"App/Assets/"_s + it.key())).size(), it.value()) << it.key().toStdString();
    // The wide tile is the logo's square in the middle, not the square stretched: its ends are bare.
    const test::DecodedImage wide = test::readImage(path(u"App/Assets/Wide310x150Logo.scale-200.png"_s));
    EXPECT_EQ(wide.alpha(4, 150), 0);
    EXPECT_EQ(wide.alpha(615, 150), 0);
    EXPECT_GT(wide.alpha(310, 150), 0);
    EXPECT_EQ(bytesOf(u"App/Package.appxmanifest"_s), manifest);
    EXPECT_EQ(bytesOf(u"App/Assets/LockScreenLogo.scale-200.png"_s), lockScreen);
}

} // namespace
} // namespace iconsmith
