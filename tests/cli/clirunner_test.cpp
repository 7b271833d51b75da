#include "cli/clirunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

#include "cli/clioptions.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

QString drain(FILE *file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(n));
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

CliRun runCli(const QStringList &arguments)
{
    FILE *out = std::tmpfile();
    FILE *err = std::tmpfile();
    CliRun result;
    {
        CliRunner runner(out, err);
        result.status = runner.run(QStringList{u"iconsmith-cli"_s} + arguments);
    }
    result.out = drain(out);
    result.err = drain(err);
    return result;
}

class CliRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // Opaque, square and as large as the App Store icon: nothing to warn about.
        m_source = m_dir.filePath(u"source.png"_s);
        test::writeTestPicture(m_source, QSize(1024, 1024), false);
        m_output = m_dir.filePath(u"out"_s);
    }
    QStringList generateArgs(const QStringList &extra = {}) const
    {
        return QStringList{m_source, u"-o"_s, m_output, u"--size-table"_s, test::shippedSizeTable()} + extra;
    }

    QTemporaryDir m_dir;
    QString m_source;
    QString m_output;
};

TEST_F(CliRunnerTest, WritesTheIphoneAndIpadSetByDefault)
{
    const CliRun result = runCli(generateArgs());
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    // 15 distinct PNG files, Contents.json and the summary.
    ASSERT_EQ(lines.size(), 17) << result.out.toStdString();
    EXPECT_EQ(lines.first(), u"Icon-20@2x.png  40x40"_s);
    EXPECT_TRUE(lines.contains(u"ios-marketing.png  1024x1024"_s));
    EXPECT_TRUE(lines.contains(u"Icon-83_5@2x.png  167x167"_s));
    EXPECT_TRUE(lines.contains(u"Contents.json"_s));
    EXPECT_TRUE(lines.last().startsWith(u"Wrote 16 files to "_s)) << lines.last().toStdString();
    EXPECT_EQ(QDir(m_output + u"/AppIcon.appiconset"_s).entryList(QDir::Files).size(), 16);
}

TEST_F(CliRunnerTest, QuietPrintsNothingAndTwoRunsGiveTheSameBytes)
{
    ASSERT_EQ(runCli(generateArgs({u"--quiet"_s})).status, 0);
    QFile marketing(m_output + u"/AppIcon.appiconset/ios-marketing.png"_s);
    ASSERT_TRUE(marketing.open(QIODevice::ReadOnly));
    const QByteArray first = marketing.readAll();
    marketing.close();
    const CliRun second = runCli(generateArgs({u"-q"_s}));
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.out.isEmpty());
    ASSERT_TRUE(marketing.open(QIODevice::ReadOnly));
    EXPECT_EQ(marketing.readAll(), first);
}

TEST_F(CliRunnerTest, TheScaledSetGoesStraightIntoTheFolder)
{
    const CliRun result = runCli(generateArgs({u"-p"_s, u"scaled"_s, u"--zoom"_s, u"out"_s}));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"Image.png  341x341"_s)) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(u"Image@3x.png  1024x1024"_s));
    EXPECT_FALSE(QFileInfo::exists(m_output + u"/AppIcon.appiconset"_s));
}

TEST_F(CliRunnerTest, UsageErrorsExitWithTwo)
{
    const QList<QStringList> misuses = {
        {},
        {m_source, m_source},
        {m_source, u"-p"_s, u"android"_s},
        {m_source, u"-p"_s, u"7"_s},
        {m_source, u"--zoom"_s, u"sideways"_s},
        {m_source, u"-o"_s, QString()},
        {m_source, u"--background"_s, u"#12345"_s},
        {m_source, u"--no-such-option"_s},
    };
    for (const QStringList &arguments : misuses) {
        const CliRun result = runCli(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(u"--help"_s)) << result.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(m_output));
    }
}

TEST_F(CliRunnerTest, ASourceThatIsMissingOrNotAnImageFailsClearly)
{
    const CliRun missing = runCli({m_dir.filePath(u"nope.png"_s), u"-o"_s, m_output});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(u"does not exist"_s)) << missing.err.toStdString();
    const QString text = m_dir.filePath(u"readme.txt"_s);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("hello");
    file.close();
    const CliRun notImage = runCli({text, u"-o"_s, m_output});
    EXPECT_EQ(notImage.status, 1);
    EXPECT_TRUE(notImage.err.contains(u"not an image"_s)) << notImage.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_output));
}

TEST_F(CliRunnerTest, AnUnreadableSizeTableFailsAndSaysWhich)
{
    const QString table = m_dir.filePath(u"missing.plist"_s);
    const CliRun result = runCli({m_source, u"-o"_s, m_output, u"--size-table"_s, table});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(u"missing.plist"_s)) << result.err.toStdString();
}

TEST_F(CliRunnerTest, EveryFileThatCouldNotBeWrittenIsListed)
{
    QFile blocker(m_output);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const CliRun result = runCli(generateArgs({u"-p"_s, u"iphone"_s}));
    EXPECT_EQ(result.status, 1);
    // The folder, nine PNG files and Contents.json.
    EXPECT_EQ(result.err.count(u'\n'), 11) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"Wrote 0 files"_s)) << result.out.toStdString();
}

TEST_F(CliRunnerTest, WarningsGoToStandardErrorAndStrictMakesThemFail)
{
    // A small picture with a transparent band: the App Store icon would be soft and transparent.
    test::writeTestPicture(m_source, QSize(128, 128), true);
    const CliRun lenient = runCli(generateArgs({u"-q"_s}));
    EXPECT_EQ(lenient.status, 0);
    EXPECT_TRUE(lenient.err.contains(u"warning:"_s)) << lenient.err.toStdString();
    EXPECT_TRUE(lenient.err.contains(u"--background"_s));
    // 128 pixels is smaller than the 1024-pixel App Store icon.
    EXPECT_TRUE(lenient.err.contains(u"128 × 128"_s)) << lenient.err.toStdString();
    const CliRun strict = runCli(generateArgs({u"-q"_s, u"--strict"_s}));
    EXPECT_EQ(strict.status, 3);
    // Warnings never stop the files from being written.
    EXPECT_TRUE(QFileInfo::exists(m_output + u"/AppIcon.appiconset/ios-marketing.png"_s));
}

TEST_F(CliRunnerTest, ABackgroundColourFlattensTheSetAndItPassesTheCheck)
{
    test::writeTestPicture(m_source, QSize(1024, 1024), true);
    const CliRun generated = runCli(generateArgs({u"-q"_s, u"--background"_s, u"#336699"_s}));
    ASSERT_EQ(generated.status, 0) << generated.err.toStdString();
    EXPECT_FALSE(generated.err.contains(u"App Store icon"_s)) << generated.err.toStdString();
    const test::DecodedImage marketing = test::readImage(m_output + u"/AppIcon.appiconset/ios-marketing.png"_s);
    ASSERT_EQ(marketing.bands, 3);
    EXPECT_EQ(marketing.at(0, 0, 0), 0x33);
    EXPECT_EQ(marketing.at(0, 0, 2), 0x99);
    const CliRun checked = runCli({u"--check"_s, m_output + u"/AppIcon.appiconset"_s});
    EXPECT_EQ(checked.status, 0) << checked.out.toStdString();
    EXPECT_TRUE(checked.out.contains(u"18 images, no problems"_s)) << checked.out.toStdString();
}

TEST_F(CliRunnerTest, AnotherSetIntoTheSameFolderWarnsOrReplacesWithReplace)
{
    ASSERT_EQ(runCli(generateArgs({u"-q"_s, u"-p"_s, u"iphone"_s})).status, 0);
    const CliRun kept = runCli(generateArgs({u"-q"_s, u"-p"_s, u"ipad"_s}));
    EXPECT_EQ(kept.status, 0);
    EXPECT_TRUE(kept.err.contains(u"Icon-60@3x.png"_s)) << kept.err.toStdString();
    EXPECT_TRUE(kept.err.contains(u"--replace"_s)) << kept.err.toStdString();
    const QString iconSet = m_output + u"/AppIcon.appiconset"_s;
    EXPECT_EQ(runCli({u"--check"_s, iconSet}).status, 1);

    const CliRun replaced = runCli(generateArgs({u"-q"_s, u"-p"_s, u"ipad"_s, u"--replace"_s}));
    EXPECT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.err.isEmpty()) << replaced.err.toStdString();
    EXPECT_EQ(runCli({u"--check"_s, iconSet}).status, 0);
}

TEST_F(CliRunnerTest, SizesTooLargeToMakeFailBeforeAnythingIsWritten)
{
    test::writeTestPicture(m_source, QSize(6000, 40), false);
    const CliRun result = runCli(generateArgs({u"-p"_s, u"scaled"_s}));
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(u"18000 × 120"_s)) << result.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_output));
}

TEST_F(CliRunnerTest, TheCheckListsOneLinePerProblemAndFails)
{
    ASSERT_EQ(runCli(generateArgs({u"-q"_s})).status, 0);
    const QString set = m_output + u"/AppIcon.appiconset"_s;
    ASSERT_TRUE(QFile::remove(set + u"/Icon-76.png"_s));
    const CliRun checked = runCli({u"--check"_s, set});
    EXPECT_EQ(checked.status, 1);
    const QStringList lines = checked.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << checked.out.toStdString();
    EXPECT_EQ(lines[0], u"Icon-76.png: is listed but missing"_s);
    EXPECT_TRUE(lines[1].endsWith(u"1 problem."_s));
}

TEST(CliOptions, PlatformNamesAndNumbers)
{
    EXPECT_EQ(CliOptions::platformFromText(u"iphone"_s), 0);
    EXPECT_EQ(CliOptions::platformFromText(u"iPad"_s), 1);
    EXPECT_EQ(CliOptions::platformFromText(u"iphone+ipad"_s), 2);
    EXPECT_EQ(CliOptions::platformFromText(u"all"_s), 3);
    EXPECT_EQ(CliOptions::platformFromText(u"scaled"_s), 6);
    EXPECT_EQ(CliOptions::platformFromText(u"5"_s), 5);
    EXPECT_EQ(CliOptions::platformFromText(u"-1"_s), -1);
    EXPECT_EQ(CliOptions::platformFromText(u"watch"_s), -1);
}

TEST(CliOptions, DefaultsAreTheCurrentFolderIphoneAndIpadAndZoomIn)
{
    QString error;
    const auto options = CliOptions::parse({u"iconsmith-cli"_s, u"a.png"_s}, &error);
    ASSERT_TRUE(options.has_value()) << error.toStdString();
    EXPECT_EQ(options->output, u"."_s);
    EXPECT_EQ(options->platform, 2);
    EXPECT_TRUE(options->zoomIn);
    EXPECT_FALSE(options->rounded);
    EXPECT_FALSE(options->open);
    EXPECT_FALSE(options->background.has_value());
}

} // namespace
} // namespace iconsmith
