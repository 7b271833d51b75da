#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

#include "common/result.h"
#include "generation/generationreport.h"
#include "generation/generationrequest.h"
#include "generation/targetgenerator.h"
#include "project/projectfinder.h"
#include "project/projectwriter.h"

namespace iconsmith {

class GenerationHost;

/** One file of a project that an update changes. */
struct ProjectChange
{
    enum class Action {
        Write,     ///< a new file
        Replace,   ///< a picture or container already there
        Edit,      ///< a document already there (an adaptive-icon XML, a colour)
        MoveAway,  ///< a file that must go (a clashing resource, a layer no longer named)
        Unchanged, ///< after a run: the file was already what the update makes
    };

    Action action = Action::Write;
    /** Relative to the project folder. */
    QString file;
    /** Its pixel size; empty for a document or a file moved away. */
    QSize pixels;

    /** The action as --json and the lines for people name it: "write", "replace", "edit", "move-away", "unchanged". */
    static QString actionName(Action action);
};

/** What an update does to one project. */
struct ProjectPlan
{
    QString kind;
    QString title;
    /** The project's folder, relative to the project folder ("" for that folder itself). */
    QString folder;
    QList<ProjectChange> changes;
};

/** What an update did. */
struct ProjectReport
{
    QList<ProjectPlan> projects;
    QList<RunNote> notes;
    QList<SourceWarning> warnings;
    QList<GenerationReport::Failure> failures;

    [[nodiscard]] bool succeeded() const { return failures.isEmpty(); }
};

/**
 * Replaces the icons of the app projects under a folder where their builds read them. prepare()
 * decides everything before a file is made: what each project's files are, which are new, which
 * replace a file, which files must go; and it refuses a plan that would write outside the
 * folder (through a link) or over one of the pictures it reads. run() makes every file into a
 * staging folder inside the project folder first, then changes the project in one go
 * (ProjectWriter): a failure anywhere leaves the project as it was. A file that is already
 * byte for byte what the update makes is left alone, so a second run changes nothing.
 */
class ProjectUpdate
{
    Q_DECLARE_TR_FUNCTIONS(ProjectUpdate)

public:
    /**
     * Plans the update of the projects @p found in @p folder from @p request's pictures and
     * options (its platform, save folder and targets are not used).
     */
    static Result<ProjectUpdate> prepare(const QString &folder, ProjectFinder::Found found,
                                         const GenerationRequest &request);

    /** The project folder, as the file system names it. */
    [[nodiscard]] const QString &folder() const { return m_root; }
    /** What will change, per project, in the order the projects were found. */
    [[nodiscard]] const QList<ProjectPlan> &plans() const { return m_plans; }
    /** What the user should know before the run: projects left out, files left as they are. */
    [[nodiscard]] const QList<RunNote> &notes() const { return m_notes; }

    /** Makes the files and changes the projects; never throws. */
    [[nodiscard]] ProjectReport run(GenerationHost &host) const;
    /**
     * Makes the files as run() does and compares them with the project's, changing nothing in
     * it: the report says what run() would do, each file already as it would be made "unchanged".
     */
    [[nodiscard]] ProjectReport preview(GenerationHost &host) const;

    /** Replaces the trash the replaced files go to, for tests. */
    void setTrash(ProjectWriter::Trash trash) { m_trash = std::move(trash); }
    /** Replaces the folder the replaced files go to without a trash, for tests. */
    void setKeptIn(QString folder) { m_keptIn = std::move(folder); }

private:
    ProjectUpdate() = default;
    enum class Writing { Change, Compare };
    [[nodiscard]] ProjectReport runAs(GenerationHost &host, Writing writing) const;
    [[nodiscard]] ProjectReport runLocked(GenerationHost &host, Writing writing) const;

    QString m_root;
    std::vector<std::shared_ptr<const ProjectKind>> m_projects;
    QList<ProjectPlan> m_plans;
    QList<RunNote> m_notes;
    /** The request, as one for the targets, for the warnings about its source. */
    GenerationRequest m_request;
    TargetSources m_sources;
    TargetJob m_job;
    ProjectWriter::Trash m_trash;
    QString m_keptIn;
};

} // namespace iconsmith
