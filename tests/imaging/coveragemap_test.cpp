#include "imaging/coveragemap.h"

#include <gtest/gtest.h>

namespace iconsmith {
namespace {

TEST(CoverageMap, PaintsItsCoverageAsTheColoursShareAndStaysInsideTheBitmap)
{
    CoverageMap map({3, 1});
    map.set(0, 0, 255);
    map.set(1, 0, 128);

    Bitmap opaque({4, 2}, 3);
    std::fill_n(opaque.row(0), opaque.byteCount(), std::uint8_t(200));
    map.paintOnto(opaque, {1, 1}, RgbColor{0, 0, 100});
    const std::uint8_t *row = opaque.row(1);
    EXPECT_EQ(row[3], 0);
    EXPECT_EQ(row[5], 100) << "fully covered: the colour";
    EXPECT_EQ(row[6], 100);
    EXPECT_EQ(row[8], 150) << "half covered: half way";
    EXPECT_EQ(row[9], 200) << "uncovered: as it was";
    EXPECT_EQ(opaque.row(0)[3], 200) << "nothing above the map";

    // On transparency the coverage becomes the alpha and the colour is the paint's alone; a map
    // reaching past the bitmap's edges is cut there.
    Bitmap clear({2, 1}, 4);
    std::fill_n(clear.row(0), clear.byteCount(), std::uint8_t(0));
    map.paintOnto(clear, {-1, 0}, RgbColor{10, 20, 30});
    EXPECT_EQ(clear.row(0)[0], 10);
    EXPECT_EQ(clear.row(0)[2], 30);
    EXPECT_EQ(clear.row(0)[3], 128);
    EXPECT_EQ(clear.row(0)[7], 0);
    map.paintOnto(clear, {5, 5}, RgbColor{10, 20, 30}); // wholly outside: nothing happens
}

} // namespace
} // namespace iconsmith
