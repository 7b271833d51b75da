// A set is put in place whole or not at all: whatever goes wrong during a run, the set already
// in the folder stays byte for byte as it was, and nothing of a failed run is left behind.
#include "generation/runplan.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

#include "check/iconsetcheck.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// Files may grow no larger than @p bytes while it lives, as on a disk that is all but full: a
// write beyond fails with EFBIG through the very calls a full disk fails (ENOSPC).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_signal = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        const rlimit limit{bytes, m_previous.rlim_max};
        m_applied = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    [[nodiscard]] bool applied() const { return m_applied; }

private:
    rlimit m_previous{};
    void (*m_signal)(int) = SIG_DFL;
    bool m_applied = false;
};

class SetIntegrityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_good = m_dir.filePath(u"art/good.png"_s);
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(u"art"_s)));
        // Noise, which no PNG compresses: an image takes about its pixels' bytes on disk. It is
        // transparent at the left, so that a background colour shows in every opaque output.
        test::writePng(m_good, QSize(256, 256), [](int x, int y) {
            const auto noise = [](std::uint32_t v) { return std::uint8_t((v * 2654435761U) >> 24); };
            const auto at = std::uint32_t(y * 256 + x);
            return std::array<std::uint8_t, 4>{noise(at), noise(at + 7919), noise(at * 31 + 1),
                                               std::uint8_t(x < 64 ? 0 : 255)};
        });
        m_out = m_dir.filePath(u"out"_s);
    }

    GenerationReport run(const QString &source, const QString &make, std::optional<RgbColor> background = {})
    {
        GenerationRequest request;
        const Result<SourceImage> loaded = SourceImage::load(source);
        EXPECT_TRUE(loaded) << qPrintable(loaded.error());
        request.source = *loaded;
        request.saveFolder = m_out;
        request.sizeTable = test::shippedSizeTable();
        request.background = background;
        if (make.startsWith(u"-p "_s)) {
            request.platform = Platform::fromText(make.mid(3));
        } else {
            request.platform = Platform::targets();
            request.targets = make.split(u',');
        }
        Result<RunPlan> plan = RunPlan::prepare(request);
        EXPECT_TRUE(plan) << qPrintable(plan.error());
        return plan ? plan->run(m_host) : GenerationReport();
    }

    // Every way to make a set: the classic icon set, the scaled image set, targets.
    const QStringList m_makes{u"-p iphone+ipad"_s, u"-p scaled"_s, u"ios,android,web,linux"_s};

    QTemporaryDir m_dir;
    test::RecordingHost m_host;
    QString m_good;
    QString m_out;
};

TEST_F(SetIntegrityTest, ADamagedSourceLeavesAGoodSetByteForByte)
{
    // Its header reads, so it passes as a picture up front; its pixels stop halfway.
    QFile good(m_good);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const QString damaged = m_dir.filePath(u"art/damaged.png"_s);
    test::writeBytes(damaged, bytes.left(bytes.size() / 2));
    ASSERT_TRUE(SourceImage::load(damaged));

    for (const QString &make : m_makes) {
        SCOPED_TRACE(make.toStdString());
        ASSERT_TRUE(run(m_good, make).succeeded());
        const auto before = test::snapshot(m_dir.path());
        const GenerationReport report = run(damaged, make);
        EXPECT_FALSE(report.failures.isEmpty());
        EXPECT_TRUE(report.written.isEmpty());
        // No document rewritten without the images it listed, no image of the damaged source.
        EXPECT_EQ(test::snapshot(m_dir.path()), before);
    }
}

TEST_F(SetIntegrityTest, AFullDiskOnAReRunLeavesTheSetByteForByte)
{
    for (const QString &make : m_makes) {
        SCOPED_TRACE(make.toStdString());
        ASSERT_TRUE(run(m_good, make).succeeded());
        const auto before = test::snapshot(m_dir.path());
        GenerationReport report;
        {
            // Room for the small icons and the documents, not for the large ones.
            const FileSizeLimit nearlyFull(64 * 1024);
            ASSERT_TRUE(nearlyFull.applied());
            report = run(m_good, make, RgbColor{10, 20, 30});
        }
        ASSERT_FALSE(report.failures.isEmpty());
        EXPECT_TRUE(report.written.isEmpty());
        EXPECT_EQ(test::snapshot(m_dir.path()), before);
        // With room again, the same run goes through and the set checks clean.
        ASSERT_TRUE(run(m_good, make, RgbColor{10, 20, 30}).succeeded());
        const IconSetCheck::Report check = IconSetCheck::check(m_out, {test::shippedSizeTable()});
        EXPECT_TRUE(check.passed()) << check.problems.value(0).file.toStdString() << ": "
                                    << check.problems.value(0).message.toStdString();
    }
}

TEST_F(SetIntegrityTest, EachTargetIsASetOfItsOwn)
{
    ASSERT_TRUE(run(m_good, u"ios,android"_s).succeeded());
    // Something the Android set cannot get past, in the middle of its files.
    const QString inTheWay = m_out + u"/android/res/mipmap-hdpi/ic_launcher_monochrome.png"_s;
    ASSERT_TRUE(QFile::remove(inTheWay));
    ASSERT_TRUE(QDir().mkpath(inTheWay));
    const auto android = test::snapshot(m_out + u"/android"_s);
    const QByteArray iosIcon = test::snapshot(m_out + u"/ios"_s).value(u"AppIcon.appiconset/AppIcon.png"_s);

    const GenerationReport report = run(m_good, u"ios,android"_s, RgbColor{200, 0, 0});
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_EQ(report.failures[0].path, inTheWay);
    // Android keeps its XML naming the layers it has; iOS, complete, is in place with the new colour.
    EXPECT_EQ(test::snapshot(m_out + u"/android"_s), android);
    EXPECT_NE(test::snapshot(m_out + u"/ios"_s).value(u"AppIcon.appiconset/AppIcon.png"_s), iosIcon);
    for (const GenerationReport::WrittenFile &file : report.written)
        EXPECT_TRUE(file.path.startsWith(m_out + u"/ios/"_s)) << file.path.toStdString();
    ASSERT_EQ(report.noteMessages().filter(u"nothing was put in place"_s).size(), 1);
    EXPECT_TRUE(report.noteMessages().filter(u"nothing was put in place"_s)[0].startsWith(m_out + u"/android"_s));
}

TEST_F(SetIntegrityTest, ANewSetKeepsWhatTheFolderHeldBesideItAndWhatItCannotSee)
{
    ASSERT_TRUE(run(m_good, u"-p all"_s).succeeded());
    const QString set = m_out + u"/AppIcon.appiconset"_s;
    test::writeBytes(set + u"/notes.txt"_s, "the user's own");
    ASSERT_TRUE(QDir().mkpath(set + u"/extra/deeper"_s));
    test::writeBytes(set + u"/extra/deeper/keep.txt"_s, "kept");
    ASSERT_TRUE(QFile::link(u"notes.txt"_s, set + u"/link-to-notes"_s));
    ASSERT_TRUE(QFile::setPermissions(set + u"/Icon-20@2x.png"_s, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    // What killed runs left: a staging folder beside the set and one inside it.
    ASSERT_TRUE(QDir().mkpath(m_out + u"/.AppIcon.appiconset.iconsmith-staging-0123abcd/half"_s));
    ASSERT_TRUE(QDir().mkpath(set + u"/.iconsmith-staging-89abcdef"_s));
    const auto before = test::snapshot(set);

    ASSERT_TRUE(run(m_good, u"-p iphone"_s, RgbColor{0, 0, 255}).succeeded());
    const auto after = test::snapshot(set);
    // The user's files, the watch images and the iPad ones stay; an iPhone image is new and keeps
    // the permissions its file had.
    for (const QString &kept :
         {u"notes.txt"_s, u"extra/deeper/keep.txt"_s, u"link-to-notes"_s, u"Icon-24@2x.png"_s, u"Icon-76.png"_s})
        EXPECT_EQ(after.value(kept), before.value(kept)) << kept.toStdString();
    EXPECT_NE(after.value(u"Icon-20@2x.png"_s), before.value(u"Icon-20@2x.png"_s));
    EXPECT_EQ(int(QFileInfo(set + u"/Icon-20@2x.png"_s).permissions() & 0x7077), 0x6000);
    EXPECT_FALSE(after.contains(u".iconsmith-staging-89abcdef"_s));
    EXPECT_EQ(QDir(m_out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"AppIcon.appiconset"_s});
}

TEST_F(SetIntegrityTest, ASetFolderNamedThroughALinkStaysALink)
{
    const QString real = m_dir.filePath(u"shared/ios"_s);
    ASSERT_TRUE(QDir().mkpath(real));
    ASSERT_TRUE(QDir().mkpath(m_out));
    ASSERT_TRUE(QFile::link(real, m_out + u"/ios"_s));
    ASSERT_TRUE(run(m_good, u"ios"_s).succeeded());
    ASSERT_TRUE(run(m_good, u"ios"_s, RgbColor{0, 128, 0}).succeeded());
    EXPECT_TRUE(QFileInfo(m_out + u"/ios"_s).isSymLink());
    EXPECT_EQ(test::readImage(real + u"/AppIcon.appiconset/AppIcon.png"_s).at(0, 0, 1), 128);
    EXPECT_EQ(QDir(m_dir.filePath(u"shared"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"ios"_s});
}

} // namespace
} // namespace iconsmith
