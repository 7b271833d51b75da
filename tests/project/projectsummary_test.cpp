#include <gtest/gtest.h>

#include "project/projectsummary.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class ProjectSummaryTest : public test::ProjectTest
{
protected:
    [[nodiscard]] QString described() const
    {
        const QString root = QFileInfo(m_project).canonicalFilePath();
        return ProjectSummary::describe(root, ProjectFinder::find(root));
    }
};

TEST_F(ProjectSummaryTest, NamesTheAppByItsFrameworkAndListsItsSystemsOnce)
{
    test::fixtures::flutterApp(m_project);
    EXPECT_EQ(described(), u"Flutter app: Android, iOS, macOS, web, Windows"_s);

    // A Capacitor app is known by its configuration, whatever its projects are.
    const QString capacitor = m_dir.filePath(u"capacitor"_s);
    test::fixtures::capacitorIos(capacitor + u"/ios"_s);
    test::fixtures::androidModule(capacitor + u"/android/app"_s);
    test::writeBytes(capacitor + u"/capacitor.config.json"_s, R"({"appId": "com.example.app"})");
    const QString root = QFileInfo(capacitor).canonicalFilePath();
    EXPECT_EQ(ProjectSummary::describe(root, ProjectFinder::find(root)), u"Capacitor app: Android, iOS"_s);
}

TEST_F(ProjectSummaryTest, AnAppOfOneProjectIsNamedByItsKind)
{
    test::fixtures::electronApp(m_project);
    EXPECT_EQ(described(), u"Electron app: macOS, Windows, Linux"_s);
}

TEST_F(ProjectSummaryTest, CountsEachActionOfThePlan)
{
    test::fixtures::androidModule(path(u"app"_s));
    const Result<ProjectUpdate> update = prepare();
    ASSERT_TRUE(update);
    const ProjectSummary::Counts counts = ProjectSummary::count(update->plans());
    // The module's .webp icons give way to PNGs; its vector layers go; its XML is edited.
    EXPECT_GT(counts.written, 0);
    EXPECT_GT(counts.movedAway, 0);
    EXPECT_GT(counts.edited, 0);
    EXPECT_EQ(counts.changed(), counts.written + counts.replaced + counts.edited + counts.movedAway);
    qsizetype listed = 0;
    for (const ProjectPlan &plan : update->plans())
        listed += plan.changes.size();
    EXPECT_EQ(counts.changed() + counts.unchanged, listed);
}

} // namespace
} // namespace iconsmith
