#include "ui/mainwindow.h"

#include <QComboBox>
#include <QKeySequence>
#include <QProgressBar>
#include <QScreen>
#include <QSplitter>
#include <QStyle>

#include <algorithm>

#include "ui/colorswatchbutton.h"
#include "ui/redborderimageview.h"
#include "ui/resultspanel.h"
#include "ui/targetspanel.h"
#include "ui/warningline.h"
#include "ui_mainwindow.h"

namespace iconsmith {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    // Each item carries the platform it makes; the targets follow the classic choices after a line.
    QComboBox *make = m_ui->platformSelection;
    Q_ASSERT(make->count() == Platform::classicChoiceCount);
    for (int choice = 0; choice < Platform::classicChoiceCount; ++choice)
        make->setItemData(choice, choice);
    make->insertSeparator(make->count());
    make->addItem(tr("Targets: Apple, Android, Windows, web, Linux…"), int(Platform::Targets));
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
    m_ui->resultsSplitter->setStretchFactor(0, 0);
    m_ui->resultsSplitter->setStretchFactor(1, 1);
    m_ui->resultsSplitter->setCollapsible(0, false);
    QSizePolicy panelPolicy = m_ui->resultsPanel->sizePolicy();
    panelPolicy.setVerticalPolicy(QSizePolicy::Ignored);
    m_ui->resultsPanel->setSizePolicy(panelPolicy);
}

void MainWindow::revealResultsPanel()
{
    if (!m_ui->resultsPanel->isHidden())
        return;
    const int wanted = m_ui->resultsPanel->sizeHint().height();
    m_ui->resultsPanel->show();
    const int form = m_ui->formPage->height();
    // Taller by the panel's height, as far as the screen allows; the form keeps its height.
    if (const QScreen *shown = screen(); shown != nullptr && !isMaximized() && !isFullScreen()) {
        const int room = shown->availableGeometry().bottom() - frameGeometry().bottom();
        resize(width(), height() + std::clamp(wanted, 0, std::max(0, room)));
    }
    m_ui->resultsSplitter->setSizes({form, std::max(wanted, m_ui->resultsSplitter->height() - form)});
    // Whatever the panel would like, the window never reaches past the bottom of the screen:
    // the panel has no minimum height, so on a small screen it gets what is left.
    if (const QScreen *shown = screen(); shown != nullptr && !isMaximized() && !isFullScreen()) {
        const int overflow = frameGeometry().bottom() - shown->availableGeometry().bottom();
        if (overflow > 0)
            resize(width(), std::max(minimumSizeHint().height(), height() - overflow));
    }
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
    m_ui->platformSelection->setCurrentIndex(m_ui->platformSelection->findData(int(platform.choice())));
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

QCheckBox *MainWindow::zoomInCheckButton() const
{
    return m_ui->zoomInCheckButton;
}

QCheckBox *MainWindow::zoomOutCheckButton() const
{
    return m_ui->zoomOutCheckButton;
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
