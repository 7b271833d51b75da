#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

#include "generation/generationhost.h"
#include "generation/icongenerator.h"

class QAbstractButton;
class QCheckBox;
class QColor;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMainWindow;

namespace iconsmith {

class ColorSwatchButton;
class MainWindow;
class RedBorderImageView;
class WarningLine;

/**
 * The controller of the window: gives the controls their behaviour and lets the generation
 * read them.
 *
 * It reaches the controls through non-owning outlets, which read as null once the window has
 * gone, and owns the generator whose catalog document and entries are contents() and images().
 * Every value the generation asks for is read from the controls at that moment.
 */
class AppDelegate : public QObject, public GenerationHost
{
    Q_OBJECT

public:
    /** Shows a folder in the desktop's file browser. */
    using FolderOpener = std::function<void(const QString &folder)>;

    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    /** Takes the window's controls as outlets and connects every control to its action. */
    void connectOutlets(MainWindow &window);
    /**
     * Fills the save-folder field from the preferences (the home folder when nothing is
     * stored), restores the remembered background colour, and selects the first platform
     * without applying its option rules, so the option boxes stay as mainwindow.ui made them.
     */
    void applicationDidFinishLaunching();
    /** Loads @p path into the image well, as a drop would. */
    bool openImageFile(const QString &path);

    [[nodiscard]] QComboBox *platformSelection() const;
    [[nodiscard]] RedBorderImageView *BigIcon() const;
    [[nodiscard]] QLineEdit *pathFiled() const;
    [[nodiscard]] QCheckBox *roundedCheckButton() const;
    [[nodiscard]] QCheckBox *zoomInCheckButton() const;
    [[nodiscard]] QCheckBox *zoomOutCheckButton() const;
    [[nodiscard]] QMainWindow *window() const;

    /** The catalog document of the last icon set. */
    [[nodiscard]] const ContentsDocument &contents() const { return m_generator.contents(); }
    /** The catalog entries of the last icon set. */
    [[nodiscard]] const QList<CatalogEntry> &images() const { return m_generator.images(); }

    /** Replaces the way folders are shown; the default opens them with the desktop's file browser. */
    void setFolderOpener(FolderOpener opener);

    [[nodiscard]] int platformChoice() const override;
    [[nodiscard]] QString saveFolderText() const override;
    [[nodiscard]] bool isRoundedCornerOn() const override;
    [[nodiscard]] bool isZoomInOn() const override;
    [[nodiscard]] double backingScaleFactor() const override;
    /** The chosen background colour; none (the default) keeps transparency. */
    [[nodiscard]] std::optional<RgbColor> backgroundColor() const override;
    /** Shows @p folder in the file browser, when it is an existing folder. */
    void showFolder(const QString &folder) override;
    void logLine(const QString &line) override;

public Q_SLOTS:
    /** Shows the option boxes that fit the platform choice and turns the rounded corners off. */
    void platformSelected();
    /** Makes the two zoom boxes a pair of radio buttons: @p sender ends up on, the other off. */
    void zoomCheck(QAbstractButton *sender);
    /** Mirrors the rounded-corner box onto the image well. */
    void roundedChecked();
    /** Checks the input, then writes the icon set or the scaled image set, or explains what is missing. */
    void Generate();
    /** Opens the folder chooser as a sheet on the window; savePathChosen() receives its result. */
    void selectSavePath();
    /** The folder chooser's completion: on QDialog::Accepted shows and remembers @p folder. */
    void savePathChosen(int result, const QString &folder);
    /** Opens the colour chooser as a sheet on the window; backgroundColorChosen() receives its result. */
    void selectBackgroundColor();
    /** The colour chooser's completion: on QDialog::Accepted uses and remembers @p color as the background. */
    void backgroundColorChosen(int result, const QColor &color);
    /** Turns the background colour off, so that transparency is kept, and remembers that. */
    void removeBackgroundColor();
    /** Opens the image chooser as a sheet on the window; imageChosen() receives its result. */
    void openImage();
    /** The image chooser's completion: on QDialog::Accepted loads @p path into the well. */
    void imageChosen(int result, const QString &path);

private:
    [[nodiscard]] bool hasCompleteInput() const;
    GenerationReport runGeneration();
    void showResult(const GenerationReport &report);
    void showMissingInputAlert();
    void showFailureAlert(const GenerationReport &report);
    void openSheet(QFileDialog *dialog, void (AppDelegate::*completion)(int, const QString &));
    void setBackgroundColor(const std::optional<RgbColor> &color);
    void showSourceWarnings();

    static void openInFileBrowser(const QString &folder);

    QPointer<QComboBox> m_platformSelection;
    QPointer<RedBorderImageView> m_BigIcon;
    QPointer<QLineEdit> m_pathFiled;
    QPointer<QCheckBox> m_roundedCheckButton;
    QPointer<QCheckBox> m_zoomInCheckButton;
    QPointer<QCheckBox> m_zoomOutCheckButton;
    QPointer<QMainWindow> m_window;
    QPointer<QLabel> m_resultLabel;
    QPointer<ColorSwatchButton> m_backgroundButton;
    QPointer<QAbstractButton> m_noBackgroundButton;
    QPointer<WarningLine> m_warningLine;

    IconGenerator m_generator;
    FolderOpener m_folderOpener;
    std::optional<RgbColor> m_backgroundColor;
};

} // namespace iconsmith
