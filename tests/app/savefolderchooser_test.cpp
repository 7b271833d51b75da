#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/apptestsupport.h"
#include "app/preferences.h"
#include "ui/redborderimageview.h"

namespace iconsmith::test {
namespace {

class SaveFolderChooser : public WindowTest
{
protected:
    [[nodiscard]] QFileDialog *openChooser() const
    {
        window().chooseButton()->click();
        return visibleTopLevel<QFileDialog>();
    }
};

TEST_F(SaveFolderChooser, IsAWindowModalFolderChooserStartingAtHome)
{
    window().pathFiled()->setText(tempPath(QStringLiteral("elsewhere")));
    QFileDialog *chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
    EXPECT_EQ(chooser->parentWidget(), &window());
    EXPECT_EQ(chooser->fileMode(), QFileDialog::Directory);
    EXPECT_EQ(QDir(chooser->directory()).canonicalPath(), QDir::home().canonicalPath());
}

TEST_F(SaveFolderChooser, ConfirmingShowsAndRemembersThePlainPath)
{
    const QString folder = tempPath(QStringLiteral("Mes icônes 100%"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFileDialog *chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    chooser->selectFile(folder);
    static_cast<QDialog *>(chooser)->accept(); // through QDialog, where accept() is public

    EXPECT_TRUE(QTest::qWaitFor([] { return visibleTopLevel<QFileDialog>() == nullptr; }));
    EXPECT_EQ(window().pathFiled()->text(), QDir::toNativeSeparators(folder));
    EXPECT_EQ(Preferences::savePath(), std::optional<QString>(QDir::toNativeSeparators(folder)));

    // The next start shows it; text that was never edited into the field is not remembered.
    window().pathFiled()->setText(tempPath(QStringLiteral("typed")));
    MainWindow nextWindow;
    AppDelegate nextStart;
    nextStart.connectOutlets(nextWindow);
    nextStart.applicationDidFinishLaunching();
    EXPECT_EQ(nextWindow.pathFiled()->text(), QDir::toNativeSeparators(folder));
}

TEST_F(SaveFolderChooser, CancellingChangesNothing)
{
    Preferences::setSavePath(QStringLiteral("/stored"));
    window().pathFiled()->setText(QStringLiteral("/shown"));
    QFileDialog *chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    chooser->selectFile(m_temp.path());
    chooser->reject();

    EXPECT_EQ(window().pathFiled()->text(), QStringLiteral("/shown"));
    EXPECT_EQ(Preferences::savePath(), std::optional<QString>(QStringLiteral("/stored")));

    // The completion itself, as the chooser calls it.
    delegate().savePathChosen(QDialog::Rejected, m_temp.path());
    EXPECT_EQ(window().pathFiled()->text(), QStringLiteral("/shown"));
    delegate().savePathChosen(QDialog::Accepted, m_temp.path() + QStringLiteral("/"));
    EXPECT_EQ(window().pathFiled()->text(), QDir::toNativeSeparators(m_temp.path()));
}

TEST_F(SaveFolderChooser, ADroppedFolderIsTheWholePathAndADroppedFileGivesItsFolder)
{
    const QString folder = tempPath(QStringLiteral("Drop here"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = writeImage(QStringLiteral("Drop here/logo.png"), {8, 8});
    QLineEdit *field = window().pathFiled();
    field->setText(QStringLiteral("/old/path"));
    field->setCursorPosition(2);

    DragOutcome drop = sendDrop(field, *fileDrag({folder}));
    EXPECT_TRUE(drop.accepted);
    EXPECT_EQ(drop.action, Qt::CopyAction);
    EXPECT_EQ(field->text(), QDir::toNativeSeparators(folder)) << "replaced, never inserted as an address";
    field->setText(QStringLiteral("/old/path"));
    sendDrop(field, *fileDrag({file}));
    EXPECT_EQ(field->text(), QDir::toNativeSeparators(folder));
    EXPECT_EQ(delegate().request().saveFolder, QDir::toNativeSeparators(folder));

    // An address that is no local file or folder is refused and changes nothing.
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/icons/"))});
    EXPECT_FALSE(sendDragEnter(field, web).accepted);
    EXPECT_EQ(field->text(), QDir::toNativeSeparators(folder));
}

TEST(ImageChooser, OpenImageLoadsTheChosenFileIntoTheWell)
{
    QTemporaryDir temp;
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    const QString path = temp.filePath(QStringLiteral("chosen.png"));
    ASSERT_TRUE(picture.save(path));
    MainWindow window;
    AppDelegate delegate;
    delegate.connectOutlets(window);

    window.openAction()->trigger();
    auto *chooser = visibleTopLevel<QFileDialog>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
    chooser->selectFile(path);
    static_cast<QDialog *>(chooser)->accept(); // through QDialog, where accept() is public
    waitForWell(*window.BigIcon());

    ASSERT_FALSE(window.BigIcon()->image().isNull());
    EXPECT_EQ(window.BigIcon()->image().origin(), path);

    // The next time it starts in the folder of that image.
    window.openAction()->trigger();
    chooser = visibleTopLevel<QFileDialog>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(QDir(chooser->directory()).canonicalPath(), QDir(temp.path()).canonicalPath());
    chooser->reject();
}

} // namespace
} // namespace iconsmith::test
