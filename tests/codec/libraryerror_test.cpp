#include "codec/libraryerror.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "codec/sourceimage.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// Numbers in the shapes the libraries give their codes in.
bool leaksACode(const QString &reason)
{
    static const QRegularExpression codes(uR"(\(\d+\.\d+\)|\bcode \d+|\bdomain \d+|field \d+|0x[0-9A-Fa-f]{2})"_s);
    return reason.contains(codes);
}

TEST(LibraryError, SaysWhatIsWrongWithoutTheLibrarysCodes)
{
    struct Case
    {
        const char *loader;
        const char *text;
        QString says;
    };
    const QList<Case> cases{
        {"heifload_buffer", "heif:  (6.1000)\n", u"larger or more complex than the HEIF decoder accepts"_s},
        {"heifload_buffer", "heif: Unsupported feature: Unsupported color conversion (4.3003)",
         u"a feature of HEIF that this system cannot decode (Unsupported color conversion)"_s},
        {"heifload_buffer", "heif: Invalid input: No 'ipma' box (2.109)",
         u"the HEIF file is damaged or is not a complete picture (No 'ipma' box)"_s},
        {"heifload_buffer", "heif: Decoder plugin generated an error: Unspecified (7.0)",
         u"the HEIF decoder could not decode its picture"_s},
        {"tiffload_buffer", "tiff2vips: required field 262 missing", u"the TIFF file is damaged"_s},
        {"jpegload_buffer", "VipsJpeg: Premature end of input file", u"the JPEG file ends before"_s},
        {"pngload_buffer", "", u"the PNG file is damaged or is not a complete picture"_s},
        {"svgload_buffer",
         "glib: XML parse error: Error domain 1 code 73 on line 1 column 141 of data: Couldn't find end of Start "
         "Tag svg\n",
         u"not well-formed XML: Couldn't find end of Start Tag svg (line 1, column 141)"_s},
        {"svgload_buffer", "glib: Input is not proper UTF-8, indicate encoding !\nBytes: 0x8F 0x73 0x74 0x6F\n",
         u"not in the encoding it declares"_s},
        {"svgload_buffer", "glib: exceeded more than 500000 referenced elements",
         u"larger or more complex than the SVG decoder accepts"_s},
    };
    for (const Case &c : cases) {
        const QString reason = LibraryError::explain(QString::fromLatin1(c.loader), c.text);
        EXPECT_TRUE(reason.contains(c.says)) << c.text << " -> " << reason.toStdString();
        EXPECT_FALSE(leaksACode(reason)) << reason.toStdString();
        EXPECT_FALSE(reason.contains(u"glib"_s) || reason.contains(u"heif:"_s)) << reason.toStdString();
    }
}

TEST(LibraryError, AHeifPictureTooLargeForItsDecoderIsExplained)
{
    QFile file(test::testData(u"small.avif"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray avif = file.readAll();
    // The picture claims 40000 × 40000 pixels, past the HEIF library's own limit.
    const qsizetype size = avif.indexOf("ispe");
    ASSERT_GT(size, 0);
    const char claimed[] = {0, 0, char(0x9c), 0x40, 0, 0, char(0x9c), 0x40};
    avif.replace(size + 8, 8, claimed, 8);
    const Result<SourceImage> image = SourceImage::fromData(avif, u"huge.avif"_s);
    ASSERT_FALSE(image);
    EXPECT_TRUE(image.error().contains(u"larger or more complex than the HEIF decoder accepts"_s))
        << image.error().toStdString();
    EXPECT_FALSE(leaksACode(image.error())) << image.error().toStdString();
}

} // namespace
} // namespace iconsmith
