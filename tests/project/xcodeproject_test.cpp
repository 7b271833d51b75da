#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "check/iconsetcheck.h"
#include "project/xcodeproject.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class XcodeProjectTest : public test::ProjectTest
{
protected:
    [[nodiscard]] QByteArray contentsOf(const QString &set) const
    {
        QFile file(path(set + u"/Contents.json"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void expectSetPassesCheck(const QString &set) const
    {
        const IconSetCheck::Report check = IconSetCheck::check(path(set));
        EXPECT_FALSE(check.found.isEmpty()) << set.toStdString();
        for (const IconSetCheck::Problem &problem : check.problems)
            ADD_FAILURE() << problem.file.toStdString() << ": " << problem.message.toStdString();
    }
    /** The set's slots: each file its Contents.json names, with the pixel size the slot asks for. */
    [[nodiscard]] QMap<QString, int> slotsOf(const QString &set) const
    {
        QMap<QString, int> files;
        const QJsonObject contents = QJsonDocument::fromJson(contentsOf(set)).object();
        for (const QJsonValue &value : contents.value(u"images"_s).toArray()) {
            const QJsonObject image = value.toObject();
            files.insert(image.value(u"filename"_s).toString(),
                         IconSetCheck::pixelsFor(image.value(u"size"_s).toString().section(u'x', 0, 0),
                                                 image.value(u"scale"_s).toString(u"1x"_s)));
        }
        return files;
    }
    void expectSlotsFilled(const QString &set) const
    {
        const QMap<QString, int> files = slotsOf(set);
        for (auto file = files.begin(); file != files.end(); ++file) {
            ASSERT_FALSE(file.key().isEmpty()) << "a slot of " << set.toStdString() << " has no file";
            EXPECT_EQ(test::readImage(path(set + u'/' + file.key())).size(), QSize(file.value(), file.value()))
                << file.key().toStdString();
        }
    }
};

TEST(XcodeProjectSettings, NameTheAppIconSetsOnce)
{
    EXPECT_EQ(XcodeProject::iconSetNames("ASSETCATALOG_COMPILER_APPICON_NAME = AppIcon;\n"
                                         "ASSETCATALOG_COMPILER_APPICON_NAME = AppIcon;\n"
                                         "ASSETCATALOG_COMPILER_APPICON_NAME = \"App Icon Beta\";\n"
                                         "ASSETCATALOG_COMPILER_APPICON_NAME=\"$(ICON_NAME)\";"),
              (QStringList{u"AppIcon"_s, u"App Icon Beta"_s, u"$(ICON_NAME)"_s}));
    EXPECT_TRUE(XcodeProject::iconSetNames("ASSETCATALOG_COMPILER_GLOBAL_ACCENT_COLOR_NAME = AccentColor;").isEmpty());
}

TEST_F(XcodeProjectTest, ASingleSizeSetKeepsItsFileAndGainsTheAppearancesGiven)
{
    test::fixtures::capacitorIos(path(u"ios"_s));
    const QString set = u"ios/App/App/Assets.xcassets/AppIcon.appiconset"_s;
    const QByteArray contents = contentsOf(set);
    // Without further pictures, the project's one file is replaced and its document is left alone.
    const ProjectReport plain = update();
    ASSERT_EQ(plain.projects.size(), 1);
    EXPECT_EQ(plain.projects.constFirst().kind, u"xcode"_s);
    EXPECT_EQ(contentsOf(set), contents);
    EXPECT_EQ(slotsOf(set).keys(), QStringList{u"AppIcon-512@2x.png"_s});
    expectSlotsFilled(set);

    // Given dark and tinted pictures, the set gains their entries, named after the set.
    m_pictures.insert(SourceRole::Dark, m_source);
    m_pictures.insert(SourceRole::Tinted, m_source);
    update();
    EXPECT_EQ(slotsOf(set).keys(),
              (QStringList{u"AppIcon-512@2x.png"_s, u"AppIcon-dark.png"_s, u"AppIcon-tinted.png"_s}));
    expectSlotsFilled(set);
    expectSetPassesCheck(set);
    const QMap<QString, QByteArray> first = test::snapshot(m_project);
    update();
    EXPECT_EQ(test::snapshot(m_project), first);
}

TEST_F(XcodeProjectTest, SlotsWithoutAFileGetOneAndASecondRunChangesNoByte)
{
    test::fixtures::reactNativeIos(path(u"ios"_s));
    const QString set = u"ios/Demo/Images.xcassets/AppIcon.appiconset"_s;
    update();
    const QMap<QString, int> slots = slotsOf(set);
    EXPECT_EQ(slots.size(), 9);
    EXPECT_EQ(slots.value(u"AppIcon-iphone-60x60@3x.png"_s), 180);
    EXPECT_EQ(slots.value(u"AppIcon-ios-marketing-1024x1024@1x.png"_s), 1024);
    expectSlotsFilled(set);
    expectSetPassesCheck(set);
    const QMap<QString, QByteArray> first = test::snapshot(m_project);
    update();
    EXPECT_EQ(test::snapshot(m_project), first);
}

TEST_F(XcodeProjectTest, AMacSetKeepsItsSharedFilesAndItsDocument)
{
    test::fixtures::flutterMacos(path(u"macos"_s));
    const QString set = u"macos/Runner/Assets.xcassets/AppIcon.appiconset"_s;
    const QMap<QString, QByteArray> before = test::snapshot(path(set));
    const ProjectReport report = update();
    ASSERT_EQ(report.projects.size(), 1);
    EXPECT_EQ(report.projects.constFirst().title, u"Xcode project (macOS)"_s);
    // Seven files serve the ten slots; no file is added and the document is the project's.
    EXPECT_EQ(report.projects.constFirst().changes.size(), 7);
    const QMap<QString, QByteArray> after = test::snapshot(path(set));
    EXPECT_EQ(after.keys(), before.keys());
    EXPECT_EQ(after.value(u"Contents.json"_s), before.value(u"Contents.json"_s));
    EXPECT_NE(after.value(u"app_icon_1024.png"_s), before.value(u"app_icon_1024.png"_s));
    expectSlotsFilled(set);
    expectSetPassesCheck(set);
}

TEST_F(XcodeProjectTest, ASetNoCatalogHoldsIsANoteNotAProject)
{
    test::fixtures::capacitorIos(path(u"ios"_s));
    QDir(path(u"ios/App/App/Assets.xcassets/AppIcon.appiconset"_s)).removeRecursively();
    const ProjectFinder::Found found = ProjectFinder::find(QFileInfo(m_project).canonicalFilePath());
    EXPECT_TRUE(found.projects.empty());
    ASSERT_EQ(found.notes.size(), 1);
    EXPECT_TRUE(found.notes.constFirst().contains(u"AppIcon.appiconset"_s)) << found.notes.constFirst().toStdString();
}

} // namespace
} // namespace iconsmith
