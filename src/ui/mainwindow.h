#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace Ui {
class MainWindow;
}

namespace iconsmith {

class ColorSwatchButton;
class RedBorderImageView;
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
    [[nodiscard]] QLineEdit *pathFiled() const;
    [[nodiscard]] QPushButton *chooseButton() const;
    [[nodiscard]] ColorSwatchButton *backgroundButton() const;
    [[nodiscard]] QToolButton *noBackgroundButton() const;
    [[nodiscard]] QCheckBox *roundedCheckButton() const;
    [[nodiscard]] QCheckBox *zoomInCheckButton() const;
    [[nodiscard]] QCheckBox *zoomOutCheckButton() const;
    [[nodiscard]] QPushButton *generateButton() const;
    /** Says, under the image well, what about the source will show in the icons. */
    [[nodiscard]] WarningLine *warningLine() const;
    /** Says what the last generation wrote. */
    [[nodiscard]] QLabel *resultLabel() const;

    [[nodiscard]] QAction *openAction() const;
    [[nodiscard]] QAction *chooseFolderAction() const;
    [[nodiscard]] QAction *generateAction() const;
    [[nodiscard]] QAction *closeAction() const;
    [[nodiscard]] QAction *quitAction() const;

private:
    const std::unique_ptr<Ui::MainWindow> m_ui;
};

} // namespace iconsmith
