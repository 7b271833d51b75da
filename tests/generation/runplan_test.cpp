#include "generation/runplan.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class RunPlanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_request.saveFolder = m_dir.filePath(u"out"_s);
        m_request.sizeTable = test::shippedSizeTable();
        m_request.platform = Platform::fromChoice(Platform::IPhoneAndIPad);
        m_request.source = picture(u"logo.png"_s, QSize(1024, 1024), true);
    }

    SourceImage picture(const QString &name, QSize size, bool transparent)
    {
        const QString path = m_dir.filePath(name);
        test::writeTestPicture(path, size, transparent);
        return *SourceImage::load(path);
    }

    void targets(const QStringList &names)
    {
        m_request.platform = Platform::targets();
        m_request.targets = names;
    }

    [[nodiscard]] QString refusal() const
    {
        const Result<RunPlan> plan = RunPlan::prepare(m_request);
        EXPECT_FALSE(plan);
        EXPECT_FALSE(QFileInfo::exists(m_request.saveFolder)) << "nothing is written before a refusal";
        return plan.error();
    }

    QTemporaryDir m_dir;
    GenerationRequest m_request;
    test::RecordingHost m_host;
};

TEST_F(RunPlanTest, RequestsThatCannotBeMadeAreRefusedWithTheirReason)
{
    m_request.platform.reset();
    EXPECT_FALSE(refusal().isEmpty());
    m_request.platform = Platform::fromChoice(0);
    m_request.saveFolder = u"  "_s;
    EXPECT_FALSE(refusal().isEmpty());
    m_request.saveFolder = m_dir.filePath(u"out"_s);

    // The scaled image set of a long strip would be 18000 pixels wide at @3x.
    m_request.platform = Platform::fromChoice(Platform::ScaledImageSet);
    m_request.source = picture(u"strip.png"_s, QSize(6000, 4), false);
    EXPECT_TRUE(refusal().contains(u"18000 × 12"_s));
    m_request.zoomIn = false;
    EXPECT_TRUE(RunPlan::prepare(m_request)) << "zoomed out, the same image fits";

    targets({u"ios"_s});
    m_request.name = u"a/b"_s;
    EXPECT_TRUE(refusal().contains(u"a/b"_s));
    m_request.name.clear();
    const QString broken = m_dir.filePath(u"dark.png"_s);
    test::writeBytes(broken, "not a picture");
    m_request.pictures.insert(SourceRole::Dark, broken);
    const QString reason = refusal();
    EXPECT_TRUE(reason.contains(u"Dark"_s) && reason.contains(broken)) << qPrintable(reason);
}

TEST_F(RunPlanTest, TheTargetsNameIsTheOneGivenElseTheSourcesElseIcon)
{
    EXPECT_EQ(RunPlan::fileNameFor(m_request), u"logo"_s);
    m_request.name = u" Pro "_s;
    EXPECT_EQ(RunPlan::fileNameFor(m_request), u"Pro"_s);
    m_request.name.clear();
    m_request.source = picture(u".png"_s, QSize(16, 16), false);
    EXPECT_EQ(RunPlan::fileNameFor(m_request), u"icon"_s) << "a source without a base name";
}

TEST_F(RunPlanTest, EachChoiceWritesWhereAndHowManyFilesItSays)
{
    Result<RunPlan> plan = RunPlan::prepare(m_request);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->folder(), m_request.saveFolder + u"/AppIcon.appiconset"_s);
    // Every PNG of the table, then Contents.json.
    EXPECT_EQ(plan->expectedFiles(), plan->outputs().outputs.size() + 1);

    m_request.platform = Platform::fromChoice(Platform::ScaledImageSet);
    plan = RunPlan::prepare(m_request);
    EXPECT_EQ(plan->folder(), m_request.saveFolder);
    EXPECT_EQ(plan->expectedFiles(), 3);

    targets({u"ios"_s, u"web"_s});
    plan = RunPlan::prepare(m_request);
    EXPECT_EQ(plan->folder(), m_request.saveFolder);
    EXPECT_EQ(plan->expectedFiles(), 0) << "known only once the pictures are read";
    ASSERT_EQ(plan->outputs().outputs.size(), 1);
    EXPECT_EQ(plan->outputs().outputs[0].pixels, QSize(1024, 1024));
    EXPECT_FALSE(plan->conflict().any());
}

TEST_F(RunPlanTest, TheRunReportsTheWarningsAboutWhatItMade)
{
    // A transparent source makes a transparent App Store icon, which a background colour fills.
    Result<RunPlan> plan = RunPlan::prepare(m_request);
    GenerationReport report = plan->run(m_host);
    ASSERT_TRUE(report.succeeded());
    ASSERT_TRUE(report.catalog.has_value());
    EXPECT_FALSE(report.catalog->images.isEmpty());
    ASSERT_EQ(report.warnings.size(), 1);
    EXPECT_EQ(report.warnings[0].kind, SourceWarning::Kind::TransparentMarketingIcon);

    m_request.background = RgbColor{255, 255, 255};
    report = RunPlan::prepare(m_request)->run(m_host);
    EXPECT_TRUE(report.warnings.isEmpty());
}

TEST_F(RunPlanTest, TheTargetsWarnOfASourceTheyWouldEnlarge)
{
    targets({u"ios"_s, u"android"_s});
    const auto enlarged = [this] {
        const QList<SourceWarning> warnings = RunPlan::sourceWarnings(m_request, false);
        return std::count_if(warnings.begin(), warnings.end(), [](const SourceWarning &warning) {
            return warning.kind == SourceWarning::Kind::Enlarged;
        });
    };
    for (const int side : {64, 256, 1023}) {
        m_request.source = picture(u"small.png"_s, QSize(side, side), false);
        EXPECT_EQ(enlarged(), 1) << side;
    }
    // The longer side is what is fitted to the largest icon; a drawing is drawn at every size.
    m_request.source = picture(u"wide.png"_s, QSize(1024, 300), false);
    EXPECT_EQ(enlarged(), 0);
    const QString svg = m_dir.filePath(u"small.svg"_s);
    test::writeBytes(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\">"
                          "<rect width=\"64\" height=\"64\" fill=\"#3366ff\"/></svg>");
    m_request.source = *SourceImage::load(svg);
    EXPECT_EQ(enlarged(), 0);

    // The run keeps both: the source's warnings, then what it found about what it made.
    m_request.source = picture(u"small.png"_s, QSize(256, 256), true);
    m_request.pictures.insert(SourceRole::Dark, m_dir.filePath(u"dark.png"_s));
    test::writePng(m_dir.filePath(u"dark.png"_s), QSize(64, 64), [](int x, int) {
        return std::array<std::uint8_t, 4>{10, 10, 10, std::uint8_t(x < 32 ? 255 : 0)};
    });
    const GenerationReport report = RunPlan::prepare(m_request)->run(m_host);
    ASSERT_TRUE(report.succeeded());
    ASSERT_EQ(report.warnings.size(), 2);
    EXPECT_EQ(report.warnings[0].kind, SourceWarning::Kind::Enlarged);
    EXPECT_EQ(report.warnings[1].kind, SourceWarning::Kind::HardToSee);
}

TEST_F(RunPlanTest, TheTargetsReadTheirPicturesTheBackgroundColourAndTheAppsName)
{
    targets({u"ios"_s, u"android-tv"_s});
    m_request.name = u"Logo TV"_s;
    m_request.pictures.insert(SourceRole::Dark, m_dir.filePath(u"logo.png"_s));
    m_request.background = RgbColor{10, 20, 30};
    const GenerationReport report = RunPlan::prepare(m_request)->run(m_host);
    ASSERT_TRUE(report.succeeded()) << qPrintable(report.failures.value(0).reason);
    EXPECT_TRUE(QFileInfo::exists(m_request.saveFolder + u"/ios/AppIcon.appiconset/AppIcon-dark.png"_s));
    const test::DecodedImage icon = test::readImage(m_request.saveFolder + u"/ios/AppIcon.appiconset/AppIcon.png"_s);
    EXPECT_EQ(icon.at(0, 0, 0), 10);
    EXPECT_EQ(icon.at(0, 0, 2), 30);
    EXPECT_EQ(m_host.shownFolders, QStringList{m_request.saveFolder});
    // The name given is set, in white on the dark background, in the banner's last third, beside the logo.
    const test::DecodedImage banner =
        test::readImage(m_request.saveFolder + u"/android-tv/res/drawable-xhdpi/banner.png"_s);
    int lettering = 0;
    for (int y = 0; y < banner.height; ++y)
        for (int x = banner.width * 2 / 3; x < banner.width; ++x)
            lettering += banner.at(x, y, 0) > 200 && banner.at(x, y, 1) > 200 && banner.at(x, y, 2) > 200 ? 1 : 0;
    EXPECT_GT(lettering, 50);
}

} // namespace
} // namespace iconsmith
