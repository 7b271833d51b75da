#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>

#include <QRadioButton>

#include "app/apptestsupport.h"
#include "app/helpdialogs.h"
#include "app/windowplacement.h"
#include "ui/redborderimageview.h"

namespace iconsmith::test {
namespace {

class WellInput : public WindowTest
{
protected:
    [[nodiscard]] RedBorderImageView *well() const { return window().BigIcon(); }
};

TEST_F(WellInput, TheKeyboardOpensTheChooserAndPastesImagesAndFiles)
{
    EXPECT_EQ(well()->focusPolicy(), Qt::StrongFocus);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(well(), key);
        auto *chooser = visibleTopLevel<QFileDialog>();
        ASSERT_NE(chooser, nullptr) << key;
        chooser->reject();
    }

    // A copied picture is kept as a PNG in the cache and read from there.
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QGuiApplication::clipboard()->setImage(picture);
    QTest::keySequence(well(), QKeySequence::Paste);
    waitForWell(*well());
    ASSERT_FALSE(well()->image().isNull());
    EXPECT_EQ(well()->image().size(), QSize(30, 20));
    EXPECT_TRUE(well()->image().origin().startsWith(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));

    // A copied file is read where it is, through Edit ▸ Paste Image as well.
    const QString file = writeImage(QStringLiteral("copied.png"), {16, 8});
    auto copied = fileDrag({file});
    QGuiApplication::clipboard()->setMimeData(copied.release());
    window().pasteAction()->trigger();
    waitForWell(*well());
    EXPECT_EQ(well()->image().origin(), file);
}

TEST_F(WellInput, TheAccessibleDescriptionSaysWhatTheWellHolds)
{
    EXPECT_TRUE(well()->accessibleDescription().startsWith(QStringLiteral("No image")));
    sendDrop(well(), *fileDrag({writeImage(QStringLiteral("photo.png"), {64, 48})}));
    EXPECT_EQ(well()->accessibleDescription(), QStringLiteral("photo.png, 64 × 48 pixels"));
    sendDrop(well(), *fileDrag({writeFile(QStringLiteral("notes.png"), "not a picture\n")}));
    EXPECT_TRUE(well()->accessibleDescription().contains(well()->problem()))
        << qPrintable(well()->accessibleDescription());
    EXPECT_FALSE(well()->problem().isEmpty());
}

TEST_F(WellInput, IconSetsShowThePictureStretchedAsTheIconsWillBe)
{
    well()->setFixedSize(300, 300);
    ASSERT_TRUE(well()->loadFile(writeImage(QStringLiteral("wide.png"), {200, 100}, Qt::red)));
    const auto pictureSize = [this] {
        QImage shown(well()->size(), QImage::Format_ARGB32);
        shown.fill(Qt::transparent);
        well()->render(&shown);
        QRect red;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (QColor(shown.pixel(x, y)) == QColor(Qt::red))
                    red |= QRect(x, y, 1, 1);
            }
        }
        return red.size();
    };
    // Stretched to squares, the icons are square; fitted, and in the scaled set, they keep the image's shape.
    window().stretchRadioButton()->click();
    for (const int choice : {0, 6}) {
        window().selectPlatform(*Platform::fromChoice(choice));
        delegate().platformSelected();
        const QSize size = pictureSize();
        // Within a pixel of rounding.
        EXPECT_NEAR(size.width(), (choice == 0 ? 1 : 2) * size.height(), 1) << choice;
    }
    window().selectPlatform(*Platform::fromChoice(0));
    window().fitRadioButton()->click();
    EXPECT_NEAR(pictureSize().width(), 2 * pictureSize().height(), 1);
}

TEST(HelpAndPlacement, AboutNamesTheVersionsAndTheWindowStaysOnScreen)
{
    const QString about = HelpDialogs::aboutText();
    EXPECT_TRUE(about.contains(QCoreApplication::applicationVersion()));
    EXPECT_TRUE(about.contains(QString::fromLatin1(qVersion())));
    EXPECT_TRUE(about.contains(QStringLiteral("libvips")));
    EXPECT_TRUE(HelpDialogs::readmePath().endsWith(QStringLiteral("README.md")));

    // A window remembered on a larger screen (or made at twice the scale) is moved and shrunk onto this one.
    const QRect screen(0, 0, 640, 400);
    EXPECT_EQ(WindowPlacement::fitted(QRect(300, 200, 840, 540), screen), screen);
    EXPECT_EQ(WindowPlacement::fitted(QRect(500, 300, 200, 150), screen), QRect(440, 250, 200, 150));
    EXPECT_EQ(WindowPlacement::fitted(QRect(-50, 10, 200, 150), screen), QRect(0, 10, 200, 150));
}

} // namespace
} // namespace iconsmith::test
