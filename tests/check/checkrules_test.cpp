// What the check accepts and refuses beyond Iconsmith's own files: the rules of Xcode, Android and
// browsers that real projects meet, and bounded work on hostile input.
#include "check/iconsetcheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <vips/vips8>

#include <fcntl.h>
#include <unistd.h>

#include "check/androidxml.h"
#include "check/webmanifest.h"
#include "codec/icnsreader.h"
#include "codec/icowriter.h"
#include "codec/imagelibrary.h"
#include "codec/pngstructure.h"
#include "codec/webpheader.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &info : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            copyTree(info.filePath(), to + u'/' + info.fileName());
        else
            QFile::copy(info.filePath(), to + u'/' + info.fileName());
    }
}

QByteArray webp(QSize size, const char *options = "")
{
    ImageLibrary::ensureStarted();
    vips::VImage image = vips::VImage::black(size.width(), size.height(), vips::VImage::option()->set("bands", 3));
    void *buffer = nullptr;
    std::size_t length = 0;
    image.write_to_buffer((std::string(".webp") + options).c_str(), &buffer, &length);
    QByteArray bytes(static_cast<const char *>(buffer), qsizetype(length));
    g_free(buffer);
    return bytes;
}

// The same picture in the simple file format: its image chunk alone in the RIFF container (the
// imaging library always writes the extended one).
QByteArray simpleWebp(const QByteArray &extended)
{
    for (qsizetype at = 12; at + 8 <= extended.size();) {
        const QByteArray type = extended.mid(at, 4);
        const auto length = qsizetype(quint8(extended[at + 4]) | quint8(extended[at + 5]) << 8 |
                                      quint8(extended[at + 6]) << 16 | quint32(quint8(extended[at + 7])) << 24);
        const qsizetype padded = length + length % 2;
        if (type == "VP8 " || type == "VP8L") {
            const QByteArray chunk = extended.mid(at, 8 + padded);
            const auto riff = quint32(4 + chunk.size());
            QByteArray file("RIFF");
            for (int shift = 0; shift < 32; shift += 8)
                file += char((riff >> shift) & 0xff);
            return file + "WEBP" + chunk;
        }
        at += 8 + padded;
    }
    return {};
}

class CheckRulesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    [[nodiscard]] QString path(const QString &relative) const { return m_dir.filePath(relative); }
    void write(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        test::writeBytes(path(relative), bytes);
    }
    void picture(const QString &relative, int side, bool alpha = false) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        test::writeTestPicture(path(relative), QSize(side, side), alpha);
    }
    static QString problems(const CheckReport &report)
    {
        QStringList lines;
        for (const CheckReport::Problem &problem : report.problems)
            lines << problem.file + u": "_s + problem.message;
        return lines.join(u'\n');
    }
    static QString notes(const CheckReport &report)
    {
        QStringList lines;
        for (const CheckReport::Problem &note : report.notes)
            lines << note.file + u": "_s + note.message;
        return lines.join(u'\n');
    }

    // An Android module folder: a manifest naming ic_launcher, its adaptive icon and layers.
    void androidModule(const QString &module, const QByteArray &adaptive) const
    {
        write(
            module + u"/AndroidManifest.xml"_s,
            R"(<manifest xmlns:android="http://schemas.android.com/apk/res/android">)"
            R"(<application android:icon="@mipmap/ic_launcher" android:roundIcon="@mipmap/ic_launcher_round"/></manifest>)");
        write(module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s, adaptive);
        for (const auto &[density, scale] : {std::pair{"mdpi", 1}, {"xhdpi", 2}, {"xxxhdpi", 4}}) {
            const QString folder = module + u"/res/mipmap-"_s + QLatin1String(density);
            picture(folder + u"/ic_launcher.png"_s, 48 * scale);
            picture(folder + u"/ic_launcher_round.png"_s, 48 * scale);
            picture(folder + u"/ic_launcher_foreground.png"_s, 108 * scale, true);
        }
    }

    QTemporaryDir m_dir;
};

const QByteArray adaptiveIcon = R"(<?xml version="1.0" encoding="utf-8"?>
<adaptive-icon xmlns:android="http://schemas.android.com/apk/res/android">
    <background android:drawable="@color/ic_launcher_background"/>
    <foreground android:drawable="@mipmap/ic_launcher_foreground"/>
</adaptive-icon>
)";

TEST_F(CheckRulesTest, AppleSetsOfEveryXcodeEraAndTheirFaults)
{
    const QString set = u"AppIcon.appiconset"_s;
    const auto contents = [this, &set](const QByteArray &images) {
        write(set + u"/Contents.json"_s,
              R"({ "images" : [ )" + images + R"( ], "info" : { "author" : "xcode", "version" : 1 } })");
        return IconSetCheck::check(path(set));
    };
    // All Sizes: a per-size universal entry may be transparent; the 1024 single size may not.
    picture(set + u"/icon-20@2x.png"_s, 40, true);
    picture(set + u"/icon-1024.png"_s, 1024);
    const QByteArray allSizes =
        R"({ "filename" : "icon-20@2x.png", "idiom" : "universal", "platform" : "ios", "scale" : "2x", "size" : "20x20" },
           { "filename" : "icon-1024.png", "idiom" : "universal", "platform" : "ios", "size" : "1024x1024" })";
    EXPECT_TRUE(contents(allSizes).passed()) << problems(contents(allSizes)).toStdString();
    picture(set + u"/icon-1024.png"_s, 1024, true);
    EXPECT_TRUE(problems(contents(allSizes)).contains(u"icon-1024.png: is the default ios icon and has an alpha"_s));
    picture(set + u"/icon-1024.png"_s, 1024);

    // A trailing comma: Xcode reads it, so it is a note; a merge conflict is not JSON at all.
    const CheckReport comma = contents(allSizes + ",");
    EXPECT_TRUE(comma.passed()) << problems(comma).toStdString();
    EXPECT_TRUE(notes(comma).contains(u"comma"_s));
    const CheckReport conflict = contents("<<<<<<< HEAD\n" + allSizes + "\n=======\n" + allSizes + "\n>>>>>>> other\n");
    EXPECT_TRUE(problems(conflict).contains(u"not valid JSON"_s));

    // A single size other than 1024 and an entry without a size stay faults.
    picture(set + u"/icon-256.png"_s, 256);
    EXPECT_TRUE(problems(contents(R"({ "filename" : "icon-256.png", "idiom" : "universal", "platform" : "ios",
                                        "size" : "256x256" })"))
                    .contains(u"single-size icon of 256x256"_s));
    EXPECT_TRUE(problems(contents(R"({ "filename" : "icon-256.png", "idiom" : "iphone", "scale" : "2x" })"))
                    .contains(u"no valid size"_s));
    // A WebP is no picture for Xcode.
    write(set + u"/icon-20@2x.png"_s, webp(QSize(40, 40)));
    EXPECT_TRUE(problems(contents(allSizes)).contains(u"WebP"_s));
}

TEST_F(CheckRulesTest, AndroidLaunchersLayersAndWhatElseResFoldersHold)
{
    const QString module = u"app/src/main"_s;
    androidModule(module, adaptiveIcon);
    write(module + u"/res/values/colors.xml"_s,
          R"(<resources><color name="ic_launcher_background">#FFFFFF</color></resources>)");
    EXPECT_TRUE(IconSetCheck::check(path(module)).passed())
        << problems(IconSetCheck::check(path(module))).toStdString();

    // A TV banner, an unused layer, a vector that lives in mipmap-anydpi: none is a launcher icon.
    write(
        module + u"/AndroidManifest.xml"_s,
        R"(<manifest xmlns:android="http://schemas.android.com/apk/res/android"><application android:icon="@mipmap/ic_launcher" )"
        R"(android:roundIcon="@mipmap/ic_launcher_round" android:banner="@mipmap/banner"/></manifest>)");
    QDir().mkpath(path(module + u"/res/mipmap-xhdpi"_s));
    test::writeTestPicture(path(module + u"/res/mipmap-xhdpi/banner.png"_s), QSize(320, 180), false);
    picture(module + u"/res/mipmap-xxxhdpi/old_layer.png"_s, 432);
    write(
        module + u"/res/mipmap-anydpi-v26/ic_shortcut.xml"_s,
        R"(<vector xmlns:android="http://schemas.android.com/apk/res/android" android:width="24dp" android:height="24dp"/>)");
    EXPECT_TRUE(IconSetCheck::check(path(module)).passed())
        << problems(IconSetCheck::check(path(module))).toStdString();
    // ... but each must be whole.
    write(module + u"/res/mipmap-xhdpi/banner.png"_s,
          readAll(path(module + u"/res/mipmap-xhdpi/banner.png"_s)).left(200));
    EXPECT_TRUE(problems(IconSetCheck::check(path(module))).contains(u"banner.png: is a damaged PNG"_s));
    QFile::remove(path(module + u"/res/mipmap-xhdpi/banner.png"_s));

    // A layer without a drawable makes Android throw; one drawn inside the layer is fine.
    write(module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s,
          QByteArray(adaptiveIcon)
              .replace(R"(<foreground android:drawable="@mipmap/ic_launcher_foreground"/>)", "<foreground/>"));
    EXPECT_TRUE(problems(IconSetCheck::check(path(module))).contains(u"<foreground> gives no drawable"_s));
    write(
        module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s,
        QByteArray(adaptiveIcon)
            .replace(
                R"(<foreground android:drawable="@mipmap/ic_launcher_foreground"/>)",
                R"(<foreground><inset android:drawable="@mipmap/ic_launcher_foreground" android:inset="16%"/></foreground>)"));
    EXPECT_TRUE(IconSetCheck::check(path(module)).passed())
        << problems(IconSetCheck::check(path(module))).toStdString();

    // The launcher icon's own XML must be an adaptive icon.
    write(module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s,
          R"(<layer-list xmlns:android="http://schemas.android.com/apk/res/android"/>)");
    EXPECT_TRUE(problems(IconSetCheck::check(path(module))).contains(u"not an <adaptive-icon>"_s));
    write(module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s, adaptiveIcon);

    // A WebP layer in drawable-xxhdpi (where flutter_launcher_icons writes them) at 48 dp.
    write(module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s,
          QByteArray(adaptiveIcon).replace("@mipmap/ic_launcher_foreground", "@drawable/fg"));
    write(module + u"/res/drawable-xxhdpi/fg.webp"_s, webp(QSize(324, 324), "[lossless]"));
    EXPECT_TRUE(IconSetCheck::check(path(module)).passed())
        << problems(IconSetCheck::check(path(module))).toStdString();
    write(module + u"/res/drawable-xxhdpi/fg.webp"_s, webp(QSize(144, 144)));
    EXPECT_TRUE(problems(IconSetCheck::check(path(module))).contains(u"fg.webp: is 144 × 144 pixels"_s));
}

TEST_F(CheckRulesTest, ResourcesOfLibrariesAreNotesUnlessTheWholeProjectLacksThem)
{
    const QString module = u"project/app/src/main"_s;
    androidModule(module, QByteArray(adaptiveIcon).replace("@color/ic_launcher_background", "@color/brand"));
    // The colour is a library's, or another module's: this folder cannot tell.
    CheckReport report = IconSetCheck::check(path(module));
    EXPECT_TRUE(report.passed()) << problems(report).toStdString();
    EXPECT_TRUE(notes(report).contains(u"@color/brand, which is not in this folder"_s)) << notes(report).toStdString();
    // The whole project is given, and nothing in it declares the colour.
    write(u"project/settings.gradle.kts"_s, "include(\":app\", \":design\")\n");
    report = IconSetCheck::check(path(u"project"_s));
    EXPECT_TRUE(problems(report).contains(u"@color/brand, which nothing in the project declares"_s))
        << problems(report).toStdString();
    // Another module of it does.
    write(u"project/design/src/main/res/values/colors.xml"_s,
          R"(<resources><color name="brand">#123456</color></resources>)");
    report = IconSetCheck::check(path(u"project"_s));
    EXPECT_TRUE(report.passed()) << problems(report).toStdString();
    // A launcher mipmap belongs to the app: missing, it is a fault even alone.
    write(module + u"/res/mipmap-anydpi-v26/ic_launcher.xml"_s,
          QByteArray(adaptiveIcon).replace("@mipmap/ic_launcher_foreground", "@mipmap/gone"));
    EXPECT_TRUE(problems(IconSetCheck::check(path(module))).contains(u"@mipmap/gone"_s));
}

TEST_F(CheckRulesTest, WebManifestsAreFoundAsPagesLinkThem)
{
    // A page linking a manifest of another name in another folder, whose icons resolve against it.
    write(u"site/index.html"_s, R"(<html><head><link rel="manifest" href="/static/app.webmanifest">
        <link rel="icon" href="{{ url_for('static', filename='x.ico') }}"><link rel="stylesheet" href="later.css">
        <!-- <link rel="icon" href="commented-out.png"> --></head></html>)");
    write(
        u"site/static/app.webmanifest"_s,
        R"({"icons": [{"src": "icons/192.png", "sizes": "192x192"}, {"src": "../big.webp", "sizes": "512x512", "type": "image/webp"}]})");
    picture(u"site/static/icons/192.png"_s, 192);
    write(u"site/big.webp"_s, webp(QSize(512, 512)));
    CheckReport report = IconSetCheck::check(path(u"site"_s));
    EXPECT_TRUE(report.passed()) << problems(report).toStdString();
    ASSERT_EQ(report.found.size(), 1);
    EXPECT_EQ(report.found.first().kind, u"web"_s);
    QFile::remove(path(u"site/static/icons/192.png"_s));
    EXPECT_TRUE(problems(IconSetCheck::check(path(u"site"_s)))
                    .contains(u"static/app.webmanifest: the icon icons/192.png is missing"_s));

    // A favicon.ico must hold every size the manifest declares for it.
    write(u"pwa/manifest.json"_s,
          R"({"short_name": "x", "icons": [{"src": "favicon.ico", "sizes": "64x64 32x32 16x16"}]})");
    QList<IcoWriter::Image> images{{test::patternBitmap(QSize(16, 16), 4), {}},
                                   {test::patternBitmap(QSize(32, 32), 4), {}}};
    write(u"pwa/favicon.ico"_s, IcoWriter::write(images).value());
    EXPECT_TRUE(problems(IconSetCheck::check(path(u"pwa"_s)))
                    .contains(u"favicon.ico is declared 64x64, but it is 32x32, 16x16"_s));

    // A browser extension's manifest.json is no web app manifest: it is read as an extension's.
    write(u"extension/manifest.json"_s, R"({"manifest_version": 3, "name": "x", "icons": {"16": "i.png"}})");
    const IconSetCheck::Report extension = IconSetCheck::check(path(u"extension"_s));
    ASSERT_EQ(extension.found.size(), 1);
    EXPECT_EQ(extension.found.first().kind, u"extension"_s);
    EXPECT_TRUE(problems(extension).contains(u"i.png: is missing"_s)) << problems(extension).toStdString();
}

TEST_F(CheckRulesTest, LinksOutOfTheCheckedFolderAndOddLayerNamesAreProblems)
{
    QTemporaryDir outside;
    picture(u"tree/inner/a.png"_s, 16);
    ASSERT_TRUE(QFile::link(outside.path(), path(u"tree/out"_s)));
    ASSERT_TRUE(QFile::link(path(u"tree/inner"_s), path(u"tree/again"_s)));
    test::writeBytes(outside.filePath(u"x.icns"_s), "icns");
    ASSERT_TRUE(QFile::link(outside.filePath(u"x.icns"_s), path(u"tree/linked.icns"_s)));
    const CheckReport report = IconSetCheck::check(path(u"tree"_s));
    EXPECT_TRUE(problems(report).contains(u"out: is a link that leads outside the checked folder"_s))
        << problems(report).toStdString();
    EXPECT_TRUE(problems(report).contains(u"linked.icns: is a link that leads outside the checked folder"_s));
    EXPECT_FALSE(problems(report).contains(u"again"_s));
    EXPECT_TRUE(notes(report).contains(u"again: is a link to a folder"_s));

    write(u"AppIcon.icon/icon.json"_s,
          R"({"groups": [{"name": 7, "layers": [{"name": 5, "image-name": "a.png"}, 3]}]})");
    picture(u"AppIcon.icon/Assets/a.png"_s, 64);
    const QString composer = problems(IconSetCheck::check(path(u"AppIcon.icon"_s)));
    EXPECT_TRUE(composer.contains(u"layer 1 of group 1 has a name that is not text"_s)) << composer.toStdString();
    EXPECT_TRUE(composer.contains(u"group 1 has a name that is not text"_s));
    EXPECT_TRUE(composer.contains(u"layer 2 of group 1 is not an object"_s));
}

TEST_F(CheckRulesTest, HostileInputCostsBoundedTimeAndReport)
{
    // An .icns of 8 M empty chunks: one problem, at once.
    QByteArray icns(qsizetype(64) << 20, '\0');
    memcpy(icns.data(), "icns\x04\0\0\0", 8);
    for (qsizetype at = 8; at < icns.size(); at += 8)
        memcpy(icns.data() + at, "zzzz\0\0\0\x08", 8);
    write(u"big.icns"_s, icns);
    icns.clear();
    QElapsedTimer timer;
    timer.start();
    CheckReport report = IconSetCheck::check(path(u"big.icns"_s));
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems.first().message.contains(u"more than %1 chunks"_s.arg(IcnsReader::maxChunks)));

    // A manifest naming one large .ico thousands of times, and a thousand missing icons: the
    // .ico is read once, and a file's problems stop at the bound with one note of the rest.
    QByteArray ico = IcoWriter::write({{test::patternBitmap(QSize(48, 48), 4), {}}}).value();
    ico.append(QByteArray(qsizetype(16) << 20, '\0'));
    write(u"web/favicon.ico"_s, ico);
    QByteArray icons;
    for (int i = 0; i < 3000; ++i)
        icons += R"({"src": "favicon.ico", "sizes": "48x48"},)";
    for (int i = 0; i < 1000; ++i)
        icons += R"({"src": "missing-)" + QByteArray::number(i) + R"(.png"},)";
    write(u"web/manifest.webmanifest"_s, R"({"icons": [)" + icons.chopped(1) + "]}");
    timer.restart();
    report = IconSetCheck::check(path(u"web"_s));
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(report.imagesChecked, 1);
    EXPECT_EQ(report.problems.size(), CheckReport::maxPerFile);
    EXPECT_TRUE(notes(report).contains(u"and 980 more problems of this file"_s)) << notes(report).toStdString();

    // A folder of more entries than the walk takes is listed only up to its bound.
    QDir().mkpath(path(u"many"_s));
    const QByteArray many = QFile::encodeName(path(u"many/f"_s));
    for (int i = 0; i <= IconSetFinder::maxEntries; ++i) {
        const int fd = ::open((many + QByteArray::number(i)).constData(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    report = IconSetCheck::check(path(u"many"_s));
    EXPECT_TRUE(problems(report).contains(u"the check stopped"_s)) << problems(report).toStdString();
}

TEST_F(CheckRulesTest, DamagedPngsInsideIcnsAndIcoFilesAreFound)
{
    picture(u"p.png"_s, 128, true);
    const QByteArray png = readAll(path(u"p.png"_s));
    const auto bigEndian = [](quint32 value) {
        QByteArray bytes;
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += char((value >> shift) & 0xff);
        return bytes;
    };
    const auto icns = [&](const QByteArray &payload) {
        const QByteArray chunk = "ic07" + bigEndian(quint32(8 + payload.size())) + payload;
        return "icns" + bigEndian(quint32(8 + chunk.size())) + chunk;
    };
    QByteArray damaged = png;
    damaged[png.size() / 2] = char(damaged[png.size() / 2] ^ 0x10);
    write(u"good.icns"_s, icns(png));
    EXPECT_TRUE(IconSetCheck::check(path(u"good.icns"_s)).passed());
    write(u"bad.icns"_s, icns(damaged));
    EXPECT_TRUE(problems(IconSetCheck::check(path(u"bad.icns"_s))).contains(u"chunk \"ic07\": its PNG is damaged"_s));

    QByteArray ico =
        IcoWriter::write({{test::patternBitmap(QSize(64, 64), 4), {}}}, IcoWriter::Storage::PngEverywhere).value();
    write(u"good.ico"_s, ico);
    EXPECT_TRUE(IconSetCheck::check(path(u"good.ico"_s)).passed())
        << problems(IconSetCheck::check(path(u"good.ico"_s))).toStdString();
    ico[ico.size() - 20] = char(ico[ico.size() - 20] ^ 0x10);
    write(u"bad.ico"_s, ico);
    EXPECT_TRUE(problems(IconSetCheck::check(path(u"bad.ico"_s))).contains(u"its PNG is damaged"_s));
}

TEST(PngStructure, CompletePngsPassAndCutOrDamagedOnesSayWhy)
{
    QTemporaryDir dir;
    test::writeTestPicture(dir.filePath(u"a.png"_s), QSize(64, 64), true);
    const QByteArray png = readAll(dir.filePath(u"a.png"_s));
    EXPECT_EQ(PngStructure::damage(png), QString());
    EXPECT_EQ(PngStructure::damage(png + "trailing bytes readers ignore"), QString());
    EXPECT_TRUE(PngStructure::damage(png.chopped(12)).contains(u"without an IEND"_s));
    EXPECT_TRUE(PngStructure::damage(png.left(png.size() / 2)).contains(u"cut short"_s));
    QByteArray flipped = png;
    flipped[png.size() / 2] = char(flipped[png.size() / 2] ^ 1);
    EXPECT_TRUE(PngStructure::damage(flipped).contains(u"wrong CRC"_s));
    // The signature and IHDR, then IEND: a header with no image behind it.
    EXPECT_TRUE(PngStructure::damage(png.left(33) + png.right(12)).contains(u"no image data"_s));
}

TEST(WebpHeader, ReadsLossyLosslessAndExtendedFilesAndRefusesCutOnes)
{
    const Result<WebpHeader> lossy = WebpHeader::parse(simpleWebp(webp(QSize(30, 20))));
    ASSERT_TRUE(lossy) << lossy.error().toStdString();
    EXPECT_EQ(lossy->size, QSize(30, 20));
    EXPECT_EQ(lossy->kind, WebpHeader::Kind::Lossy);
    const Result<WebpHeader> lossless = WebpHeader::parse(simpleWebp(webp(QSize(17, 33), "[lossless]")));
    ASSERT_TRUE(lossless) << lossless.error().toStdString();
    EXPECT_EQ(lossless->size, QSize(17, 33));
    EXPECT_EQ(lossless->kind, WebpHeader::Kind::Lossless);

    ImageLibrary::ensureStarted();
    void *buffer = nullptr;
    std::size_t length = 0;
    vips::VImage::black(40, 10, vips::VImage::option()->set("bands", 4)).write_to_buffer(".webp", &buffer, &length);
    const QByteArray alpha(static_cast<const char *>(buffer), qsizetype(length));
    g_free(buffer);
    const Result<WebpHeader> extended = WebpHeader::parse(alpha);
    ASSERT_TRUE(extended) << extended.error().toStdString();
    EXPECT_EQ(extended->size, QSize(40, 10));
    EXPECT_TRUE(extended->alpha);

    EXPECT_TRUE(WebpHeader::parse(webp(QSize(30, 20)).chopped(5)).error().contains(u"cut short"_s));
    EXPECT_FALSE(WebpHeader::parse(QByteArray("RIFF\4\0\0\0WEBP", 12)));
}

TEST(WebUrl, ResolvesAgainstTheDocumentAndTheSiteRoot)
{
    EXPECT_EQ(WebUrl::fileOf(u"icons/a.png"_s, u"static"_s), u"static/icons/a.png"_s);
    EXPECT_EQ(WebUrl::fileOf(u"/a.png?v=2#x"_s, u"static"_s), u"a.png"_s);
    EXPECT_EQ(WebUrl::fileOf(u"../a%20b.png"_s, u"static"_s), u"a b.png"_s);
    EXPECT_EQ(WebUrl::fileOf(u"../x.png"_s), u"../x.png"_s);
    EXPECT_EQ(WebUrl::fileOf(u"%PUBLIC_URL%/logo192.png"_s, u"deep"_s), u"logo192.png"_s);
    EXPECT_EQ(WebUrl::fileOf(u"<%= BASE_URL %>favicon.ico"_s), u"favicon.ico"_s);
    EXPECT_EQ(WebUrl::fileOf(u"https://cdn.example/a.png"_s), QString());
    EXPECT_EQ(WebUrl::fileOf(u"data:image/png;base64,AAAA"_s), QString());
    EXPECT_TRUE(WebUrl::isTemplated(u"{{ site.baseurl }}/a.png"_s));
    EXPECT_TRUE(WebUrl::isTemplated(u"$FLUTTER_BASE_HREF"_s));
    EXPECT_FALSE(WebUrl::isTemplated(u"icons/a-100%.png"_s));
}

TEST(AndroidXml, ReadsReferencesLayersAndManifestIcons)
{
    const AndroidXml::Drawable drawable = AndroidXml::readDrawable(
        R"(<adaptive-icon xmlns:android="http://schemas.android.com/apk/res/android">
             <background android:drawable="@android:color/white"/>
             <foreground><inset android:drawable="@+drawable/fg"/></foreground>
             <monochrome/>
           </adaptive-icon>)");
    EXPECT_EQ(drawable.root, u"adaptive-icon"_s);
    EXPECT_EQ(drawable.emptyLayers, QStringList{u"monochrome"_s});
    ASSERT_EQ(drawable.references.size(), 2);
    EXPECT_TRUE(drawable.references[0].otherPackage);
    EXPECT_EQ(drawable.references[1].type, u"drawable"_s);
    EXPECT_EQ(drawable.references[1].name, u"fg"_s);
    EXPECT_FALSE(AndroidXml::readDrawable("<adaptive-icon><foreground").error.isEmpty());

    const AndroidXml::ManifestIcons manifest = AndroidXml::readManifest(
        R"(<manifest xmlns:android="a"><application android:icon="${appIcon}"><activity-alias android:roundIcon="@drawable/r"/>
           </application></manifest>)");
    EXPECT_TRUE(manifest.placeholders);
    ASSERT_EQ(manifest.icons.size(), 1);
    EXPECT_EQ(manifest.icons.first().name, u"r"_s);

    const AndroidXml::Values values = AndroidXml::readValues(
        R"(<resources><color name="a">#12345</color><color name="b">@color/c</color><item type="drawable" name="d">@null</item></resources>)");
    EXPECT_EQ(values.declared.size(), 3);
    EXPECT_EQ(values.badColours.size(), 1);
}

} // namespace
} // namespace iconsmith
