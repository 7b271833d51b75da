#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>

#include "generation/platform.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSplitter;
class QToolButton;

namespace Ui {
class MainWindow;
}

namespace iconsmith {

class ColorSwatchButton;
class RedBorderImageView;
class ResultsPanel;
class TargetsPanel;
class WarningLine;

/**
 * The one window of Iconsmith: the image well, the platform choice, the save folder, the
 * options and the Generate button, as laid out in mainwindow.ui.
 *
 * The window only holds its widgets; AppDelegate gives them their behaviour.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] RedBorderImageView *BigIcon() const;
    [[nodiscard]] QComboBox *platformSelection() const;
    /** What Make is at: a classic choice, or the targets; none when nothing is selected. */
    [[nodiscard]] std::optional<Platform> platform() const;
    /** Puts Make at @p platform. */
    void selectPlatform(const Platform &platform);
    [[nodiscard]] QLineEdit *pathFiled() const;
    [[nodiscard]] QPushButton *chooseButton() const;
    /** Chooses an app project whose icons Generate updates in place, instead of a save folder. */
    [[nodiscard]] QPushButton *projectButton() const;
    /** Under the folder, while a project is chosen: what was found and what Generate will change. */
    [[nodiscard]] QWidget *projectBox() const;
    [[nodiscard]] QLabel *projectLabel() const;
    /** Goes back from the project to the save folder. */
    [[nodiscard]] QToolButton *leaveProjectButton() const;
    [[nodiscard]] ColorSwatchButton *backgroundButton() const;
    [[nodiscard]] QToolButton *noBackgroundButton() const;
    [[nodiscard]] QCheckBox *roundedCheckButton() const;
    /** The zoom choice of the scaled image set: two radio buttons, one of them always on. */
    [[nodiscard]] QRadioButton *zoomInCheckButton() const;
    [[nodiscard]] QRadioButton *zoomOutCheckButton() const;
    /** How an icon set takes a non-square image: fitted (the default) or stretched. */
    [[nodiscard]] QRadioButton *fitRadioButton() const;
    [[nodiscard]] QRadioButton *stretchRadioButton() const;
    /** The options of the classic choices (rounded corners, fit or stretch, zoom); hidden at the targets. */
    [[nodiscard]] QWidget *classicOptions() const;
    [[nodiscard]] QPushButton *generateButton() const;
    /** The targets and their options; shown only while Make is at the targets. */
    [[nodiscard]] TargetsPanel *targetsPanel() const;
    /** Says, under the image well, what about the source will show in the icons. */
    [[nodiscard]] WarningLine *warningLine() const;
    /** Says what the last generation wrote. */
    [[nodiscard]] QLabel *resultLabel() const;
    /** Files written of the files to write, while a generation runs. */
    [[nodiscard]] QProgressBar *progressBar() const;
    /** Stops the running generation. */
    [[nodiscard]] QPushButton *cancelButton() const;
    /** What the last generation made, below the form; hidden until there is something to show. */
    [[nodiscard]] ResultsPanel *resultsPanel() const;
    [[nodiscard]] QSplitter *resultsSplitter() const;
    /** The form above the results; it scrolls when the window is too short for it. */
    [[nodiscard]] QScrollArea *formScroller() const;
    /**
     * Shows the results panel, making the window taller where the screen has room for it. The
     * panel gets its whole height where the window has it, and never less than its minimum: the
     * form above scrolls instead.
     */
    void revealResultsPanel();

    [[nodiscard]] QAction *openAction() const;
    [[nodiscard]] QAction *chooseFolderAction() const;
    [[nodiscard]] QAction *generateAction() const;
    [[nodiscard]] QAction *closeAction() const;
    [[nodiscard]] QAction *quitAction() const;
    [[nodiscard]] QAction *pasteAction() const;
    [[nodiscard]] QAction *readmeAction() const;
    [[nodiscard]] QAction *aboutAction() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitForm();
    [[nodiscard]] int formHeight() const;
    int growBy(int wanted);

    const std::unique_ptr<Ui::MainWindow> m_ui;
    bool m_fitting = false;
};

} // namespace iconsmith
