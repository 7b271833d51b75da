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
    [[nodiscard]] ColorSwatchButton *backgroundButton() const;
    [[nodiscard]] QToolButton *noBackgroundButton() const;
    [[nodiscard]] QCheckBox *roundedCheckButton() const;
    [[nodiscard]] QCheckBox *zoomInCheckButton() const;
    [[nodiscard]] QCheckBox *zoomOutCheckButton() const;
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
    /** Shows the results panel, making the window taller where the screen has room for it. */
    void revealResultsPanel();

    [[nodiscard]] QAction *openAction() const;
    [[nodiscard]] QAction *chooseFolderAction() const;
    [[nodiscard]] QAction *generateAction() const;
    [[nodiscard]] QAction *closeAction() const;
    [[nodiscard]] QAction *quitAction() const;
    [[nodiscard]] QAction *pasteAction() const;
    [[nodiscard]] QAction *readmeAction() const;
    [[nodiscard]] QAction *aboutAction() const;

private:
    const std::unique_ptr<Ui::MainWindow> m_ui;
};

} // namespace iconsmith
