#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "common/result.h"
#include "generation/generationrequest.h"
#include "project/projectupdate.h"
#include "ui/backgroundtask.h"

class QLabel;
class QMessageBox;

namespace iconsmith {

class MainWindow;

/**
 * The window's "Project Folder…": an app project whose icons Generate replaces in place, where
 * its build reads them, instead of writing into a save folder.
 *
 * Once a folder is chosen, the line under it says what was found there ("Flutter app: Android,
 * iOS, macOS, web, Windows") and, for the picture in the well, what Generate will change. While a
 * project is chosen, Make stays at the targets with their pictures and options, and the project
 * says which files are made. Generate plans the update afresh off the GUI thread, asks before
 * changing anything (every file listed; what is replaced or moved away goes to the trash), and
 * then updates the project in the background: all of it, or, on a failure, none of it.
 */
class ProjectFlow : public QObject
{
    Q_OBJECT

public:
    /** What Generate would make now, read from the window. */
    using RequestSource = std::function<GenerationRequest()>;

    explicit ProjectFlow(QObject *parent = nullptr);
    /** Waits for an update under way: it changes the project, so it is never left halfway. */
    ~ProjectFlow() override;

    /** Takes the window's project controls as outlets; @p request answers what Generate would make. */
    void connectWindow(MainWindow &window, RequestSource request);

    /** Whether a project folder is chosen: Generate updates it. */
    [[nodiscard]] bool isActive() const { return !m_folder.isEmpty(); }
    /** Whether an update is being planned, asked about or written. */
    [[nodiscard]] bool isBusy() const { return m_state != State::Idle; }
    /** The chosen project folder, as the file system names it. */
    [[nodiscard]] const QString &folder() const { return m_folder; }

    /** Opens the folder chooser as a sheet on the window. */
    void chooseFolder();
    /** The chooser's completion: on QDialog::Accepted takes @p folder as the project. */
    void folderChosen(int result, const QString &folder);
    /** Takes @p folder as the project and looks for the app projects in it. */
    void open(const QString &folder);
    /** Goes back to writing into the save folder. */
    void leave();
    /** Says again what Generate will change, for the picture and options the window shows now. */
    void refreshPlan();
    /** Plans the update of the project from @p request, asks, and makes it. */
    void start(GenerationRequest request);

Q_SIGNALS:
    /** A project folder was taken, or left. */
    void activeChanged(bool active);
    /** An update ended with @p report (not one the user declined). */
    void finished(const iconsmith::ProjectReport &report);

private:
    enum class State { Idle, Planning, Asking, Writing };

    /** An update planned, and what it would change file by file. */
    struct Preview
    {
        ProjectUpdate update;
        QList<ProjectPlan> plans;
    };
    /** Plans the update of @p folder from @p request and makes its files, changing nothing. */
    static Result<Preview> previewOf(const QString &folder, const GenerationRequest &request);

    void found(const QString &folder, const QString &summary, const QString &error);
    void showPlan(const QString &detail);
    void ask(Preview preview);
    void write(ProjectUpdate update);
    void end(const ProjectReport &report);
    void setState(State state);
    void setWindowActive(bool active);
    [[nodiscard]] QString changesText(const QList<ProjectPlan> &plans) const;

    QPointer<MainWindow> m_window;
    QPointer<QLabel> m_label;
    RequestSource m_request;
    State m_state = State::Idle;
    QString m_folder;
    /** What was found, the first line under the folder. */
    QString m_summary;
    BackgroundTask m_finding{BackgroundTask::Ending::Detach};
    BackgroundTask m_planning{BackgroundTask::Ending::Detach};
    BackgroundTask m_writing{BackgroundTask::Ending::Wait};
};

} // namespace iconsmith
