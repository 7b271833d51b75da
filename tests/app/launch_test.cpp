#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "app/apptestsupport.h"
#include "app/launcher.h"
#include "app/preferences.h"
#include "ui/redborderimageview.h"
#include "ui/targetspanel.h"

namespace iconsmith::test {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, WithoutAStoredFolderShowsTheHomeFolder)
{
    delegate().applicationDidFinishLaunching();

    EXPECT_EQ(QDir::fromNativeSeparators(window().pathFiled()->text()), QDir::homePath());
    EXPECT_EQ(window().platformSelection()->currentIndex(), 0);
}

TEST_F(StartUp, ShowsTheStoredFolderAsItIsEvenWhenEmptyOrGone)
{
    for (const QString &stored : {tempPath(QStringLiteral("deleted long ago")), QStringLiteral("")}) {
        Preferences::setSavePath(stored);
        window().pathFiled()->setText(QStringLiteral("something else"));
        delegate().applicationDidFinishLaunching();
        EXPECT_EQ(window().pathFiled()->text(), stored);
    }
}

TEST_F(StartUp, SelectsTheFirstPlatformWithoutApplyingItsOptionRules)
{
    // As mainwindow.ui leaves them: rounded corners shown and off, zoom hidden, zoom in on.
    EXPECT_FALSE(window().roundedCheckButton()->isHidden());
    EXPECT_FALSE(window().roundedCheckButton()->isChecked());
    EXPECT_TRUE(window().zoomInCheckButton()->isHidden());
    EXPECT_TRUE(window().zoomOutCheckButton()->isHidden());
    EXPECT_TRUE(window().zoomInCheckButton()->isChecked());
    EXPECT_FALSE(window().zoomOutCheckButton()->isChecked());
    // The seven classic choices, a separator and the targets.
    EXPECT_EQ(window().platformSelection()->count(), Platform::classicChoiceCount + 2);
    EXPECT_EQ(window().platformSelection()->findData(int(Platform::Targets)), Platform::classicChoiceCount + 1);
    EXPECT_TRUE(window().targetsPanel()->isHidden());

    window().platformSelection()->setCurrentIndex(6);
    window().roundedCheckButton()->setChecked(true);
    delegate().applicationDidFinishLaunching();

    EXPECT_EQ(window().platformSelection()->currentIndex(), 0);
    // Choice 0 would hide the rounded-corner box and turn it off; the start-up leaves it.
    EXPECT_FALSE(window().roundedCheckButton()->isHidden());
    EXPECT_TRUE(window().roundedCheckButton()->isChecked());
    EXPECT_TRUE(window().zoomInCheckButton()->isHidden());
}

TEST(Launch, OpensTheLastImageNamedOnTheCommandLine)
{
    clearPreferences();
    QTemporaryDir temp;
    QImage picture(24, 12, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString first = temp.filePath(QStringLiteral("first.png"));
    const QString second = temp.filePath(QStringLiteral("second.png"));
    ASSERT_TRUE(picture.save(first) && picture.save(second));

    Launcher launcher;
    launcher.launch({QStringLiteral("iconsmith"), first, second});
    waitForWell(*launcher.window().BigIcon());

    EXPECT_TRUE(launcher.window().isVisible());
    EXPECT_EQ(launcher.window().platformSelection()->currentIndex(), 0);
    EXPECT_EQ(QDir::fromNativeSeparators(launcher.window().pathFiled()->text()), QDir::homePath());
    ASSERT_FALSE(launcher.window().BigIcon()->image().isNull());
    EXPECT_EQ(launcher.window().BigIcon()->image().origin(), second);
}

TEST(Launch, ASettingsFileThatIsAFifoIsNeverReadAndTheWindowOpens)
{
    // Reading a FIFO waits for a writer that never comes: the window would never open.
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ASSERT_TRUE(QDir(config.path()).mkpath(QStringLiteral("Iconsmith")));
    const QString fifo = config.filePath(QStringLiteral("Iconsmith/Iconsmith.conf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    {
        Launcher launcher;
        launcher.launch({QStringLiteral("iconsmith")});
        EXPECT_TRUE(launcher.window().isVisible());
        EXPECT_EQ(QDir::fromNativeSeparators(launcher.window().pathFiled()->text()), QDir::homePath());
        // Settings still work, for as long as the program runs.
        Preferences::setTargets({QStringLiteral("ios")});
        EXPECT_EQ(Preferences::targets(), QStringList{QStringLiteral("ios")});
    }
    struct stat status = {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    qputenv("XDG_CONFIG_HOME", previous);
}

} // namespace
} // namespace iconsmith::test
