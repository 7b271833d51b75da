#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTest>
#include <QThreadPool>
#include <QTreeWidget>

#include "app/apptestsupport.h"
#include "app/helpdialogs.h"
#include "check/iconsetcheck.h"
#include "ui/iconpreviewstrip.h"
#include "ui/redborderimageview.h"
#include "ui/resultspanel.h"
#include "ui/warningline.h"

namespace iconsmith::test {
namespace {

// Keeps every thread of the application's pool busy, so that work handed to it waits: what
// the window does between Generate and the start of the run can then be seen, and a Cancel
// lands before the run has written anything, however fast the machine.
class PoolBlocker
{
public:
    PoolBlocker() : m_threads(QThreadPool::globalInstance()->maxThreadCount())
    {
        for (int i = 0; i < m_threads; ++i) {
            QThreadPool::globalInstance()->start([this] {
                m_started.release();
                m_gate.acquire();
                m_left.release();
            });
        }
        m_started.acquire(m_threads);
    }
    ~PoolBlocker() { release(); }
    PoolBlocker(const PoolBlocker &) = delete;
    PoolBlocker &operator=(const PoolBlocker &) = delete;

    // Waits until every blocking task is out of the semaphores, which go with this object.
    void release()
    {
        if (m_threads > 0) {
            const int threads = std::exchange(m_threads, 0);
            m_gate.release(threads);
            m_left.acquire(threads);
        }
    }

private:
    int m_threads;
    QSemaphore m_started;
    QSemaphore m_gate;
    QSemaphore m_left;
};

class BackgroundRun : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_output = tempPath(QStringLiteral("out"));
        window().pathFiled()->setText(QDir::toNativeSeparators(m_output));
    }

    void prepare(int choice, const QString &source) const
    {
        ASSERT_TRUE(window().BigIcon()->loadFile(source));
        window().selectPlatform(*Platform::fromChoice(choice));
        delegate().platformSelected();
    }

    [[nodiscard]] QMessageBox *question() const
    {
        auto *box = visibleTopLevel<QMessageBox>();
        return box != nullptr && box->objectName() == u"existingSetQuestion" ? box : nullptr;
    }

    [[nodiscard]] QString iconSet() const { return m_output + QStringLiteral("/AppIcon.appiconset"); }

    QString m_output;
};

TEST_F(BackgroundRun, ShowsProgressAndCancelsWithoutLeavingFiles)
{
    prepare(6, writeImage(QStringLiteral("source.png"), {40, 30}));
    const std::function<void()> stops[] = {[this] { window().cancelButton()->click(); }, [this] { window().close(); }};
    for (const auto &stop : stops) {
        window().show();
        PoolBlocker blocker;
        window().generateButton()->click();

        EXPECT_TRUE(delegate().isGenerating());
        EXPECT_FALSE(window().generateButton()->isEnabled());
        EXPECT_FALSE(window().generateAction()->isEnabled());
        EXPECT_FALSE(window().cancelButton()->isHidden());
        EXPECT_FALSE(window().progressBar()->isHidden());
        // The pictures and the folder are read before a file count is known: the bar shows work going on.
        EXPECT_EQ(window().progressBar()->maximum(), 0);

        stop();
        blocker.release();
        waitForGeneration(delegate());

        EXPECT_FALSE(QFileInfo::exists(m_output)) << qPrintable(filesBelow(m_temp.path()).join(u' '));
        EXPECT_TRUE(window().resultLabel()->text().startsWith(QStringLiteral("Cancelled")));
        EXPECT_TRUE(window().cancelButton()->isHidden());
        EXPECT_TRUE(window().progressBar()->isHidden());
        EXPECT_TRUE(window().generateButton()->isEnabled());
        EXPECT_TRUE(m_shownFolders.isEmpty());
        EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
    }
}

TEST_F(BackgroundRun, GeneratePressedWhileTheImageIsReadStartsOnceItIs)
{
    window().selectPlatform(*Platform::fromChoice(6));
    delegate().platformSelected();
    {
        PoolBlocker blocker;
        window().BigIcon()->open(writeImage(QStringLiteral("late.png"), {8, 8}));
        ASSERT_TRUE(window().BigIcon()->isLoading());
        window().generateButton()->click();
        EXPECT_FALSE(delegate().isGenerating());
        EXPECT_FALSE(window().resultLabel()->text().isEmpty());
    }
    waitForWell(*window().BigIcon());
    waitForGeneration(delegate());
    EXPECT_EQ(QImage(m_output + QStringLiteral("/Image@3x.png")).size(), QSize(24, 24));
}

TEST_F(BackgroundRun, AnotherSetIntoTheSameFolderAsksAndReplacesByDefault)
{
    prepare(0, writeImage(QStringLiteral("source.png"), {1024, 1024}));
    pressGenerate();
    ASSERT_TRUE(IconSetCheck::check(iconSet()).passed());
    const QStringList iphone = filesBelow(iconSet());
    window().selectPlatform(*Platform::fromChoice(1));
    delegate().platformSelected();

    // Cancel writes nothing.
    pressGenerate();
    ASSERT_NE(question(), nullptr);
    EXPECT_EQ(question()->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(question()->detailedText().contains(QStringLiteral("Icon-60@3x.png")));
    question()->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    waitForGeneration(delegate());
    EXPECT_EQ(filesBelow(iconSet()), iphone);

    // Keep adds the iPad files beside the iPhone ones, as before.
    pressGenerate();
    ASSERT_NE(question(), nullptr);
    question()->findChild<QPushButton *>(QStringLiteral("keepButton"))->click();
    waitForGeneration(delegate());
    EXPECT_TRUE(QFile::exists(iconSet() + QStringLiteral("/Icon-60@3x.png")));
    EXPECT_TRUE(QFile::exists(iconSet() + QStringLiteral("/Icon-83_5@2x.png")));
    EXPECT_FALSE(IconSetCheck::check(iconSet()).passed());

    // The default button (Return) replaces the folder with a set that checks clean.
    pressGenerate();
    ASSERT_NE(question(), nullptr);
    EXPECT_EQ(question()->defaultButton()->objectName(), QStringLiteral("replaceButton"));
    QTest::keyClick(question(), Qt::Key_Return);
    waitForGeneration(delegate());
    EXPECT_TRUE(IconSetCheck::check(iconSet()).passed());
    EXPECT_FALSE(QFile::exists(iconSet() + QStringLiteral("/Icon-60@3x.png")));
    QDirIterator trashed(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/Trash/files"),
                         {QStringLiteral("Icon-60@3x.png")}, QDir::Files, QDirIterator::Subdirectories);
    EXPECT_TRUE(trashed.hasNext()) << "the old set went to the trash";

    // An empty catalog over that good set asks too.
    window().selectPlatform(*Platform::fromChoice(5));
    delegate().platformSelected();
    pressGenerate();
    ASSERT_NE(question(), nullptr);
    EXPECT_TRUE(question()->text().contains(QStringLiteral("10 images"))) << qPrintable(question()->text());
    question()->reject();
}

TEST_F(BackgroundRun, TheResultsPanelShowsTheFilesAsTheSystemWill)
{
    prepare(0, writeTransparentImage(QStringLiteral("logo.png"), {1024, 1024}, Qt::blue));
    ResultsPanel &panel = *window().resultsPanel();
    EXPECT_TRUE(panel.isHidden());
    pressGenerate();

    EXPECT_FALSE(panel.isHidden());
    const QTreeWidget &list = *panel.fileList();
    ASSERT_EQ(list.topLevelItemCount(), int(filesBelow(iconSet()).size()));
    const QList<QTreeWidgetItem *> icon60 = list.findItems(QStringLiteral("Icon-60@3x.png"), Qt::MatchExactly);
    ASSERT_EQ(icon60.size(), 1);
    EXPECT_EQ(icon60[0]->text(1), QStringLiteral("180 × 180"));
    EXPECT_EQ(icon60[0]->text(2), QStringLiteral("Yes"));

    // The images read back from disk, inside the rounded square of the home screen.
    IconPreviewStrip &strip = *panel.previewStrip();
    ASSERT_TRUE(QTest::qWaitFor([&strip] { return !strip.isReading(); }, 30000));
    ASSERT_EQ(strip.files().size(), list.topLevelItemCount() - 1);
    for (int i = 0; i < strip.files().size(); ++i) {
        EXPECT_EQ(strip.files()[i].mask, DisplayMask::RoundedSquare);
        EXPECT_FALSE(strip.picture(i).isNull()) << i;
    }
    strip.resize(strip.sizeHint());
    QImage shown(strip.size(), QImage::Format_ARGB32);
    strip.render(&shown);
    // The first tile (Icon-20@2x) is drawn at its real size, 40 pixels; the corners of its box
    // are outside the rounded square, its middle is the blue of the picture.
    const QRgb background = shown.pixel(0, 0);
    QRect tile;
    for (int y = 0; y <= IconPreviewStrip::largestTile + 8; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (shown.pixel(x, y) != background)
                tile |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_EQ(tile.size(), QSize(40, 40));
    EXPECT_EQ(shown.pixel(tile.topLeft()), background);
    EXPECT_EQ(shown.pixel(tile.bottomRight()), background);
    EXPECT_EQ(QColor(shown.pixel(tile.center())), QColor(Qt::blue));

    // The scaled image set has no outline; "Show in Files" opens the folder of the files.
    prepare(6, writeImage(QStringLiteral("wide.png"), {40, 12}));
    pressGenerate();
    ASSERT_TRUE(QTest::qWaitFor([&strip] { return !strip.isReading(); }, 30000));
    ASSERT_EQ(strip.files().size(), 3);
    EXPECT_EQ(strip.files()[0].mask, DisplayMask::None);
    EXPECT_EQ(strip.picture(2).size(), QSize(120, 36));
    m_shownFolders.clear();
    panel.showInFilesButton()->click();
    EXPECT_EQ(m_shownFolders, QStringList{m_output});
}

TEST_F(BackgroundRun, AFileBrowserThatCannotOpenIsReportedWithThePathToCopy)
{
    delegate().setFolderOpener([](const QString &) { return false; });
    prepare(6, writeImage(QStringLiteral("source.png"), {12, 12}));
    pressGenerate();

    const ResultsPanel &panel = *window().resultsPanel();
    EXPECT_FALSE(panel.folderNotShownLabel()->isHidden());
    EXPECT_TRUE(panel.folderNotShownLabel()->text().contains(QDir::toNativeSeparators(m_output)));
    ASSERT_FALSE(panel.copyPathButton()->isHidden());
    panel.copyPathButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(m_output));
}

// The desktop's own opener, which ends with a status and a message; PATH finds it first.
class FailingOpener
{
public:
    explicit FailingOpener(const QString &folder) : m_path(qgetenv("PATH"))
    {
        const QString script = folder + QStringLiteral("/xdg-open");
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho 'no method available for opening' >&2\nexit 3\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder) + ':' + m_path);
    }
    ~FailingOpener() { qputenv("PATH", m_path); }
    FailingOpener(const FailingOpener &) = delete;
    FailingOpener &operator=(const FailingOpener &) = delete;

private:
    QByteArray m_path;
};

TEST_F(BackgroundRun, AnOpenerThatFailsIsHeardAndThePathOffered)
{
    const FailingOpener opener(m_temp.path());
    // The window as the program has it, with the desktop's opener.
    m_delegate = std::make_unique<AppDelegate>();
    m_delegate->connectOutlets(window());
    prepare(6, writeImage(QStringLiteral("source.png"), {12, 12}));
    pressGenerate();

    const ResultsPanel &panel = *window().resultsPanel();
    ASSERT_TRUE(QTest::qWaitFor([&panel] { return !panel.folderNotShownLabel()->isHidden(); }, 10000));
    EXPECT_TRUE(panel.folderNotShownLabel()->text().contains(QStringLiteral("no method available")))
        << qPrintable(panel.folderNotShownLabel()->text());
    EXPECT_FALSE(panel.copyPathButton()->isHidden());

    // Help ▸ README alike: an alert says so and copies the path.
    window().readmeAction()->trigger();
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&alert] { return (alert = visibleTopLevel<QMessageBox>()) != nullptr; }, 10000));
    EXPECT_EQ(alert->objectName(), QStringLiteral("notOpenedAlert"));
    auto *copy = alert->findChild<QPushButton *>(QStringLiteral("copyPathButton"));
    ASSERT_NE(copy, nullptr);
    copy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(HelpDialogs::readmePath()));
}

TEST_F(BackgroundRun, SizesTooLargeToMakeAreNamedBeforeAnythingIsWritten)
{
    prepare(6, writeImage(QStringLiteral("long.png"), {6000, 4}));
    const QStringList warnings = window().warningLine()->warnings();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("18000 × 12"))) << qPrintable(warnings[0]);

    pressGenerate();
    const auto *alert = visibleTopLevel<QMessageBox>();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->objectName(), QStringLiteral("refusedAlert"));
    EXPECT_EQ(alert->informativeText(), warnings[0]);
    EXPECT_FALSE(QFileInfo::exists(m_output));

    // Zooming out makes the same image fit.
    delete alert;
    window().zoomOutCheckButton()->click();
    EXPECT_TRUE(window().warningLine()->warnings().isEmpty());
}

} // namespace
} // namespace iconsmith::test
