#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include "check/iconsetcheck.h"
#include "generation/targetgenerator.h"
#include "generation/targets/targetcatalog.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

using Pixel = std::array<std::uint8_t, 4>;

class StoreFoldersCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString ring = m_dir.filePath(u"ring.png"_s);
        test::writePng(ring, QSize(256, 256), [](int x, int y) -> Pixel {
            const double r = std::hypot(x + 0.5 - 128, y + 0.5 - 128);
            return {20, 90, 200, std::uint8_t(r < 120 && r > 70 ? 255 : 0)};
        });
        test::RecordingHost host;
        const GenerationReport report = TargetGenerator(host).generate(
            {*SourceImage::load(ring), {}},
            {out(),
             TargetCatalog::parse(u"windows-store,android-notification,android-tv,extension,visionos,tvos"_s).value(),
             TargetOptions{}});
        ASSERT_TRUE(report.succeeded());
    }
    QString out(const QString &file = {}) const
    {
        return m_dir.filePath(u"out"_s) + (file.isEmpty() ? u""_s : u'/' + file);
    }
    void replace(const QString &file, QSize size, const std::function<Pixel(int, int)> &pixel, bool alpha = true)
    {
        test::writePng(out(file), size, pixel, alpha);
    }
    void edit(const QString &file, const QByteArray &from, const QByteArray &to)
    {
        QFile read(out(file));
        ASSERT_TRUE(read.open(QIODevice::ReadOnly));
        QByteArray bytes = read.readAll();
        read.close();
        ASSERT_TRUE(bytes.contains(from));
        test::writeBytes(out(file), bytes.replace(from, to));
    }

    QTemporaryDir m_dir;
};

TEST_F(StoreFoldersCheckTest, FindsWhatEachStoreAndSystemWouldRefuse)
{
    ASSERT_TRUE(IconSetCheck::check(out()).passed());

    const auto white = [](int x, int) -> Pixel { return {255, 255, 255, std::uint8_t(x < 10 ? 0 : 255)}; };
    // A notification icon in colour, and one without any transparency.
    replace(u"android-notification/res/drawable-mdpi/ic_stat_icon.png"_s, {24, 24}, [](int x, int) -> Pixel {
        return {200, 30, 30, std::uint8_t(x < 10 ? 0 : 255)};
    });
    replace(u"android-notification/res/drawable-hdpi/ic_stat_icon.png"_s, {36, 36}, [](int, int) -> Pixel {
        return {255, 255, 255, 255};
    });
    // A visionOS back layer that lets the room show through, and a tvOS one of the wrong size.
    replace(u"visionos/AppIcon.solidimagestack/Back.solidimagestacklayer/Content.imageset/Back.png"_s, {1024, 1024},
            white);
    replace(u"tvos/Assets.xcassets/App Icon & Top Shelf Image.brandassets/App Icon.imagestack/"
            "Back.imagestacklayer/Content.imageset/Back@2x.png"_s,
            {400, 240}, white, false);
    // A Windows logo off its scale, and a manifest naming a logo there is no file of.
    replace(u"windows-store/Assets/Square150x150Logo.scale-200.png"_s, {299, 299}, white);
    edit(u"windows-store/VisualElements.xml"_s, "Assets\\Square71x71Logo.png", "Assets\\SmallLogo.png");
    // An extension icon of the wrong size; a Play TV banner with alpha; a missing shelf image set.
    replace(u"extension/icons/icon-48.png"_s, {40, 40}, white);
    replace(u"android-tv/play-tv-banner-1280x720.png"_s, {1280, 720}, white);
    ASSERT_TRUE(QDir(out(u"tvos/Assets.xcassets/App Icon & Top Shelf Image.brandassets/Top Shelf Image.imageset"_s))
                    .removeRecursively());

    const IconSetCheck::Report report = IconSetCheck::check(out());
    QStringList all;
    for (const CheckReport::Problem &problem : report.problems)
        all << problem.file + u": "_s + problem.message;
    const auto mentions = [&report](const QString &file, const QString &words) {
        return std::any_of(report.problems.cbegin(), report.problems.cend(), [&](const CheckReport::Problem &p) {
            return p.file.endsWith(file) && p.message.contains(words);
        });
    };
    const std::string text = all.join(u'\n').toStdString();
    EXPECT_TRUE(mentions(u"drawable-mdpi/ic_stat_icon.png"_s, u"not white"_s)) << text;
    EXPECT_TRUE(mentions(u"drawable-hdpi/ic_stat_icon.png"_s, u"white square"_s)) << text;
    EXPECT_TRUE(mentions(u"Back.solidimagestacklayer/Content.imageset/Back.png"_s, u"not opaque"_s)) << text;
    EXPECT_TRUE(mentions(u"Back.imagestacklayer/Content.imageset/Back@2x.png"_s, u"800 × 480"_s)) << text;
    EXPECT_TRUE(mentions(u"Square150x150Logo.scale-200.png"_s, u"300 × 300"_s)) << text;
    EXPECT_TRUE(mentions(u"VisualElements.xml"_s, u"SmallLogo"_s)) << text;
    EXPECT_TRUE(mentions(u"icon-48.png"_s, u"48 × 48"_s)) << text;
    EXPECT_TRUE(mentions(u"play-tv-banner-1280x720.png"_s, u"alpha channel"_s)) << text;
    EXPECT_TRUE(mentions(u"Top Shelf Image.imageset"_s, u"missing"_s)) << text;
    EXPECT_EQ(report.problems.size(), 9) << text;
}

TEST_F(StoreFoldersCheckTest, AStoreIconWithArtInItsMarginIsNotedNotFailed)
{
    replace(u"extension/icons/icon-128.png"_s, {128, 128}, [](int, int) -> Pixel { return {10, 10, 10, 255}; });
    const IconSetCheck::Report report = IconSetCheck::check(out(u"extension"_s));
    EXPECT_TRUE(report.passed());
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_TRUE(report.notes.first().message.contains(u"96 × 96"_s));
}

} // namespace
} // namespace iconsmith
