#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// A Capacitor app's launch pictures, as its templates lay them out: a Splash.imageset beside the
// app icon (here with a dark entry too), and splash.png in drawable/ and per orientation and density.
class LaunchPicturesTest : public test::ProjectTest
{
protected:
    void SetUp() override
    {
        test::ProjectTest::SetUp();
        test::fixtures::capacitorIos(path(u"ios"_s));
        test::fixtures::androidModule(path(u"android/app"_s));
        const QString set = path(u"ios/App/App/Assets.xcassets/Splash.imageset"_s);
        ASSERT_TRUE(QDir().mkpath(set));
        test::writeBytes(set + u"/Contents.json"_s, R"({
  "images" : [
    { "idiom" : "universal", "filename" : "splash-2732x2732-2.png", "scale" : "1x" },
    { "idiom" : "universal", "filename" : "splash-2732x2732-1.png", "scale" : "2x" },
    { "idiom" : "universal", "filename" : "splash-2732x2732.png", "scale" : "3x" },
    { "idiom" : "universal", "filename" : "splash-2732x2732-dark.png", "scale" : "1x",
      "appearances" : [ { "appearance" : "luminosity", "value" : "dark" } ] }
  ],
  "info" : { "version" : 1, "author" : "xcode" }
})");
        for (const QString &file : {u"splash-2732x2732-2.png"_s, u"splash-2732x2732-1.png"_s, u"splash-2732x2732.png"_s,
                                    u"splash-2732x2732-dark.png"_s})
            m_pictures.insert(u"ios/App/App/Assets.xcassets/Splash.imageset/"_s + file, QSize(300, 300));
        m_pictures.insert(u"android/app/src/main/res/drawable/splash.png"_s, QSize(120, 80));
        m_pictures.insert(u"android/app/src/main/res/drawable-port-mdpi/splash.png"_s, QSize(80, 120));
        m_pictures.insert(u"android/app/src/main/res/drawable-land-night-mdpi/splash.png"_s, QSize(120, 80));
        for (auto it = m_pictures.begin(); it != m_pictures.end(); ++it) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path(it.key())).path()));
            // A grey placeholder: what the project's template shipped.
            test::writePng(path(it.key()), it.value(), [](int, int) {
                return std::array<std::uint8_t, 4>{128, 128, 128, 255};
            });
        }
    }

    [[nodiscard]] QByteArray contentsOfSet() const
    {
        QFile file(path(u"ios/App/App/Assets.xcassets/Splash.imageset/Contents.json"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    [[nodiscard]] static bool isDark(const QString &file)
    {
        return file.contains(u"dark"_s) || file.contains(u"night"_s);
    }

    QMap<QString, QSize> m_pictures;
};

TEST_F(LaunchPicturesTest, EachIsMadeAgainAtItsOwnSizeAndAppearance)
{
    const QByteArray contentsBefore = contentsOfSet();
    GenerationRequest asked = request();
    asked.splashBackground = RgbColor{16, 32, 48};
    asked.splashDarkBackground = RgbColor{0, 0, 0};
    Result<ProjectUpdate> prepared =
        ProjectUpdate::prepare(m_project, ProjectFinder::find(QFileInfo(m_project).canonicalFilePath()), asked);
    ASSERT_TRUE(prepared);
    test::RecordingHost host;
    const ProjectReport report = prepared->run(host);
    ASSERT_TRUE(report.succeeded());
    // What the plan says of each is its size, as --dry-run shows it.
    qsizetype planned = 0;
    for (const ProjectPlan &project : report.projects) {
        for (const ProjectChange &change : project.changes) {
            if (!m_pictures.contains(change.file))
                continue;
            ++planned;
            EXPECT_EQ(change.pixels, m_pictures.value(change.file)) << change.file.toStdString();
        }
    }
    EXPECT_EQ(planned, m_pictures.size());

    for (auto it = m_pictures.begin(); it != m_pictures.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const test::DecodedImage picture = test::readImage(path(it.key()));
        ASSERT_EQ(picture.size(), it.value());
        // The background fills the screen, light or dark as the folder or entry says.
        const std::array<int, 3> background = isDark(it.key()) ? std::array{0, 0, 0} : std::array{16, 32, 48};
        const auto isBackground = [&picture, &background](int x, int y) {
            return picture.at(x, y, 0) == background[0] && picture.at(x, y, 1) == background[1] &&
                   picture.at(x, y, 2) == background[2];
        };
        EXPECT_TRUE(isBackground(0, 0));
        EXPECT_TRUE(isBackground(picture.width - 1, picture.height - 1));
        // The logo sits in the middle, within its share of the shorter side.
        const int side = std::min(picture.width, picture.height);
        const int half = int(side * 0.1875 / 2) + 1;
        int logoPixels = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                if (isBackground(x, y))
                    continue;
                ++logoPixels;
                EXPECT_LE(std::abs(2 * x + 1 - picture.width), 2 * half) << x << ',' << y;
                EXPECT_LE(std::abs(2 * y + 1 - picture.height), 2 * half) << x << ',' << y;
            }
        }
        EXPECT_GT(logoPixels, 0);
    }
    // The set's document already names every picture: it stays as the project had it.
    EXPECT_EQ(contentsOfSet(), contentsBefore);
}

} // namespace
} // namespace iconsmith
