#include "check/iconsetcheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "codec/sourceimage.h"
#include "generation/icongenerator.h"
#include "generation/targetgenerator.h"
#include "generation/targets/targetcatalog.h"
#include "support/testsupport.h"

#include <sys/stat.h>

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

class IconSetCheckTest : public ::testing::Test
{
protected:
    // A fresh iPhone + iPad set from an opaque source, as Iconsmith writes it.
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString source = m_dir.filePath(u"source.png"_s);
        test::writeTestPicture(source, QSize(256, 256), false);
        test::RecordingHost host;
        GenerationRequest request;
        request.saveFolder = m_dir.path();
        request.platform = Platform::fromChoice(2);
        request.sizeTable = test::shippedSizeTable();
        IconGenerator generator(request, host);
        ASSERT_TRUE(generator.generateIconsWithImage(*SourceImage::load(source)).succeeded());
        m_set = m_dir.filePath(u"AppIcon.appiconset"_s);
    }

    QStringList problemsAbout() const
    {
        QStringList lines;
        for (const IconSetCheck::Problem &problem : IconSetCheck::check(m_set).problems)
            lines << problem.file + u": "_s + problem.message;
        return lines;
    }

    void rewriteContents(const std::function<void(QByteArray &)> &edit) const
    {
        QFile file(m_set + u"/Contents.json"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray json = file.readAll();
        file.close();
        edit(json);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
    }

    QTemporaryDir m_dir;
    QString m_set;
};

TEST_F(IconSetCheckTest, AFreshSetPasses)
{
    const IconSetCheck::Report result = IconSetCheck::check(m_set);
    EXPECT_TRUE(result.passed()) << problemsAbout().join(u'\n').toStdString();
    EXPECT_EQ(result.imagesChecked, 18);
}

TEST_F(IconSetCheckTest, FindsEveryKindOfProblemInABrokenSet)
{
    // Missing file, wrong size, a duplicate slot, an alpha channel on the App Store icon, and an
    // unlisted PNG.
    ASSERT_TRUE(QFile::remove(m_set + u"/Icon-20@3x.png"_s));
    test::writeTestPicture(m_set + u"/Icon-29@2x.png"_s, QSize(50, 50), false);
    test::writeTestPicture(m_set + u"/ios-marketing.png"_s, QSize(1024, 1024), true);
    test::writeTestPicture(m_set + u"/stray.png"_s, QSize(10, 10), false);
    rewriteContents([](QByteArray &json) {
        json.replace("\"filename\" : \"Icon-40@2x.png\",\n      \"idiom\" : \"iphone\",\n      \"scale\" : \"2x\",\n"
                     "      \"size\" : \"40x40\"",
                     "\"filename\" : \"Icon-40@2x.png\",\n      \"idiom\" : \"iphone\",\n      \"scale\" : \"2x\",\n"
                     "      \"size\" : \"20x20\"");
    });
    const QStringList problems = problemsAbout();
    const auto mentions = [&problems](const QString &file, const QString &words) {
        for (const QString &line : problems) {
            if (line.startsWith(file + u':') && line.contains(words))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(mentions(u"Icon-20@3x.png"_s, u"missing"_s));
    EXPECT_TRUE(mentions(u"Icon-29@2x.png"_s, u"50 × 50"_s));
    EXPECT_TRUE(mentions(u"Icon-40@2x.png"_s, u"another entry"_s));
    EXPECT_TRUE(mentions(u"ios-marketing.png"_s, u"alpha channel"_s));
    EXPECT_TRUE(mentions(u"stray.png"_s, u"unassigned"_s));
    // The renamed slot also finds its file the wrong size, and Icon-29@2x.png is listed for iPhone and iPad.
    EXPECT_EQ(problems.size(), 7) << problems.join(u'\n').toStdString();
}

TEST_F(IconSetCheckTest, AnUnreadableCatalogOrFolderIsOneProblem)
{
    rewriteContents([](QByteArray &json) { json.truncate(json.size() / 2); });
    ASSERT_EQ(IconSetCheck::check(m_set).problems.size(), 1);
    EXPECT_EQ(IconSetCheck::check(m_dir.filePath(u"nowhere"_s)).problems.size(), 1);
}

TEST_F(IconSetCheckTest, NamesLeadingOutOfTheSetAreNeverOpened)
{
    // A picture beside the set, and a link inside the set that leads to it.
    test::writeTestPicture(m_dir.filePath(u"beside.png"_s), QSize(20, 20), false);
    ASSERT_TRUE(QFile::link(m_dir.filePath(u"beside.png"_s), m_set + u"/link.png"_s));
    rewriteContents([](QByteArray &json) {
        QByteArray extra;
        for (const char *name : {"../beside.png", "/etc/shadow", "sub/x.png", "a\\\\b.png", "x\\u0000.png", "link.png"})
            extra += QByteArray(R"({"filename":")") + name + R"(","idiom":"iphone","scale":"1x","size":"20x20"},)";
        json.replace("\"images\" : [", "\"images\" : [" + extra);
    });
    QStringList outside;
    for (const QString &line : problemsAbout()) {
        if (line.contains(u"not opened"_s))
            outside << line.section(u':', 0, 0);
        // Whether a file outside the set exists is none of the check's business.
        EXPECT_FALSE(line.contains(u"missing"_s)) << line.toStdString();
    }
    EXPECT_EQ(outside.size(), 6) << problemsAbout().join(u'\n').toStdString();
}

TEST_F(IconSetCheckTest, FifosAndDevicesNeitherBlockNorAreRead)
{
    ASSERT_TRUE(QFile::remove(m_set + u"/Icon-76.png"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_set + u"/Icon-76.png"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::remove(m_set + u"/Icon-40.png"_s));
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, m_set + u"/Icon-40.png"_s));
    const QStringList problems = problemsAbout();
    ASSERT_EQ(problems.size(), 2) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.filter(u"Icon-76.png: "_s).first().contains(u"not a regular file"_s));
    EXPECT_TRUE(problems.filter(u"Icon-40.png: "_s).first().contains(u"leads outside"_s));

    // A Contents.json that is a FIFO is one problem too, not a wait for a writer.
    const QString fifoSet = m_dir.filePath(u"Fifo.appiconset"_s);
    ASSERT_TRUE(QDir().mkpath(fifoSet));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoSet + u"/Contents.json"_s).constData(), 0600), 0);
    const IconSetCheck::Report report = IconSetCheck::check(fifoSet);
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems.first().message.contains(u"not a regular file"_s));
}

TEST(IconSetCheck, PixelsAreSizeTimesScale)
{
    EXPECT_EQ(IconSetCheck::pixelsFor(u"83.5"_s, u"2x"_s), 167);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"20"_s, u"3x"_s), 60);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"83.5"_s, u"1x"_s), -1);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"twenty"_s, u"2x"_s), -1);
    EXPECT_EQ(IconSetCheck::pixelsFor(u"20"_s, u"2"_s), -1);
}

// Everything Iconsmith writes, in one folder: every target from a transparent bitmap with dark
// and tinted pictures, every target from an SVG, and every platform choice 0 to 6.
class EveryOutputTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString picture(const QString &name, bool withAlpha)
    {
        const QString path = m_dir.filePath(name);
        test::writeTestPicture(path, QSize(256, 256), withAlpha);
        return path;
    }
    QString svg()
    {
        const QString path = m_dir.filePath(u"logo.svg"_s);
        test::writeBytes(path, R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64">)"
                               R"(<circle cx="32" cy="32" r="30" fill="teal"/></svg>)");
        return path;
    }
    void generateTargets(const QString &folder, const QString &source, const QMap<SourceRole, QString> &others = {})
    {
        TargetSources sources{*SourceImage::load(source), {}};
        for (auto it = others.begin(); it != others.end(); ++it)
            sources.others.insert(it.key(), *SourceImage::load(it.value()));
        test::RecordingHost host;
        const GenerationReport report = TargetGenerator(host).generate(
            sources, {out(folder), TargetCatalog::parse(u"everything"_s).value(), TargetOptions{}});
        ASSERT_TRUE(report.succeeded()) << report.failures.first().reason.toStdString();
    }
    void generateChoice(int choice, const QString &source)
    {
        test::RecordingHost host;
        GenerationRequest request;
        request.saveFolder = out(u"p%1"_s.arg(choice));
        request.platform = Platform::fromChoice(choice);
        request.sizeTable = test::shippedSizeTable();
        ASSERT_TRUE(QDir().mkpath(request.saveFolder));
        IconGenerator generator(request, host);
        const GenerationReport report = generator.generate(*SourceImage::load(source));
        ASSERT_TRUE(report.succeeded()) << report.failures.first().reason.toStdString();
    }
    QString out(const QString &file = {}) const
    {
        return m_dir.filePath(u"out"_s) + (file.isEmpty() ? u""_s : u'/' + file);
    }
    static IconSetCheck::Report check(const QString &path)
    {
        return IconSetCheck::check(path, {test::shippedSizeTable()});
    }
    static std::string lines(const IconSetCheck::Report &report)
    {
        QStringList text;
        for (const IconSetCheck::Problem &problem : report.problems)
            text << problem.file + u": "_s + problem.message;
        return text.join(u'\n').toStdString();
    }

    QTemporaryDir m_dir;
};

TEST_F(EveryOutputTest, EverythingIconsmithWritesPassesTheCheck)
{
    const QString source = picture(u"source.png"_s, true);
    generateTargets(
        u"bitmap"_s, source,
        {{SourceRole::Dark, picture(u"dark.png"_s, true)}, {SourceRole::Tinted, picture(u"t.png"_s, false)}});
    generateTargets(u"vector"_s, svg());
    // The classic sets from an opaque picture: a transparent one gives a transparent App Store
    // icon, which the generation warns about and the check rightly fails.
    const QString opaque = picture(u"opaque.png"_s, false);
    for (int choice = 0; choice <= 6; ++choice)
        generateChoice(choice, opaque);

    const IconSetCheck::Report report = check(out());
    EXPECT_TRUE(report.passed()) << lines(report);
    QStringList kinds;
    for (const CheckReport::Found &found : report.found)
        kinds << found.kind;
    kinds.removeDuplicates();
    kinds.sort();
    EXPECT_EQ(kinds.join(u' '), u"android appiconset brandassets extension hicolor icns ico icon scaled "
                                "solidimagestack splash web windows-assets"_s);
    // Sixteen sets and files from each target run (the favicon is the web folder's; three
    // Android folders), a set each from p0 to p5, one scaled set from p6.
    EXPECT_EQ(report.found.size(), 2 * 16 + 6 + 1);

    // The watch images of choice 3 are the set's own: notes, named relative to the folder checked.
    EXPECT_EQ(report.notes.size(), 14);
    for (const IconSetCheck::Problem &note : report.notes)
        EXPECT_TRUE(note.file.startsWith(u"p3/AppIcon.appiconset/"_s)) << note.file.toStdString();

    // Each set checked on its own passes as well.
    for (const QString &set :
         {u"bitmap/ios/AppIcon.appiconset"_s, u"vector/android/res"_s, u"bitmap/macos/AppIcon.icns"_s, u"vector/web"_s,
          u"bitmap/icon-composer/AppIcon.icon"_s, u"p3/AppIcon.appiconset"_s})
        EXPECT_TRUE(check(out(set)).passed()) << set.toStdString() << '\n' << lines(check(out(set)));
}

TEST_F(EveryOutputTest, BrokenFilesOfEveryFormatAreFound)
{
    generateTargets(u"t"_s, picture(u"source.png"_s, true));
    const auto edit = [this](const QString &file, const std::function<void(QByteArray &)> &change) {
        QFile read(out(file));
        ASSERT_TRUE(read.open(QIODevice::ReadOnly));
        QByteArray bytes = read.readAll();
        read.close();
        change(bytes);
        test::writeBytes(out(file), bytes);
    };
    // A truncated .icns; an .ico whose 16-pixel entry holds a 20-pixel PNG; a manifest icon
    // of the wrong size and one outside the folder; an adaptive icon naming a missing layer;
    // a FIFO among the theme's icons.
    edit(u"t/macos/AppIcon.icns"_s, [](QByteArray &bytes) { bytes.chop(100); });
    test::writePng(out(u"t/windows/16.png"_s), QSize(20, 20), [](int, int) { return std::array<std::uint8_t, 4>{}; });
    QFile pngFile(out(u"t/windows/16.png"_s));
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    const QByteArray png = pngFile.readAll();
    QByteArray ico("\0\0\1\0\1\0", 6);
    ico += QByteArray("\x10\x10\0\0\1\0\x20\0", 8);
    for (const quint32 value : {quint32(png.size()), quint32(22)})
        for (int shift = 0; shift < 32; shift += 8)
            ico += char((value >> shift) & 0xff);
    test::writeBytes(out(u"t/windows/app.ico"_s), ico + png);
    ASSERT_TRUE(QFile::remove(out(u"t/windows/16.png"_s)));
    test::writePng(out(u"t/web/icon-192.png"_s), QSize(100, 100),
                   [](int, int) { return std::array<std::uint8_t, 4>{}; });
    edit(u"t/web/manifest.webmanifest"_s, [](QByteArray &bytes) { bytes.replace("\"icon-512.png\"", "\"../x.png\""); });
    edit(u"t/android/res/mipmap-anydpi-v26/ic_launcher.xml"_s,
         [](QByteArray &bytes) { bytes.replace("@mipmap/ic_launcher_monochrome", "@mipmap/gone"); });
    const QString fifo = out(u"t/linux/hicolor/48x48/apps/icon.png"_s);
    ASSERT_TRUE(QFile::remove(fifo));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(out(u"empty"_s)));

    const IconSetCheck::Report report = check(out(u"t"_s));
    const std::string all = lines(report);
    const auto mentions = [&report](const QString &file, const QString &words) {
        return std::any_of(report.problems.cbegin(), report.problems.cend(),
                           [&](const IconSetCheck::Problem &p) { return p.file == file && p.message.contains(words); });
    };
    EXPECT_TRUE(mentions(u"macos/AppIcon.icns"_s, u"bytes long"_s)) << all;
    EXPECT_TRUE(mentions(u"windows/app.ico"_s, u"20 × 20"_s)) << all;
    EXPECT_TRUE(mentions(u"web/manifest.webmanifest"_s, u"declared 192x192, but it is 100x100"_s)) << all;
    EXPECT_TRUE(mentions(u"web/manifest.webmanifest"_s, u"../x.png is not the name of a file inside"_s)) << all;
    EXPECT_TRUE(mentions(u"android/res/mipmap-anydpi-v26/ic_launcher.xml"_s, u"@mipmap/gone"_s)) << all;
    EXPECT_TRUE(mentions(u"linux/hicolor/48x48/apps/icon.png"_s, u"not a regular file"_s)) << all;
    EXPECT_EQ(report.problems.size(), 6) << all;

    const IconSetCheck::Report nothing = check(out(u"empty"_s));
    ASSERT_EQ(nothing.problems.size(), 1);
    EXPECT_TRUE(nothing.problems.first().message.contains(u"nothing to check"_s));
}

} // namespace
} // namespace iconsmith
