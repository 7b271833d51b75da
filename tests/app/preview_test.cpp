#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "generation/generationhost.h"
#include "generation/targetgenerator.h"
#include "ui/iconpreviewstrip.h"
#include "ui/platformpreview.h"
#include "ui/platformscenes.h"

namespace iconsmith::test {
namespace {

using Kind = PlatformScene::Kind;

class QuietHost : public GenerationHost
{
public:
    void showFolder(const QString &) override {}
    void logLine(const QString &) override {}
};

class Preview : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    QString save(const QString &relative, const QImage &image) const
    {
        const QString file = path(relative);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        EXPECT_TRUE(image.save(file, "PNG")) << qPrintable(file);
        return file;
    }

    static GenerationReport::WrittenFile written(const QString &file, QSize pixels)
    {
        return {file, pixels, true, DisplayMask::None};
    }

    // The scenes of @p files as the preview shows them, once read.
    QList<PlatformScene> scenes(const QList<GenerationReport::WrittenFile> &files)
    {
        PlatformPreview preview;
        preview.setFiles(files, m_dir.path());
        EXPECT_TRUE(QTest::qWaitFor([&preview] { return !preview.isReading(); }, 30000));
        return preview.scenes();
    }

    static const PlatformScene *find(const QList<PlatformScene> &scenes, Kind kind)
    {
        for (const PlatformScene &scene : scenes) {
            if (scene.kind == kind)
                return &scene;
        }
        return nullptr;
    }

    static QColor centre(const QImage &image) { return image.pixelColor(image.width() / 2, image.height() / 2); }

    QTemporaryDir m_dir;
};

TEST_F(Preview, EachSystemShowsTheFilesWrittenForItInItsOwnShape)
{
    // An opaque orange picture: every target's files, as a run writes them.
    QImage source(256, 256, QImage::Format_RGB32);
    source.fill(QColor(255, 140, 0));
    const QString sourcePath = save(QStringLiteral("source.png"), source);
    QuietHost host;
    const GenerationReport report =
        TargetGenerator(host).generate({*SourceImage::load(sourcePath), {}},
                                       {m_dir.path(),
                                        {QStringLiteral("ios"), QStringLiteral("macos"), QStringLiteral("watchos"),
                                         QStringLiteral("android"), QStringLiteral("web")},
                                        {}});
    ASSERT_TRUE(report.succeeded());
    const QList<PlatformScene> shown = scenes(report.distinctFiles());

    QList<Kind> kinds;
    for (const PlatformScene &scene : shown)
        kinds << scene.kind;
    // Full-bleed artwork gets no monochrome layer (its shape would be a plain square), so no themed icon.
    EXPECT_EQ(kinds,
              (QList<Kind>{Kind::IosLight, Kind::IosDark, Kind::IosTinted, Kind::AndroidCircle, Kind::AndroidSquircle,
                           Kind::MacDockLight, Kind::MacDockDark, Kind::WatchCircle, Kind::BrowserTab}));
    // Home screen: the file in the rounded square, nothing outside it.
    const QImage light = find(shown, Kind::IosLight)->icon;
    EXPECT_EQ(centre(light), QColor(255, 140, 0));
    EXPECT_EQ(light.pixelColor(0, 0).alpha(), 0);
    // No dark icon for an opaque picture: iOS shows the light one, and the preview says so.
    EXPECT_TRUE(find(shown, Kind::IosDark)->fallback);
    EXPECT_FALSE(find(shown, Kind::IosLight)->fallback);
    // Tinted: the greyscale file in the tint colour, never the orange of the source.
    const QColor tinted = centre(find(shown, Kind::IosTinted)->icon);
    EXPECT_GT(tinted.red(), tinted.blue());
    EXPECT_NE(tinted, QColor(255, 140, 0));
    // The watch face is a circle; the browser tab shows the favicon's own 16-pixel entry.
    EXPECT_EQ(find(shown, Kind::WatchCircle)->icon.pixelColor(2, 2).alpha(), 0);
    const PlatformScene *tab = find(shown, Kind::BrowserTab);
    EXPECT_EQ(tab->icon.size(), QSize(16, 16));
    EXPECT_TRUE(tab->file.endsWith(QStringLiteral("web/favicon.ico")));
    EXPECT_EQ(centre(tab->icon).red(), 255);
}

TEST_F(Preview, AndroidShowsTheMiddleOfItsLayersUnderTheMaskAndThemesTheMonochromeOne)
{
    // A foreground layer whose outer 18 of 108 units are red: they lie outside the viewport.
    QImage foreground(108, 108, QImage::Format_ARGB32);
    foreground.fill(Qt::red);
    QPainter(&foreground).fillRect(QRect(18, 18, 72, 72), QColor(0, 200, 0));
    QImage monochrome(108, 108, QImage::Format_ARGB32);
    monochrome.fill(Qt::transparent);
    QPainter(&monochrome).fillRect(QRect(44, 44, 20, 20), Qt::white);
    const QString colour = path(QStringLiteral("android/res/values/ic_launcher_background.xml"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(colour).path()));
    QFile xml(colour);
    ASSERT_TRUE(xml.open(QIODevice::WriteOnly));
    xml.write("<resources><color name=\"ic_launcher_background\">#0000FF</color></resources>\n");
    xml.close();
    const QList<GenerationReport::WrittenFile> files{
        written(save(QStringLiteral("android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"), foreground), {108, 108}),
        written(save(QStringLiteral("android/res/mipmap-mdpi/ic_launcher_foreground.png"),
                     QImage(8, 8, QImage::Format_RGB32)),
                {8, 8}),
        written(save(QStringLiteral("android/res/mipmap-xxxhdpi/ic_launcher_monochrome.png"), monochrome), {108, 108}),
        {colour, QSize(), false, DisplayMask::None}};

    const QList<PlatformScene> shown = scenes(files);
    ASSERT_EQ(shown.size(), 3);
    for (const Kind kind : {Kind::AndroidCircle, Kind::AndroidSquircle}) {
        const QImage icon = find(shown, kind)->icon;
        // The largest density is read, and none of the red margin reaches the viewport.
        EXPECT_EQ(find(shown, kind)->file, files[0].path);
        for (int x = 0; x < icon.width(); ++x) {
            const QColor pixel = icon.pixelColor(x, icon.height() / 2);
            EXPECT_LT(pixel.red(), 60) << x;
        }
        EXPECT_EQ(icon.pixelColor(1, 1).alpha(), 0) << "outside the mask";
    }
    // Themed: the monochrome shape in the theme's dark tone on its light one.
    const QImage themed = find(shown, Kind::AndroidThemed)->icon;
    const QColor shape = centre(themed);
    const QColor plate = themed.pixelColor(themed.width() / 2, themed.height() / 5);
    EXPECT_LT(shape.lightness(), 100);
    EXPECT_GT(plate.lightness(), 180);
}

TEST_F(Preview, TilesOfContainersShowTheirLargestEntry)
{
    QImage source(64, 64, QImage::Format_ARGB32);
    source.fill(QColor(20, 120, 220));
    const QString sourcePath = save(QStringLiteral("source.png"), source);
    QuietHost host;
    const GenerationReport report = TargetGenerator(host).generate(
        {*SourceImage::load(sourcePath), {}}, {path(QStringLiteral("out")), {QStringLiteral("windows")}, {}});
    ASSERT_TRUE(report.succeeded());

    IconPreviewStrip strip;
    strip.setFiles(report.distinctFiles());
    ASSERT_EQ(strip.files().size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&strip] { return !strip.isReading(); }, 30000));
    const QImage ico = strip.picture(0);
    ASSERT_FALSE(ico.isNull()) << "an .ico tile is not blank";
    EXPECT_EQ(centre(ico), QColor(20, 120, 220));
}

} // namespace
} // namespace iconsmith::test
