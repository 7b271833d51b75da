#include "ui/mainwindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeySequence>
#include <QProgressBar>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTimer>

#include <algorithm>

#include "ui/colorswatchbutton.h"
#include "ui/redborderimageview.h"
#include "ui/resultspanel.h"
#include "ui/targetspanel.h"
#include "ui/warningline.h"
#include "ui_mainwindow.h"

namespace iconsmith {

namespace {

// The height of form the results leave when they can, so that Make, Save to and Generate stay in reach.
constexpr int minimumFormHeight = 160;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    // Each item carries the platform it makes; the targets follow the classic choices after a
    // line. The window offers one empty catalog: both classic numbers write the same file.
    QComboBox *make = m_ui->platformSelection;
    const QList<std::pair<int, QString>> items{
        {Platform::IPhone, tr("An AppIcon.appiconset with the iPhone sizes and its Contents.json")},
        {Platform::IPad, tr("An AppIcon.appiconset with the iPad sizes and its Contents.json")},
        {Platform::IPhoneAndIPad, tr("An AppIcon.appiconset with the iPhone and iPad sizes and its Contents.json")},
        {Platform::IPhoneIPadAndWatch,
         tr("The iPhone and iPad set, and the Apple Watch sizes in the folder (not listed in Contents.json)")},
        {Platform::EmptyCatalog, tr("Only AppIcon.appiconset/Contents.json, listing no image; needs no image")},
        {Platform::ScaledImageSet, tr("Image.png, Image@2x.png and Image@3x.png in the save folder itself")}};
    Q_ASSERT(make->count() == items.size());
    for (int index = 0; index < make->count(); ++index) {
        make->setItemData(index, items[index].first);
        make->setItemData(index, items[index].second, Qt::ToolTipRole);
    }
    make->insertSeparator(make->count());
    make->addItem(tr("Targets: Apple, Android, Windows, web, Linux…"), int(Platform::Targets));
    make->setItemData(make->count() - 1, tr("Each ticked target into a folder of its own in the save folder"),
                      Qt::ToolTipRole);
    // Both pairs are exclusive; in one parent they would otherwise form one group of four.
    for (const auto &[first, second] : {std::pair{m_ui->fitRadioButton, m_ui->stretchRadioButton},
                                        std::pair{m_ui->zoomInCheckButton, m_ui->zoomOutCheckButton}}) {
        auto *group = new QButtonGroup(this);
        group->addButton(first);
        group->addButton(second);
    }
    // Both Return keys: the one of the main block and the one of the keypad. Qt's Ctrl is the
    // Command key on macOS.
    m_ui->actionGenerate->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_ui->generateButton->setToolTip(tr("Write the files into the save folder (%1)")
                                         .arg(m_ui->actionGenerate->shortcut().toString(QKeySequence::NativeText)));
    // The sign the path field uses for its own clear button, so removing reads the same way.
    m_ui->noBackgroundButton->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton, nullptr, this));
    m_ui->noBackgroundButton->setAccessibleName(m_ui->noBackgroundButton->toolTip());
    // The form keeps its size when the window changes height; the results take the difference.
    // Neither part can be pushed out of sight: the form scrolls, the results keep their minimum.
    m_ui->resultsSplitter->setStretchFactor(0, 0);
    m_ui->resultsSplitter->setStretchFactor(1, 1);
    m_ui->resultsSplitter->setCollapsible(0, false);
    m_ui->resultsSplitter->setCollapsible(1, false);
    m_ui->resultsPanel->setMinimumHeight(m_ui->resultsPanel->minimumSizeHint().height());
    m_ui->formPage->installEventFilter(this);
    fitForm();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The form changed what it needs (the targets appeared, a warning line grew): the window
    // grows with it where the screen has room, once the layout has settled.
    if (watched == m_ui->formPage && event->type() == QEvent::LayoutRequest && !m_fitting) {
        m_fitting = true;
        QTimer::singleShot(0, this, [this] {
            m_fitting = false;
            fitForm();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

int MainWindow::formHeight() const
{
    // Wrapped lines make the form's height depend on its width, as the scroll area measures it.
    const QWidget *form = m_ui->formPage;
    const int width = m_ui->formScroller->width();
    if (form->layout() != nullptr && form->layout()->hasHeightForWidth())
        return std::max(form->heightForWidth(width), form->minimumSizeHint().height());
    return form->minimumSizeHint().height();
}

void MainWindow::fitForm()
{
    // Never narrower than the form: it scrolls up and down, not sideways.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_ui->formScroller);
    m_ui->formScroller->setMinimumWidth(m_ui->formPage->minimumSizeHint().width() + scrollBar);
    if (!isVisible())
        return;
    const int missing = formHeight() - m_ui->formScroller->height();
    if (missing <= 0)
        return;
    const int grown = growBy(missing);
    if (m_ui->resultsPanel->isVisible() && grown > 0) {
        // The form takes the new height; the results keep theirs.
        const QList<int> sizes = m_ui->resultsSplitter->sizes();
        m_ui->resultsSplitter->setSizes({sizes.value(0) + grown, sizes.value(1)});
    }
}

int MainWindow::growBy(int wanted)
{
    const QScreen *shown = screen();
    if (shown == nullptr || isMaximized() || isFullScreen() || wanted <= 0)
        return 0;
    // Downwards as far as the screen goes, then upwards.
    const QRect available = shown->availableGeometry();
    const QRect frame = frameGeometry();
    const int below = std::max(0, available.bottom() - frame.bottom());
    const int above = std::max(0, frame.top() - available.top());
    const int grown = std::min(wanted, below + above);
    if (grown <= 0)
        return 0;
    if (const int up = std::max(0, grown - below); up > 0)
        move(pos().x(), pos().y() - up);
    resize(width(), height() + grown);
    return grown;
}

void MainWindow::revealResultsPanel()
{
    ResultsPanel *panel = m_ui->resultsPanel;
    QSplitter *splitter = m_ui->resultsSplitter;
    const int wanted = std::max(panel->sizeHint().height(), panel->minimumHeight());
    const bool appearing = panel->isHidden();
    const int before = appearing ? splitter->height() : splitter->sizes().value(0) + splitter->sizes().value(1);
    // Taller by the panel's height, as far as the screen allows.
    const int grown = appearing ? growBy(wanted + splitter->handleWidth()) : 0;
    panel->show();
    const int total = before + grown - (appearing ? splitter->handleWidth() : 0);
    // The whole panel where there is room for it beside a usable form; its minimum at least, and
    // whatever more the user gave it by hand.
    const int formLeast = std::min(m_ui->formPage->minimumSizeHint().height(), minimumFormHeight);
    int height = std::clamp(wanted, panel->minimumHeight(), std::max(panel->minimumHeight(), total - formLeast));
    if (!appearing)
        height = std::max(height, splitter->sizes().value(1));
    height = std::min(height, std::max(panel->minimumHeight(), total - m_ui->formScroller->minimumSizeHint().height()));
    splitter->setSizes({std::max(0, total - height), height});
}

MainWindow::~MainWindow() = default;

RedBorderImageView *MainWindow::BigIcon() const
{
    return m_ui->BigIcon;
}

std::optional<Platform> MainWindow::platform() const
{
    bool ok = false;
    const int choice = m_ui->platformSelection->currentData().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return choice == Platform::Targets ? std::optional(Platform::targets()) : Platform::fromChoice(choice);
}

void MainWindow::selectPlatform(const Platform &platform)
{
    // The two empty catalogs write the same file; the window offers one of them.
    const int choice = platform.choice() == Platform::EmptyCatalogRounded ? Platform::EmptyCatalog : platform.choice();
    m_ui->platformSelection->setCurrentIndex(m_ui->platformSelection->findData(choice));
}

QComboBox *MainWindow::platformSelection() const
{
    return m_ui->platformSelection;
}

QLineEdit *MainWindow::pathFiled() const
{
    return m_ui->pathFiled;
}

QPushButton *MainWindow::chooseButton() const
{
    return m_ui->chooseButton;
}

QPushButton *MainWindow::projectButton() const
{
    return m_ui->projectButton;
}

QWidget *MainWindow::projectBox() const
{
    return m_ui->projectBox;
}

QLabel *MainWindow::projectLabel() const
{
    return m_ui->projectLabel;
}

QToolButton *MainWindow::leaveProjectButton() const
{
    return m_ui->leaveProjectButton;
}

TargetsPanel *MainWindow::targetsPanel() const
{
    return m_ui->targetsPanel;
}

ColorSwatchButton *MainWindow::backgroundButton() const
{
    return m_ui->backgroundButton;
}

QToolButton *MainWindow::noBackgroundButton() const
{
    return m_ui->noBackgroundButton;
}

QCheckBox *MainWindow::roundedCheckButton() const
{
    return m_ui->roundedCheckButton;
}

QRadioButton *MainWindow::zoomInCheckButton() const
{
    return m_ui->zoomInCheckButton;
}

QRadioButton *MainWindow::zoomOutCheckButton() const
{
    return m_ui->zoomOutCheckButton;
}

QRadioButton *MainWindow::fitRadioButton() const
{
    return m_ui->fitRadioButton;
}

QRadioButton *MainWindow::stretchRadioButton() const
{
    return m_ui->stretchRadioButton;
}

QWidget *MainWindow::classicOptions() const
{
    return m_ui->classicOptions;
}

QScrollArea *MainWindow::formScroller() const
{
    return m_ui->formScroller;
}

QPushButton *MainWindow::generateButton() const
{
    return m_ui->generateButton;
}

WarningLine *MainWindow::warningLine() const
{
    return m_ui->warningLine;
}

QLabel *MainWindow::resultLabel() const
{
    return m_ui->resultLabel;
}

QProgressBar *MainWindow::progressBar() const
{
    return m_ui->progressBar;
}

QPushButton *MainWindow::cancelButton() const
{
    return m_ui->cancelButton;
}

ResultsPanel *MainWindow::resultsPanel() const
{
    return m_ui->resultsPanel;
}

QSplitter *MainWindow::resultsSplitter() const
{
    return m_ui->resultsSplitter;
}

QAction *MainWindow::openAction() const
{
    return m_ui->actionOpen;
}

QAction *MainWindow::chooseFolderAction() const
{
    return m_ui->actionChooseFolder;
}

QAction *MainWindow::generateAction() const
{
    return m_ui->actionGenerate;
}

QAction *MainWindow::closeAction() const
{
    return m_ui->actionClose;
}

QAction *MainWindow::quitAction() const
{
    return m_ui->actionQuit;
}

QAction *MainWindow::pasteAction() const
{
    return m_ui->actionPaste;
}

QAction *MainWindow::readmeAction() const
{
    return m_ui->actionReadme;
}

QAction *MainWindow::aboutAction() const
{
    return m_ui->actionAbout;
}

} // namespace iconsmith
