#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "app/desktopopener.h"
#include "common/result.h"
#include "generation/generationreport.h"
#include "generation/generationrequest.h"
#include "generation/runplan.h"
#include "ui/backgroundtask.h"

class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;

namespace iconsmith {

class GenerationHost;
class GenerationJob;
class MainWindow;
class ResultsPanel;

/**
 * What happens between Generate and the results on screen: the request is prepared off the GUI
 * thread (its pictures read, its sizes and folder checked), a set in the way is asked about,
 * the files are written in the background with a progress bar and Cancel, and the results are
 * shown, with one alert for whatever failed.
 */
class GenerationFlow : public QObject
{
    Q_OBJECT

public:
    /**
     * Shows a folder in the desktop's file browser; answers whether a file browser could be asked
     * to. The default asks the desktop in the background and hears of a failure later.
     */
    using FolderOpener = std::function<bool(const QString &folder)>;

    /** A flow whose runs show folders and keep log lines through @p host. */
    explicit GenerationFlow(GenerationHost &host, QObject *parent = nullptr);
    /** Cancels a run still going and waits for it to stop. */
    ~GenerationFlow() override;

    /** Takes the controls the flow drives (progress, Cancel, Generate, the result line and panel) as outlets. */
    void connectWindow(MainWindow &window);
    /** Replaces the way folders are shown; the default opens them with the desktop's file browser. */
    void setFolderOpener(FolderOpener opener) { m_folderOpener = std::move(opener); }

    /** Starts a generation of @p request, unless one is under way. */
    void start(GenerationRequest request);
    /** Stops the generation under way; the folder stays as it was. */
    void cancel();
    /** Whether a generation is being prepared or written (not while its question is open). */
    [[nodiscard]] bool isGenerating() const { return m_state == State::Preparing || m_state == State::Writing; }
    /** Whether a generation is under way in any way, its question included. */
    [[nodiscard]] bool isBusy() const { return m_state != State::Idle; }

    /** Shows @p folder in the file browser; a browser that cannot be started is reported in the results panel. */
    void showFolder(const QString &folder);

Q_SIGNALS:
    /** A generation ended (cancelled ones included) with @p report. */
    void finished(const iconsmith::GenerationReport &report);
    /** The failure alert's "Choose Another Folder" was pressed. */
    void chooseFolderRequested();

private:
    enum class State { Idle, Preparing, Asking, Writing };

    void prepared(Result<RunPlan> plan);
    void write(RunPlan plan);
    void written();
    void end(const GenerationReport &report);
    /** Asks for another save folder when @p alert is closed with its button for that. */
    void offerFolderChoice(QMessageBox *alert);
    void setState(State state, int files = 0);
    void showResult(const GenerationReport &report);
    void showInFiles(const QString &folder);
    void folderNotShown(const QString &folder, const QString &reason);
    void clearResult();
    void clearResults();

    GenerationHost &m_host;
    DesktopOpener m_desktop;
    FolderOpener m_folderOpener;
    State m_state = State::Idle;
    /** Where the generation under way writes. */
    QString m_folder;
    QString m_folderNotShown;
    QString m_folderNotShownReason;
    QPointer<MainWindow> m_window;
    QPointer<QProgressBar> m_progressBar;
    QPointer<QPushButton> m_cancelButton;
    QPointer<QPushButton> m_generateButton;
    QPointer<QLabel> m_resultLabel;
    QPointer<ResultsPanel> m_resultsPanel;
    // The preparation holds its own copy of the request; a cancelled one is simply left to end.
    BackgroundTask m_preparation{BackgroundTask::Ending::Detach};
    std::unique_ptr<GenerationJob> m_job;
};

} // namespace iconsmith
