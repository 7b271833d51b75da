#include "codec/svgstructure.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include "codec/inputlimits.h"
#include "codec/sourceimage.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QByteArray svg(const QByteArray &body)
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="64" )"
           R"(height="64">)" +
           body + "</svg>";
}

// Groups nested @p levels deep, each using the one below @p fanOut times: fanOut^levels rectangles.
QByteArray useBomb(int levels, int fanOut)
{
    QByteArray defs = R"(<rect id="l0" width="1" height="1"/>)";
    for (int level = 1; level <= levels; ++level) {
        defs += "<g id=\"l" + QByteArray::number(level) + "\">";
        for (int i = 0; i < fanOut; ++i)
            defs += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\" x=\"" + QByteArray::number(i) + "\"/>";
        defs += "</g>";
    }
    return svg("<defs>" + defs + "</defs><use href=\"#l" + QByteArray::number(levels) + "\"/>");
}

QByteArray gzip(const QByteArray &plain)
{
    z_stream deflater{};
    EXPECT_EQ(deflateInit2(&deflater, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY), Z_OK);
    QByteArray out(qsizetype(deflateBound(&deflater, uLong(plain.size()))) + 32, '\0');
    deflater.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(plain.constData()));
    deflater.avail_in = uInt(plain.size());
    deflater.next_out = reinterpret_cast<Bytef *>(out.data());
    deflater.avail_out = uInt(out.size());
    EXPECT_EQ(deflate(&deflater, Z_FINISH), Z_STREAM_END);
    out.resize(qsizetype(deflater.total_out));
    deflateEnd(&deflater);
    return out;
}

TEST(SvgStructure, CountsEveryElementAReferenceRepeats)
{
    // svg, defs, the group and its two rectangles, then two uses that each repeat the group's three.
    EXPECT_EQ(SvgStructure::drawnElements(svg(R"(<defs><g id="g"><rect/><rect/></g></defs>)"
                                              R"(<use href="#g"/><use xlink:href="#g"/>)")),
              13);
    // A pattern of two is drawn again for every shape painted with it, whatever refers to it.
    EXPECT_EQ(SvgStructure::drawnElements(svg(R"(<pattern id="p"><rect/></pattern>)"
                                              R"x(<rect fill="url(#p)"/><rect style="stroke: url('#p')"/>)x")),
              1 + 2 + 3 + 3);
    // A reference to nothing, or back to itself, repeats nothing.
    EXPECT_EQ(SvgStructure::drawnElements(svg(R"(<g id="a"><use href="#a"/><use href="#missing"/></g>)")), 4);
    // Nesting deeper than any stack is counted all the same.
    EXPECT_EQ(
        SvgStructure::drawnElements(svg(QByteArray("<g>").repeated(100000) + QByteArray("</g>").repeated(100000))),
        100001);
}

TEST(SvgStructure, RefusesAReferenceBombPlainOrCompressed)
{
    EXPECT_TRUE(SvgStructure::check(useBomb(3, 10)));
    const QByteArray bomb = useBomb(10, 10); // 10^10 rectangles in about 3 KB
    EXPECT_GT(SvgStructure::drawnElements(bomb), InputLimits::maxSvgElements);
    for (const QByteArray &file : {bomb, gzip(bomb)}) {
        const Result<SourceImage> image = SourceImage::fromData(file, u"bomb.svg"_s);
        ASSERT_FALSE(image);
        EXPECT_TRUE(image.error().contains(u"elements"_s)) << image.error().toStdString();
    }
}

TEST(SvgStructure, ACompressedDocumentIsHeldToTheByteLimitOnceDecompressed)
{
    const QByteArray spacious = svg(QByteArray(InputLimits::maxVectorFileBytes, ' '));
    const Result<void> checked = SvgStructure::check(gzip(spacious));
    ASSERT_FALSE(checked);
    EXPECT_TRUE(checked.error().contains(u"decompressed"_s)) << checked.error().toStdString();
    const Result<SourceImage> small = SourceImage::fromData(gzip(svg(R"(<rect width="8" height="8"/>)")), u"a.svgz"_s);
    ASSERT_TRUE(small) << small.error().toStdString();
    EXPECT_EQ(small->size(), QSize(64, 64));
}

} // namespace
} // namespace iconsmith
