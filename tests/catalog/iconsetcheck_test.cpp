#include "catalog/iconsetcheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "codec/sourceimage.h"
#include "generation/icongenerator.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class IconSetCheckTest : public ::testing::Test
{
protected:
    // A fresh iPhone + iPad set from an opaque source, as Iconsmith writes it.
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString source = m_dir.filePath(u"source.png"_s);
        test::writeTestPicture(source, QSize(256, 256), false);
        test::RecordingHost host;
        host.folder = m_dir.path();
        host.choice = 2;
        IconGenerator generator(host, test::shippedSizeTable());
        ASSERT_TRUE(generator.generateIconsWithImage(*SourceImage::load(source)).succeeded());
        m_set = m_dir.filePath(u"AppIcon.appiconset"_s);
    }

    QStringList problemsAbout() const
    {
        QStringList lines;
        for (const IconSetCheck::Problem &problem : IconSetCheck::check(m_set).problems)
            lines << problem.file + u": "_s + problem.message;
        return lines;
    }

    void rewriteContents(const std::function<void(QByteArray &)> &edit) const
    {
        QFile file(m_set + u"/Contents.json"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray json = file.readAll();
        file.close();
        edit(json);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
    }

    QTemporaryDir m_dir;
    QString m_set;
};

TEST_F(IconSetCheckTest, AFreshSetPasses)
{
    const IconSetCheck::Report result = IconSetCheck::check(m_set);
    EXPECT_TRUE(result.passed()) << problemsAbout().join(u'\n').toStdString();
    EXPECT_EQ(result.imagesChecked, 18);
}

TEST_F(IconSetCheckTest, FindsEveryKindOfProblemInABrokenSet)
{
    // Missing file, wrong size, a duplicate slot, an alpha channel on the App Store icon, and an
    // unlisted PNG.
    ASSERT_TRUE(QFile::remove(m_set + u"/Icon-20@3x.png"_s));
    test::writeTestPicture(m_set + u"/Icon-29@2x.png"_s, QSize(50, 50), false);
    test::writeTestPicture(m_set + u"/ios-marketing.png"_s, QSize(1024, 1024), true);
    test::writeTestPicture(m_set + u"/stray.png"_s, QSize(10, 10), false);
    rewriteContents([](QByteArray &json) {
        json.replace("\"filename\" : \"Icon-40@2x.png\",\n      \"idiom\" : \"iphone\",\n      \"scale\" : \"2x\",\n"
                     "      \"size\" : \"40x40\"",
                     "\"filename\" : \"Icon-40@2x.png\",\n      \"idiom\" : \"iphone\",\n      \"scale\" : \"2x\",\n"
                     "      \"size\" : \"20x20\"");
    });
    const QStringList problems = problemsAbout();
    const auto mentions = [&problems](const QString &file, const QString &words) {
        for (const QString &line : problems) {
            if (line.startsWith(file + u':') && line.contains(words))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(mentions(u"Icon-20@3x.png"_s, u"missing"_s));
    EXPECT_TRUE(mentions(u"Icon-29@2x.png"_s, u"50 × 50"_s));
    EXPECT_TRUE(mentions(u"Icon-40@2x.png"_s, u"another entry"_s));
    EXPECT_TRUE(mentions(u"ios-marketing.png"_s, u"alpha channel"_s));
    EXPECT_TRUE(mentions(u"stray.png"_s, u"unassigned"_s));
    // The renamed slot also finds its file the wrong size, and Icon-29@2x.png is listed for iPhone and iPad.
    EXPECT_EQ(problems.size(), 7) << problems.join(u'\n').toStdString();
}

TEST_F(IconSetCheckTest, AnUnreadableCatalogOrFolderIsOneProblem)
{
    rewriteContents([](QByteArray &json) { json.truncate(json.size() / 2); });
    ASSERT_EQ(IconSetCheck::check(m_set).problems.size(), 1);
    EXPECT_EQ(IconSetCheck::check(m_dir.filePath(u"nowhere"_s)).problems.size(), 1);
}

TEST(IconSetCheck, PixelsAreSizeTimesScale)
{
    EXPECT_EQ(IconSetCheck::pixelsFor(u"83.5"_s, u"2x"_s), 167);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"20"_s, u"3x"_s), 60);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"83.5"_s, u"1x"_s), -1);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"twenty"_s, u"2x"_s), -1);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"20"_s, u"2"_s), -1);
}

} // namespace
} // namespace iconsmith
