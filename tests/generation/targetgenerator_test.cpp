#include "generation/targetgenerator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>

#include "catalog/contentsdocument.h"
#include "codec/icnsreader.h"
#include "codec/icoreader.h"
#include "generation/targets/targetcatalog.h"
#include "generation/targets/treatmentlayout.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The largest distance from the centre, in pixels, of any pixel of @p image that is not transparent.
double contentRadius(const test::DecodedImage &image)
{
    double farthest = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.alpha(x, y) > 0)
                farthest = std::max(farthest, std::hypot(x + 0.5 - image.width / 2.0, y + 0.5 - image.height / 2.0));
    return farthest;
}

class TargetGeneratorTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    // An orange disc filling its square, on transparency: a logo.
    QString disc()
    {
        const QString path = m_dir.filePath(u"disc.png"_s);
        test::writePng(path, QSize(512, 512), [](int x, int y) -> std::array<std::uint8_t, 4> {
            const bool inside = std::hypot(x + 0.5 - 256, y + 0.5 - 256) < 250;
            return {255, 128, 0, std::uint8_t(inside ? 255 : 0)};
        });
        return path;
    }

    GenerationReport generate(const QString &source, const QStringList &targets, TargetOptions options = {},
                              const QMap<SourceRole, QString> &others = {})
    {
        TargetSources sources{*SourceImage::load(source), {}};
        for (auto it = others.begin(); it != others.end(); ++it)
            sources.others.insert(it.key(), *SourceImage::load(it.value()));
        return TargetGenerator(m_host).generate(sources, {out(), targets, options});
    }
    QString out(const QString &file = {}) const
    {
        return m_dir.filePath(u"out"_s) + (file.isEmpty() ? u""_s : u'/' + file);
    }

    QTemporaryDir m_dir;
    test::RecordingHost m_host;
};

TEST_F(TargetGeneratorTest, EveryTargetWritesFilesThatReadBackInTheirFormatsOwnTerms)
{
    const GenerationReport report = generate(disc(), TargetCatalog::parse(u"everything"_s).value());
    ASSERT_TRUE(report.succeeded()) << report.failures.first().reason.toStdString();
    EXPECT_TRUE(report.notes.isEmpty());

    // iOS: light opaque, dark with its transparency, tinted greyscale and opaque; all three listed.
    const test::DecodedImage light = test::readImage(out(u"ios/AppIcon.appiconset/AppIcon.png"_s));
    const test::DecodedImage dark = test::readImage(out(u"ios/AppIcon.appiconset/AppIcon-dark.png"_s));
    const test::DecodedImage tinted = test::readImage(out(u"ios/AppIcon.appiconset/AppIcon-tinted.png"_s));
    EXPECT_EQ(light.size(), QSize(1024, 1024));
    EXPECT_EQ(light.bands, 3);
    EXPECT_EQ(dark.bands, 4);
    EXPECT_EQ(dark.alpha(0, 0), 0);
    ASSERT_EQ(tinted.bands, 3);
    EXPECT_EQ(tinted.at(512, 512, 0), tinted.at(512, 512, 1));
    EXPECT_EQ(tinted.at(512, 512, 1), tinted.at(512, 512, 2));
    const Result<ContentsDocument> ios =
        ContentsDocument::fromJson(readAll(out(u"ios/AppIcon.appiconset/Contents.json"_s)));
    ASSERT_TRUE(ios);
    ASSERT_EQ(ios->images.size(), 3);
    EXPECT_EQ(ios->images[1].appearance, u"dark"_s);
    EXPECT_EQ(ios->images[2].platform, u"ios"_s);
    EXPECT_EQ(test::readImage(out(u"watchos/AppIcon.appiconset/AppIcon.png"_s)).bands, 3);

    // Containers parse back chunk by chunk and entry by entry.
    const Result<QList<IcnsChunk>> icns = IcnsReader::read(readAll(out(u"macos/AppIcon.icns"_s)));
    ASSERT_TRUE(icns) << icns.error().toStdString();
    EXPECT_EQ(icns->size(), 11); // TOC and ten pictures
    for (const IcnsChunk &chunk : *icns)
        EXPECT_TRUE(chunk.wellFormed()) << chunk.type.toStdString() << ": " << chunk.problem.toStdString();
    const Result<QList<IcoImage>> ico = IcoReader::read(readAll(out(u"windows/app.ico"_s)));
    ASSERT_TRUE(ico);
    ASSERT_EQ(ico->size(), 8);
    EXPECT_EQ(ico->first().size, QSize(256, 256));
    EXPECT_EQ(IcoReader::read(readAll(out(u"web/favicon.ico"_s)))->size(), 3);
    EXPECT_EQ(ContentsDocument::fromJson(readAll(out(u"macos/AppIcon.appiconset/Contents.json"_s)))->images.size(), 10);

    // Android: the adaptive XML names layers that exist at every density; Play's icon is opaque.
    const QByteArray xml = readAll(out(u"android/res/mipmap-anydpi-v26/ic_launcher.xml"_s));
    EXPECT_TRUE(xml.contains("@mipmap/ic_launcher_monochrome")) << xml.toStdString();
    for (const QString &density : {u"mdpi"_s, u"xxxhdpi"_s})
        for (const QString &layer : {u"ic_launcher_foreground"_s, u"ic_launcher_monochrome"_s, u"ic_launcher_round"_s})
            EXPECT_TRUE(QFile::exists(out(u"android/res/mipmap-%1/%2.png"_s.arg(density, layer))));
    EXPECT_EQ(test::readImage(out(u"android/play-store-512.png"_s)).bands, 3);

    // Web: any and maskable icons listed apart, each at the size it claims.
    const QJsonArray icons =
        QJsonDocument::fromJson(readAll(out(u"web/manifest.webmanifest"_s))).object().value(u"icons").toArray();
    ASSERT_EQ(icons.size(), 3);
    for (const auto &icon : icons) {
        const QJsonObject entry = icon.toObject();
        EXPECT_NE(entry.value(u"purpose").toString(), u"any maskable"_s);
        const int side = entry.value(u"sizes").toString().section(u'x', 0, 0).toInt();
        EXPECT_EQ(test::readImage(out(u"web/"_s + entry.value(u"src").toString())).size(), QSize(side, side));
    }
    EXPECT_EQ(test::readImage(out(u"linux/hicolor/22x22/apps/icon.png"_s)).size(), QSize(22, 22));
    EXPECT_TRUE(QFile::exists(out(u"icon-composer/AppIcon.icon/Assets/AppIcon.png"_s)));
}

TEST_F(TargetGeneratorTest, AdaptiveAndMaskableContentSitsInsideTheSafeCircleWithoutShrinking)
{
    for (const std::optional<double> inset : {std::optional<double>(), std::optional<double>(5.0)}) {
        TargetOptions options;
        options.androidInset = inset;
        ASSERT_TRUE(generate(disc(), {u"android"_s, u"web"_s}, options).succeeded());
        const test::DecodedImage layer =
            test::readImage(out(u"android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"_s));
        const double safe = (inset ? 0.5 - *inset / 100 : (33.0 / 108.0)) * 432;
        const double radius = contentRadius(layer);
        EXPECT_LE(radius, safe + 1.5);
        EXPECT_GE(radius, safe - 4);
    }
    const test::DecodedImage maskable = test::readImage(out(u"web/icon-maskable-512.png"_s));
    EXPECT_EQ(maskable.bands, 3); // the background fills the whole square
    // The disc's orange reaches the 40 % circle and stops there.
    EXPECT_EQ(maskable.at(256 + 200, 256, 1), 128);
    EXPECT_EQ(maskable.at(256 + 208, 256, 1), 255);
}

TEST_F(TargetGeneratorTest, FullBleedArtworkTakesTheMacShapeUnlessToldNot)
{
    const QString square = m_dir.filePath(u"square.png"_s);
    test::writeTestPicture(square, QSize(1024, 1024), false);
    ASSERT_TRUE(generate(square, {u"macos"_s}).succeeded());
    const test::DecodedImage shaped = test::readImage(out(u"macos/AppIcon.appiconset/icon_512x512@2x.png"_s));
    ASSERT_EQ(shaped.bands, 4);
    EXPECT_EQ(shaped.alpha(30, 30), 0); // the margin around the body
    EXPECT_EQ(shaped.alpha(512, 512), 255);
    EXPECT_GT(shaped.alpha(512, 935), 0); // the shadow under the body
    EXPECT_LT(shaped.alpha(512, 935), 128);

    TargetOptions asItIs;
    asItIs.macShape = false;
    ASSERT_TRUE(generate(square, {u"macos"_s}, asItIs).succeeded());
    EXPECT_EQ(test::readImage(out(u"macos/AppIcon.appiconset/icon_512x512@2x.png"_s)).bands, 3);
}

TEST_F(TargetGeneratorTest, DarkIsLeftOutOfAnOpaqueSourceUnlessGiven)
{
    const QString square = m_dir.filePath(u"square.png"_s);
    test::writeTestPicture(square, QSize(256, 256), false);
    const GenerationReport without = generate(square, {u"ios"_s});
    ASSERT_EQ(without.notes.size(), 1);
    EXPECT_FALSE(QFile::exists(out(u"ios/AppIcon.appiconset/AppIcon-dark.png"_s)));
    EXPECT_EQ(ContentsDocument::fromJson(readAll(out(u"ios/AppIcon.appiconset/Contents.json"_s)))->images.size(), 2);

    const GenerationReport with = generate(square, {u"ios"_s, u"icon-composer"_s}, {}, {{SourceRole::Dark, disc()}});
    EXPECT_TRUE(with.notes.isEmpty());
    EXPECT_EQ(test::readImage(out(u"ios/AppIcon.appiconset/AppIcon-dark.png"_s)).bands, 4);
    const QJsonObject layer = QJsonDocument::fromJson(readAll(out(u"icon-composer/AppIcon.icon/icon.json"_s)))
                                  .object()[u"groups"][0][u"layers"][0]
                                  .toObject();
    const QJsonArray images = layer.value(u"image-name-specializations").toArray();
    ASSERT_EQ(images.size(), 2);
    EXPECT_EQ(images[1][u"appearance"].toString(), u"dark"_s);
    EXPECT_TRUE(QFile::exists(out(u"icon-composer/AppIcon.icon/Assets/"_s + images[1][u"value"].toString())));
}

} // namespace
} // namespace iconsmith
