#include "project/projectupdate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <map>

#include "generation/fileoutput.h"
#include "generation/folderhold.h"
#include "generation/foldertree.h"
#include "generation/generationhost.h"
#include "generation/outputlock.h"
#include "generation/outputpaths.h"
#include "generation/runplan.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The files of a plan, each once: a container's entries are one file of the largest entry's size.
QList<ProjectChange> changesOf(const TargetPlan &plan)
{
    QList<ProjectChange> changes;
    std::map<QString, qsizetype> index;
    for (const PlannedImage &image : plan.images) {
        const auto known = index.find(image.file);
        if (known == index.end()) {
            index[image.file] = changes.size();
            changes.append({ProjectChange::Action::Write, image.file, image.canvasSize()});
        } else if (ProjectChange &change = changes[known->second]; change.pixels.width() < image.canvasSize().width()) {
            change.pixels = image.canvasSize();
        }
    }
    for (const PlannedDocument &document : plan.documents)
        changes.append({ProjectChange::Action::Write, document.file, QSize()});
    return changes;
}

// Why @p file (relative to @p root) cannot be changed safely; empty when it can.
QString unsafe(const QString &root, const QString &file)
{
    if (file.isEmpty() || QDir::isAbsolutePath(file) || QDir::cleanPath(file) != file || file.startsWith(u".."))
        return ProjectUpdate::tr("%1 is not a file of the project").arg(file);
    QFileInfo nearest(QFileInfo(root + u'/' + file).path());
    while (!nearest.exists() && !nearest.isSymLink())
        nearest.setFile(nearest.path());
    const QString real = nearest.canonicalFilePath();
    if (real.isEmpty() || (real != root && !real.startsWith(root + u'/')))
        return ProjectUpdate::tr("%1 lies behind a link that leads out of the project").arg(file);
    const QFileInfo there(root + u'/' + file);
    if (there.isDir() && !there.isSymLink())
        return ProjectUpdate::tr("%1 is a folder").arg(file);
    return {};
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (QFileInfo(b).isSymLink() || first.size() != second.size() || !first.open(QIODevice::ReadOnly) ||
        !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}

// A generation host that keeps the staging folder out of the file browser.
class StagingHost : public GenerationHost
{
public:
    explicit StagingHost(GenerationHost &host) : m_host(host) {}
    void showFolder(const QString & /*folder*/) override {}
    void logLine(const QString &line) override { m_host.logLine(line); }

private:
    GenerationHost &m_host;
};

} // namespace

QString ProjectChange::actionName(Action action)
{
    switch (action) {
    case Action::Write:
        return u"write"_s;
    case Action::Replace:
        return u"replace"_s;
    case Action::Edit:
        return u"edit"_s;
    case Action::MoveAway:
        return u"move-away"_s;
    case Action::Unchanged:
        return u"unchanged"_s;
    }
    return {};
}

Result<ProjectUpdate> ProjectUpdate::prepare(const QString &folder, ProjectFinder::Found found,
                                             const GenerationRequest &request)
{
    ProjectUpdate update;
    update.m_root = QFileInfo(OutputPaths::expandHome(folder)).canonicalFilePath();
    if (update.m_root.isEmpty() || !QFileInfo(update.m_root).isDir())
        return Failure{tr("%1 is not a folder.").arg(QDir::toNativeSeparators(folder))};
    update.m_projects = std::move(found.projects);
    for (const QString &note : std::as_const(found.notes))
        update.m_notes.append({note, std::nullopt});

    update.m_request = request;
    update.m_request.platform = Platform::targets();
    update.m_sources.main = request.source;
    QStringList inputs{QFileInfo(request.source.origin()).canonicalFilePath()};
    for (auto it = request.pictures.begin(); it != request.pictures.end(); ++it) {
        const QString path = OutputPaths::expandHome(it.value());
        const Result<SourceImage> picture = SourceImage::load(path);
        if (!picture)
            return Failure{
                tr("The %1 picture cannot be used. %2").arg(TargetCatalog::pictureName(it.key()), picture.error())};
        update.m_sources.others.insert(it.key(), *picture);
        inputs << QFileInfo(path).canonicalFilePath();
    }
    TargetJob &job = update.m_job;
    job.options.background = request.background;
    job.options.macShape = request.macShape;
    job.options.androidInset = request.androidInset;
    job.options.padding = request.padding;
    job.options.splashBackground = request.splashBackground;
    job.options.splashDarkBackground = request.splashDarkBackground;
    job.options.name = RunPlan::fileNameFor(request);
    for (std::size_t i = 0; i < update.m_projects.size(); ++i) {
        job.plans.append([project = update.m_projects[i], i](const TargetContext &context) {
            TargetPlan plan = project->plan(context);
            plan.name = u"p%1"_s.arg(i);
            return plan;
        });
    }

    const QList<TargetPlan> plans = TargetGenerator::plans(update.m_sources, job);
    if (plans.size() != qsizetype(update.m_projects.size()))
        return Failure{tr("The source cannot be read.")};
    for (std::size_t i = 0; i < update.m_projects.size(); ++i) {
        const ProjectKind &project = *update.m_projects[i];
        const TargetPlan &planned = plans[qsizetype(i)];
        ProjectPlan plan{project.kind(), project.title(), project.folder(), changesOf(planned)};
        for (const QString &file : project.movedAway(planned))
            plan.changes.append({ProjectChange::Action::MoveAway, file, QSize()});
        for (ProjectChange &change : plan.changes) {
            if (const QString problem = unsafe(update.m_root, change.file); !problem.isEmpty())
                return Failure{tr("The project cannot be updated: %1.").arg(problem)};
            const QString path = update.m_root + u'/' + change.file;
            if (inputs.contains(QFileInfo(path).canonicalFilePath()))
                return Failure{tr("%1 is one of the pictures the update reads; it would be replaced or moved away.")
                                   .arg(change.file)};
            const QFileInfo there(path);
            if (change.action == ProjectChange::Action::Write && (there.exists() || there.isSymLink()))
                change.action = change.pixels.isEmpty() ? ProjectChange::Action::Edit : ProjectChange::Action::Replace;
        }
        for (const RunNote &note : planned.notes)
            update.m_notes.append(note);
        update.m_plans.append(std::move(plan));
    }
    return update;
}

ProjectReport ProjectUpdate::run(GenerationHost &host) const
{
    return runAs(host, Writing::Change);
}

ProjectReport ProjectUpdate::preview(GenerationHost &host) const
{
    return runAs(host, Writing::Compare);
}

ProjectReport ProjectUpdate::runAs(GenerationHost &host, Writing writing) const
{
    ProjectReport report;
    try {
        const Result<OutputLock> lock = OutputLock::acquire(m_root, OutputLock::defaultPatience, {}, [&host, this] {
            host.logLine(u"Waiting for another run into %1"_s.arg(m_root));
        });
        if (!lock) {
            report.projects = m_plans;
            report.failures.append({m_root, lock.error()});
            return report;
        }
        // Holding the folder, whatever a killed run left in it is known to be no one's.
        FileOutput::removeStaleTemporaries(m_root, lock->isExclusive() ? FileOutput::Age::Any : FileOutput::Age::Stale);
        report = runLocked(host, writing);
    } catch (const std::bad_alloc &) {
        report.failures.append({m_root, tr("There was not enough memory.")});
    }
    return report;
}

ProjectReport ProjectUpdate::runLocked(GenerationHost &host, Writing writing) const
{
    ProjectReport report;
    report.projects = m_plans;
    report.notes = m_notes;
    QString staging;
    for (int attempt = 0; attempt < 64 && staging.isEmpty(); ++attempt) {
        const QString candidate =
            m_root + u"/.iconsmith-staging-%1"_s.arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (QDir().mkdir(candidate))
            staging = candidate;
    }
    if (staging.isEmpty()) {
        report.failures.append({m_root, tr("No staging folder could be made in the project folder.")});
        return report;
    }
    // Held while the project is updated: however long that takes, no clean-up takes it for a
    // killed run's.
    FolderHold held(staging);
    const auto unstaged = qScopeGuard([&staging, &held] {
        held.release();
        FolderTree::remove(staging);
    });

    // Every file is made before anything in the project changes.
    TargetJob job = m_job;
    job.folder = staging;
    StagingHost stagingHost(host);
    GenerationReport made = TargetGenerator(stagingHost).generate(m_sources, job);
    // The source's warnings first (enlarged, not square), then what the plans found.
    report.warnings = RunPlan::sourceWarnings(m_request, made.sourceHasTransparency) + made.warnings;
    if (!made.failures.isEmpty()) {
        for (GenerationReport::Failure failure : std::as_const(made.failures)) {
            if (failure.path.startsWith(staging + u'/'))
                failure.path = failure.path.mid(staging.size() + 1).section(u'/', 1);
            report.failures.append(failure);
        }
        report.notes.append({tr("Nothing in the project was changed."), std::nullopt});
        return report;
    }

    QList<ProjectWriter::Step> steps;
    for (qsizetype i = 0; i < report.projects.size(); ++i) {
        for (ProjectChange &change : report.projects[i].changes) {
            if (change.action == ProjectChange::Action::MoveAway) {
                steps.append({change.file, QString()});
                continue;
            }
            const QString madeFile = staging + u"/p%1/"_s.arg(i) + change.file;
            if (sameBytes(madeFile, m_root + u'/' + change.file))
                change.action = ProjectChange::Action::Unchanged;
            else
                steps.append({change.file, madeFile});
        }
    }
    if (writing == Writing::Compare)
        return report;
    ProjectWriter writer(m_root);
    if (m_trash)
        writer.setTrash(m_trash);
    if (!m_keptIn.isEmpty())
        writer.setKeptIn(m_keptIn);
    const Result<QList<ProjectWriter::Moved>> applied = writer.apply(steps);
    if (!applied) {
        report.failures.append({m_root, applied.error()});
        return report;
    }
    if (!writer.whyNotTrashed().isEmpty())
        report.notes.append({tr("The files replaced or moved away could not go to the trash (%1), so they were kept "
                                "in %2.")
                                 .arg(writer.whyNotTrashed(), QDir::toNativeSeparators(writer.keptIn())),
                             std::nullopt});
    return report;
}

} // namespace iconsmith
