// What a run may write: never one of its inputs, never where it cannot put a set in place, and
// never into a folder another run is writing.
#include "generation/outputlock.h"
#include "generation/outputsets.h"
#include "generation/runplan.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <future>
#include <optional>
#include <thread>

#include <unistd.h>

#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class OutputSafetyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(u"art"_s)));
        m_source = m_dir.filePath(u"art/Image.png"_s);
        test::writeTestPicture(m_source, QSize(64, 64), true);
    }

    GenerationRequest request(const QString &make, const QString &saveFolder, const QString &source = {})
    {
        GenerationRequest asked;
        asked.source = *SourceImage::load(source.isEmpty() ? m_source : source);
        asked.saveFolder = saveFolder;
        asked.sizeTable = test::shippedSizeTable();
        if (make.startsWith(u"-p "_s)) {
            asked.platform = Platform::fromText(make.mid(3));
        } else {
            asked.platform = Platform::targets();
            asked.targets = make.split(u',');
        }
        return asked;
    }

    // The reason @p asked is refused, having checked that nothing at all changed.
    QString refusal(const GenerationRequest &asked)
    {
        const auto before = test::snapshot(m_dir.path());
        const Result<RunPlan> plan = RunPlan::prepare(asked);
        EXPECT_FALSE(plan);
        EXPECT_EQ(test::snapshot(m_dir.path()), before);
        return plan.error();
    }

    QTemporaryDir m_dir;
    test::RecordingHost m_host;
    QString m_source;
};

TEST_F(OutputSafetyTest, NoOutputIsEverWrittenOverAnInputHoweverTheFolderIsNamed)
{
    const QString art = m_dir.filePath(u"art"_s);
    // The scaled set into the source's own folder, named plainly, through "..", through a link.
    ASSERT_TRUE(QFile::link(art, m_dir.filePath(u"link"_s)));
    for (const QString &folder : {art, art + u"/../art"_s, m_dir.filePath(u"link"_s)}) {
        const QString reason = refusal(request(u"-p scaled"_s, folder));
        EXPECT_TRUE(reason.contains(m_source) && reason.contains(u"overwrite"_s)) << reason.toStdString();
    }
    // A second name of the source (a hard link) where the set's @2x goes.
    const QString other = m_dir.filePath(u"other"_s);
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_EQ(
        ::link(QFile::encodeName(m_source).constData(), QFile::encodeName(other + u"/Image@2x.png"_s).constData()), 0);
    EXPECT_FALSE(refusal(request(u"-p scaled"_s, other)).isEmpty());

    // The source, the size table, a further picture or the project file inside a folder that the
    // run replaces whole (--replace would send it to the trash with the set).
    const QString inSet = m_dir.filePath(u"save/AppIcon.appiconset/art.png"_s);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(inSet).path()));
    ASSERT_TRUE(QFile::copy(m_source, inSet));
    EXPECT_TRUE(refusal(request(u"-p iphone"_s, m_dir.filePath(u"save"_s), inSet)).contains(u"replaces as a whole"_s));
    GenerationRequest table = request(u"-p iphone"_s, m_dir.filePath(u"save"_s));
    table.sizeTable = inSet;
    EXPECT_TRUE(refusal(table).contains(inSet));
    GenerationRequest dark = request(u"ios"_s, m_dir.filePath(u"targets"_s));
    const QString darkPath = m_dir.filePath(u"targets/ios/dark.png"_s);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(darkPath).path()));
    ASSERT_TRUE(QFile::copy(m_source, darkPath));
    dark.pictures.insert(SourceRole::Dark, darkPath);
    EXPECT_TRUE(refusal(dark).contains(darkPath));
    GenerationRequest project = request(u"-p scaled"_s, other + u"/fresh"_s);
    ASSERT_TRUE(QDir().mkpath(other + u"/fresh"_s));
    test::writeBytes(other + u"/fresh/Image@3x.png"_s, R"({"source": "../../art/Image.png", "platform": "scaled"})");
    project.inputs << other + u"/fresh/Image@3x.png"_s;
    EXPECT_TRUE(refusal(project).contains(u"Image@3x.png"_s));

    // Beside a set, or in the save folder of one, an input is safe, and the run goes ahead.
    EXPECT_TRUE(RunPlan::prepare(request(u"-p iphone"_s, art)));
    EXPECT_TRUE(RunPlan::prepare(request(u"ios,web"_s, art)));
}

TEST_F(OutputSafetyTest, AFolderThatCannotTakeTheSetIsRefusedWithOneClearReason)
{
    const QString file = m_dir.filePath(u"afile"_s);
    test::writeBytes(file, "not a folder");
    EXPECT_TRUE(refusal(request(u"windows,web"_s, file)).contains(u"The save folder "_s + file + u" is a file"_s));
    EXPECT_TRUE(refusal(request(u"-p scaled"_s, file + u"/deeper"_s)).contains(u"cannot be made: "_s + file));
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath(u"out"_s)));
    test::writeBytes(m_dir.filePath(u"out/web"_s), "in the way");
    EXPECT_TRUE(refusal(request(u"windows,web"_s, m_dir.filePath(u"out"_s))).contains(m_dir.filePath(u"out/web"_s)));

    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold back root";
    const QString readOnly = m_dir.filePath(u"readonly"_s);
    ASSERT_TRUE(QDir().mkpath(readOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString reason = refusal(request(u"everything"_s, readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(reason.contains(u"cannot be written"_s)) << reason.toStdString();
}

TEST_F(OutputSafetyTest, RecipesOverlapWhenTheyWouldWriteTheSameFiles)
{
    const QString icons = m_dir.filePath(u"icons"_s);
    ASSERT_TRUE(QDir().mkpath(icons));
    ASSERT_TRUE(QFile::link(icons, m_dir.filePath(u"alias"_s)));
    const auto places = [](const QString &folder, const QString &make) {
        return make.startsWith(u"-p "_s) ? OutputSets::of(folder, Platform::fromText(make.mid(3)), {})
                                         : OutputSets::of(folder, Platform::targets(), make.split(u','));
    };
    const auto overlap = [&places](const QString &a, const QString &makeA, const QString &b, const QString &makeB) {
        for (const OutputSets::Place &one : places(a, makeA)) {
            for (const OutputSets::Place &other : places(b, makeB)) {
                if (OutputSets::overlap(one, other))
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(overlap(icons, u"ios,web"_s, icons + u"/ios"_s, u"-p iphone"_s)) << "a set inside another";
    EXPECT_TRUE(overlap(icons, u"web"_s, m_dir.filePath(u"alias"_s), u"web"_s)) << "one folder through a link";
    EXPECT_TRUE(overlap(icons + u"/ios"_s, u"-p scaled"_s, icons, u"ios"_s));
    EXPECT_FALSE(overlap(icons, u"-p scaled"_s, icons, u"ios,web"_s)) << "the scaled set beside target folders";
    EXPECT_FALSE(overlap(icons, u"ios"_s, m_dir.filePath(u"alias/web"_s), u"ios"_s));
}

TEST(OutputLock, ASecondRunWaitsForTheFirstAndNothingIsLeftBehind)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"new/save"_s);
    std::optional<Result<OutputLock>> first(OutputLock::acquire(folder, 0ms));
    ASSERT_TRUE(*first);
    EXPECT_TRUE((*first)->isExclusive());

    const Result<OutputLock> impatient = OutputLock::acquire(folder, 0ms);
    ASSERT_FALSE(impatient);
    EXPECT_TRUE(impatient.error().contains(folder)) << impatient.error().toStdString();
    std::stop_source stop;
    stop.request_stop();
    EXPECT_TRUE(OutputLock::acquire(folder, 60s, stop.get_token()).error().contains(u"cancelled"_s));

    // A patient one waits; it is let in when the first lets go.
    std::promise<void> waiting;
    auto second = std::async(std::launch::async,
                             [&] { return OutputLock::acquire(folder, 60s, {}, [&waiting] { waiting.set_value(); }); });
    waiting.get_future().wait();
    first.reset();
    const Result<OutputLock> taken = second.get();
    ASSERT_TRUE(taken) << taken.error().toStdString();

    // The lock is no file: the folder holds only what the run wrote.
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST(OutputLock, TheFoldersItMadeGoWhenTheRunLeftThemEmpty)
{
    QTemporaryDir dir;
    {
        const Result<OutputLock> lock = OutputLock::acquire(dir.filePath(u"a/b"_s), 0ms);
        ASSERT_TRUE(lock);
        EXPECT_TRUE(QFileInfo(dir.filePath(u"a/b"_s)).isDir());
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"a"_s)));
    {
        const Result<OutputLock> lock = OutputLock::acquire(dir.filePath(u"a/b"_s), 0ms);
        test::writeBytes(dir.filePath(u"a/b/kept.png"_s), "written");
    }
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(u"a/b/kept.png"_s)));
}

} // namespace
} // namespace iconsmith
