#include "cli/clirunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "cli/clioptions.h"
#include "clirun.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

using test::CliRun;
using test::runCli;

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
        {m_source, u"--target"_s, u"ios,amiga"_s},
        {m_source, u"--target"_s, u"ios"_s, u"-p"_s, u"iphone"_s},
        {m_source, u"--dark"_s, m_source},
        {m_source, u"--layer-middle"_s, m_source},
        {m_source, u"--splash-logo"_s, m_source},
        {m_source, u"--target"_s, u"splash"_s, u"--splash-dark-background"_s, u"#12"_s},
        {m_source, u"--target"_s, u"android"_s, u"--android-inset"_s, u"60"_s},
        {m_source, u"--target"_s, u"ios"_s, u"--padding"_s, u"41"_s},
        {m_source, u"--padding"_s, u"10"_s},
        {m_source, u"--target"_s, u"linux"_s, u"--name"_s, u"../x"_s},
        {m_source, u"--only"_s, u"free"_s},
        {u"--config"_s, m_dir.filePath(u"iconsmith.json"_s), m_source},
        {u"--config"_s, m_dir.filePath(u"iconsmith.json"_s), u"-o"_s, m_output},
        {u"--config"_s, m_dir.filePath(u"missing.json"_s)},
    };
    for (const QStringList &arguments : misuses) {
        const CliRun result = runCli(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(u"--help"_s)) << result.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(m_output));
    }
}

TEST_F(CliRunnerTest, TargetsWriteIntoFoldersOfTheirOwnAndAMissingPictureFailsClearly)
{
    const CliRun result = runCli({m_source, u"-o"_s, m_output, u"--target"_s, u"watchos,windows"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"watchos/AppIcon.appiconset/AppIcon.png  1024x1024"_s))
        << result.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(m_output + u"/windows/app.ico"_s));

    // The middle layer's picture goes to the layered icons.
    ASSERT_EQ(runCli({m_source, u"-o"_s, m_output, u"--target"_s, u"visionos"_s, u"--layer-middle"_s, m_source}).status,
              0);
    EXPECT_TRUE(QFileInfo::exists(
        m_output + u"/visionos/AppIcon.solidimagestack/Middle.solidimagestacklayer/Content.imageset/Middle.png"_s));

    const CliRun missing =
        runCli({m_source, u"-o"_s, m_output, u"--target"_s, u"ios"_s, u"--dark"_s, m_dir.filePath(u"none.png"_s)});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(u"none.png"_s)) << missing.err.toStdString();
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

TEST_F(CliRunnerTest, ASaveFolderThatIsAFileIsOneErrorThatSaysSo)
{
    test::writeBytes(m_output, "a file");
    for (const QStringList &arguments : {generateArgs({u"-p"_s, u"iphone"_s}),
                                         QStringList{m_source, u"-o"_s, m_output, u"--target"_s, u"windows,web"_s}}) {
        const CliRun result = runCli(arguments);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(u"The save folder "_s + m_output + u" is a file"_s))
            << result.err.toStdString();
    }
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

TEST_F(CliRunnerTest, TargetsWarnOfASmallSourceAndStrictMakesItFail)
{
    test::writeTestPicture(m_source, QSize(256, 256), false);
    const QStringList arguments{m_source,         u"-o"_s,        m_output, u"--target"_s,
                                u"ios,android"_s, u"--padding"_s, u"12%"_s, u"-q"_s};
    const CliRun lenient = runCli(arguments);
    EXPECT_EQ(lenient.status, 0) << lenient.err.toStdString();
    EXPECT_TRUE(lenient.err.contains(u"256 × 256"_s)) << lenient.err.toStdString();
    EXPECT_EQ(runCli(arguments + QStringList{u"--strict"_s}).status, 3);
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

TEST_F(CliRunnerTest, TargetsIntoAFolderThatHoldsThemWarnOrReplaceTheirFoldersWithReplace)
{
    // A transparent logo gets a dark iOS icon, the opaque picture that follows does not.
    const QString logo = m_dir.filePath(u"logo.png"_s);
    test::writeTestPicture(logo, QSize(1024, 1024), true);
    ASSERT_EQ(runCli({logo, u"-q"_s, u"-o"_s, m_output, u"--target"_s, u"ios"_s}).status, 0);

    const QStringList opaque{m_source, u"-q"_s, u"-o"_s, m_output, u"--target"_s, u"ios"_s};
    const CliRun kept = runCli(opaque);
    EXPECT_EQ(kept.status, 0);
    EXPECT_TRUE(kept.err.contains(u"ios/AppIcon.appiconset/AppIcon-dark.png"_s)) << kept.err.toStdString();
    EXPECT_TRUE(kept.err.contains(u"--replace"_s)) << kept.err.toStdString();
    EXPECT_TRUE(kept.err.contains(u"--dark FILE"_s)) << "the note names the option: " << kept.err.toStdString();
    EXPECT_EQ(runCli({u"--check"_s, m_output}).status, 1);

    const CliRun replaced = runCli(opaque + QStringList{u"--replace"_s});
    EXPECT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_FALSE(replaced.err.contains(u"--replace"_s)) << replaced.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_output + u"/ios/AppIcon.appiconset/AppIcon-dark.png"_s));
    EXPECT_EQ(runCli({u"--check"_s, m_output}).status, 0);
}

TEST_F(CliRunnerTest, FitKeepsTheProportionsOfTheIconSetsAndGoesOnlyWithThem)
{
    test::writeTestPicture(m_source, QSize(1024, 512), false);
    const CliRun fitted = runCli(generateArgs({u"-q"_s, u"-p"_s, u"iphone"_s, u"--fit"_s}));
    EXPECT_EQ(fitted.status, 0) << fitted.err.toStdString();
    EXPECT_FALSE(fitted.err.contains(u"stretched"_s)) << fitted.err.toStdString();
    const test::DecodedImage icon = test::readImage(m_output + u"/AppIcon.appiconset/Icon-60@3x.png"_s);
    ASSERT_EQ(icon.bands, 4);
    EXPECT_EQ(icon.alpha(90, 5), 0);
    EXPECT_EQ(icon.alpha(90, 90), 255);

    EXPECT_EQ(runCli({m_source, u"-o"_s, m_output, u"--target"_s, u"ios"_s, u"--fit"_s}).status, 2);
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

    const CliRun json = runCli({u"--check"_s, set, u"--json"_s});
    EXPECT_EQ(json.status, 1);
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(document[u"status"_s].toInt(), 1);
    EXPECT_EQ(document[u"command"_s].toString(), u"check"_s);
    const QJsonArray problems = document[u"problems"_s].toArray();
    ASSERT_EQ(problems.size(), 1) << json.out.toStdString();
    EXPECT_EQ(problems[0][u"file"_s].toString(), u"Icon-76.png"_s);
    EXPECT_EQ(problems[0][u"message"_s].toString(), u"is listed but missing"_s);
}

TEST_F(CliRunnerTest, TheCheckNotesTheWatchImagesOfAllOnStandardErrorOnly)
{
    ASSERT_EQ(runCli(generateArgs({u"-q"_s, u"-p"_s, u"all"_s, u"--background"_s, u"white"_s})).status, 0);
    const QStringList check{u"--check"_s, m_output, u"--size-table"_s, test::shippedSizeTable()};
    const CliRun checked = runCli(check);
    EXPECT_EQ(checked.status, 0) << checked.out.toStdString();
    EXPECT_EQ(checked.out.count(u'\n'), 1) << checked.out.toStdString();
    EXPECT_EQ(checked.err.count(u"note: AppIcon.appiconset/watch-marketing.png: "_s), 1) << checked.err.toStdString();

    const QJsonObject json = QJsonDocument::fromJson(runCli(check + QStringList{u"--json"_s}).out.toUtf8()).object();
    EXPECT_EQ(json[u"notes"_s].toArray().size(), 14);
    EXPECT_EQ(json[u"checked"_s].toArray().first()[u"kind"_s].toString(), u"appiconset"_s);
}

class CliProjectTest : public CliRunnerTest
{
protected:
    void SetUp() override
    {
        CliRunnerTest::SetUp();
        // One opaque 1024-pixel picture, one small and transparent one that earns warnings.
        test::writeTestPicture(m_dir.filePath(u"clear.png"_s), QSize(128, 128), true);
        m_config = m_dir.filePath(u"iconsmith.json"_s);
        QFile file(m_config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({
            "output": "out",
            "recipes": {
                "opaque": {"source": "source.png", "targets": ["ios", "windows"]},
                "clear": {"source": "clear.png", "platform": "iphone", "output": "out/clear", "size-table": "%1"}
            }
        })"_ba.replace("%1", test::shippedSizeTable().toUtf8()));
    }
    QString m_config;
};

TEST_F(CliProjectTest, RecipesReportAsOneJsonDocumentAndNothingElse)
{
    const CliRun result = runCli({u"--config"_s, m_config, u"--json"_s, u"--strict"_s});
    EXPECT_EQ(result.status, 3) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    QJsonParseError error{};
    const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    EXPECT_EQ(document[u"version"_s].toInt(), 1);
    EXPECT_EQ(document[u"status"_s].toInt(), 3);
    const QJsonArray runs = document[u"runs"_s].toArray();
    ASSERT_EQ(runs.size(), 2);

    const QJsonObject clear = runs[0].toObject();
    EXPECT_EQ(clear[u"recipe"_s].toString(), u"clear"_s);
    EXPECT_EQ(clear[u"status"_s].toInt(), 3);
    QStringList kinds;
    for (const QJsonValue warning : clear[u"warnings"_s].toArray())
        kinds << warning[u"kind"_s].toString();
    EXPECT_TRUE(kinds.contains(u"transparent-marketing-icon"_s)) << kinds.join(u' ').toStdString();
    EXPECT_TRUE(kinds.contains(u"enlarged"_s)) << kinds.join(u' ').toStdString();
    bool sawTransparentPng = false;
    for (const QJsonValue file : clear[u"files"_s].toArray())
        sawTransparentPng = sawTransparentPng || (file[u"width"_s].toInt() > 0 && file[u"alpha"_s].toBool());
    EXPECT_TRUE(sawTransparentPng);

    const QJsonObject opaque = runs[1].toObject();
    EXPECT_EQ(opaque[u"status"_s].toInt(), 0);
    EXPECT_EQ(opaque[u"folder"_s].toString(), QDir::cleanPath(m_dir.filePath(u"out"_s)));
    QMap<QString, QJsonObject> files;
    for (const QJsonValue file : opaque[u"files"_s].toArray())
        files.insert(file[u"file"_s].toString(), file.toObject());
    const QJsonObject icon = files.value(u"ios/AppIcon.appiconset/AppIcon.png"_s);
    ASSERT_FALSE(icon.isEmpty()) << QStringList(files.keys()).join(u' ').toStdString();
    EXPECT_EQ(icon[u"width"_s].toInt(), 1024);
    EXPECT_FALSE(icon[u"alpha"_s].toBool());
    EXPECT_EQ(icon[u"bytes"_s].toInteger(), QFileInfo(icon[u"path"_s].toString()).size());
    const QJsonObject contents = files.value(u"ios/AppIcon.appiconset/Contents.json"_s);
    EXPECT_TRUE(contents[u"width"_s].isNull());
    EXPECT_TRUE(contents[u"alpha"_s].isNull());
    EXPECT_TRUE(files.contains(u"windows/app.ico"_s));
}

TEST_F(CliProjectTest, TheFileInTheCurrentFolderRunsWhenNoSourceIsGivenAndABadOneIsAUsageError)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    const CliRun only = runCli({u"--only"_s, u"opaque"_s});
    QDir::setCurrent(previous);
    EXPECT_EQ(only.status, 0) << only.err.toStdString();
    EXPECT_TRUE(only.out.contains(u"opaque: Wrote "_s)) << only.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(u"out/windows/app.ico"_s)));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"out/clear"_s)));

    QFile file(m_config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"recipes": {"pro": {"source": "source.png", "targets": ["ios", "amiga"]}}})");
    file.close();
    const CliRun bad = runCli({u"--config"_s, m_config, u"--json"_s});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(u"recipes.pro.targets[1]: Unknown target \"amiga\""_s)) << bad.err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(bad.out.toUtf8()).object();
    EXPECT_EQ(document[u"status"_s].toInt(), 2);
    EXPECT_TRUE(document[u"error"_s].toString().contains(u"recipes.pro.targets[1]"_s)) << bad.out.toStdString();
}

TEST_F(CliRunnerTest, NeitherTheSourceNorTheProjectFileIsEverWrittenOver)
{
    // A file of one recipe writes beside itself: the scaled set's @1x is the source's own name.
    const QString folder = m_dir.filePath(u"project"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(m_source, folder + u"/Image.png"_s));
    const QString config = folder + u"/iconsmith.json"_s;
    test::writeBytes(config, R"({"source": "Image.png", "platform": "scaled"})");
    // A project file under a name the set writes.
    const QString named = folder + u"/Image@3x.png"_s;
    test::writeBytes(named, R"({"source": "../source.png", "platform": "scaled"})");
    const auto before = test::snapshot(m_dir.path());
    for (const QString &file : {config, named}) {
        const CliRun result = runCli({u"--config"_s, file});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.contains(u"overwrite"_s)) << result.err.toStdString();
    }
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
}

TEST_F(CliRunnerTest, UnderJsonTheReplacedSetKeptBesideIsInTheDocumentAndStandardErrorIsQuiet)
{
    ASSERT_EQ(runCli(generateArgs({u"-q"_s, u"-p"_s, u"iphone"_s})).status, 0);
    const QByteArray home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    const CliRun result = runCli(generateArgs({u"-p"_s, u"ipad"_s, u"--replace"_s, u"--json"_s}));
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", dataHome);
    EXPECT_EQ(result.status, 0) << result.out.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    const QJsonArray notes = QJsonDocument::fromJson(result.out.toUtf8())[u"runs"_s][0][u"notes"_s].toArray();
    ASSERT_EQ(notes.size(), 1) << result.out.toStdString();
    EXPECT_TRUE(notes[0][u"message"_s].toString().contains(u"AppIcon.appiconset.replaced-"_s));
}

TEST_F(CliRunnerTest, NamesArePrintedWithoutTheirControlCharacters)
{
    // Listed names come from the file: an escape sequence in one must not reach the terminal.
    ASSERT_EQ(runCli(generateArgs({u"-q"_s, u"-p"_s, u"iphone"_s})).status, 0);
    const QString contents = m_output + u"/AppIcon.appiconset/Contents.json"_s;
    QFile file(contents);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray json = file.readAll();
    file.close();
    json.replace("Icon-20@2x.png", "\\u001b[2JIcon.png");
    test::writeBytes(contents, json);
    const CliRun checked = runCli({u"--check"_s, m_output + u"/AppIcon.appiconset"_s});
    EXPECT_FALSE(checked.out.contains(QChar(0x1b))) << checked.out.toStdString();
    EXPECT_TRUE(checked.out.contains(u"\\x1b[2JIcon.png: is listed but missing"_s)) << checked.out.toStdString();

    // Nor one in a recipe's name, nor a NUL, which a terminal shows as nothing at all.
    const QString config = m_dir.filePath(u"iconsmith.json"_s);
    test::writeBytes(config,
                     R"({"recipes": {"a\u001b]0;pwned\u0007\u0000b": {"source": "source.png", "targets": "ios"}}})");
    const CliRun named = runCli({u"--config"_s, config});
    EXPECT_EQ(named.status, 2);
    EXPECT_TRUE(named.err.contains(u"a\\x1b]0;pwned\\x07\\x00b"_s)) << named.err.toStdString();
    for (const QChar c : named.err)
        EXPECT_TRUE(c == u'\n' || c.category() != QChar::Other_Control) << int(c.unicode());
    EXPECT_EQ(named.err.count(u'\n'), 2) << named.err.toStdString();
}

TEST(CliOptions, PlatformNamesAndNumbers)
{
    const auto choice = [](const QString &text) {
        const std::optional<Platform> platform = Platform::fromText(text);
        return platform ? int(platform->choice()) : -1;
    };
    EXPECT_EQ(choice(u"iphone"_s), 0);
    EXPECT_EQ(choice(u"iPad"_s), 1);
    EXPECT_EQ(choice(u"iphone+ipad"_s), 2);
    EXPECT_EQ(choice(u"all"_s), 3);
    EXPECT_EQ(choice(u"scaled"_s), 6);
    EXPECT_EQ(choice(u"5"_s), 5);
    EXPECT_EQ(choice(u"-1"_s), -1);
    EXPECT_EQ(choice(u"7"_s), -1) << "the targets are --target, not a number";
    EXPECT_EQ(choice(u"watch"_s), -1);
}

TEST(CliOptions, DefaultsAreTheCurrentFolderIphoneAndIpadAndZoomIn)
{
    const Result<CliOptions> options = CliOptions::parse({u"iconsmith-cli"_s, u"a.png"_s});
    ASSERT_TRUE(options) << options.error().toStdString();
    EXPECT_EQ(options->output, u"."_s);
    EXPECT_EQ(options->platform.choice(), Platform::IPhoneAndIPad);
    EXPECT_TRUE(options->zoomIn);
    EXPECT_FALSE(options->rounded);
    EXPECT_FALSE(options->open);
    EXPECT_FALSE(options->background.has_value());
}

} // namespace
} // namespace iconsmith
