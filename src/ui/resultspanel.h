#pragma once

#include <QString>
#include <QWidget>

#include "generation/generationreport.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace iconsmith {

class IconPreviewStrip;
class PlatformPreview;

/**
 * What the last generation made, inside the window: a summary line, the icons as the systems
 * will show them (home screens, the Dock, a browser tab) and the images at their real size on
 * tabs beside each other, every file (by its path inside the folder) with its pixel size and
 * whether it has an alpha channel, and the notes of the report; "Show in Files" opens the
 * folder. When the file browser could not be opened the panel says so and offers to copy the
 * folder's path instead.
 */
class ResultsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsPanel(QWidget *parent = nullptr);

    /** Shows what @p report wrote, under @p summary. */
    void showReport(const GenerationReport &report, const QString &summary);
    /** The folder the files of the report shown went to. */
    [[nodiscard]] const QString &folder() const { return m_folder; }
    /**
     * Says that the file browser could not be opened on @p folder (and why, when @p reason says
     * it) and offers to copy its path; an empty @p folder takes that back.
     */
    void setFolderNotShown(const QString &folder, const QString &reason = {});

    [[nodiscard]] QLabel *summaryLabel() const { return m_summary; }
    [[nodiscard]] IconPreviewStrip *previewStrip() const { return m_strip; }
    /** The icons as the systems show them; its tab is there only when the files hold any of them. */
    [[nodiscard]] PlatformPreview *platformPreview() const { return m_platforms; }
    /** The tabs of the two previews. */
    [[nodiscard]] QTabWidget *previewTabs() const { return m_tabs; }
    [[nodiscard]] QTreeWidget *fileList() const { return m_files; }
    [[nodiscard]] QPushButton *showInFilesButton() const { return m_showButton; }
    [[nodiscard]] QLabel *folderNotShownLabel() const { return m_notice; }
    /**
     * The report's notes (an appearance left out and why), one per line, worded for the window;
     * hidden when there are none.
     */
    [[nodiscard]] QLabel *notesLabel() const { return m_notes; }
    [[nodiscard]] QPushButton *copyPathButton() const { return m_copyButton; }

Q_SIGNALS:
    /** "Show in Files" was pressed for @p folder. */
    void showFolderRequested(const QString &folder);
    /** The panel's close button was pressed. */
    void closeRequested();

private:
    void copyPath();
    [[nodiscard]] static QString noteText(const RunNote &note);
    QScrollArea *scrolling(QWidget *content);

    QLabel *m_summary;
    QPushButton *m_showButton;
    QToolButton *m_closeButton;
    QLabel *m_notice;
    QPushButton *m_copyButton;
    QLabel *m_notes;
    IconPreviewStrip *m_strip;
    PlatformPreview *m_platforms;
    QTabWidget *m_tabs;
    QTreeWidget *m_files;
    QString m_folder;
    QString m_notShown;
};

} // namespace iconsmith
