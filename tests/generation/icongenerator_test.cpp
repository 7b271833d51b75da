#include "generation/icongenerator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "catalog/contentsdocument.h"
#include "codec/sourceimage.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;
using test::RecordingHost;

using Rows = QList<std::pair<QString, QString>>;

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class IconGeneratorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_request.saveFolder = m_dir.filePath(u"Save"_s);
        const QString sourcePath = m_dir.filePath(u"source.png"_s);
        test::writeTestPicture(sourcePath, QSize(256, 256), false);
        m_source = *SourceImage::load(sourcePath);
        ASSERT_FALSE(m_source.isNull());
    }

    QString iconSet() const { return m_request.saveFolder + u"/AppIcon.appiconset"_s; }
    QString iconSetFile(const QString &name) const { return iconSet() + u'/' + name; }

    ContentsDocument readContents() const
    {
        QFile file(iconSetFile(u"Contents.json"_s));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "Contents.json is missing";
        const Result<ContentsDocument> document = ContentsDocument::fromJson(file.readAll());
        EXPECT_TRUE(document);
        return document ? *document : ContentsDocument();
    }

    QStringList pngsInIconSet() const { return QDir(iconSet()).entryList({u"*.png"_s}, QDir::Files, QDir::Name); }

    QString table(const QList<Rows> &idioms) { return test::writeSizeTable(m_dir.path(), idioms); }

    GenerationReport generate(const QString &tablePath)
    {
        m_request.sizeTable = tablePath;
        IconGenerator generator(m_request, m_host);
        return generator.generateIconsWithImage(m_source);
    }

    QTemporaryDir m_dir;
    RecordingHost m_host;
    GenerationRequest m_request;
    SourceImage m_source;
};

const QList<Rows> workedExample = {
    {{u"Icon-29@2x"_s, u"{58, 58}"_s}, {u"Icon-60@3x"_s, u"{180, 180}"_s}, {u"ios-marketing"_s, u"{1024, 1024}"_s}},
    {{u"Icon-76"_s, u"{76, 76}"_s}, {u"Icon-83_5@2x"_s, u"{167, 167}"_s}, {u"ios-marketing"_s, u"{1024, 1024}"_s}},
    {}};

TEST_F(IconGeneratorTest, IphoneAndIpadAtScaleFactorTwoMakeTheWorkedExample)
{
    m_request.platform = Platform::fromChoice(2);
    m_request.scaleFactor = 2;
    const GenerationReport report = generate(table(workedExample));
    EXPECT_TRUE(report.succeeded());

    const std::pair<const char16_t *, int> files[] = {{u"Icon-29@2x.png", 58},
                                                      {u"Icon-60@3x.png", 180},
                                                      {u"ios-marketing.png", 1024},
                                                      {u"Icon-76.png", 76},
                                                      {u"Icon-83_5@2x.png", 167}};
    EXPECT_EQ(pngsInIconSet().size(), 5);
    for (const auto &[name, pixels] : files) {
        const test::DecodedImage image = test::readImage(iconSetFile(QString::fromUtf16(name)));
        EXPECT_EQ(image.size(), QSize(pixels, pixels)) << QString::fromUtf16(name).toStdString();
    }

    const ContentsDocument contents = readContents();
    EXPECT_EQ(contents.author, u"xcode"_s);
    EXPECT_EQ(contents.version, 1);
    const QList<CatalogEntry> expected = {{u"Icon-29@2x.png"_s, u"iphone"_s, u"2x"_s, u"29x29"_s},
                                          {u"Icon-60@3x.png"_s, u"iphone"_s, u"3x"_s, u"60x60"_s},
                                          {u"ios-marketing.png"_s, u"ios-marketing"_s, u"1x"_s, u"1024x1024"_s},
                                          {u"Icon-76.png"_s, u"ipad"_s, u"1x"_s, u"76x76"_s},
                                          {u"Icon-83_5@2x.png"_s, u"ipad"_s, u"2x"_s, u"83.5x83.5"_s}};
    EXPECT_EQ(contents.images, expected);

    const QStringList expectedLog = {u"Icon-29@2x"_s, u"Icon-60@3x"_s, u"ios-marketing"_s,
                                     // The marketing check walks the list before appending the first marketing entry.
                                     u"Icon-29@2x.png"_s, u"Icon-60@3x.png"_s, u"ipad"_s, u"Icon-76"_s, u"76"_s,
                                     u"ipad"_s, u"Icon-83_5@2x"_s, u"83_5"_s, u"ipad"_s, u"ios-marketing"_s,
                                     u"arketing"_s, u"Icon-29@2x.png"_s, u"Icon-60@3x.png"_s, u"ios-marketing.png"_s,
                                     u"Icon-76.png"_s, u"Icon-83_5@2x.png"_s, u"Already exist"_s};
    EXPECT_EQ(m_host.logLines, expectedLog);
    // Two passes ask to show the save folder; one action shows it once.
    EXPECT_EQ(m_host.shownFolders, QStringList{m_request.saveFolder});
}

TEST_F(IconGeneratorTest, TheShippedTableMakesACompleteIphoneAndIpadCatalog)
{
    m_request.platform = Platform::fromChoice(2);
    m_request.sizeTable = test::shippedSizeTable();
    IconGenerator generator(m_request, m_host);
    ASSERT_TRUE(generator.generateIconsWithImage(m_source).succeeded());
    const ContentsDocument contents = readContents();
    EXPECT_EQ(contents.images.size(), 18);
    EXPECT_EQ(pngsInIconSet().size(), 15);
    for (const CatalogEntry &entry : contents.images) {
        const QString file = iconSetFile(entry.filename);
        ASSERT_TRUE(QFileInfo::exists(file)) << entry.filename.toStdString();
        const double points = entry.size.section(u'x', 0, 0).toDouble();
        const double scale = entry.scale.chopped(1).toDouble();
        const int pixels = int(std::lround(points * scale));
        EXPECT_EQ(test::readImage(file).size(), QSize(pixels, pixels)) << entry.filename.toStdString();
    }
    // Exactly one marketing entry, and every (idiom, size, scale) once.
    QSet<QString> seen;
    for (const CatalogEntry &entry : contents.images) {
        const QString key = entry.idiom + u' ' + entry.size + u' ' + entry.scale;
        EXPECT_FALSE(seen.contains(key)) << key.toStdString();
        seen.insert(key);
    }
}

TEST_F(IconGeneratorTest, TheEmptyCatalogChoicesWriteOnlyContentsJson)
{
    for (const int choice : {4, 5}) {
        m_request.platform = Platform::fromChoice(choice);
        m_host.shownFolders.clear();
        EXPECT_TRUE(generate(table(workedExample)).succeeded());
        EXPECT_TRUE(QFileInfo(iconSet()).isDir());
        EXPECT_TRUE(pngsInIconSet().isEmpty());
        EXPECT_TRUE(readContents().images.isEmpty());
        EXPECT_TRUE(m_host.shownFolders.isEmpty());
    }
}

TEST_F(IconGeneratorTest, AllThreeIdiomsWriteIntoOneFolderAndListOnlyIphoneAndIpad)
{
    m_request.platform = Platform::fromChoice(3);
    const QList<Rows> idioms = {{{u"Icon-20@2x"_s, u"{40, 40}"_s}},
                                {{u"Icon-76"_s, u"{76, 76}"_s}},
                                {{u"Icon-24@2x"_s, u"{48, 48}"_s}, {u"watch-marketing"_s, u"{1024, 1024}"_s}}};
    EXPECT_TRUE(generate(table(idioms)).succeeded());
    EXPECT_EQ(pngsInIconSet(),
              (QStringList{u"Icon-20@2x.png"_s, u"Icon-24@2x.png"_s, u"Icon-76.png"_s, u"watch-marketing.png"_s}));
    const ContentsDocument contents = readContents();
    ASSERT_EQ(contents.images.size(), 2);
    EXPECT_EQ(contents.images[0].idiom, u"iphone"_s);
    EXPECT_EQ(contents.images[1].idiom, u"ipad"_s);
    EXPECT_EQ(m_host.shownFolders.size(), 1);
}

TEST_F(IconGeneratorTest, AnEmptyPassStillShowsTheFolder)
{
    m_request.platform = Platform::fromChoice(0);
    EXPECT_TRUE(generate(table({{}, {}, {}})).succeeded());
    EXPECT_EQ(m_host.shownFolders, QStringList{m_request.saveFolder});
    EXPECT_TRUE(readContents().images.isEmpty());
}

TEST_F(IconGeneratorTest, ASecondRunReplacesItsFilesAndKeepsTheOthers)
{
    const QString tablePath = table(workedExample);
    m_request.platform = Platform::fromChoice(3);
    ASSERT_TRUE(generate(tablePath).succeeded());
    QFile stale(iconSetFile(u"Icon-29@2x.png"_s));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("not a picture");
    stale.close();

    m_request.platform = Platform::fromChoice(0);
    ASSERT_TRUE(generate(tablePath).succeeded());
    EXPECT_EQ(test::readImage(iconSetFile(u"Icon-29@2x.png"_s)).width, 58);
    EXPECT_TRUE(QFileInfo::exists(iconSetFile(u"Icon-76.png"_s)));
    EXPECT_TRUE(QFileInfo::exists(iconSetFile(u"Icon-83_5@2x.png"_s)));
    const ContentsDocument contents = readContents();
    ASSERT_EQ(contents.images.size(), 3);
    for (const CatalogEntry &entry : contents.images)
        EXPECT_NE(entry.idiom, u"ipad"_s);
}

TEST_F(IconGeneratorTest, PixelSizesNeverDependOnTheScreen)
{
    const QString tablePath =
        table({{{u"Icon-wide@2x"_s, u"{100, 50}"_s}, {u"Icon-83_5@2x"_s, u"{167, 167}"_s}}, {}, {}});
    m_request.platform = Platform::fromChoice(0);
    for (const double factor : {1.0, 2.0, 1.25, 3.0}) {
        m_request.scaleFactor = factor;
        ASSERT_TRUE(generate(tablePath).succeeded());
        EXPECT_EQ(test::readImage(iconSetFile(u"Icon-wide@2x.png"_s)).size(), QSize(100, 50)) << factor;
        EXPECT_EQ(test::readImage(iconSetFile(u"Icon-83_5@2x.png"_s)).size(), QSize(167, 167)) << factor;
    }
}

TEST_F(IconGeneratorTest, ANonAsciiIconNameKeepsItsFileAndTheCatalog)
{
    m_request.platform = Platform::fromChoice(0);
    ASSERT_TRUE(generate(table({{{u"Icône-20@2x"_s, u"{40, 40}"_s}}, {}, {}})).succeeded());
    EXPECT_TRUE(QFileInfo::exists(iconSetFile(u"Icône-20@2x.png"_s)));
    const ContentsDocument contents = readContents();
    ASSERT_EQ(contents.images.size(), 1);
    EXPECT_EQ(contents.images[0].filename, u"Icône-20@2x.png"_s);
}

TEST_F(IconGeneratorTest, APercentSignIsPartOfTheFolderName)
{
    m_request.saveFolder = m_dir.filePath(u"My%20Icons"_s);
    m_request.platform = Platform::fromChoice(0);
    ASSERT_TRUE(generate(table(workedExample)).succeeded());
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(u"My%20Icons/AppIcon.appiconset/Contents.json"_s)));
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(u"My%20Icons/AppIcon.appiconset/Icon-29@2x.png"_s)));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"My Icons"_s)));
    EXPECT_EQ(m_host.shownFolders, QStringList{m_request.saveFolder});
}

TEST_F(IconGeneratorTest, AMissingSizeTableIsReportedAndLeavesTheSetAsItWas)
{
    m_request.platform = Platform::fromChoice(2);
    ASSERT_TRUE(generate(table(workedExample)).succeeded());
    const auto before = test::snapshot(m_dir.path());
    const GenerationReport report = generate(m_dir.filePath(u"nowhere/SizeFile.plist"_s));
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_TRUE(report.failures[0].path.endsWith(u"nowhere/SizeFile.plist"_s));
    // An empty catalog would unlist every image of the good set.
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
    EXPECT_TRUE(report.written.isEmpty());
}

TEST_F(IconGeneratorTest, AFileThatCannotBeWrittenKeepsTheWholeSetAsItWas)
{
    m_request.platform = Platform::fromChoice(0);
    ASSERT_TRUE(QDir().mkpath(iconSetFile(u"Icon-60@3x.png"_s)));
    const QString tablePath = table(workedExample);
    const auto before = test::snapshot(m_dir.path());
    const GenerationReport report = generate(tablePath);
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_TRUE(report.failures[0].path.endsWith(u"Icon-60@3x.png"_s));
    EXPECT_FALSE(report.failures[0].reason.isEmpty());
    // Neither the two files that could be made nor a catalog listing them: the set goes in whole or not at all.
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
    EXPECT_TRUE(report.written.isEmpty());
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_TRUE(report.notes[0].message.contains(u"nothing was put in place"_s))
        << report.notes[0].message.toStdString();
}

TEST_F(IconGeneratorTest, AnUnwritableSaveFolderIsOneFailureAndNothingIsDrawn)
{
    // A plain file where the save folder should be: no folder can be made inside it, even by root.
    QFile blocker(m_request.saveFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const int choice : {0, 6}) {
        m_request.platform = Platform::fromChoice(choice);
        m_request.sizeTable = table(workedExample);
        IconGenerator generator(m_request, m_host);
        const GenerationReport report = generator.generate(m_source);
        ASSERT_EQ(report.failures.size(), 1) << choice;
        EXPECT_TRUE(report.failures[0].path.startsWith(m_request.saveFolder));
        EXPECT_TRUE(report.written.isEmpty());
        EXPECT_TRUE(generator.images().isEmpty());
    }
    // A file is never handed to the desktop to "show": that would open it.
    EXPECT_TRUE(m_host.shownFolders.isEmpty());
}

TEST_F(IconGeneratorTest, RunsAreByteForByteRepeatable)
{
    m_request.platform = Platform::fromChoice(2);
    const QString tablePath = table(workedExample);
    ASSERT_TRUE(generate(tablePath).succeeded());
    QFile first(iconSetFile(u"ios-marketing.png"_s));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray before = first.readAll();
    first.close();
    ASSERT_TRUE(generate(tablePath).succeeded());
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), before);
}

TEST_F(IconGeneratorTest, OpaqueIconsAreWrittenWithoutAlphaAndTransparentOnesWithIt)
{
    m_request.platform = Platform::fromChoice(0);
    const QString tablePath = table(workedExample);
    GenerationReport report = generate(tablePath);
    EXPECT_FALSE(report.sourceHasTransparency);
    EXPECT_EQ(test::readImage(iconSetFile(u"ios-marketing.png"_s)).bands, 3);
    EXPECT_EQ(test::readImage(iconSetFile(u"Icon-29@2x.png"_s)).bands, 3);

    const QString transparent = m_dir.filePath(u"transparent.png"_s);
    test::writeTestPicture(transparent, QSize(256, 256), true);
    m_source = *SourceImage::load(transparent);
    report = generate(tablePath);
    EXPECT_TRUE(report.sourceHasTransparency);
    const test::DecodedImage marketing = test::readImage(iconSetFile(u"ios-marketing.png"_s));
    ASSERT_EQ(marketing.bands, 4);
    EXPECT_EQ(marketing.alpha(0, 500), 0);
}

TEST_F(IconGeneratorTest, ABackgroundColourFillsTransparencyInEveryIcon)
{
    const QString transparent = m_dir.filePath(u"transparent.png"_s);
    test::writeTestPicture(transparent, QSize(256, 256), true);
    m_source = *SourceImage::load(transparent);
    m_request.platform = Platform::fromChoice(0);
    m_request.rounded = true;
    m_request.background = RgbColor{255, 128, 0};
    ASSERT_TRUE(generate(table(workedExample)).succeeded());
    for (const char16_t *name : {u"ios-marketing.png", u"Icon-29@2x.png", u"Icon-60@3x.png"}) {
        const test::DecodedImage image = test::readImage(iconSetFile(QString::fromUtf16(name)));
        ASSERT_EQ(image.bands, 3) << QString::fromUtf16(name).toStdString();
        // The rounded-off corner and the transparent band on the left are the background now.
        for (const auto &[x, y] : {std::pair{0, 0}, std::pair{1, image.height / 2}}) {
            EXPECT_EQ(image.at(x, y, 0), 255);
            EXPECT_EQ(image.at(x, y, 1), 128);
            EXPECT_EQ(image.at(x, y, 2), 0);
        }
    }
}

TEST_F(IconGeneratorTest, FitKeepsAWidePicturesProportionsWithMarginsOfTheBackground)
{
    const QString wide = m_dir.filePath(u"wide.png"_s);
    test::writeTestPicture(wide, QSize(400, 200), false);
    m_source = *SourceImage::load(wide);
    m_request.platform = Platform::fromChoice(0);
    m_request.fit = true;
    const QString tablePath = table(workedExample);
    ASSERT_TRUE(generate(tablePath).succeeded());
    // The picture fills the middle half; the bands above and below are transparent.
    test::DecodedImage icon = test::readImage(iconSetFile(u"Icon-60@3x.png"_s));
    ASSERT_EQ(icon.bands, 4);
    EXPECT_EQ(icon.alpha(90, 10), 0);
    EXPECT_EQ(icon.alpha(90, 170), 0);
    EXPECT_EQ(icon.alpha(90, 90), 255);
    EXPECT_EQ(icon.alpha(0, 90), 255) << "the picture reaches the sides";

    m_request.background = RgbColor{0, 0, 255};
    ASSERT_TRUE(generate(tablePath).succeeded());
    icon = test::readImage(iconSetFile(u"Icon-60@3x.png"_s));
    ASSERT_EQ(icon.bands, 3);
    EXPECT_EQ(icon.at(90, 10, 2), 255);
    EXPECT_EQ(icon.at(90, 10, 0), 0);

    // A square picture comes out byte for byte as stretched.
    m_request.background.reset();
    test::writeTestPicture(wide, QSize(256, 256), false);
    m_source = *SourceImage::load(wide);
    ASSERT_TRUE(generate(tablePath).succeeded());
    const QByteArray fitted = bytesOf(iconSetFile(u"Icon-60@3x.png"_s));
    m_request.fit = false;
    ASSERT_TRUE(generate(tablePath).succeeded());
    EXPECT_EQ(bytesOf(iconSetFile(u"Icon-60@3x.png"_s)), fitted);
}

TEST_F(IconGeneratorTest, ThePlanListsWhatTheChoiceWouldMake)
{
    m_request.platform = Platform::fromChoice(1);
    m_request.sizeTable = table(workedExample);
    const OutputPlan plan = IconGenerator::outputPlan(m_request);
    ASSERT_EQ(plan.outputs.size(), 3);
    EXPECT_EQ(plan.outputs[1].name, u"Icon-83_5@2x"_s);
    EXPECT_EQ(plan.outputs[1].pixels, QSize(167, 167));
    EXPECT_TRUE(plan.stretched);
    m_request.platform = Platform::fromChoice(6);
    EXPECT_FALSE(IconGenerator::outputPlan(m_request).stretched);
}

TEST_F(IconGeneratorTest, ANameGivenTwoSizesKeepsItsFirstRowAndEachRepeatIsReported)
{
    // Twice in the iPhone dictionary, and again at another size in the iPad pass of the same run.
    m_request.platform = Platform::fromChoice(2);
    const GenerationReport report = generate(table({{{u"Same"_s, u"{10, 10}"_s}, {u"Same"_s, u"{30, 30}"_s}},
                                                    {{u"Same"_s, u"{20, 20}"_s}, {u"Icon-76"_s, u"{76, 76}"_s}},
                                                    {}}));
    ASSERT_EQ(report.failures.size(), 2);
    EXPECT_TRUE(report.failures[0].reason.contains(u"second row named \"Same\""_s));
    EXPECT_TRUE(report.failures[1].path.endsWith(u"/Same.png"_s));
    EXPECT_TRUE(report.failures[1].reason.contains(u"ipad row \"Same\""_s)) << report.failures[1].reason.toStdString();
    // A table that cannot make its set whole makes none of it.
    EXPECT_FALSE(QFileInfo::exists(iconSet()));
    EXPECT_TRUE(report.written.isEmpty());
}

TEST_F(IconGeneratorTest, NamesThatWouldLeaveTheFolderAreRefused)
{
    m_request.platform = Platform::fromChoice(0);
    const GenerationReport report = generate(table({{{u"../escape"_s, u"{40, 40}"_s}}, {}, {}}));
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(m_request.saveFolder + u"/escape.png"_s));
    EXPECT_FALSE(QFileInfo::exists(iconSet()));
}

} // namespace
} // namespace iconsmith
