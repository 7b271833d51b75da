#include "generation/sourcecheck.h"

#include <gtest/gtest.h>

#include "imaging/rgbcolor.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;
using Kind = SourceWarning::Kind;

OutputPlan iconSet()
{
    OutputPlan plan;
    plan.outputs = {{u"Icon-20@2x"_s, QSize(40, 40)}, {u"ios-marketing"_s, QSize(1024, 1024)}};
    return plan;
}

QList<Kind> kinds(const SourceCheck::Facts &facts, const OutputPlan &plan)
{
    QList<Kind> result;
    for (const SourceWarning &warning : SourceCheck::check(facts, plan)) {
        EXPECT_FALSE(warning.message.isEmpty());
        result << warning.kind;
    }
    return result;
}

TEST(SourceCheck, ASquareOpaqueLargeEnoughSourceRaisesNothing)
{
    EXPECT_TRUE(kinds({QSize(1024, 1024), false, false}, iconSet()).isEmpty());
    EXPECT_TRUE(kinds({QSize(4096, 4096), false, false}, iconSet()).isEmpty());
}

TEST(SourceCheck, TransparencyReachingTheMarketingIconIsFlagged)
{
    EXPECT_EQ(kinds({QSize(1024, 1024), true, false}, iconSet()), QList<Kind>{Kind::TransparentMarketingIcon});
    // Rounded corners make the corners transparent whatever the source.
    OutputPlan rounded = iconSet();
    rounded.rounded = true;
    EXPECT_EQ(kinds({QSize(1024, 1024), false, false}, rounded), QList<Kind>{Kind::TransparentMarketingIcon});
    // A background colour fills it in.
    OutputPlan filled = rounded;
    filled.background = true;
    EXPECT_TRUE(kinds({QSize(1024, 1024), true, false}, filled).isEmpty());
    // Without a marketing icon in the set there is nothing for the App Store to reject.
    OutputPlan noMarketing;
    noMarketing.outputs = {{u"Icon-76"_s, QSize(76, 76)}};
    EXPECT_TRUE(kinds({QSize(1024, 1024), true, false}, noMarketing).isEmpty());
}

TEST(SourceCheck, SmallAndNonSquareSourcesAreFlagged)
{
    EXPECT_EQ(kinds({QSize(512, 512), false, false}, iconSet()), QList<Kind>{Kind::Enlarged});
    EXPECT_EQ(kinds({QSize(2048, 1024), false, false}, iconSet()), QList<Kind>{Kind::NotSquare});
    EXPECT_EQ(kinds({QSize(600, 300), true, false}, iconSet()),
              (QList<Kind>{Kind::TransparentMarketingIcon, Kind::Enlarged, Kind::NotSquare}));
    // A vector picture is drawn at every size, so its natural size does not matter.
    EXPECT_TRUE(kinds({QSize(64, 64), false, true}, iconSet()).isEmpty());
    const QList<SourceWarning> warnings = SourceCheck::check({QSize(512, 512), false, false}, iconSet());
    EXPECT_TRUE(warnings.first().message.contains(u"512 × 512"_s)) << warnings.first().message.toStdString();
    EXPECT_TRUE(warnings.first().message.contains(u"1024 × 1024"_s));
}

TEST(SourceCheck, AFittedSourceKeepsItsProportionsButItsMarginsAreTransparent)
{
    OutputPlan fitted = iconSet();
    fitted.stretched = false;
    fitted.fitted = true;
    // Not stretched, but the margins beside a wide picture reach the App Store icon.
    const QList<SourceWarning> wide = SourceCheck::check({QSize(2048, 1024), false, false}, fitted);
    ASSERT_EQ(wide.size(), 1);
    EXPECT_EQ(wide[0].kind, Kind::TransparentMarketingIcon);
    EXPECT_TRUE(wide[0].message.contains(u"margins"_s)) << wide[0].message.toStdString();
    fitted.background = true;
    EXPECT_TRUE(kinds({QSize(2048, 1024), false, false}, fitted).isEmpty()) << "the margins take the colour";
    // Fitted, a picture grows only when both of its sides are smaller than the icon.
    EXPECT_TRUE(kinds({QSize(2048, 600), false, false}, fitted).isEmpty());
    EXPECT_EQ(kinds({QSize(800, 600), false, false}, fitted), QList<Kind>{Kind::Enlarged});
}

TEST(SourceCheck, TheScaledImageSetKeepsProportionsAndRaisesNothingAboutThem)
{
    OutputPlan scaled;
    scaled.stretched = false;
    EXPECT_TRUE(kinds({QSize(300, 100), true, false}, scaled).isEmpty());
}

TEST(RgbColor, ReadsCssStyleColours)
{
    EXPECT_EQ(RgbColor::fromText(u"#ff8000"_s), (RgbColor{255, 128, 0}));
    EXPECT_EQ(RgbColor::fromText(u"#F80"_s), (RgbColor{255, 136, 0}));
    EXPECT_EQ(RgbColor::fromText(u" White "_s), (RgbColor{255, 255, 255}));
    EXPECT_EQ(RgbColor::fromText(u"grey"_s), RgbColor::fromText(u"gray"_s));
    for (const QString &bad : {u"#12345"_s, u"#gggggg"_s, u"ff8000"_s, u"transparent"_s, u""_s, u"#-12345"_s})
        EXPECT_FALSE(RgbColor::fromText(bad).has_value()) << bad.toStdString();
    EXPECT_EQ((RgbColor{1, 2, 255}).name(), u"#0102ff"_s);
}

} // namespace
} // namespace iconsmith
