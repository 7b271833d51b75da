#include "codec/vectordrawings.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "codec/imageerror.h"
#include "codec/sourceimage.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// A crisp left half, red, at any size: a picture resampled rather than drawn blurs the middle.
const QByteArray halfRed =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="1024" height="1024" viewBox="0 0 100 100">)"
    R"(<rect width="50" height="100" fill="#ff0000"/></svg>)";

SourceImage load(const QByteArray &bytes, const QString &name)
{
    Result<SourceImage> image = SourceImage::fromData(bytes, name);
    EXPECT_TRUE(image) << image.error().toStdString();
    return image ? *image : SourceImage();
}

bool samePixels(const PixelBuffer &a, const PixelBuffer &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (int c = 0; c < 4; ++c) {
                if (a.row(y)[x][c] != b.row(y)[x][c])
                    return false;
            }
        }
    }
    return true;
}

// The pixel at (x, y) in 8-bit premultiplied RGBA.
std::array<int, 4> pixel(const PixelBuffer &picture, int x, int y)
{
    std::array<int, 4> out{};
    for (int c = 0; c < 4; ++c)
        out[std::size_t(c)] = qRound(picture.row(y)[x][c] * 255);
    return out;
}

TEST(VectorDrawings, LargeSizesShareOneDrawingAndSmallOnesAreDrawnAtTheirSize)
{
    const SourceImage source = load(halfRed, u"half.svg"_s);
    const std::unique_ptr<VectorDrawings> drawings = source.vectorDrawings();
    ASSERT_TRUE(drawings);
    const QList<int> sides{16, 32, 48, 256, 512, 1024, 1024};
    QList<QSize> sizes;
    for (const int side : sides)
        sizes << QSize(side, side);
    drawings->plan(sizes);
    for (const int side : sides) {
        const PixelBuffer picture = drawings->picture(QSize(side, side));
        ASSERT_EQ(picture.size(), QSize(side, side));
        // The edge down the middle stays where it is, on the pixel grid.
        EXPECT_EQ(pixel(picture, side / 2 - 1, side / 2), (std::array<int, 4>{255, 0, 0, 255})) << side;
        EXPECT_EQ(pixel(picture, side / 2, side / 2)[3], 0) << side;
    }
    // 16, 32 and 48 each drawn; 256 and 512 resampled from the drawing at 1024.
    EXPECT_EQ(drawings->drawingsMade(), 4);
    // A small size is exactly what drawing at that size alone makes.
    drawings->plan({QSize(48, 48)});
    EXPECT_TRUE(samePixels(drawings->picture(QSize(48, 48)), source.renderVector(QSize(48, 48))));
}

TEST(VectorDrawings, SizesWaitingForOneDrawingShareIt)
{
    const SourceImage source = load(halfRed, u"half.svg"_s);
    const std::unique_ptr<VectorDrawings> drawings = source.vectorDrawings();
    const QList<QSize> sizes{QSize(1024, 1024), QSize(512, 512), QSize(300, 300), QSize(256, 256)};
    drawings->plan(sizes + sizes);
    std::vector<std::thread> askers;
    std::atomic<int> drawn{0};
    for (const QSize &size : sizes + sizes) {
        askers.emplace_back([&drawings, &drawn, size] {
            if (drawings->picture(size).size() == size)
                ++drawn;
        });
    }
    for (std::thread &asker : askers)
        asker.join();
    EXPECT_EQ(drawn, 8);
    EXPECT_EQ(drawings->drawingsMade(), 1);
}

TEST(VectorDrawings, PicturesFarLargerThanTheirIconsAreDrawnAtTheIconSize)
{
    // The imaging library takes no scale below 0.001 and silently draws such a picture whole
    // instead: a gigabyte for a 13-pixel icon, which then fails.
    const SourceImage svg = load(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16000" height="16000">)"
                                 R"(<rect width="16000" height="16000" fill="#3366cc"/>)"
                                 R"(<circle cx="8000" cy="8000" r="6000" fill="#fff"/></svg>)",
                                 u"big.svg"_s);
    QFile pdfFile(test::testData(u"page-14400pt.pdf"_s));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const SourceImage pdf = load(pdfFile.readAll(), u"page.pdf"_s); // a page of 200 inches
    ASSERT_EQ(svg.size(), QSize(16000, 16000));
    ASSERT_EQ(pdf.size(), QSize(14400, 14400));
    for (const int side : {13, 16, 1024}) {
        const PixelBuffer circle = svg.renderVector(QSize(side, side));
        ASSERT_EQ(circle.size(), QSize(side, side));
        EXPECT_EQ(pixel(circle, 0, 0), (std::array<int, 4>{0x33, 0x66, 0xcc, 255})) << side;
        EXPECT_EQ(pixel(circle, side / 2, side / 2), (std::array<int, 4>{255, 255, 255, 255})) << side;
        const PixelBuffer page = pdf.renderVector(QSize(side, side));
        ASSERT_EQ(page.size(), QSize(side, side));
        EXPECT_EQ(pixel(page, side / 2, side / 2), (std::array<int, 4>{0, 0, 255, 255})) << side;
        EXPECT_EQ(pixel(page, side - 1, side - 1), (std::array<int, 4>{0, 0, 255, 255})) << side;
    }
}

} // namespace
} // namespace iconsmith
