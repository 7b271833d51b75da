#include "generation/icongenerator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "codec/sourceimage.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;
using test::RecordingHost;

class ScaledImageSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_request.platform = Platform::fromChoice(6);
        m_request.saveFolder = m_dir.filePath(u"Save/Images"_s);
    }

    QList<QSize> generate(QSize sourceSize, bool zoomIn)
    {
        const QString path = m_dir.filePath(u"source.png"_s);
        test::writeTestPicture(path, sourceSize, true);
        const SourceImage source = *SourceImage::load(path);
        m_request.zoomIn = zoomIn;
        m_request.sizeTable = test::shippedSizeTable();
        IconGenerator generator(m_request, m_host);
        m_report = generator.generateScaleImage(source);
        QList<QSize> sizes;
        for (const char16_t *name : {u"Image.png", u"Image@2x.png", u"Image@3x.png"})
            sizes << test::readImage(m_request.saveFolder + u'/' + QString::fromUtf16(name)).size();
        return sizes;
    }

    QTemporaryDir m_dir;
    RecordingHost m_host;
    GenerationRequest m_request;
    GenerationReport m_report;
};

TEST_F(ScaledImageSetTest, ZoomInPutsTheSourceSizeAtOneX)
{
    EXPECT_EQ(generate(QSize(300, 300), true), (QList<QSize>{{300, 300}, {600, 600}, {900, 900}}));
    EXPECT_TRUE(m_report.succeeded());
}

TEST_F(ScaledImageSetTest, ZoomOutPutsTheSourceSizeAtThreeX)
{
    EXPECT_EQ(generate(QSize(300, 300), false), (QList<QSize>{{100, 100}, {200, 200}, {300, 300}}));
    EXPECT_EQ(generate(QSize(120, 60), false), (QList<QSize>{{40, 20}, {80, 40}, {120, 60}}));
    // Thirds round to the nearest pixel.
    EXPECT_EQ(generate(QSize(100, 100), false), (QList<QSize>{{33, 33}, {67, 67}, {100, 100}}));
    // Never smaller than one pixel.
    EXPECT_EQ(generate(QSize(1, 2), false), (QList<QSize>{{1, 1}, {1, 1}, {1, 2}}));
}

TEST_F(ScaledImageSetTest, SizesAreInSourcePixelsWhateverTheScreen)
{
    m_request.scaleFactor = 2;
    EXPECT_EQ(generate(QSize(300, 300), false), (QList<QSize>{{100, 100}, {200, 200}, {300, 300}}));
    m_request.scaleFactor = 1.5;
    EXPECT_EQ(generate(QSize(120, 60), true), (QList<QSize>{{120, 60}, {240, 120}, {360, 180}}));
}

TEST_F(ScaledImageSetTest, WritesIntoTheSaveFolderAndLeavesTheCatalogAlone)
{
    generate(QSize(30, 30), true);
    EXPECT_TRUE(m_report.succeeded());
    // The folder and its missing parent were created.
    EXPECT_EQ(QDir(m_request.saveFolder).entryList(QDir::Files, QDir::Name),
              (QStringList{u"Image.png"_s, u"Image@2x.png"_s, u"Image@3x.png"_s}));
    EXPECT_FALSE(QFileInfo::exists(m_request.saveFolder + u"/AppIcon.appiconset"_s));
    EXPECT_TRUE(m_host.logLines.isEmpty());
    EXPECT_EQ(m_host.shownFolders, QStringList{m_request.saveFolder});
}

TEST_F(ScaledImageSetTest, ASecondRunReplacesTheFilesAndShowsTheFolderAgain)
{
    generate(QSize(30, 30), true);
    EXPECT_EQ(generate(QSize(60, 30), true), (QList<QSize>{{60, 30}, {120, 60}, {180, 90}}));
    EXPECT_EQ(m_host.shownFolders.size(), 2);
}

} // namespace
} // namespace iconsmith
