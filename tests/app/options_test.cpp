#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/apptestsupport.h"
#include "ui/redborderimageview.h"

namespace iconsmith::test {
namespace {

class Options : public WindowTest
{
protected:
    void choosePlatform(int choice) const
    {
        window().platformSelection()->setCurrentIndex(choice);
        delegate().platformSelected();
    }
    [[nodiscard]] QCheckBox *rounded() const { return window().roundedCheckButton(); }
    [[nodiscard]] QCheckBox *zoomIn() const { return window().zoomInCheckButton(); }
    [[nodiscard]] QCheckBox *zoomOut() const { return window().zoomOutCheckButton(); }
    [[nodiscard]] RedBorderImageView *well() const { return window().BigIcon(); }
};

TEST_F(Options, EachPlatformShowsItsOptionsAndTurnsRoundedCornersOff)
{
    for (int choice = -1; choice <= 6; ++choice) {
        SCOPED_TRACE(choice);
        // Whatever came before: rounded corners on and drawn, zoom out chosen.
        rounded()->setChecked(true);
        well()->setRoundCorner(true);
        well()->setCornerRadius(30);
        zoomIn()->setChecked(false);
        zoomOut()->setChecked(true);

        choosePlatform(choice);

        EXPECT_EQ(window().platformSelection()->currentIndex(), choice);
        EXPECT_EQ(rounded()->isHidden(), choice != 4);
        EXPECT_FALSE(rounded()->isChecked());
        EXPECT_EQ(well()->cornerRadius(), 0.0);
        EXPECT_EQ(zoomIn()->isHidden(), choice != 6);
        EXPECT_EQ(zoomOut()->isHidden(), choice != 6);
        EXPECT_FALSE(zoomIn()->isChecked());
        EXPECT_TRUE(zoomOut()->isChecked());
    }
}

TEST_F(Options, ChoosingAPlatformInTheComboBoxRunsTheRules)
{
    window().platformSelection()->setCurrentIndex(3);
    window().platformSelection()->setFocus();
    // A key press is a user's choice; setting the index from code (as above) is not.
    QTest::keyClick(window().platformSelection(), Qt::Key_Down);
    ASSERT_EQ(window().platformSelection()->currentIndex(), 4);
    EXPECT_FALSE(rounded()->isHidden());
    QTest::keyClick(window().platformSelection(), Qt::Key_Down);
    EXPECT_TRUE(rounded()->isHidden());
}

TEST_F(Options, ZoomBoxesBehaveAsARadioPair)
{
    choosePlatform(6);
    ASSERT_TRUE(zoomIn()->isChecked());

    zoomIn()->click();
    EXPECT_TRUE(zoomIn()->isChecked()) << "a click on the chosen box leaves it chosen";
    EXPECT_FALSE(zoomOut()->isChecked());

    zoomOut()->click();
    EXPECT_FALSE(zoomIn()->isChecked());
    EXPECT_TRUE(zoomOut()->isChecked());

    zoomOut()->click();
    EXPECT_TRUE(zoomOut()->isChecked());

    zoomIn()->click();
    EXPECT_TRUE(zoomIn()->isChecked());
    EXPECT_FALSE(zoomOut()->isChecked());
}

TEST_F(Options, ZoomChoiceOutlivesPlatformChanges)
{
    choosePlatform(6);
    zoomOut()->click();
    choosePlatform(0);
    EXPECT_TRUE(zoomOut()->isHidden());
    choosePlatform(6);
    EXPECT_FALSE(zoomOut()->isHidden());
    EXPECT_TRUE(zoomOut()->isChecked());
    EXPECT_FALSE(zoomIn()->isChecked());
    EXPECT_FALSE(delegate().request().zoomIn);
}

TEST_F(Options, RoundedCornersRoundTheWellByAnEighthOfItsWidth)
{
    well()->setFixedWidth(200);
    choosePlatform(4);

    rounded()->click();
    EXPECT_TRUE(well()->isRoundCorner());
    EXPECT_DOUBLE_EQ(well()->cornerRadius(), 25.0);
    EXPECT_TRUE(delegate().request().rounded);

    // Measured at the click only.
    well()->setFixedWidth(400);
    EXPECT_DOUBLE_EQ(well()->cornerRadius(), 25.0);

    rounded()->click();
    EXPECT_FALSE(well()->isRoundCorner());
    EXPECT_EQ(well()->cornerRadius(), 0.0);
    EXPECT_FALSE(delegate().request().rounded);

    rounded()->click();
    EXPECT_DOUBLE_EQ(well()->cornerRadius(), 50.0);
    choosePlatform(4);
    EXPECT_FALSE(rounded()->isChecked());
    EXPECT_EQ(well()->cornerRadius(), 0.0);
}

TEST_F(Options, TheRequestIsWhatTheControlsSayNow)
{
    window().platformSelection()->setCurrentIndex(2);
    window().pathFiled()->setText(QStringLiteral("/first"));
    EXPECT_EQ(delegate().request().platform, Platform::fromChoice(2));
    EXPECT_EQ(delegate().request().saveFolder, QStringLiteral("/first"));

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
