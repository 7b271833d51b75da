#include <gtest/gtest.h>

#include "check/iconsetcheck.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

using ElectronProjectTest = test::ProjectTest;

TEST_F(ElectronProjectTest, TheBuildResourcesGetEveryPlatformsIcon)
{
    test::fixtures::electronApp(m_project);
    const QByteArray package = test::snapshot(m_project).value(u"package.json"_s);
    const ProjectReport report = update();
    ASSERT_EQ(report.projects.size(), 1);
    EXPECT_EQ(report.projects.constFirst().kind, u"electron"_s);
    EXPECT_EQ(test::readImage(path(u"build/icon.png"_s)).size(), QSize(512, 512));
    EXPECT_EQ(test::readImage(path(u"build/icons/256x256.png"_s)).size(), QSize(256, 256));
    EXPECT_EQ(test::readImage(path(u"build/icons/notes.png"_s)).size(), QSize(30, 20));
    const IconSetCheck::Report check = IconSetCheck::check(path(u"build"_s));
    QStringList kinds;
    for (const CheckReport::Found &found : check.found)
        kinds << found.kind;
    EXPECT_TRUE(kinds.contains(u"icns"_s) && kinds.contains(u"ico"_s)) << kinds.join(u' ').toStdString();
    for (const IconSetCheck::Problem &problem : check.problems)
        ADD_FAILURE() << problem.file.toStdString() << ": " << problem.message.toStdString();
    EXPECT_EQ(test::snapshot(m_project).value(u"package.json"_s), package);
}

TEST_F(ElectronProjectTest, ABuildResourcesFolderOutsideTheAppIsRefused)
{
    test::writeBytes(path(u"package.json"_s), R"({"build": {"directories": {"buildResources": "../elsewhere"}}})");
    const ProjectFinder::Found found = ProjectFinder::find(QFileInfo(m_project).canonicalFilePath());
    EXPECT_TRUE(found.projects.empty());
    EXPECT_EQ(found.notes.size(), 1);
}

} // namespace
} // namespace iconsmith
