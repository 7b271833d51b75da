#include <gtest/gtest.h>

#include "check/iconsetcheck.h"
#include "project/tauriproject.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class TauriProjectTest : public test::ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        test::fixtures::tauriApp(path(u"src-tauri"_s));
    }
};

TEST(TauriProjectNames, SayTheSizeOfTheirPicture)
{
    EXPECT_EQ(TauriProject::sizeOfName(u"icons/32x32.png"_s), 32);
    EXPECT_EQ(TauriProject::sizeOfName(u"128x128@2x.png"_s), 256);
    EXPECT_EQ(TauriProject::sizeOfName(u"icon.png"_s), 512);
    EXPECT_EQ(TauriProject::sizeOfName(u"Square44x44Logo.png"_s), 44);
    EXPECT_EQ(TauriProject::sizeOfName(u"StoreLogo.png"_s), 50);
    // Names that say no size, or no square one.
    EXPECT_EQ(TauriProject::sizeOfName(u"32x64.png"_s), 0);
    EXPECT_EQ(TauriProject::sizeOfName(u"logo.png"_s), 0);
    EXPECT_EQ(TauriProject::sizeOfName(u"32x32.jpg"_s), 0);
}

TEST_F(TauriProjectTest, EveryListedFileHasTheSizeItsNameSays)
{
    const ProjectReport report = update();
    ASSERT_EQ(report.projects.size(), 1);
    EXPECT_EQ(report.projects.constFirst().kind, u"tauri"_s);
    const QString icons = u"src-tauri/icons/"_s;
    for (const auto &[name, pixels] : {std::pair(u"32x32.png"_s, 32), std::pair(u"128x128.png"_s, 128),
                                       std::pair(u"128x128@2x.png"_s, 256), std::pair(u"Square30x30Logo.png"_s, 30),
                                       std::pair(u"Square310x310Logo.png"_s, 310), std::pair(u"StoreLogo.png"_s, 50)})
        EXPECT_EQ(test::readImage(path(icons + name)).size(), QSize(pixels, pixels)) << name.toStdString();
    // The containers replace the placeholders and read back as macOS and Windows read them.
    const IconSetCheck::Report check = IconSetCheck::check(path(u"src-tauri/icons"_s));
    for (const IconSetCheck::Problem &problem : check.problems)
        ADD_FAILURE() << problem.file.toStdString() << ": " << problem.message.toStdString();
    QStringList kinds;
    for (const CheckReport::Found &found : check.found)
        kinds << found.kind;
    EXPECT_TRUE(kinds.contains(u"icns"_s) && kinds.contains(u"ico"_s)) << kinds.join(u' ').toStdString();
    // icon.png is not listed in bundle.icon, but as Tauri's large picture it is replaced too.
    EXPECT_TRUE(std::any_of(report.projects.constFirst().changes.begin(), report.projects.constFirst().changes.end(),
                            [&](const ProjectChange &change) { return change.file == icons + u"icon.png"_s; }));
}

TEST_F(TauriProjectTest, ASecondRunChangesNoByteAndTheConfigurationIsNeverWritten)
{
    const QByteArray configuration = test::snapshot(path(u"src-tauri"_s)).value(u"tauri.conf.json"_s);
    update();
    const QMap<QString, QByteArray> first = test::snapshot(m_project);
    EXPECT_EQ(first.value(u"src-tauri/tauri.conf.json"_s), configuration);
    update();
    EXPECT_EQ(test::snapshot(m_project), first);
}

TEST_F(TauriProjectTest, AnIconOutsideTheAppIsLeftAlone)
{
    test::writeBytes(path(u"src-tauri/tauri.conf.json"_s),
                     R"({"bundle": {"icon": ["../../elsewhere.png", "/etc/icon.png", "icons/32x32.png"]}})");
    const ProjectFinder::Found found = ProjectFinder::find(QFileInfo(m_project).canonicalFilePath());
    ASSERT_EQ(found.projects.size(), 1u);
    EXPECT_EQ(found.notes.size(), 2) << found.notes.join(u'\n').toStdString();
    const ProjectReport report = update();
    ASSERT_EQ(report.projects.size(), 1);
    ASSERT_EQ(report.projects.constFirst().changes.size(), 5); // 32x32, icon.png and the three Store logos
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"elsewhere.png"_s)));
}

} // namespace
} // namespace iconsmith
