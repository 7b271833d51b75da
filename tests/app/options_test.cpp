#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/apptestsupport.h"
#include "ui/redborderimageview.h"
#include "ui/targetspanel.h"

namespace iconsmith::test {
namespace {

class Options : public WindowTest
{
protected:
    void choose(const Platform &platform) const
    {
        window().selectPlatform(platform);
        delegate().platformSelected();
    }
    void choose(int choice) const { choose(*Platform::fromChoice(choice)); }
    [[nodiscard]] QCheckBox *rounded() const { return window().roundedCheckButton(); }
    [[nodiscard]] QRadioButton *fit() const { return window().fitRadioButton(); }
    [[nodiscard]] QRadioButton *stretch() const { return window().stretchRadioButton(); }
    [[nodiscard]] QRadioButton *zoomIn() const { return window().zoomInCheckButton(); }
    [[nodiscard]] QRadioButton *zoomOut() const { return window().zoomOutCheckButton(); }
    [[nodiscard]] RedBorderImageView *well() const { return window().BigIcon(); }
};

TEST_F(Options, EachChoiceEnablesTheOptionsThatApplyToItAndKeepsTheirStates)
{
    struct Expected
    {
        int choice;
        bool rounded, fit, zoom;
    };
    const Expected choices[] = {
        {Platform::IPhone, true, true, false},         {Platform::IPad, true, true, false},
        {Platform::IPhoneAndIPad, true, true, false},  {Platform::IPhoneIPadAndWatch, true, true, false},
        {Platform::EmptyCatalog, false, false, false}, {Platform::ScaledImageSet, true, false, true}};
    rounded()->setChecked(true);
    stretch()->setChecked(true);
    zoomOut()->setChecked(true);
    for (const Expected &expected : choices) {
        SCOPED_TRACE(expected.choice);
        choose(expected.choice);
        EXPECT_FALSE(window().classicOptions()->isHidden());
        EXPECT_TRUE(window().targetsPanel()->isHidden());
        EXPECT_EQ(rounded()->isEnabled(), expected.rounded);
        EXPECT_EQ(fit()->isEnabled(), expected.fit);
        EXPECT_EQ(stretch()->isEnabled(), expected.fit);
        EXPECT_EQ(zoomIn()->isEnabled(), expected.zoom);
        EXPECT_EQ(zoomOut()->isEnabled(), expected.zoom);
        // Nothing is turned off behind the user's back; what does not apply does not reach the files.
        EXPECT_TRUE(rounded()->isChecked() && stretch()->isChecked() && zoomOut()->isChecked());
        EXPECT_EQ(delegate().request().rounded, expected.rounded);
    }
    choose(Platform::targets());
    EXPECT_TRUE(window().classicOptions()->isHidden());
    EXPECT_FALSE(window().targetsPanel()->isHidden());
}

TEST_F(Options, ChoosingWithTheKeyboardAppliesTheRules)
{
    choose(Platform::IPhoneIPadAndWatch);
    window().platformSelection()->setFocus();
    QTest::keyClick(window().platformSelection(), Qt::Key_Down);
    ASSERT_EQ(delegate().request().platform, Platform::fromChoice(Platform::EmptyCatalog));
    EXPECT_FALSE(rounded()->isEnabled());
    QTest::keyClick(window().platformSelection(), Qt::Key_Down);
    ASSERT_EQ(delegate().request().platform, Platform::fromChoice(Platform::ScaledImageSet));
    EXPECT_TRUE(zoomIn()->isEnabled());
}

TEST_F(Options, TheZoomPairAndTheFitPairAreEachOneChoice)
{
    choose(Platform::ScaledImageSet);
    ASSERT_TRUE(zoomIn()->isChecked());
    zoomIn()->click();
    EXPECT_TRUE(zoomIn()->isChecked()) << "a click on the chosen button leaves it chosen";
    zoomOut()->click();
    EXPECT_FALSE(zoomIn()->isChecked());
    EXPECT_TRUE(zoomOut()->isChecked());
    EXPECT_FALSE(delegate().request().zoomIn);

    // The pairs are apart: choosing a zoom leaves the fit alone, and the other way round.
    choose(Platform::IPhone);
    ASSERT_TRUE(fit()->isChecked());
    stretch()->click();
    EXPECT_TRUE(zoomOut()->isChecked());
    EXPECT_FALSE(fit()->isChecked());
    EXPECT_FALSE(delegate().request().fit);
    fit()->click();
    EXPECT_TRUE(zoomOut()->isChecked());
    EXPECT_TRUE(delegate().request().fit);
}

TEST_F(Options, TheWellShowsThePictureAsTheIconsWillBe)
{
    well()->setFixedWidth(200);
    choose(Platform::IPhone);
    EXPECT_FALSE(well()->stretchesToSquare()) << "fitted, the picture keeps its proportions";
    stretch()->click();
    EXPECT_TRUE(well()->stretchesToSquare());
    choose(Platform::ScaledImageSet);
    EXPECT_FALSE(well()->stretchesToSquare());

    rounded()->click();
    EXPECT_TRUE(well()->isRoundCorner());
    EXPECT_DOUBLE_EQ(well()->cornerRadius(), 25.0);
    EXPECT_TRUE(delegate().request().rounded);
    // An empty catalog draws nothing, so nothing of it is rounded; the box stays on for later.
    choose(Platform::EmptyCatalog);
    EXPECT_EQ(well()->cornerRadius(), 0.0);
    EXPECT_FALSE(delegate().request().rounded);
    choose(Platform::IPad);
    EXPECT_DOUBLE_EQ(well()->cornerRadius(), 25.0);
    rounded()->click();
    EXPECT_FALSE(well()->isRoundCorner());
    EXPECT_EQ(well()->cornerRadius(), 0.0);
}

TEST_F(Options, TheRequestIsWhatTheControlsSayNowWithTheFolderMadeAbsolute)
{
    window().platformSelection()->setCurrentIndex(2);
    window().pathFiled()->setText(QStringLiteral("/first"));
    EXPECT_EQ(delegate().request().platform, Platform::fromChoice(2));
    EXPECT_EQ(delegate().request().saveFolder, QStringLiteral("/first"));
    // A relative folder is the home folder's, wherever the program was started; "~" is kept.
    window().pathFiled()->setText(QStringLiteral("Icons/App"));
    EXPECT_EQ(QDir::fromNativeSeparators(delegate().request().saveFolder),
              QDir::homePath() + QStringLiteral("/Icons/App"));
    window().pathFiled()->setText(QStringLiteral("~/Icons"));
    EXPECT_EQ(delegate().request().saveFolder, QStringLiteral("~/Icons"));

    // The targets item is the targets, whatever its place in the box.
    window().selectPlatform(Platform::targets());
    EXPECT_EQ(delegate().request().platform, Platform::targets());
    window().platformSelection()->setCurrentIndex(-1);
    window().pathFiled()->setText(QStringLiteral("/second"));
    EXPECT_FALSE(delegate().request().platform.has_value());
    EXPECT_EQ(delegate().request().saveFolder, QStringLiteral("/second"));
    EXPECT_DOUBLE_EQ(delegate().request().scaleFactor, window().devicePixelRatioF());

    // Outlets do not keep the controls alive; a controller without them asks for nothing.
    m_window.reset();
    EXPECT_FALSE(delegate().request().platform.has_value());
    EXPECT_TRUE(delegate().request().saveFolder.isEmpty());
    EXPECT_FALSE(delegate().request().rounded);
}

} // namespace
} // namespace iconsmith::test
