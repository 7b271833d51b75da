#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

#include "app/choosers.h"
#include "app/desktopopener.h"
#include "app/formmemory.h"
#include "app/generationflow.h"
#include "app/optionrules.h"
#include "app/projectflow.h"
#include "app/targetscontroller.h"
#include "catalog/catalogentry.h"
#include "catalog/contentsdocument.h"
#include "generation/generationhost.h"
#include "generation/generationrequest.h"

class QAbstractButton;
class QCheckBox;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QRadioButton;

namespace iconsmith {

class MainWindow;
class RedBorderImageView;

/**
 * The controller of the window: holds its controls as outlets, hands each action to the class
 * that carries it out (the option rules, the choosers, the generation flow, the targets), and is
 * the host of the generations it starts.
 *
 * The outlets are non-owning and read as null once the window has gone. request() is what the
 * window asks for at this moment; Generate starts a generation of exactly that, which goes on
 * whatever the window shows meanwhile. contents() and images() are those of the last icon set.
 */
class AppDelegate : public QObject, public GenerationHost
{
    Q_OBJECT

public:
    using FolderOpener = GenerationFlow::FolderOpener;

    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    /** Takes the window's controls as outlets and connects every control to its action. */
    void connectOutlets(MainWindow &window);
    /**
     * Puts the form back as it was left: the save folder (the home folder when nothing is
     * stored), what Make was at (its first choice at a first start), the options, the
     * background colour and the targets.
     */
    void applicationDidFinishLaunching();
    /** Starts reading @p path into the image well, as a drop would. */
    void openImageFile(const QString &path);

    [[nodiscard]] QComboBox *platformSelection() const;
    [[nodiscard]] RedBorderImageView *BigIcon() const;
    [[nodiscard]] QLineEdit *pathFiled() const;
    [[nodiscard]] QCheckBox *roundedCheckButton() const;
    [[nodiscard]] QRadioButton *zoomInCheckButton() const;
    [[nodiscard]] QRadioButton *zoomOutCheckButton() const;
    [[nodiscard]] QMainWindow *window() const;

    /**
     * What Generate would make now: the image in the well, what Make is at, the folder (made
     * absolute from the home folder) and every option.
     */
    [[nodiscard]] GenerationRequest request() const;

    /** The catalog document of the last icon set. */
    [[nodiscard]] const ContentsDocument &contents() const { return m_contents; }
    /** The catalog entries of the last icon set. */
    [[nodiscard]] const QList<CatalogEntry> &images() const { return m_contents.images; }

    /** Replaces the way folders are shown; the default opens them with the desktop's file browser. */
    void setFolderOpener(FolderOpener opener) { m_flow.setFolderOpener(std::move(opener)); }
    /** Whether a generation is being prepared or written, or a project updated. */
    [[nodiscard]] bool isGenerating() const { return m_flow.isGenerating() || m_project.isBusy(); }
    /** The project whose icons Generate updates, when one is chosen. */
    [[nodiscard]] ProjectFlow &project() { return m_project; }

    /** Shows @p folder in the file browser, when it is an existing folder; a failure shows in the results panel. */
    void showFolder(const QString &folder) override;
    void logLine(const QString &line) override;

public Q_SLOTS:
    /** Offers the options that fit the platform choice; their states are kept. */
    void platformSelected() { m_rules.platformSelected(); }
    /** Makes the two zoom buttons a pair: @p sender ends up on, the other off. */
    void zoomCheck(QAbstractButton *sender) { m_rules.zoomCheck(sender); }
    /** Mirrors the rounded-corner box onto the image well. */
    void roundedChecked() { m_rules.roundedChecked(); }
    /**
     * Checks that the input is there, then starts the generation in the background, or says
     * what is missing.
     */
    void Generate();
    /** Stops the running generation; the folder stays as it was. */
    void cancelGeneration() { m_flow.cancel(); }
    /** Opens the folder chooser as a sheet on the window. */
    void selectSavePath() { m_choosers.selectSavePath(); }
    /** The folder chooser's completion: on QDialog::Accepted shows and remembers @p folder. */
    void savePathChosen(int result, const QString &folder) { m_choosers.savePathChosen(result, folder); }
    /** Opens the colour chooser as a sheet on the window. */
    void selectBackgroundColor() { m_choosers.selectBackgroundColor(); }
    /** The colour chooser's completion: on QDialog::Accepted uses and remembers @p color as the background. */
    void backgroundColorChosen(int result, const QColor &color) { m_choosers.backgroundColorChosen(result, color); }
    /** Turns the background colour off, so that transparency is kept, and remembers that. */
    void removeBackgroundColor() { m_choosers.removeBackgroundColor(); }
    /** Opens the image chooser as a sheet on the window, in the folder of the last image. */
    void openImage() { m_choosers.openImage(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] QStringList missingInput() const;
    void generationFinished(const GenerationReport &report);
    void wellLoaded();

    QPointer<QComboBox> m_platformSelection;
    QPointer<RedBorderImageView> m_BigIcon;
    QPointer<QLineEdit> m_pathFiled;
    QPointer<QCheckBox> m_roundedCheckButton;
    QPointer<QRadioButton> m_zoomInCheckButton;
    QPointer<QRadioButton> m_zoomOutCheckButton;
    QPointer<MainWindow> m_window;
    QPointer<QLabel> m_resultLabel;

    OptionRules m_rules;
    Choosers m_choosers;
    TargetsController m_targets;
    FormMemory m_memory;
    DesktopOpener m_readmeOpener;
    GenerationFlow m_flow{*this};
    ProjectFlow m_project;
    bool m_generateWhenLoaded = false;
    ContentsDocument m_contents;
};

} // namespace iconsmith
