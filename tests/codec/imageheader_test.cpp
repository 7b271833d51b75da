#include "codec/imageheader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <vips/vips8>

#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

TEST(ImageHeader, ReadsSizeAndAlphaFromTheFirstBytesOfAPng)
{
    QTemporaryDir dir;
    const QString rgba = dir.filePath(u"rgba.png"_s);
    test::writeTestPicture(rgba, QSize(30, 20), true);
    const vips::VImage picture = vips::VImage::new_from_file(QFile::encodeName(rgba).constData());
    const QString rgb = dir.filePath(u"rgb.png"_s);
    const QString greyAlpha = dir.filePath(u"ga.png"_s);
    const QString palette = dir.filePath(u"palette.png"_s);
    picture.flatten().pngsave(QFile::encodeName(rgb).constData());
    vips::VImage::bandjoin({picture.extract_band(1), picture.extract_band(3)})
        .pngsave(QFile::encodeName(greyAlpha).constData());
    // A palette image carries its transparency in a tRNS chunk.
    picture.pngsave(QFile::encodeName(palette).constData(), vips::VImage::option()->set("palette", true));
    for (const auto &[path, alpha] : {std::pair{rgba, true}, {rgb, false}, {greyAlpha, true}, {palette, true}}) {
        const Result<ImageHeader> header = ImageHeader::read(path);
        ASSERT_TRUE(header) << path.toStdString() << ": " << header.error().toStdString();
        EXPECT_EQ(header->size, QSize(30, 20)) << path.toStdString();
        EXPECT_EQ(header->alpha, alpha) << path.toStdString();
    }

    QFile file(rgb);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.read(64);
    QByteArray damaged = bytes;
    damaged[18] = char(damaged[18] ^ 0x40); // the width, under the header's checksum
    EXPECT_TRUE(ImageHeader::fromPng(damaged).error().contains(u"damaged"_s));
    EXPECT_TRUE(ImageHeader::fromPng(bytes.left(20)).error().contains(u"ends inside its header"_s));
    EXPECT_TRUE(ImageHeader::fromPng("\xff\xd8\xff\xe0 a JPEG").error().contains(u"not a PNG"_s));
}

} // namespace
} // namespace iconsmith
