#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    EXPECT_TRUE(window().fitRadioButton()->isChecked()) << "icon sets fit a non-square image unless told";
    EXPECT_TRUE(window().zoomInCheckButton()->isChecked());
    EXPECT_FALSE(window().roundedCheckButton()->isChecked());
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

TEST_F(StartUp, TheFormComesBackAsTheUserLeftIt)
{
    delegate().applicationDidFinishLaunching();
    // Each choice made with the controls, as a user makes it.
    window().platformSelection()->setFocus();
    QTest::keyClick(window().platformSelection(), Qt::Key_End);
    ASSERT_EQ(delegate().request().platform, Platform::targets());
    window().selectPlatform(*Platform::fromChoice(Platform::IPhone));
    window().stretchRadioButton()->click();
    window().roundedCheckButton()->click();
    window().selectPlatform(*Platform::fromChoice(Platform::ScaledImageSet));
    window().zoomOutCheckButton()->click();
    const QString typed = tempPath(QStringLiteral("typed folder"));
    window().pathFiled()->setFocus();
    window().pathFiled()->selectAll();
    QTest::keyClicks(window().pathFiled(), typed);
    QTest::keyClick(window().pathFiled(), Qt::Key_Return);

    // The next start: a new window and controller.
    m_delegate.reset();
    m_window = std::make_unique<MainWindow>();
    m_delegate = std::make_unique<AppDelegate>();
    m_delegate->connectOutlets(*m_window);
    delegate().applicationDidFinishLaunching();

    EXPECT_EQ(delegate().request().platform, Platform::targets()) << "the last choice made with Make";
    EXPECT_EQ(window().pathFiled()->text(), typed);
    EXPECT_TRUE(window().stretchRadioButton()->isChecked());
    EXPECT_TRUE(window().zoomOutCheckButton()->isChecked());
    EXPECT_TRUE(window().roundedCheckButton()->isChecked());
    EXPECT_FALSE(window().targetsPanel()->isHidden());
    EXPECT_TRUE(window().classicOptions()->isHidden());
}

TEST_F(StartUp, MakeOffersOneEmptyCatalogAndSaysWhatEachChoiceWrites)
{
    QComboBox *make = window().platformSelection();
    // Six classic choices (the two empty catalogs write the same file), a separator and the targets.
    EXPECT_EQ(make->count(), Platform::classicChoiceCount + 1);
    EXPECT_EQ(make->findData(int(Platform::EmptyCatalogRounded)), -1);
    window().selectPlatform(*Platform::fromChoice(Platform::EmptyCatalogRounded));
    EXPECT_EQ(delegate().request().platform, Platform::fromChoice(Platform::EmptyCatalog));
    QStringList tips;
    for (int index = 0; index < make->count(); ++index) {
        if (make->itemData(index).isValid())
            tips << make->itemData(index, Qt::ToolTipRole).toString();
    }
    EXPECT_EQ(tips.size(), Platform::classicChoiceCount);
    EXPECT_FALSE(tips.contains(QString()));
    EXPECT_EQ(QSet<QString>(tips.cbegin(), tips.cend()).size(), tips.size()) << "each says something of its own";
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
