#include "catalog/catalogentry.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace iconsmith {
namespace {

struct EntryCase
{
    const char *name;
    const char *idiom;
    const char *idiomOut;
    const char *scale;
    const char *size;
};

std::optional<CatalogEntry> derive(const QString &name, const QString &idiom, QStringList *lines = nullptr)
{
    return CatalogEntry::derive(name, idiom, [lines](const QString &line) {
        if (lines != nullptr)
            lines->append(line);
    });
}

class CatalogEntryTable : public ::testing::TestWithParam<EntryCase>
{};

TEST_P(CatalogEntryTable, DerivesIdiomScaleAndSizeFromTheNameAlone)
{
    const EntryCase c = GetParam();
    const auto entry = derive(QString::fromUtf8(c.name), QString::fromUtf8(c.idiom));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->filename, QString::fromUtf8(c.name) + QStringLiteral(".png"));
    EXPECT_EQ(entry->idiom, QString::fromUtf8(c.idiomOut));
    EXPECT_EQ(entry->scale, QString::fromUtf8(c.scale));
    EXPECT_EQ(entry->size, QString::fromUtf8(c.size));
}

INSTANTIATE_TEST_SUITE_P(
    IphoneRule, CatalogEntryTable,
    ::testing::Values(EntryCase{"Icon-20@2x", "iphone", "iphone", "2x", "20x20"},
                      EntryCase{"Icon-60@3x", "iphone", "iphone", "3x", "60x60"},
                      // The iphone rule knows no fractional sizes: the size text is copied.
                      EntryCase{"Icon-83_5@2x", "iphone", "iphone", "2x", "83_5x83_5"},
                      // Any name without "@" is a marketing image under the iphone rule.
                      EntryCase{"Icon-76", "iphone", "ios-marketing", "1x", "1024x1024"},
                      EntryCase{"ios-marketing", "iphone", "ios-marketing", "1x", "1024x1024"},
                      EntryCase{"Icon", "iphone", "ios-marketing", "1x", "1024x1024"},
                      EntryCase{"Icon-Small@2x", "iphone", "iphone", "2x", "SmallxSmall"},
                      // An "@" inside the prefix counts for the scale and idiom, not for the size.
                      EntryCase{"a@2x-40", "iphone", "iphone", "2x-40", "1024x1024"},
                      // Everything after the first "@" is the scale; the size ends at the tail's first "@".
                      EntryCase{"Icon-20@2x@b", "iphone", "iphone", "2x@b", "20x20"}));

INSTANTIATE_TEST_SUITE_P(IpadRule, CatalogEntryTable,
                         ::testing::Values(EntryCase{"Icon-20@2x", "ipad", "ipad", "2x", "20x20"},
                                           EntryCase{"Icon-83_5@2x", "ipad", "ipad", "2x", "83.5x83.5"},
                                           EntryCase{"Icon-76", "ipad", "ipad", "1x", "76x76"},
                                           EntryCase{"Icon-76@2x", "ipad", "ipad", "2x", "76x76"},
                                           EntryCase{"ios-marketing", "ipad", "ios-marketing", "1x", "1024x1024"},
                                           EntryCase{"Icon", "ipad", "ipad", "1x", "x"},
                                           EntryCase{"a@2x-40", "ipad", "ipad", "2x-40", "40x40"},
                                           EntryCase{"Icon-20@2x@b", "ipad", "ipad", "2x@b", "20x20"}));

TEST(CatalogEntry, OtherIdiomsYieldNoEntryAndLogNothing)
{
    for (const char *idiom : {"watch", "origin", "scale2x", "scale3x", "iPhone", "IPAD", ""}) {
        QStringList lines;
        EXPECT_FALSE(derive(QStringLiteral("Icon-20@2x"), QString::fromUtf8(idiom), &lines).has_value()) << idiom;
        EXPECT_TRUE(lines.isEmpty()) << idiom;
    }
}

TEST(CatalogEntry, IphoneRuleLogsTheIconName)
{
    QStringList lines;
    derive(QStringLiteral("Icon-20@2x"), QStringLiteral("iphone"), &lines);
    EXPECT_EQ(lines, QStringList{QStringLiteral("Icon-20@2x")});
}

TEST(CatalogEntry, IpadRuleLogsIdiomNameAndTailOrSizeText)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Icon-20@2x", "20"}, {"Icon-83_5@2x", "83_5"},      {"Icon-76", "76"},
        {"Icon-76@2x", "76"}, {"ios-marketing", "arketing"}, {"Icon", ""}};
    for (const auto &[name, last] : cases) {
        QStringList lines;
        derive(QString::fromUtf8(name), QStringLiteral("ipad"), &lines);
        EXPECT_EQ(lines, (QStringList{QStringLiteral("ipad"), QString::fromUtf8(name), QString::fromUtf8(last)}))
            << name;
    }
}

TEST(CatalogEntry, PositionsCountUtf16CodeUnits)
{
    // "Ícön-" is five UTF-16 code units however many bytes it takes in UTF-8.
    const auto entry = derive(QStringLiteral("Ícön-40@2x"), QStringLiteral("ipad"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->size, QStringLiteral("40x40"));
    EXPECT_EQ(entry->filename, QStringLiteral("Ícön-40@2x.png"));
}

} // namespace
} // namespace iconsmith
