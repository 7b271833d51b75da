#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

#include <set>

#include "check/iconsetcheck.h"
#include "project/androidproject.h"
#include "project/projectfinder.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class AndroidProjectTest : public test::ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        m_module = u"android/app"_s;
        m_res = m_module + u"/src/main/res"_s;
        test::fixtures::androidModule(path(m_module));
    }
    [[nodiscard]] QByteArray read(const QString &file) const
    {
        QFile in(path(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QString m_module;
    QString m_res;
};

TEST_F(AndroidProjectTest, UpdatedResPassesTheCheckAndHoldsEachResourceInOneFormat)
{
    update();
    const IconSetCheck::Report check = IconSetCheck::check(path(m_module + u"/src/main"_s));
    for (const IconSetCheck::Problem &problem : check.problems)
        ADD_FAILURE() << problem.file.toStdString() << ": " << problem.message.toStdString();
    EXPECT_GT(check.imagesChecked, 0);

    QDirIterator folders(path(m_res), QDir::Dirs | QDir::NoDotAndDotDot);
    while (folders.hasNext()) {
        std::set<QString> names;
        for (const QString &file : QDir(folders.next()).entryList(QDir::Files))
            EXPECT_TRUE(names.insert(file.section(u'.', 0, 0)).second)
                << folders.filePath().toStdString() << ": " << file.toStdString();
    }
    EXPECT_EQ(test::readImage(path(m_res + u"/mipmap-hdpi/ic_launcher.png"_s)).size(), QSize(72, 72));
    EXPECT_EQ(test::readImage(path(m_res + u"/mipmap-xxxhdpi/ic_launcher_round.png"_s)).size(), QSize(192, 192));
    EXPECT_EQ(test::readImage(path(m_res + u"/mipmap-xxhdpi/ic_launcher_foreground.png"_s)).size(), QSize(324, 324));
}

TEST_F(AndroidProjectTest, AdaptiveXmlNamesTheNewLayersAndTheOldOnesGoToTheTrash)
{
    const QStringList own{m_res + u"/values/strings.xml"_s, m_res + u"/drawable/badge.xml"_s,
                          m_res + u"/layout/activity_main.xml"_s, m_module + u"/src/main/AndroidManifest.xml"_s};
    QMap<QString, QByteArray> before;
    for (const QString &file : own)
        before.insert(file, read(file));

    update();
    for (const QString &xml : {u"ic_launcher.xml"_s, u"ic_launcher_round.xml"_s}) {
        const QString text = QString::fromUtf8(read(m_res + u"/mipmap-anydpi-v26/"_s + xml));
        EXPECT_TRUE(text.contains(u"<foreground android:drawable=\"@mipmap/ic_launcher_foreground\"/>"_s))
            << text.toStdString();
        EXPECT_TRUE(text.contains(u"@color/ic_launcher_background"_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(u"@mipmap/ic_launcher_monochrome"_s)) << text.toStdString();
        EXPECT_FALSE(text.contains(u"@drawable/"_s)) << text.toStdString();
    }
    EXPECT_TRUE(
        read(m_res + u"/values/ic_launcher_background.xml"_s).contains("<color name=\"ic_launcher_background\">#"));
    // The vectors the old XML named are gone from res/, and kept in the trash with the .webp icons.
    EXPECT_FALSE(QFileInfo::exists(path(m_res + u"/drawable/ic_launcher_background.xml"_s)));
    EXPECT_FALSE(QFileInfo::exists(path(m_res + u"/drawable-v24/ic_launcher_foreground.xml"_s)));
    const QStringList trashed = QDir(m_dir.filePath(u"data/Trash/files"_s)).entryList(QDir::Files);
    EXPECT_TRUE(trashed.contains(u"ic_launcher_background.xml"_s)) << trashed.join(u' ').toStdString();
    EXPECT_EQ(trashed.filter(u".webp"_s).size(), 10) << trashed.join(u' ').toStdString();
    // The app's own resources are as they were.
    for (const QString &file : own)
        EXPECT_EQ(read(file), before.value(file)) << file.toStdString();
}

TEST_F(AndroidProjectTest, ThePlanNamesEveryChangeAndChangesNothing)
{
    const QMap<QString, QByteArray> before = test::snapshot(m_dir.path());
    const Result<ProjectUpdate> prepared = prepare();
    ASSERT_TRUE(prepared) << prepared.error().toStdString();
    ASSERT_EQ(prepared->plans().size(), 1);
    const ProjectPlan &plan = prepared->plans().constFirst();
    EXPECT_EQ(plan.kind, u"android"_s);
    EXPECT_EQ(plan.folder, m_module);
    QMap<QString, ProjectChange::Action> actions;
    for (const ProjectChange &change : plan.changes)
        actions.insert(change.file, change.action);
    EXPECT_EQ(actions.value(m_res + u"/mipmap-hdpi/ic_launcher.webp"_s), ProjectChange::Action::MoveAway);
    EXPECT_EQ(actions.value(m_res + u"/mipmap-hdpi/ic_launcher.png"_s), ProjectChange::Action::Write);
    EXPECT_EQ(actions.value(m_res + u"/mipmap-anydpi-v26/ic_launcher_round.xml"_s), ProjectChange::Action::Edit);
    EXPECT_EQ(actions.value(m_res + u"/drawable-v24/ic_launcher_foreground.xml"_s), ProjectChange::Action::MoveAway);
    EXPECT_FALSE(actions.contains(m_res + u"/drawable/badge.xml"_s));
    EXPECT_FALSE(actions.contains(m_res + u"/values/strings.xml"_s));
    EXPECT_EQ(test::snapshot(m_dir.path()), before);
}

TEST_F(AndroidProjectTest, ASecondRunChangesNoByte)
{
    update();
    const QMap<QString, QByteArray> first = test::snapshot(m_dir.path());
    const ProjectReport again = update();
    EXPECT_EQ(test::snapshot(m_dir.path()), first);
    ASSERT_EQ(again.projects.size(), 1);
    for (const ProjectChange &change : again.projects.constFirst().changes)
        EXPECT_EQ(change.action, ProjectChange::Action::Unchanged) << change.file.toStdString();
}

TEST_F(AndroidProjectTest, TheManifestsOwnNamesAreKept)
{
    const QString manifest = m_module + u"/src/main/AndroidManifest.xml"_s;
    test::writeBytes(path(manifest), QString::fromUtf8(read(manifest))
                                         .replace(u"@mipmap/ic_launcher\""_s, u"@mipmap/app_icon\""_s)
                                         .remove(u"android:roundIcon=\"@mipmap/ic_launcher_round\""_s)
                                         .toUtf8());
    update();
    EXPECT_EQ(test::readImage(path(m_res + u"/mipmap-xhdpi/app_icon.png"_s)).size(), QSize(96, 96));
    EXPECT_TRUE(QFileInfo::exists(path(m_res + u"/mipmap-anydpi-v26/app_icon.xml"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(m_res + u"/mipmap-mdpi/app_icon_foreground.png"_s)));
    // The manifest names no round icon, so none is written; the old launcher icon is no longer the project's.
    EXPECT_FALSE(QFileInfo::exists(path(m_res + u"/mipmap-mdpi/ic_launcher_round.png"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(m_res + u"/mipmap-mdpi/ic_launcher.webp"_s)));
}

TEST_F(AndroidProjectTest, TheUpdatedResourcesLinkWithAapt2)
{
    const QString aapt2 = QStandardPaths::findExecutable(u"aapt2"_s);
    const QString framework = u"/usr/share/android-framework-res/framework-res.apk"_s;
    if (aapt2.isEmpty() || !QFileInfo::exists(framework))
        GTEST_SKIP() << "aapt2 and android-framework-res are not installed";
    update();
    const auto run = [&aapt2](const QStringList &arguments) {
        QProcess process;
        process.start(aapt2, arguments);
        process.waitForFinished(120000);
        return std::pair(process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()));
    };
    const QString compiled = m_dir.filePath(u"res.zip"_s);
    const auto [compileStatus, compileErrors] = run({u"compile"_s, u"--dir"_s, path(m_res), u"-o"_s, compiled});
    ASSERT_EQ(compileStatus, 0) << compileErrors.toStdString();
    const auto [linkStatus, linkErrors] =
        run({u"link"_s, u"-I"_s, framework, u"--manifest"_s, path(m_module + u"/src/main/AndroidManifest.xml"_s),
             u"-o"_s, m_dir.filePath(u"app.apk"_s), compiled});
    EXPECT_EQ(linkStatus, 0) << linkErrors.toStdString();
}

TEST_F(AndroidProjectTest, FinderTakesAppModulesOnly)
{
    // A library module names no launcher icon; a module among the dependencies is not the app's.
    QDir().mkpath(path(u"lib/src/main/res"_s));
    test::writeBytes(path(u"lib/src/main/AndroidManifest.xml"_s), "<manifest><application/></manifest>");
    test::fixtures::androidModule(path(u"node_modules/some-plugin/android"_s));
    test::fixtures::androidModule(path(u".hidden/app"_s));
    const ProjectFinder::Found found = ProjectFinder::find(QFileInfo(m_project).canonicalFilePath());
    ASSERT_EQ(found.projects.size(), 1u);
    EXPECT_EQ(found.projects.front()->folder(), m_module);
    EXPECT_TRUE(ProjectFinder::find(m_dir.filePath(u"data"_s)).projects.empty());
}

} // namespace
} // namespace iconsmith
