#include <gtest/gtest.h>

#include "generation/trashcan.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class ProjectSafetyTest : public test::ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        test::fixtures::androidModule(path(u"android/app"_s));
        test::fixtures::tauriApp(path(u"src-tauri"_s));
    }
};

TEST_F(ProjectSafetyTest, AFailureHalfwayLeavesTheProjectAsItWas)
{
    const QMap<QString, QByteArray> before = test::snapshot(m_project);
    Result<ProjectUpdate> prepared = prepare();
    ASSERT_TRUE(prepared) << prepared.error().toStdString();
    // The trash takes four files and then fails, and there is no folder for the rest either.
    int calls = 0;
    prepared->setTrash([&calls](const QString &file) -> Result<QString> {
        if (++calls == 5)
            return Failure{u"the trash is full"_s};
        return TrashCan::moveIntoTrash(file);
    });
    test::writeBytes(m_dir.filePath(u"afile"_s), "not a folder");
    prepared->setKeptIn(m_dir.filePath(u"afile/kept"_s));
    test::RecordingHost host;
    const ProjectReport report = prepared->run(host);

    ASSERT_FALSE(report.succeeded());
    EXPECT_TRUE(report.failures.constFirst().reason.contains(u"the trash is full"_s));
    EXPECT_TRUE(report.failures.constFirst().reason.contains(u"the project is as it was"_s));
    EXPECT_EQ(calls, 5);
    // Byte for byte, no staging folder left, and what went to the trash came back out of it.
    EXPECT_EQ(test::snapshot(m_project), before);
    EXPECT_TRUE(QDir(m_dir.filePath(u"data/Trash/files"_s)).isEmpty());
    EXPECT_TRUE(QDir(m_dir.filePath(u"data/Trash/info"_s)).isEmpty());
}

TEST_F(ProjectSafetyTest, APreviewMakesEveryFileButChangesNothingAndKnowsWhatIsAlreadyMade)
{
    const auto actions = [](const ProjectReport &report) {
        QMap<ProjectChange::Action, int> counts;
        for (const ProjectPlan &plan : report.projects)
            for (const ProjectChange &change : plan.changes)
                ++counts[change.action];
        return counts;
    };
    const QMap<QString, QByteArray> before = test::snapshot(m_project);
    Result<ProjectUpdate> prepared = prepare();
    ASSERT_TRUE(prepared);
    test::RecordingHost host;
    const ProjectReport first = prepared->preview(host);
    ASSERT_TRUE(first.succeeded());
    EXPECT_EQ(test::snapshot(m_project), before);
    EXPECT_EQ(actions(first).value(ProjectChange::Action::Unchanged), 0);

    ASSERT_TRUE(prepared->run(host).succeeded());
    const QMap<QString, QByteArray> updated = test::snapshot(m_project);
    const ProjectReport again = prepare()->preview(host);
    ASSERT_TRUE(again.succeeded());
    EXPECT_EQ(test::snapshot(m_project), updated);
    // Everything is already as the update makes it, which the plan alone cannot know.
    const QMap<ProjectChange::Action, int> counts = actions(again);
    EXPECT_EQ(counts.keys(), QList{ProjectChange::Action::Unchanged});
}

TEST_F(ProjectSafetyTest, WithoutATrashTheOldFilesAreKeptInOneFolderBesideTheProject)
{
    Result<ProjectUpdate> prepared = prepare();
    ASSERT_TRUE(prepared) << prepared.error().toStdString();
    prepared->setTrash([](const QString &) -> Result<QString> { return Failure{u"HOME is not set"_s}; });
    test::RecordingHost host;
    const ProjectReport report = prepared->run(host);
    ASSERT_TRUE(report.succeeded()) << report.failures.constFirst().reason.toStdString();

    const QStringList beside = QDir(m_dir.path()).entryList({u"project.replaced-*"_s}, QDir::Dirs);
    ASSERT_EQ(beside.size(), 1);
    const QString kept = m_dir.filePath(beside.constFirst());
    EXPECT_TRUE(QFileInfo::exists(kept + u"/android/app/src/main/res/mipmap-hdpi/ic_launcher.webp"_s));
    EXPECT_TRUE(QFileInfo::exists(kept + u"/src-tauri/icons/icon.icns"_s));
    bool named = false;
    for (const RunNote &note : report.notes)
        named = named || (note.message.contains(beside.constFirst()) && note.message.contains(u"HOME is not set"_s));
    EXPECT_TRUE(named);
}

TEST_F(ProjectSafetyTest, ALinkLeadingOutOfTheProjectIsNotFollowed)
{
    const QString outside = m_dir.filePath(u"outside"_s);
    QDir().mkpath(outside);
    const QString hdpi = path(u"android/app/src/main/res/mipmap-hdpi"_s);
    QDir(hdpi).removeRecursively();
    ASSERT_TRUE(QFile::link(outside, hdpi));
    const QMap<QString, QByteArray> before = test::snapshot(m_dir.path());

    const Result<ProjectUpdate> prepared = prepare();
    ASSERT_FALSE(prepared);
    EXPECT_TRUE(prepared.error().contains(u"link that leads out of the project"_s)) << prepared.error().toStdString();
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
}

TEST_F(ProjectSafetyTest, APictureTheUpdateWouldReplaceIsRefused)
{
    GenerationRequest asked = request();
    asked.source = *SourceImage::load(path(u"src-tauri/icons/128x128@2x.png"_s));
    const Result<ProjectUpdate> prepared =
        ProjectUpdate::prepare(m_project, ProjectFinder::find(QFileInfo(m_project).canonicalFilePath()), asked);
    ASSERT_FALSE(prepared);
    EXPECT_TRUE(prepared.error().contains(u"128x128@2x.png"_s)) << prepared.error().toStdString();
}

TEST_F(ProjectSafetyTest, APictureThatCannotBeMadeChangesNothing)
{
    const QMap<QString, QByteArray> before = test::snapshot(m_project);
    GenerationRequest asked = request();
    // Its header reads; its pixels stop halfway.
    QByteArray damaged = test::snapshot(m_dir.path()).value(u"logo.png"_s);
    damaged.truncate(damaged.size() / 2);
    test::writeBytes(m_dir.filePath(u"damaged.png"_s), damaged);
    const Result<SourceImage> source = SourceImage::load(m_dir.filePath(u"damaged.png"_s));
    ASSERT_TRUE(source) << source.error().toStdString();
    asked.source = *source;
    const Result<ProjectUpdate> prepared =
        ProjectUpdate::prepare(m_project, ProjectFinder::find(QFileInfo(m_project).canonicalFilePath()), asked);
    if (prepared) {
        test::RecordingHost host;
        EXPECT_FALSE(prepared->run(host).succeeded());
    }
    EXPECT_EQ(test::snapshot(m_project), before);
}

} // namespace
} // namespace iconsmith
