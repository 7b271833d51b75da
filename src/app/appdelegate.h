#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "app/hostsnapshot.h"
#include "app/targetscontroller.h"
#include "codec/sourceimage.h"
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
class QMessageBox;
class QProgressBar;
class QPushButton;

namespace iconsmith {

class ColorSwatchButton;
class GenerationJob;
class MainWindow;
class RedBorderImageView;
class ResultsPanel;
class TargetsPanel;
class WarningLine;

/**
 * The controller of the window: gives the controls their behaviour and lets the generation
 * read them.
 *
 * It reaches the controls through non-owning outlets, which read as null once the window has
 * gone. Every value the generation asks for is read from the controls at the moment of the
 * call; Generate freezes them into a snapshot that a generation on another thread reads, so
 * the window stays responsive and the run makes what the window showed when Generate was
 * pressed. contents() and images() are those of the last icon set made.
 */
class AppDelegate : public QObject, public GenerationHost
{
    Q_OBJECT

public:
    /** Shows a folder in the desktop's file browser; answers whether a file browser could be asked to. */
    using FolderOpener = std::function<bool(const QString &folder)>;

    explicit AppDelegate(QObject *parent = nullptr);
    /** Cancels a generation still running and waits for it to stop. */
    ~AppDelegate() override;

    /** Takes the window's controls as outlets and connects every control to its action. */
    void connectOutlets(MainWindow &window);
    /**
     * Fills the save-folder field from the preferences (the home folder when nothing is
     * stored), restores the remembered background colour, and selects the first platform
     * without applying its option rules, so the option boxes stay as mainwindow.ui made them.
     */
    void applicationDidFinishLaunching();
    /** Starts reading @p path into the image well, as a drop would. */
    void openImageFile(const QString &path);

    [[nodiscard]] QComboBox *platformSelection() const;
    [[nodiscard]] RedBorderImageView *BigIcon() const;
    [[nodiscard]] QLineEdit *pathFiled() const;
    [[nodiscard]] QCheckBox *roundedCheckButton() const;
    [[nodiscard]] QCheckBox *zoomInCheckButton() const;
    [[nodiscard]] QCheckBox *zoomOutCheckButton() const;
    [[nodiscard]] QMainWindow *window() const;

    /** The catalog document of the last icon set. */
    [[nodiscard]] const ContentsDocument &contents() const { return m_contents; }
    /** The catalog entries of the last icon set. */
    [[nodiscard]] const QList<CatalogEntry> &images() const { return m_images; }

    /** Replaces the way folders are shown; the default opens them with the desktop's file browser. */
    void setFolderOpener(FolderOpener opener);
    /** Whether a generation is running. */
    [[nodiscard]] bool isGenerating() const { return m_job != nullptr; }

    [[nodiscard]] int platformChoice() const override;
    [[nodiscard]] QString saveFolderText() const override;
    [[nodiscard]] bool isRoundedCornerOn() const override;
    [[nodiscard]] bool isZoomInOn() const override;
    [[nodiscard]] double backingScaleFactor() const override;
    /** The chosen background colour; none (the default) keeps transparency. */
    [[nodiscard]] std::optional<RgbColor> backgroundColor() const override;
    /** Shows @p folder in the file browser, when it is an existing folder; a failure shows in the results panel. */
    void showFolder(const QString &folder) override;
    void logLine(const QString &line) override;

public Q_SLOTS:
    /** Whether Make is at the item that writes several targets. */
    [[nodiscard]] bool isTargetsChoice() const;

    /** Shows the option boxes that fit the platform choice and turns the rounded corners off. */
    void platformSelected();
    /** Makes the two zoom boxes a pair of radio buttons: @p sender ends up on, the other off. */
    void zoomCheck(QAbstractButton *sender);
    /** Mirrors the rounded-corner box onto the image well. */
    void roundedChecked();
    /**
     * Checks the input, the sizes and the folder, then starts writing the icon set or the
     * scaled image set in the background, or explains what is missing or in the way.
     */
    void Generate();
    /** Stops the running generation; the folder stays as it was. */
    void cancelGeneration();
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
    /** Opens the image chooser as a sheet on the window, in the folder of the last image; imageChosen() receives its
     * result. */
    void openImage();
    /** The image chooser's completion: on QDialog::Accepted loads @p path into the well. */
    void imageChosen(int result, const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] QStringList missingInput() const;
    void startGeneration(const SourceImage &image, const HostSnapshot &host, bool replace, int files);
    void generateTargets(const SourceImage &image, const HostSnapshot &host);
    void startJob(std::unique_ptr<GenerationJob> job, int files);
    void updateTargetsPanel();
    void generationFinished();
    void setGenerating(bool generating, int files = 0);
    void updateGenerateEnabled();
    void showResult(const GenerationReport &report);
    void clearResult();
    void showMissingInputAlert();
    void openSheet(QFileDialog *dialog, void (AppDelegate::*completion)(int, const QString &));
    void setBackgroundColor(const std::optional<RgbColor> &color);
    void showSourceWarnings();
    void wellLoaded();
    void updateWellShape();
    void showInFiles(const QString &folder);

    static bool openInFileBrowser(const QString &folder);

    QPointer<QComboBox> m_platformSelection;
    QPointer<RedBorderImageView> m_BigIcon;
    QPointer<QLineEdit> m_pathFiled;
    QPointer<QCheckBox> m_roundedCheckButton;
    QPointer<QCheckBox> m_zoomInCheckButton;
    QPointer<QCheckBox> m_zoomOutCheckButton;
    QPointer<MainWindow> m_window;
    QPointer<QLabel> m_resultLabel;
    QPointer<ColorSwatchButton> m_backgroundButton;
    QPointer<QAbstractButton> m_noBackgroundButton;
    QPointer<WarningLine> m_warningLine;
    QPointer<QProgressBar> m_progressBar;
    QPointer<QPushButton> m_cancelButton;
    QPointer<QPushButton> m_generateButton;
    QPointer<ResultsPanel> m_resultsPanel;
    QPointer<TargetsPanel> m_targetsPanel;
    TargetsController m_targets;

    IconGenerator m_generator;
    FolderOpener m_folderOpener;
    std::optional<RgbColor> m_backgroundColor;
    std::unique_ptr<GenerationJob> m_job;
    QString m_folderNotShown;
    bool m_generateWhenLoaded = false;
    ContentsDocument m_contents;
    QList<CatalogEntry> m_images;
};

} // namespace iconsmith
