#include "codec/sourceimage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <vips/vips8>

#include <array>
#include <cstdio>
#include <zlib.h>

#include <sys/stat.h>
#include <unistd.h>

#include "codec/imageerror.h"
#include "codec/inputlimits.h"
#include "imaging/iconrenderer.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Decodes every row, as a generation would; returns the number of rows or throws ImageError.
int decodeAll(const SourceImage &image)
{
    if (image.isVector())
        return image.renderVector(QSize(16, 16)).height();
    int rows = 0;
    image.decode(image.size(), [&rows](int, const std::uint8_t *) { ++rows; });
    return rows;
}

class SourceImageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_png = m_dir.filePath(u"picture.png"_s);
        test::writeTestPicture(m_png, QSize(64, 48), true);
    }
    QTemporaryDir m_dir;
    QString m_png;
};

TEST_F(SourceImageTest, ReadsSizeAlphaAndRowsOfAPicture)
{
    const Result<SourceImage> loaded = SourceImage::load(m_png);
    ASSERT_TRUE(loaded) << loaded.error().toStdString();
    const SourceImage &image = *loaded;
    EXPECT_EQ(image.size(), QSize(64, 48));
    EXPECT_TRUE(image.hasAlpha());
    EXPECT_FALSE(image.isVector());
    QList<int> rows;
    std::array<std::uint8_t, 4> first{};
    image.decode(image.size(), [&](int y, const std::uint8_t *rgba) {
        rows << y;
        if (y == 0)
            std::copy_n(rgba + 63 * 4, 4, first.begin());
    });
    ASSERT_EQ(rows.size(), 48);
    EXPECT_EQ(rows.first(), 0);
    EXPECT_EQ(rows.last(), 47);
    // The top-right pixel is opaque red, and the left quarter transparent.
    EXPECT_EQ(first[0], 255);
    EXPECT_EQ(first[3], 255);
}

TEST_F(SourceImageTest, ReadsJpegGreyAndSixteenBitPictures)
{
    const vips::VImage colour = vips::VImage::new_from_file(QFile::encodeName(m_png).constData());
    const QString jpeg = m_dir.filePath(u"p.jpg"_s);
    const QString grey = m_dir.filePath(u"g.png"_s);
    const QString deep = m_dir.filePath(u"d.png"_s);
    colour.flatten().jpegsave(QFile::encodeName(jpeg).constData());
    colour.extract_band(1).pngsave(QFile::encodeName(grey).constData());
    (colour.cast(VIPS_FORMAT_USHORT) * 257)
        .cast(VIPS_FORMAT_USHORT)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16))
        .pngsave(QFile::encodeName(deep).constData());
    for (const QString &path : {jpeg, grey, deep}) {
        const Result<SourceImage> image = SourceImage::load(path);
        ASSERT_TRUE(image) << path.toStdString() << ": " << image.error().toStdString();
        EXPECT_EQ(image->size(), QSize(64, 48));
        EXPECT_EQ(decodeAll(*image), 48) << path.toStdString();
    }
}

TEST_F(SourceImageTest, ExplainsWhatIsNotAnImage)
{
    EXPECT_TRUE(SourceImage::load(m_dir.filePath(u"missing.png"_s)).error().contains(u"does not exist"_s));
    EXPECT_TRUE(SourceImage::load(m_dir.path()).error().contains(u"folder"_s));
    const QString text = m_dir.filePath(u"notes.txt"_s);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("These are notes, not a picture.\n");
    file.close();
    EXPECT_TRUE(SourceImage::load(text).error().contains(u"not an image"_s));
    const QString empty = m_dir.filePath(u"empty.png"_s);
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_FALSE(SourceImage::load(empty));
}

TEST_F(SourceImageTest, ATruncatedFileIsAClearErrorNotACrash)
{
    // Large enough that the pixel data spans many compressed blocks.
    const QString big = m_dir.filePath(u"big.png"_s);
    test::writeTestPicture(big, QSize(512, 512), true);
    const QByteArray bytes = readAll(big);
    const Result<SourceImage> truncated = SourceImage::fromData(bytes.left(bytes.size() / 2), u"half.png"_s);
    if (!truncated)
        return; // refused outright: also a clear answer
    EXPECT_THROW(decodeAll(*truncated), ImageError);
    const Result<SourceImage::Preview> preview = truncated->preview(128);
    ASSERT_FALSE(preview) << "a truncated file previewed";
    EXPECT_TRUE(preview.error().contains(u"half.png"_s)) << preview.error().toStdString();
}

TEST_F(SourceImageTest, RefusesPicturesTooLargeToHold)
{
    // A small PNG whose header is rewritten to announce 100000 × 100000 pixels: a decompression
    // bomb in miniature. It must be refused before anything tries to hold it.
    const QString path = m_dir.filePath(u"huge.png"_s);
    vips::VImage::black(1, 1).pngsave(QFile::encodeName(path).constData());
    QByteArray bytes = readAll(path);
    ASSERT_GT(bytes.size(), 33);
    const auto put = [&bytes](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char(value >> (24 - 8 * i));
    };
    put(16, 100000);
    put(20, 100000);
    put(29, quint32(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData() + 12), 17)));
    const Result<SourceImage> huge = SourceImage::fromData(bytes, u"huge.png"_s);
    EXPECT_TRUE(huge.error().contains(u"too large"_s)) << huge.error().toStdString();
}

TEST_F(SourceImageTest, DamagedFilesNeverCrashTheLoader)
{
    const QString svg = m_dir.filePath(u"logo.svg"_s);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::WriteOnly));
    svgFile.write(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><circle cx="32" cy="32" r="30" fill="teal"/></svg>)");
    svgFile.close();
    const QString jpeg = m_dir.filePath(u"p.jpg"_s);
    vips::VImage::new_from_file(QFile::encodeName(m_png).constData())
        .flatten()
        .jpegsave(QFile::encodeName(jpeg).constData());

    QRandomGenerator random(20261207);
    int refused = 0;
    int failedLater = 0;
    for (const QString &path : {m_png, jpeg, svg}) {
        const QByteArray original = readAll(path);
        for (int trial = 0; trial < 60; ++trial) {
            QByteArray bytes = original;
            if (trial % 2 == 0) {
                bytes.truncate(qsizetype(random.bounded(int(bytes.size()))));
            } else {
                for (int flips = 0; flips < 8; ++flips)
                    bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            }
            const Result<SourceImage> image = SourceImage::fromData(bytes, u"damaged"_s);
            if (!image) {
                ++refused;
                continue;
            }
            try {
                decodeAll(*image);
            } catch (const ImageError &) {
                ++failedLater;
            }
            (void)image->preview(32);
        }
    }
    // Most damaged files are recognised as such, one way or the other.
    EXPECT_GT(refused + failedLater, 60);

    // Pure noise is not an image at all; behind a PNG signature it is refused with a reason.
    for (int trial = 0; trial < 50; ++trial) {
        QByteArray noise(qsizetype(random.bounded(1, 4096)), Qt::Uninitialized);
        for (char &c : noise)
            c = char(random.bounded(256));
        EXPECT_FALSE(SourceImage::fromData(noise, u"noise"_s));
        const QString error = SourceImage::fromData("\x89PNG\r\n\x1a\n" + noise, u"noise.png"_s).error();
        EXPECT_FALSE(error.isEmpty() || error.trimmed().endsWith(u':')) << error.toStdString();
    }
}

TEST_F(SourceImageTest, OnlyRegularFilesWithinTheLimitAreRead)
{
    // A FIFO without a writer would block a plain open forever; /dev/zero never ends.
    const QString fifo = m_dir.filePath(u"fifo.png"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, u"/dev/zero"_s}) {
        const QString error = SourceImage::load(path).error();
        EXPECT_TRUE(error.contains(u"not a regular file"_s)) << error.toStdString();
    }
    QFile huge(m_dir.filePath(u"huge.png"_s));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(InputLimits::maxSourceFileBytes + 1));
    huge.close();
    const QString error = SourceImage::load(huge.fileName()).error();
    EXPECT_TRUE(error.contains(u"larger than 256 MiB"_s)) << error.toStdString();
}

TEST(SourceImageLibrary, LibraryWarningsStayOffStandardError)
{
    // The imaging library warns through GLib about a damaged file as it reads it (here an SVG
    // size it cannot hold); the reason reaches the caller, the warning must not reach the terminal.
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="1e9" height="1e9"/>)";
    std::fflush(stderr);
    const int saved = ::dup(2);
    FILE *captured = std::tmpfile();
    ::dup2(::fileno(captured), 2);
    (void)SourceImage::fromData(svg, u"huge.svg"_s);
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::rewind(captured);
    char text[4096] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, captured);
    std::fclose(captured);
    EXPECT_EQ(length, 0U) << text;
}

TEST_F(SourceImageTest, APreviewFitsTheRequestedEdge)
{
    const QString big = m_dir.filePath(u"wide.png"_s);
    test::writeTestPicture(big, QSize(400, 200), false);
    const Result<SourceImage::Preview> preview = SourceImage::load(big)->preview(100);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->bitmap.size(), QSize(100, 50));
    EXPECT_EQ(preview->bitmap.channels(), 3);
    EXPECT_FALSE(preview->transparent);
}

TEST(SourceImageVector, SizesBeyondWhatCanBeDrawnAreRefused)
{
    // The imaging library makes each of these 1 × 1 (with a warning) and would draw a flat colour.
    for (const char *side : {"1e9", "3e9", "0.001"}) {
        const QByteArray svg = QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width=")") + side +
                               R"(" height="10"><rect width="10" height="10" fill="red"/></svg>)";
        const Result<SourceImage> image = SourceImage::fromData(svg, u"odd.svg"_s);
        EXPECT_TRUE(image.error().contains(u"cannot be used"_s)) << side << ": " << image.error().toStdString();
    }
    // A sliver: drawn to cover a square icon it would need hundreds of millions of pixels.
    const Result<SourceImage> sliver = SourceImage::fromData(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="100000"><rect width="4" height="100000"/></svg>)",
        u"sliver.svg"_s);
    ASSERT_TRUE(sliver) << sliver.error().toStdString();
    try {
        (void)sliver->renderVector(QSize(1024, 1024));
        ADD_FAILURE() << "the sliver was drawn";
    } catch (const ImageError &error) {
        EXPECT_TRUE(error.reason().contains(u"more than Iconsmith draws"_s)) << error.reason().toStdString();
    }
}

TEST(SourceImageVector, APdfWhoseCrossReferencePointsPastItsEndIsRefusedUnread)
{
    // The PDF library, sent past the end of this file, parses without end and without bound on memory.
    const Result<SourceImage> pdf = SourceImage::load(test::testData(u"xref-past-end.pdf"_s));
    EXPECT_TRUE(pdf.error().contains(u"outside the file"_s)) << pdf.error().toStdString();
}

TEST(SourceImageVector, IsDrawnAtTheTargetSizeNotResampled)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"half.svg"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A crisp left half at any size: a resampled bitmap would blur the middle column.
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100" viewBox="0 0 100 100">)"
               R"(<rect x="0" y="0" width="50" height="100" fill="#ff0000"/></svg>)");
    file.close();
    const SourceImage source = *SourceImage::load(path);
    ASSERT_TRUE(source.isVector());
    EXPECT_EQ(source.size(), QSize(100, 100));
    for (const int side : {40, 1024, 58}) {
        const PixelBuffer drawn = source.renderVector(QSize(side, side));
        const Bitmap bitmap = IconRenderer::render(drawn, {QSize(side, side), false, std::nullopt});
        ASSERT_EQ(bitmap.size(), QSize(side, side));
        const int mid = side / 2;
        EXPECT_EQ(bitmap.row(mid)[std::size_t(mid - 1) * 4 + 3], 255) << side;
        EXPECT_EQ(bitmap.row(mid)[std::size_t(mid - 1) * 4], 255) << side;
        EXPECT_EQ(bitmap.row(mid)[std::size_t(mid) * 4 + 3], 0) << side;
    }
}

} // namespace
} // namespace iconsmith
