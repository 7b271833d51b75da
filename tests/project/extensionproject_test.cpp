#include <gtest/gtest.h>

#include "project/projectsummary.h"
#include "projecttest.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// A Manifest V3 extension as its templates lay it out: icons by size, and the toolbar button's
// own, one of them shared.
class ExtensionProjectTest : public test::ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        test::writeBytes(path(u"manifest.json"_s), R"({
  "manifest_version": 3,
  "name": "Demo",
  "version": "1.0",
  "icons": { "16": "icons/16.png", "48": "icons/48.png", "128": "/icons/128.png", "96": "icons/logo.svg" },
  "action": { "default_icon": { "16": "icons/16.png", "32": "icons/toolbar-32.png", "19": "../outside.png" } }
})");
        ASSERT_TRUE(QDir().mkpath(path(u"icons"_s)));
        for (const QString &name : {u"16.png"_s, u"48.png"_s, u"128.png"_s, u"toolbar-32.png"_s})
            test::writeTestPicture(path(u"icons/"_s + name), QSize(20, 20), false);
        test::writeBytes(m_dir.filePath(u"outside.png"_s), "not the extension's");
    }
    [[nodiscard]] QByteArray manifest() const
    {
        QFile file(path(u"manifest.json"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ExtensionProjectTest, EachIconIsMadeAtItsSizeWithTheStoresMarginOnTheLargest)
{
    const QString root = QFileInfo(m_project).canonicalFilePath();
    EXPECT_EQ(ProjectSummary::describe(root, ProjectFinder::find(root)), u"Browser extension: Chrome, Firefox, Edge"_s);
    const QByteArray before = manifest();
    const ProjectReport report = update();

    for (const auto &[name, size] : {std::pair(u"16.png"_s, 16), std::pair(u"48.png"_s, 48),
                                     std::pair(u"128.png"_s, 128), std::pair(u"toolbar-32.png"_s, 32)})
        EXPECT_EQ(test::readImage(path(u"icons/"_s + name)).size(), QSize(size, size)) << name.toStdString();
    // 16 transparent pixels around the store icon's art, and art within them.
    const test::DecodedImage store = test::readImage(path(u"icons/128.png"_s));
    for (const int at : {0, 8, 15, 112, 127}) {
        EXPECT_EQ(store.alpha(at, 64), 0) << at;
        EXPECT_EQ(store.alpha(64, at), 0) << at;
    }
    EXPECT_GT(store.alpha(64, 64), 0);
    EXPECT_EQ(manifest(), before);

    // What is not a PNG of the extension is left alone, and said so.
    QStringList notes;
    for (const RunNote &note : report.notes)
        notes << note.message;
    EXPECT_TRUE(notes.join(u'\n').contains(u"logo.svg"_s)) << notes.join(u'\n').toStdString();
    EXPECT_TRUE(notes.join(u'\n').contains(u"../outside.png"_s)) << notes.join(u'\n').toStdString();
    QFile outside(m_dir.filePath(u"outside.png"_s));
    ASSERT_TRUE(outside.open(QIODevice::ReadOnly));
    EXPECT_EQ(outside.readAll(), "not the extension's");
}

} // namespace
} // namespace iconsmith
