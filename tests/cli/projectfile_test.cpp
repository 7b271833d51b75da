#include "cli/projectfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class ProjectFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(u"art"_s));
        // The recipes are only read here, never rendered: any bytes will do.
        for (const QString &name : {u"art/free.png"_s, u"art/pro.png"_s, u"art/pro-dark.png"_s}) {
            QFile file(m_dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("picture");
        }
    }
    Result<QList<ProjectFile::Recipe>> parse(const QByteArray &json, const QStringList &only = {}) const
    {
        return ProjectFile::parse(json, u"iconsmith.json"_s, m_dir.path(), only);
    }
    QString path(const QString &relative) const { return QDir::cleanPath(m_dir.filePath(relative)); }

    QTemporaryDir m_dir;
};

TEST_F(ProjectFileTest, RecipesTakeTheSharedDefaultsAndPathsFromTheFilesFolder)
{
    const QByteArray json = R"({
        "targets": ["ios", "android"],
        "background": "#336699",
        "strict": true,
        "recipes": {
            "pro": {"source": "art/pro.png", "output": "out/pro", "platform": "iphone", "background": "white",
                    "strict": false},
            "free": {"source": "art/free.png", "android-inset": 10, "padding": 12},
            "night": {"source": "art/pro.png", "targets": "apple,splash", "dark": "art/pro-dark.png", "no-shape": true,
                      "name": "Night App", "layer-middle": "art/pro.png", "splash-dark-logo": "art/pro-dark.png",
                      "splash-background": "#102030", "splash-dark-background": "black"}
        }
    })";
    const Result<QList<ProjectFile::Recipe>> recipes = parse(json);
    ASSERT_TRUE(recipes) << recipes.error().toStdString();
    ASSERT_EQ(recipes->size(), 3);

    const CliOptions &free = (*recipes)[0].options;
    EXPECT_EQ((*recipes)[0].name, u"free"_s);
    EXPECT_EQ(free.source, path(u"art/free.png"_s));
    // Without an output of its own a recipe writes into a folder named after it.
    EXPECT_EQ(free.output, path(u"free"_s));
    EXPECT_EQ(free.targets, (QStringList{u"ios"_s, u"android"_s}));
    EXPECT_EQ(free.background, RgbColor::fromText(u"#336699"_s));
    EXPECT_EQ(free.targetOptions.androidInset, 10.0);
    EXPECT_EQ(free.targetOptions.padding, 12.0);
    EXPECT_TRUE(free.targetOptions.name.isEmpty()) << "left to the source's own name";
    EXPECT_TRUE(free.strict);

    const CliOptions &night = (*recipes)[1].options;
    EXPECT_EQ(night.targets, (QStringList{u"ios"_s, u"macos"_s, u"watchos"_s, u"icon-composer"_s, u"splash"_s}));
    EXPECT_EQ(night.otherSources.value(SourceRole::Dark), path(u"art/pro-dark.png"_s));
    EXPECT_EQ(night.otherSources.value(SourceRole::LayerMiddle), path(u"art/pro.png"_s));
    EXPECT_EQ(night.otherSources.value(SourceRole::SplashDarkLogo), path(u"art/pro-dark.png"_s));
    const GenerationRequest request = night.request({});
    EXPECT_EQ(request.splashBackground, RgbColor::fromText(u"#102030"_s));
    EXPECT_EQ(request.splashDarkBackground, (RgbColor{0, 0, 0}));
    EXPECT_FALSE(night.targetOptions.macShape);
    EXPECT_EQ(night.targetOptions.name, u"Night App"_s);

    // The recipe's platform replaces the shared targets; its own values win.
    const CliOptions &pro = (*recipes)[2].options;
    EXPECT_TRUE(pro.targets.isEmpty());
    EXPECT_EQ(pro.platform.choice(), Platform::IPhone);
    EXPECT_EQ(pro.output, path(u"out/pro"_s));
    EXPECT_EQ(pro.background, RgbColor::fromText(u"white"_s));
    EXPECT_FALSE(pro.strict);

    const Result<QList<ProjectFile::Recipe>> only = parse(json, {u"pro"_s});
    ASSERT_TRUE(only) << only.error().toStdString();
    ASSERT_EQ(only->size(), 1);
    EXPECT_EQ(only->first().name, u"pro"_s);
}

TEST_F(ProjectFileTest, AFileThatIsOneRecipeWritesBesideItself)
{
    const Result<QList<ProjectFile::Recipe>> recipes = parse(R"({"source": "art/free.png", "platform": 6})");
    ASSERT_TRUE(recipes) << recipes.error().toStdString();
    ASSERT_EQ(recipes->size(), 1);
    EXPECT_TRUE(recipes->first().name.isEmpty());
    EXPECT_EQ(recipes->first().options.platform.choice(), Platform::ScaledImageSet);
    EXPECT_EQ(recipes->first().options.output, QDir::cleanPath(m_dir.path()));
}

TEST_F(ProjectFileTest, ARecipeWithAProjectUpdatesItWithTheTargetsPictures)
{
    const Result<QList<ProjectFile::Recipe>> recipes = parse(R"({"recipes": {
        "app": {"source": "art/pro.png", "project": "mobile", "dark": "art/pro-dark.png"},
        "site": {"source": "art/free.png", "targets": ["web"]}}})");
    ASSERT_TRUE(recipes) << recipes.error().toStdString();
    const CliOptions &app = recipes->first().options;
    EXPECT_EQ(app.mode, CliOptions::Mode::IntoProject);
    EXPECT_EQ(app.projectFolder, path(u"mobile"_s));
    EXPECT_EQ(app.otherSources.value(SourceRole::Dark), path(u"art/pro-dark.png"_s));
    EXPECT_EQ(recipes->last().options.mode, CliOptions::Mode::Generate);

    const Result<QList<ProjectFile::Recipe>> refused =
        parse(R"({"recipes": {"app": {"source": "art/pro.png", "project": "mobile", "targets": "ios"}}})");
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().startsWith(u"iconsmith.json: recipes.app.targets: does not go with \"project\""_s))
        << refused.error().toStdString();
}

TEST_F(ProjectFileTest, EveryMistakeNamesTheFileAndTheKey)
{
    const QList<std::pair<QByteArray, QString>> mistakes{
        {R"({"source": 5})", u"iconsmith.json: source: expected a string, not a number"_s},
        {R"({"source": "art/free.png", "colour": "red"})", u"iconsmith.json: colour: unknown key"_s},
        {R"({"source": "art/free.png", "targets": ["ios", "amiga"]})",
         u"iconsmith.json: targets[1]: Unknown target \"amiga\""_s},
        {R"({"recipes": {"pro": {"source": "art/pro.png", "targets": ["ios", "amiga"]}}})",
         u"iconsmith.json: recipes.pro.targets[1]: Unknown target \"amiga\""_s},
        {R"({"recipes": {"pro": {"source": "art/missing.png", "targets": "ios"}}})",
         u"iconsmith.json: recipes.pro.source: there is no file "_s},
        {R"({"recipes": {"pro": {"source": "art", "targets": "ios"}}})", u"iconsmith.json: recipes.pro.source: "_s},
        {R"({"recipes": {"pro": {"targets": "ios"}}})", u"iconsmith.json: recipes.pro: no \"source\""_s},
        {R"({"source": "art/free.png", "targets": "ios", "android-inset": "10"})",
         u"iconsmith.json: android-inset: expected a number, not a string"_s},
        {R"({"source": "art/free.png", "targets": "ios", "android-inset": 60})",
         u"iconsmith.json: android-inset: --android-inset takes a percentage"_s},
        {R"({"source": "art/free.png", "no-shape": "yes"})", u"iconsmith.json: no-shape: expected true or false"_s},
        {R"({"source": "art/free.png", "platform": "iphone", "targets": "ios"})",
         u"iconsmith.json: platform: \"platform\" and \"targets\" cannot be combined"_s},
        {R"({"source": "art/free.png", "platform": "android"})", u"iconsmith.json: platform: Unknown platform"_s},
        {R"({"android-inset": 10, "recipes": {"pro": {"source": "art/pro.png", "platform": "iphone"}}})",
         u"iconsmith.json: android-inset: --android-inset goes with --target. (in recipes.pro)"_s},
        {R"({"recipes": {}})", u"iconsmith.json: recipes: expected an object of named recipes"_s},
        {R"({"recipes": {"pro": "art/pro.png"}})", u"iconsmith.json: recipes.pro: expected an object"_s},
        {R"(["art/free.png"])", u"iconsmith.json: expected a JSON object"_s},
        {"{\n  \"source\": \"art/free.png\",\n}", u"iconsmith.json:3:"_s},
    };
    for (const auto &[json, expected] : mistakes) {
        const Result<QList<ProjectFile::Recipe>> recipes = parse(json);
        ASSERT_FALSE(recipes) << json.toStdString();
        EXPECT_TRUE(recipes.error().startsWith(expected))
            << json.toStdString() << "\n  gave: " << recipes.error().toStdString();
    }
    // Two recipes writing the same folder would overwrite each other's files.
    const Result<QList<ProjectFile::Recipe>> clash = parse(
        R"({"targets": "ios", "output": "icons", "recipes": {"free": {"source": "art/free.png"},
            "pro": {"source": "art/pro.png"}}})");
    EXPECT_TRUE(clash.error().startsWith(u"iconsmith.json: output: "_s)) << clash.error().toStdString();
    EXPECT_TRUE(clash.error().contains(u"is written by recipes.free too"_s)) << clash.error().toStdString();

    const QByteArray twoRecipes = R"({"recipes": {"free": {"source": "art/free.png"},
                                      "pro": {"source": "art/missing.png"}}})";
    const Result<QList<ProjectFile::Recipe>> unknown = parse(twoRecipes, {u"gold"_s});
    EXPECT_TRUE(unknown.error().contains(u"there is no recipe \"gold\"; the recipes are free, pro"_s))
        << unknown.error().toStdString();
    // Only the pictures of the recipes that run must exist (a flavour's art may be elsewhere).
    EXPECT_TRUE(parse(twoRecipes, {u"free"_s}));
}

TEST_F(ProjectFileTest, KeysGivenTwiceAndRecipeNamesThatAreNoFileNamesAreRefused)
{
    const QList<std::pair<QByteArray, QString>> mistakes{
        // The reader would keep one of two recipes of a name and drop the other without a word.
        {R"({"recipes": {"free": {"source": "art/free.png", "targets": "ios"},
                         "fr\u0065e": {"source": "art/pro.png", "targets": "web", "output": "x"}}})",
         u"iconsmith.json:2:26: recipes.free: given twice"_s},
        {R"({"source": "art/free.png", "targets": "ios", "source": "art/pro.png"})",
         u"iconsmith.json:1:46: source: given twice"_s},
        {R"({"recipes": {"..": {"source": "art/free.png", "targets": "ios"}}})",
         u"iconsmith.json: recipes...: \"..\" cannot be a recipe's name"_s},
        {R"({"recipes": {"a/b": {"source": "art/free.png", "targets": "ios"}}})", u"iconsmith.json: recipes.a/b: "_s},
        {R"({"recipes": {"a\u001b[2Jb": {"source": "art/free.png", "targets": "ios"}}})",
         u"iconsmith.json: recipes.a\x1b[2Jb: "_s},
        {R"({"recipes": {"a\u0000b": {"source": "art/free.png", "targets": "ios"}}})",
         u"iconsmith.json: recipes.a"_s + QChar(0) + u"b: "_s},
        {R"({"source": "art/fr\u0000ee.png", "targets": "ios"})", u"iconsmith.json: source: holds a NUL"_s},
    };
    for (const auto &[json, expected] : mistakes) {
        const Result<QList<ProjectFile::Recipe>> recipes = parse(json);
        ASSERT_FALSE(recipes) << json.toStdString();
        EXPECT_TRUE(recipes.error().startsWith(expected))
            << json.toStdString() << "\n  gave: " << recipes.error().toStdString();
    }
    // The same key in two objects is two keys.
    EXPECT_TRUE(parse(R"({"targets": "ios", "recipes": {"a": {"source": "art/free.png", "targets": ["web"]},
                                                         "b": {"source": "art/pro.png", "targets": ["ios"]}}})"));
}

TEST_F(ProjectFileTest, RecipesThatWouldWriteTheSameFilesAreRefused)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(u"real"_s));
    ASSERT_TRUE(QFile::link(m_dir.filePath(u"real"_s), m_dir.filePath(u"alias"_s)));
    const QList<QByteArray> clashes{
        // A set inside another recipe's set, one folder through a link.
        R"({"recipes": {"a": {"source": "art/free.png", "targets": "ios", "output": "icons"},
                        "b": {"source": "art/pro.png", "platform": "iphone", "output": "icons/ios"}}})",
        R"({"recipes": {"a": {"source": "art/free.png", "targets": "web", "output": "real"},
                        "b": {"source": "art/pro.png", "targets": "ios,web", "output": "alias"}}})",
    };
    for (const QByteArray &json : clashes) {
        const Result<QList<ProjectFile::Recipe>> recipes = parse(json);
        ASSERT_FALSE(recipes) << json.toStdString();
        EXPECT_TRUE(recipes.error().contains(u"is written by recipes.a too"_s)) << recipes.error().toStdString();
    }
    EXPECT_TRUE(parse(R"({"output": "icons", "recipes": {"a": {"source": "art/free.png", "platform": "scaled"},
                                                        "b": {"source": "art/pro.png", "targets": "ios,web"}}})"))
        << "the scaled set's files beside the target folders";
}

TEST_F(ProjectFileTest, OnlyRegularFilesAreReadSoAFifoNeverBlocks)
{
    const QString fifo = m_dir.filePath(u"iconsmith.json"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Result<QList<ProjectFile::Recipe>> fromFifo = ProjectFile::read(fifo);
    ASSERT_FALSE(fromFifo);
    EXPECT_TRUE(fromFifo.error().contains(u"not a regular file"_s)) << fromFifo.error().toStdString();

    ASSERT_EQ(::mkfifo(QFile::encodeName(m_dir.filePath(u"art/pipe.png"_s)).constData(), 0600), 0);
    for (const QString &source : {m_dir.filePath(u"art/pipe.png"_s), u"/dev/zero"_s}) {
        const Result<QList<ProjectFile::Recipe>> recipes =
            parse(R"({"targets": "ios", "source": ")" + source.toUtf8() + R"("})");
        ASSERT_FALSE(recipes);
        EXPECT_TRUE(recipes.error().contains(u"is not a regular file"_s)) << recipes.error().toStdString();
    }
}

} // namespace
} // namespace iconsmith
