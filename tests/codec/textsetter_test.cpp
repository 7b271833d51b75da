#include "codec/textsetter.h"

#include <gtest/gtest.h>

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// The number of pixel rows with ink, and of the runs of inked rows: a line each, for text without descenders
// reaching the next line.
std::pair<int, int> inkedRows(const CoverageMap &map)
{
    int rows = 0;
    int runs = 0;
    bool inRun = false;
    for (int y = 0; y < map.size().height(); ++y) {
        bool inked = false;
        for (int x = 0; x < map.size().width() && !inked; ++x)
            inked = map.at(x, y) > 64;
        rows += inked ? 1 : 0;
        runs += inked && !inRun ? 1 : 0;
        inRun = inked;
    }
    return {rows, runs};
}

TEST(TextSetter, AShortNameIsOneLineNoTallerThanItsShareAndALongOneBreaksAtASpace)
{
    const QSize room(120, 100);
    const Result<CoverageMap> shortName = TextSetter::set(u"Ox"_s, room);
    ASSERT_TRUE(shortName) << qPrintable(shortName.error());
    EXPECT_EQ(inkedRows(*shortName).second, 1);
    EXPECT_LE(shortName->size().height(), int(room.height() * TextSetter::lineShare) + 1) << "not blown up";
    EXPECT_GT(shortName->size().height(), room.height() / 5) << "but as large as its share allows";
    EXPECT_LE(shortName->size().width(), room.width());

    // On one line it would be tiny; broken once, it is larger, in two lines, still inside the room.
    const Result<CoverageMap> longName = TextSetter::set(u"MAXIMUM OVERDRIVE EXTREME"_s, room);
    ASSERT_TRUE(longName);
    EXPECT_EQ(inkedRows(*longName).second, 2);
    EXPECT_LE(longName->size().width(), room.width());
    EXPECT_LE(longName->size().height(), room.height());

    EXPECT_EQ(TextSetter::layouts(u"  A  B "_s), (QStringList{u"A B"_s, u"A\nB"_s}));
    EXPECT_TRUE(TextSetter::set(u"   "_s, room)->isEmpty());
}

TEST(TextSetter, MarkupCharactersAndRightToLeftScriptsAreSetAsTheyAre)
{
    // Read as markup, "<b>" would be refused or vanish; set as text it takes room like any word.
    const Result<CoverageMap> tagged = TextSetter::set(u"a<b>&c"_s, {300, 60});
    ASSERT_TRUE(tagged) << qPrintable(tagged.error());
    const Result<CoverageMap> plain = TextSetter::set(u"a"_s, {300, 60});
    ASSERT_TRUE(plain);
    EXPECT_GT(tagged->size().width(), 3 * plain->size().width());

    const Result<CoverageMap> arabic =
        TextSetter::set(u"\u0641\u0627\u064A\u0631\u0641\u0648\u0643\u0633"_s, {200, 60});
    ASSERT_TRUE(arabic) << qPrintable(arabic.error());
    EXPECT_GT(inkedRows(*arabic).first, 5);

    // A character no font has would show as a box: the text is known not to show.
    EXPECT_TRUE(TextSetter::canShow(u"Iconsmith \u0641\u0627"_s));
    EXPECT_FALSE(TextSetter::canShow(u"Iconsmith "_s + QString::fromUcs4(U"\U0010FFFD")));
}

} // namespace
} // namespace iconsmith
