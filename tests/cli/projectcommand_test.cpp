#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "clirun.h"
#include "support/projectfixtures.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class ProjectCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_source = m_dir.filePath(u"logo.png"_s);
        test::writeTestPicture(m_source, QSize(1024, 1024), true);
        m_project = m_dir.filePath(u"app"_s);
        test::fixtures::androidModule(m_project + u"/android/app"_s);
        test::fixtures::tauriApp(m_project + u"/src-tauri"_s);
        m_previousData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(u"data"_s)));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_previousData); }

    static test::CliRun run(const QStringList &arguments) { return test::runCli(arguments); }

    QTemporaryDir m_dir;
    QString m_source;
    QString m_project;
    QByteArray m_previousData;
};

TEST_F(ProjectCommandTest, DryRunPrintsEveryChangeAndChangesNothing)
{
    const QMap<QString, QByteArray> before = test::snapshot(m_dir.path());
    const test::CliRun result = run({m_source, u"--project"_s, m_project, u"--dry-run"_s});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"Android module android/app:"_s)) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(u"Tauri app src-tauri:"_s)) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(u"move away  android/app/src/main/res/mipmap-hdpi/ic_launcher.webp"_s));
    EXPECT_TRUE(result.out.contains(u"replace    src-tauri/icons/128x128@2x.png  256x256"_s));
    EXPECT_TRUE(result.out.contains(u"nothing was changed (--dry-run)"_s));
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
}

TEST_F(ProjectCommandTest, JsonReportsEachProjectsChanges)
{
    const test::CliRun first = run({m_source, u"--project"_s, m_project, u"--json"_s});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.isEmpty()) << first.err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(first.out.toUtf8()).object();
    EXPECT_EQ(document.value(u"command"_s).toString(), u"project"_s);
    EXPECT_EQ(document.value(u"dryRun"_s).toBool(true), false);
    const QJsonArray projects = document.value(u"projects"_s).toArray();
    ASSERT_EQ(projects.size(), 2);
    QStringList kinds;
    for (const QJsonValue &project : projects) {
        kinds << project[u"kind"_s].toString();
        for (const QJsonValue &change : project[u"changes"_s].toArray()) {
            EXPECT_NE(change[u"action"_s].toString(), u"unchanged"_s);
            EXPECT_TRUE(change[u"path"_s].toString().startsWith(m_project + u'/'))
                << change[u"path"_s].toString().toStdString();
        }
    }
    EXPECT_EQ(kinds, (QStringList{u"tauri"_s, u"android"_s}));

    // Run again, everything is already as the update makes it.
    const test::CliRun second = run({m_source, u"--project"_s, m_project, u"--json"_s});
    for (const QJsonValue &project : QJsonDocument::fromJson(second.out.toUtf8())[u"projects"_s].toArray()) {
        for (const QJsonValue &change : project[u"changes"_s].toArray())
            EXPECT_EQ(change[u"action"_s].toString(), u"unchanged"_s) << change[u"file"_s].toString().toStdString();
    }
}

TEST_F(ProjectCommandTest, AFolderWithoutAProjectIsAUsageErrorAndNothingIsWritten)
{
    const QString empty = m_dir.filePath(u"empty"_s);
    QDir().mkpath(empty);
    const QMap<QString, QByteArray> before = test::snapshot(m_dir.path());
    const test::CliRun result = run({m_source, u"--project"_s, empty});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.contains(u"holds no app project"_s)) << result.err.toStdString();
    const test::CliRun json = run({m_source, u"--project"_s, empty, u"--json"_s});
    EXPECT_EQ(json.status, 2);
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8())[u"command"_s].toString(), u"project"_s);
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
}

TEST_F(ProjectCommandTest, OptionsThatSayWhereFilesGoDoNotGoWithAProject)
{
    for (const QStringList &extra : {QStringList{u"-o"_s, u"out"_s}, QStringList{u"--target"_s, u"android"_s},
                                     QStringList{u"--replace"_s}, QStringList{u"-p"_s, u"ipad"_s}}) {
        const test::CliRun result = run(QStringList{m_source, u"--project"_s, m_project} + extra);
        EXPECT_EQ(result.status, 2) << extra.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(u"does not go with --project"_s)) << result.err.toStdString();
    }
    EXPECT_EQ(run({m_source, u"--dry-run"_s, u"--target"_s, u"android"_s}).status, 2);
    EXPECT_EQ(run({u"--project"_s, m_project}).status, 2);
    // The pictures and shaping of the targets apply.
    EXPECT_EQ(run({m_source, u"--project"_s, m_project, u"--dry-run"_s, u"--background"_s, u"#102030"_s,
                   u"--android-inset"_s, u"10"_s})
                  .status,
              0);
}

TEST_F(ProjectCommandTest, WarningsAboutTheSourceFailUnderStrictAfterTheUpdate)
{
    const QString small = m_dir.filePath(u"small.png"_s);
    test::writeTestPicture(small, QSize(256, 256), true);
    const test::CliRun result = run({small, u"--project"_s, m_project, u"--strict"_s, u"-q"_s});
    EXPECT_EQ(result.status, 3) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(u"warning:"_s)) << result.err.toStdString();
    // The files were written all the same, as with --target.
    EXPECT_TRUE(QFileInfo::exists(m_project + u"/android/app/src/main/res/mipmap-hdpi/ic_launcher.png"_s));
}

} // namespace
} // namespace iconsmith
