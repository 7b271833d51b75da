#include "generation/existingset.h"
#include "generation/runcontrol.h"
#include "generation/runplan.h"
#include "generation/stagedfolder.h"
#include "generation/trashcan.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "check/iconsetcheck.h"
#include "codec/sourceimage.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;
using test::RecordingHost;

// Every entry below @p folder, hidden ones included, so that a staging folder left behind shows.
QStringList everythingBelow(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

class SetReplacementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_request.saveFolder = m_dir.filePath(u"Save"_s);
        const QString sourcePath = m_dir.filePath(u"source.png"_s);
        test::writeTestPicture(sourcePath, QSize(1024, 1024), false);
        m_source = *SourceImage::load(sourcePath);
        ASSERT_FALSE(m_source.isNull());
    }

    [[nodiscard]] QString iconSet() const { return m_request.saveFolder + u"/AppIcon.appiconset"_s; }

    [[nodiscard]] Result<RunPlan> plan(int choice)
    {
        m_request.platform = Platform::fromChoice(choice);
        m_request.sizeTable = test::shippedSizeTable();
        m_request.source = m_source;
        return RunPlan::prepare(m_request);
    }

    GenerationReport generate(int choice, bool replace = false, RunControl *control = nullptr)
    {
        Result<RunPlan> prepared = plan(choice);
        EXPECT_TRUE(prepared) << qPrintable(prepared.error());
        prepared->setReplaceExisting(replace);
        return prepared->run(m_host, control);
    }

    [[nodiscard]] ExistingSet::Conflict conflictFor(int choice) { return plan(choice)->conflict(); }

    QTemporaryDir m_dir;
    RecordingHost m_host;
    GenerationRequest m_request;
    SourceImage m_source;
};

TEST_F(SetReplacementTest, FindsTheFilesANewSetWouldLeaveUnlisted)
{
    EXPECT_FALSE(conflictFor(1).any()) << "a missing folder spoils nothing";
    ASSERT_TRUE(generate(0).succeeded());
    EXPECT_FALSE(conflictFor(0).any()) << "the same set again writes every file it finds";
    EXPECT_FALSE(conflictFor(2).any()) << "iPhone + iPad lists every iPhone file";

    const ExistingSet::Conflict ipad = conflictFor(1);
    EXPECT_EQ(ipad.leftOvers, (QStringList{u"Icon-20@3x.png"_s, u"Icon-29@3x.png"_s, u"Icon-40@3x.png"_s,
                                           u"Icon-60@2x.png"_s, u"Icon-60@3x.png"_s}));
    EXPECT_EQ(ipad.listedImagesLost, 0);

    // An empty catalog over a good set loses its listing, even where no PNG is left over.
    const ExistingSet good = ExistingSet::read(iconSet());
    for (const QString &png : good.pngFiles())
        ASSERT_TRUE(QFile::remove(iconSet() + u'/' + png));
    const ExistingSet::Conflict empty = conflictFor(5);
    EXPECT_TRUE(empty.leftOvers.isEmpty());
    EXPECT_EQ(empty.listedImagesLost, 9);
}

TEST_F(SetReplacementTest, ReplacingPutsTheOldSetInTheTrashAndTheNewOneInPlaceWhole)
{
    ASSERT_TRUE(generate(0).succeeded());
    m_host.shownFolders.clear();
    const GenerationReport report = generate(1, true);

    ASSERT_TRUE(report.succeeded()) << qPrintable(report.failures.value(0).reason);
    EXPECT_TRUE(IconSetCheck::check(iconSet()).passed());
    EXPECT_FALSE(QFileInfo::exists(iconSet() + u"/Icon-60@3x.png"_s));
    // The test environment points the data folder, and with it the trash, into the build tree.
    const QString trashed = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/files"_s;
    QStringList inTrash;
    QDirIterator it(trashed, {u"Icon-60@3x.png"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        inTrash << it.next();
    EXPECT_FALSE(inTrash.isEmpty()) << qPrintable(trashed);
    EXPECT_EQ(
        everythingBelow(m_request.saveFolder),
        QStringList{u"AppIcon.appiconset"_s} +
            [this] {
                QStringList files;
                for (const QString &name : QDir(iconSet()).entryList(QDir::Files | QDir::Hidden))
                    files << u"AppIcon.appiconset/"_s + name;
                return files;
            }())
        << "no staging folder is left behind";
    EXPECT_EQ(m_host.shownFolders.size(), 1);
    for (const GenerationReport::WrittenFile &file : report.written)
        EXPECT_EQ(file.mask, file.pixels.isEmpty() ? DisplayMask::None : DisplayMask::RoundedSquare);
}

TEST_F(SetReplacementTest, ASaveFolderGivenRelativelyFindsItsOwnFilesAgain)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    m_request.platform = Platform::targets();
    m_request.targets = {u"web"_s};
    m_request.saveFolder = u"site"_s;
    m_request.source = m_source;
    Result<RunPlan> first = RunPlan::prepare(m_request);
    const bool written = first && first->run(m_host).succeeded();
    Result<RunPlan> again = RunPlan::prepare(m_request);
    QDir::setCurrent(before);
    ASSERT_TRUE(written);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->conflict().leftOvers, QStringList());
}

TEST_F(SetReplacementTest, ASecondTargetsRunFindsWhatItWouldLeaveAndReplacesEachTargetFolderWhole)
{
    // A logo on transparency gets a dark iOS icon; the opaque picture that follows does not.
    const QString logo = m_dir.filePath(u"logo.png"_s);
    test::writeTestPicture(logo, QSize(1024, 1024), true);
    m_request.platform = Platform::targets();
    m_request.targets = {u"ios"_s, u"web"_s};
    m_request.source = *SourceImage::load(logo);
    Result<RunPlan> first = RunPlan::prepare(m_request);
    ASSERT_TRUE(first) << qPrintable(first.error());
    EXPECT_FALSE(first->conflict().any()) << "nothing is there yet";
    ASSERT_TRUE(first->run(m_host).succeeded());
    const QString dark = m_request.saveFolder + u"/ios/AppIcon.appiconset/AppIcon-dark.png"_s;
    ASSERT_TRUE(QFileInfo::exists(dark));
    test::writeBytes(m_request.saveFolder + u"/notes.txt"_s, "the user's own file");

    m_request.source = m_source;
    Result<RunPlan> merged = RunPlan::prepare(m_request);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->conflict().leftOvers, QStringList{u"ios/AppIcon.appiconset/AppIcon-dark.png"_s});
    EXPECT_EQ(merged->conflict().folders, QStringList{m_request.saveFolder + u"/ios"_s});
    // Merged, the old dark icon stays behind, listed by nothing: the folder fails the check.
    ASSERT_TRUE(merged->run(m_host).succeeded());
    EXPECT_TRUE(QFileInfo::exists(dark));
    EXPECT_FALSE(IconSetCheck::check(m_request.saveFolder).passed());

    Result<RunPlan> replaced = RunPlan::prepare(m_request);
    ASSERT_TRUE(replaced);
    replaced->setReplaceExisting(true);
    const GenerationReport report = replaced->run(m_host);
    ASSERT_TRUE(report.succeeded()) << qPrintable(report.failures.value(0).reason);
    EXPECT_FALSE(QFileInfo::exists(dark));
    EXPECT_TRUE(IconSetCheck::check(m_request.saveFolder).passed());
    EXPECT_FALSE(RunPlan::prepare(m_request)->conflict().any());
    EXPECT_TRUE(QFileInfo::exists(m_request.saveFolder + u"/notes.txt"_s)) << "only the targets' folders are replaced";
    for (const QString &entry : everythingBelow(m_request.saveFolder))
        EXPECT_FALSE(entry.contains(u"staging"_s)) << qPrintable(entry);
    const QString trashed = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/files"_s;
    QDirIterator inTrash(trashed, {u"AppIcon-dark.png"_s}, QDir::Files, QDirIterator::Subdirectories);
    EXPECT_TRUE(inTrash.hasNext()) << "the old folder is in the trash";
}

TEST_F(SetReplacementTest, WithoutATrashTheOldSetIsKeptBesideAndTheRunSaysWhere)
{
    ASSERT_TRUE(QDir().mkpath(m_request.saveFolder + u"/Old"_s));
    test::writeBytes(m_request.saveFolder + u"/Old/kept.png"_s, "the user's own file");

    StagedFolder staged(m_request.saveFolder + u"/Old"_s, StagedFolder::Mode::Replace);
    staged.setTrash([](const QString &) -> Result<void> { return Failure{u"no trash here"_s}; });
    ASSERT_TRUE(staged.create());
    test::writeBytes(staged.stagedPath(m_request.saveFolder + u"/Old/new.png"_s), "new");
    EXPECT_TRUE(staged.commit().isEmpty());
    EXPECT_EQ(staged.whyNotTrashed(), u"no trash here"_s);
    const QString kept = QFileInfo(staged.keptAt()).fileName();
    EXPECT_TRUE(kept.startsWith(u"Old.replaced-"_s)) << kept.toStdString();
    QStringList expected{u"Old"_s, u"Old/new.png"_s, kept, kept + u"/kept.png"_s};
    expected.sort();
    EXPECT_EQ(everythingBelow(m_request.saveFolder), expected);

    // Without a home there is no trash to use: the old set is kept beside, never moved into a
    // trash made at the root of the file system.
    ASSERT_TRUE(generate(0).succeeded());
    const QByteArray home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(TrashCan::homeTrash());
    const GenerationReport report = generate(1, true);
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_TRUE(report.succeeded()) << qPrintable(report.failures.value(0).reason);
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_TRUE(report.notes[0].message.contains(u"HOME is not set"_s)) << qPrintable(report.notes[0].message);
    const QStringList beside = QDir(m_request.saveFolder).entryList({u"AppIcon.appiconset.replaced-*"_s}, QDir::Dirs);
    ASSERT_EQ(beside.size(), 1);
    EXPECT_TRUE(report.notes[0].message.contains(beside[0]));
    EXPECT_TRUE(QFileInfo::exists(m_request.saveFolder + u'/' + beside[0] + u"/Icon-60@3x.png"_s));
    EXPECT_TRUE(IconSetCheck::check(iconSet()).passed());
}

TEST_F(SetReplacementTest, ACancelledRunLeavesTheFolderAsItWas)
{
    ASSERT_TRUE(generate(0).succeeded());
    const QStringList before = everythingBelow(m_dir.path());
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        RunControl control;
        // Stops the run from inside, after its first file, as a Cancel button would.
        control.setProgressHandler([&control](int finished) {
            if (finished == 1)
                control.cancel();
        });
        m_host.shownFolders.clear();
        const GenerationReport report = generate(3, replace, &control);
        EXPECT_TRUE(report.cancelled);
        EXPECT_TRUE(report.written.isEmpty());
        EXPECT_TRUE(report.failures.isEmpty());
        EXPECT_EQ(control.filesFinished(), 1);
        EXPECT_EQ(everythingBelow(m_dir.path()), before);
        EXPECT_TRUE(m_host.shownFolders.isEmpty());
    }

    // A scaled image set into a folder that is not there yet: the folder does not appear.
    m_request.saveFolder = m_dir.filePath(u"New/Images"_s);
    RunControl control;
    control.cancel();
    EXPECT_TRUE(generate(6, false, &control).cancelled);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"New"_s)));
}

} // namespace
} // namespace iconsmith
