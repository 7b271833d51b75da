#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/apptestsupport.h"
#include "ui/colorswatchbutton.h"
#include "ui/redborderimageview.h"
#include "ui/warningline.h"

namespace iconsmith::test {
namespace {

// What each warning says, as far as telling them apart goes.
const QString transparentSource = QStringLiteral("transparent areas");
const QString roundedCorners = QStringLiteral("Rounded corners");
const QString enlarged = QStringLiteral("enlarged");
const QString notSquare = QStringLiteral("not square");
const QString filled = QStringLiteral("filled with");

class SourceWarnings : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        delegate().applicationDidFinishLaunching();
    }

    void choosePlatform(int choice) const
    {
        window().selectPlatform(*Platform::fromChoice(choice));
        delegate().platformSelected();
    }

    void chooseBackground(const QColor &color) const
    {
        window().backgroundButton()->click();
        auto *chooser = visibleTopLevel<QColorDialog>();
        ASSERT_NE(chooser, nullptr);
        chooser->setCurrentColor(color);
        chooser->accept();
    }

    void load(const QString &path) const { ASSERT_TRUE(window().BigIcon()->loadFile(path)); }

    // The warnings as the user sees them: nothing while the line is hidden.
    [[nodiscard]] QStringList shown() const
    {
        const WarningLine *line = window().warningLine();
        return line->isHidden() ? QStringList() : line->warnings();
    }

    void expectOnly(const QString &fragment) const
    {
        const QStringList warnings = shown();
        ASSERT_EQ(warnings.size(), 1) << qPrintable(warnings.join(u'\n'));
        EXPECT_TRUE(warnings.constFirst().contains(fragment)) << qPrintable(warnings.constFirst());
    }
};

TEST_F(SourceWarnings, NothingIsShownWithoutAnImageOrForAnIconReadySource)
{
    EXPECT_TRUE(shown().isEmpty());
    choosePlatform(0);
    EXPECT_TRUE(shown().isEmpty());

    load(writeImage(QStringLiteral("ready.png"), {1024, 1024}));
    for (int choice = 0; choice <= 6; ++choice) {
        choosePlatform(choice);
        EXPECT_TRUE(shown().isEmpty()) << choice << qPrintable(shown().join(u'\n'));
    }

    // The scaled image set keeps the source as it is: small, wide and transparent is fine.
    load(writeTransparentImage(QStringLiteral("banner.png"), {300, 100}));
    EXPECT_TRUE(shown().isEmpty()) << qPrintable(shown().join(u'\n'));
}

TEST_F(SourceWarnings, ATransparentSourceWarnsForTheAppStoreIconUntilABackgroundFillsIt)
{
    choosePlatform(0);
    load(writeTransparentImage(QStringLiteral("logo.png"), {1024, 1024}));
    expectOnly(transparentSource);
    EXPECT_FALSE(window().warningLine()->isHidden());

    for (int choice = 0; choice <= 6; ++choice) {
        choosePlatform(choice);
        // Only the choices that make an App Store icon.
        if (choice <= 3)
            expectOnly(transparentSource);
        else
            EXPECT_TRUE(shown().isEmpty()) << choice;
    }

    // The colour fills the App Store icon; the line says what it does to the transparent areas,
    // so that a colour kept from an earlier session does not fill a new logo unnoticed.
    choosePlatform(3);
    chooseBackground(Qt::white);
    expectOnly(filled);
    EXPECT_TRUE(shown().constFirst().contains(QStringLiteral("#FFFFFF"))) << qPrintable(shown().constFirst());
    window().noBackgroundButton()->click();
    expectOnly(transparentSource);
}

TEST_F(SourceWarnings, RoundedCornersWarnForTheAppStoreIconUntilABackgroundFillsThem)
{
    load(writeImage(QStringLiteral("opaque.png"), {1024, 1024}));
    ASSERT_TRUE(window().roundedCheckButton()->isEnabled());
    EXPECT_TRUE(shown().isEmpty());

    window().roundedCheckButton()->click();
    expectOnly(roundedCorners);

    chooseBackground(Qt::black);
    EXPECT_TRUE(shown().isEmpty());
    window().noBackgroundButton()->click();
    expectOnly(roundedCorners);

    window().roundedCheckButton()->click();
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(SourceWarnings, ASmallBitmapWarnsThatItWillBeEnlarged)
{
    choosePlatform(0);
    load(writeImage(QStringLiteral("small.png"), {256, 256}));
    expectOnly(enlarged);
    EXPECT_TRUE(shown().constFirst().contains(QStringLiteral("256 × 256")));
    EXPECT_TRUE(shown().constFirst().contains(QStringLiteral("1024 × 1024")));

    choosePlatform(6);
    EXPECT_TRUE(shown().isEmpty());
    // The targets fit the source into their 1024-pixel icons too.
    window().selectPlatform(Platform::targets());
    delegate().platformSelected();
    expectOnly(enlarged);

    // A drawing is rendered at every size, so a small one is sharp.
    choosePlatform(0);
    load(writeFile(QStringLiteral("small.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\">"
                                                "<rect width=\"64\" height=\"64\" fill=\"#3366ff\"/></svg>"));
    EXPECT_TRUE(shown().isEmpty()) << qPrintable(shown().join(u'\n'));
}

TEST_F(SourceWarnings, ANonSquareSourceWarnsOfItsMarginsFittedAndOfItsShapeStretched)
{
    choosePlatform(2);
    load(writeImage(QStringLiteral("wide.png"), {1280, 1024}));
    expectOnly(QStringLiteral("margins"));
    chooseBackground(Qt::white);
    EXPECT_TRUE(shown().isEmpty()) << qPrintable(shown().join(u'\n'));
    window().noBackgroundButton()->click();

    window().stretchRadioButton()->click();
    expectOnly(notSquare);
    EXPECT_TRUE(shown().constFirst().contains(QStringLiteral("1280 × 1024")));

    choosePlatform(6);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(SourceWarnings, FollowTheImageInTheWell)
{
    choosePlatform(0);
    window().stretchRadioButton()->click();
    const QString all = writeTransparentImage(QStringLiteral("banner.png"), {600, 400});
    sendDrop(window().BigIcon(), *fileDrag({all}));
    const QStringList warnings = shown();
    ASSERT_EQ(warnings.size(), 3) << qPrintable(warnings.join(u'\n'));
    EXPECT_TRUE(warnings[0].contains(transparentSource));
    EXPECT_TRUE(warnings[1].contains(enlarged));
    EXPECT_TRUE(warnings[2].contains(notSquare));

    const QString ready = writeImage(QStringLiteral("ready.png"), {1024, 1024});
    sendDrop(window().BigIcon(), *fileDrag({ready}));
    EXPECT_TRUE(shown().isEmpty());

    // A file that is no image takes nothing away: the line says it was not opened, and the
    // image in the well is still what Generate makes.
    sendDrop(window().BigIcon(), *fileDrag({writeFile(QStringLiteral("notes.txt"), "not a picture\n")}));
    EXPECT_EQ(window().BigIcon()->image().origin(), ready);
    expectOnly(QStringLiteral("notes.txt"));
    EXPECT_TRUE(shown().constFirst().contains(QStringLiteral("kept"))) << qPrintable(shown().constFirst());
    sendDrop(window().BigIcon(), *fileDrag({all}));
    EXPECT_EQ(shown().size(), 3) << "the next good file clears it";
}

TEST_F(SourceWarnings, NeverStopGenerate)
{
    const QString output = tempPath(QStringLiteral("out"));
    window().pathFiled()->setText(QDir::toNativeSeparators(output));
    choosePlatform(0);
    window().stretchRadioButton()->click();
    load(writeTransparentImage(QStringLiteral("banner.png"), {600, 400}));
    ASSERT_EQ(shown().size(), 3);

    pressGenerate();

    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
    EXPECT_TRUE(QFile::exists(output + QStringLiteral("/AppIcon.appiconset/Contents.json")));
    EXPECT_EQ(m_shownFolders, QStringList{output});
}

} // namespace
} // namespace iconsmith::test
