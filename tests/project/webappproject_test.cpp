#include <gtest/gtest.h>

#include "check/iconsetcheck.h"
#include "project/webappproject.h"
#include "projecttest.h"
#include "support/projectfixtures.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

using WebAppTest = test::ProjectTest;

TEST(WebAppIcons, AreTheProjectsOwnFilesOnly)
{
    QStringList refused;
    const QList<WebAppProject::Icon> listed = WebAppProject::manifestIcons(R"({"icons": [
        {"src": "%PUBLIC_URL%/logo192.png?v=2", "sizes": "192x192 512x512", "purpose": "any maskable"},
        {"src": "/icons/mono.png", "sizes": "any", "purpose": "monochrome"},
        {"src": "../shared/badge.png", "sizes": "48x48"},
        {"src": "https://cdn.example.com/icon.png", "sizes": "48x48"},
        {"src": "icons/../../../../secret.png"}]})",
                                                                           u"app/public"_s, refused);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed.at(0).file, u"app/public/logo192.png"_s);
    EXPECT_EQ(listed.at(0).pixels, 192);
    EXPECT_EQ(listed.at(0).purpose, u"maskable"_s);
    EXPECT_EQ(listed.at(1).file, u"app/public/icons/mono.png"_s);
    EXPECT_EQ(listed.at(1).pixels, 0);
    EXPECT_EQ(listed.at(1).purpose, u"monochrome"_s);
    // Nothing above the site's root, nothing of another site.
    EXPECT_EQ(refused, (QStringList{u"../shared/badge.png"_s, u"https://cdn.example.com/icon.png"_s,
                                    u"icons/../../../../secret.png"_s}));

    refused.clear();
    const QList<WebAppProject::Icon> linked =
        WebAppProject::pageIcons(uR"(<link rel="stylesheet" href="app.css"><LINK REL='shortcut icon' HREF=/favicon.ico>
            <link href="touch.png" rel="apple-touch-icon" sizes="180x180"><link rel="icon" href="data:,">)"_s,
                                 u"app/public"_s, refused);
    ASSERT_EQ(linked.size(), 2);
    EXPECT_EQ(linked.at(0).file, u"app/public/favicon.ico"_s);
    EXPECT_EQ(linked.at(1).file, u"app/public/touch.png"_s);
    EXPECT_EQ(linked.at(1).pixels, 180);
    EXPECT_EQ(linked.at(1).purpose, u"apple-touch-icon"_s);
    EXPECT_EQ(refused, QStringList{u"data:,"_s});
}

TEST_F(WebAppTest, AManifestNoPageLinksIsNoApp)
{
    test::writeBytes(path(u"manifest.json"_s), R"({"icons": [{"src": "icon.png", "sizes": "192x192"}]})");
    test::writeBytes(path(u"index.html"_s), "<html><head><title>Not linked</title></head></html>");
    EXPECT_TRUE(ProjectFinder::find(QFileInfo(m_project).canonicalFilePath()).projects.empty());
}

TEST_F(WebAppTest, AFlutterAppIsUpdatedOnEveryPlatformInOneRun)
{
    test::fixtures::flutterApp(m_project);
    const QMap<QString, QByteArray> before = test::snapshot(path(u"web"_s));
    const ProjectReport report = update();
    QStringList kinds;
    for (const ProjectPlan &plan : report.projects)
        kinds << plan.kind + u':' + plan.folder;
    EXPECT_EQ(kinds, (QStringList{u"flutter-windows:"_s, u"xcode:ios"_s, u"xcode:macos"_s, u"web:web"_s,
                                  u"android:android/app"_s}));
    // The web icons at their declared sizes; the maskable ones keep their content in the safe zone.
    for (const auto &[name, pixels] : {std::pair(u"favicon.png"_s, 16), std::pair(u"icons/Icon-192.png"_s, 192),
                                       std::pair(u"icons/Icon-maskable-512.png"_s, 512)})
        EXPECT_EQ(test::readImage(path(u"web/"_s + name)).size(), QSize(pixels, pixels)) << name.toStdString();
    const test::DecodedImage maskable = test::readImage(path(u"web/icons/Icon-maskable-512.png"_s));
    EXPECT_TRUE(maskable.bands == 3 || maskable.at(0, 0, 3) == 255) << "the maskable icon bleeds to its corners";
    // Every Apple set and container reads back as the systems read them.
    for (const QString &folder : {u"ios"_s, u"macos"_s, u"windows/runner/resources"_s}) {
        const IconSetCheck::Report check = IconSetCheck::check(path(folder));
        EXPECT_FALSE(check.found.isEmpty()) << folder.toStdString();
        for (const IconSetCheck::Problem &problem : check.problems)
            ADD_FAILURE() << problem.file.toStdString() << ": " << problem.message.toStdString();
    }
    const QMap<QString, QByteArray> first = test::snapshot(m_project);
    EXPECT_EQ(first.value(u"web/manifest.json"_s), before.value(u"manifest.json"_s));
    EXPECT_EQ(first.value(u"web/index.html"_s), before.value(u"index.html"_s));
    update();
    EXPECT_EQ(test::snapshot(m_project), first);
}

} // namespace
} // namespace iconsmith
