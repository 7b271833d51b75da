#include "catalog/iconsetcheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "codec/sourceimage.h"
#include "generation/icongenerator.h"
#include "support/testsupport.h"

#include <sys/stat.h>

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

TEST_F(IconSetCheckTest, NamesLeadingOutOfTheSetAreNeverOpened)
{
    // A picture beside the set, and a link inside the set that leads to it.
    test::writeTestPicture(m_dir.filePath(u"beside.png"_s), QSize(20, 20), false);
    ASSERT_TRUE(QFile::link(m_dir.filePath(u"beside.png"_s), m_set + u"/link.png"_s));
    rewriteContents([](QByteArray &json) {
        QByteArray extra;
        for (const char *name : {"../beside.png", "/etc/shadow", "sub/x.png", "a\\\\b.png", "x\\u0000.png", "link.png"})
            extra += QByteArray(R"({"filename":")") + name + R"(","idiom":"iphone","scale":"1x","size":"20x20"},)";
        json.replace("\"images\" : [", "\"images\" : [" + extra);
    });
    QStringList outside;
    for (const QString &line : problemsAbout()) {
        if (line.contains(u"not opened"_s))
            outside << line.section(u':', 0, 0);
        // Whether a file outside the set exists is none of the check's business.
        EXPECT_FALSE(line.contains(u"missing"_s)) << line.toStdString();
    }
    EXPECT_EQ(outside.size(), 6) << problemsAbout().join(u'\n').toStdString();
}

TEST_F(IconSetCheckTest, FifosAndDevicesNeitherBlockNorAreRead)
{
    ASSERT_TRUE(QFile::remove(m_set + u"/Icon-76.png"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_set + u"/Icon-76.png"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::remove(m_set + u"/Icon-40.png"_s));
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, m_set + u"/Icon-40.png"_s));
    const QStringList problems = problemsAbout();
    ASSERT_EQ(problems.size(), 2) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.filter(u"Icon-76.png: "_s).first().contains(u"not a regular file"_s));
    EXPECT_TRUE(problems.filter(u"Icon-40.png: "_s).first().contains(u"leads outside"_s));

    // A Contents.json that is a FIFO is one problem too, not a wait for a writer.
    const QString fifoSet = m_dir.filePath(u"Fifo.appiconset"_s);
    ASSERT_TRUE(QDir().mkpath(fifoSet));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoSet + u"/Contents.json"_s).constData(), 0600), 0);
    const IconSetCheck::Report report = IconSetCheck::check(fifoSet);
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems.first().message.contains(u"not a regular file"_s));
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
