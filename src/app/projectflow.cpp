#include "app/projectflow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "app/alerts.h"
#include "generation/generationhost.h"
#include "generation/generationlog.h"
#include "generation/outputpaths.h"
#include "project/projectfinder.h"
#include "project/projectsummary.h"
#include "ui/mainwindow.h"
#include "ui/targetspanel.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The update's host on the worker thread: the project is the user's own folder, shown by no
// file browser; its lines go to the log.
class LoggingHost : public GenerationHost
{
public:
    void showFolder(const QString & /*folder*/) override {}
    void logLine(const QString &line) override { qCInfo(lcGeneration).noquote() << line; }
};

QString listing(const QList<ProjectPlan> &plans)
{
    QStringList lines;
    for (const ProjectPlan &plan : plans) {
        lines << plan.title + u' ' + QDir::toNativeSeparators(plan.folder.isEmpty() ? u"."_s : plan.folder) + u':';
        for (const ProjectChange &change : plan.changes) {
            QString line =
                u"  "_s + ProjectSummary::actionText(change.action) + u"  "_s + QDir::toNativeSeparators(change.file);
            if (!change.pixels.isEmpty())
                line += u"  %1×%2"_s.arg(change.pixels.width()).arg(change.pixels.height());
            lines << line;
        }
    }
    return lines.join(u'\n');
}

} // namespace

ProjectFlow::ProjectFlow(QObject *parent) : QObject(parent) {}

ProjectFlow::~ProjectFlow() = default;

void ProjectFlow::connectWindow(MainWindow &window, RequestSource request)
{
    m_window = &window;
    m_label = window.projectLabel();
    m_request = std::move(request);
    connect(window.projectButton(), &QPushButton::clicked, this, &ProjectFlow::chooseFolder);
    connect(window.leaveProjectButton(), &QToolButton::clicked, this, &ProjectFlow::leave);
    // The folder field names the project while one is chosen; typing another folder, or
    // choosing one, writes into a save folder again.
    connect(window.pathFiled(), &QLineEdit::textChanged, this, [this](const QString &text) {
        if (isActive() && text != QDir::toNativeSeparators(m_folder))
            leave();
    });
    connect(window.chooseButton(), &QPushButton::clicked, this, &ProjectFlow::leave);
}

void ProjectFlow::chooseFolder()
{
    if (isBusy())
        return;
    auto *dialog = new QFileDialog(m_window, tr("Choose an App Project"), isActive() ? m_folder : QDir::homePath());
    dialog->setObjectName(u"projectChooser"_s);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this,
            [this, dialog](int result) { folderChosen(result, dialog->selectedFiles().value(0)); });
    dialog->open();
}

void ProjectFlow::folderChosen(int result, const QString &folder)
{
    if (result == QDialog::Accepted && !folder.isEmpty())
        open(folder);
}

void ProjectFlow::open(const QString &folder)
{
    const QString root = QFileInfo(OutputPaths::expandHome(folder)).canonicalFilePath();
    if (root.isEmpty() || !QFileInfo(root).isDir()) {
        found(folder, {}, tr("%1 is not a folder.").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (m_label)
        m_label->setText(tr("Looking for app projects in %1…").arg(QDir::toNativeSeparators(root)));
    if (m_window)
        m_window->projectBox()->show();
    // A large tree takes a moment to walk: off the GUI thread.
    m_finding.start([this, root](const std::stop_token &) -> BackgroundTask::Delivery {
        const ProjectFinder::Found projects = ProjectFinder::find(root);
        QString summary = ProjectSummary::describe(root, projects);
        QString error;
        if (summary.isEmpty())
            error =
                tr("%1 holds no app project Iconsmith knows (an Android module, an Xcode project, a Tauri, "
                   "Electron or web app, a browser extension, a Windows app package, a Flutter app's Windows runner).")
                    .arg(QDir::toNativeSeparators(root));
        return [this, root, summary, error] { found(root, summary, error); };
    });
}

void ProjectFlow::found(const QString &folder, const QString &summary, const QString &error)
{
    if (!error.isEmpty()) {
        leave();
        Alerts::information(m_window, u"noProjectAlert"_s, tr("There is no app project to update."), error);
        return;
    }
    m_folder = folder;
    m_summary = summary;
    if (m_window)
        m_window->pathFiled()->setText(QDir::toNativeSeparators(folder));
    setWindowActive(true);
    Q_EMIT activeChanged(true);
    refreshPlan();
}

void ProjectFlow::leave()
{
    m_finding.stop();
    m_planning.stop();
    const bool was = isActive();
    m_folder.clear();
    m_summary.clear();
    setWindowActive(false);
    if (was)
        Q_EMIT activeChanged(false);
}

void ProjectFlow::refreshPlan()
{
    if (!isActive() || !m_request || isBusy())
        return;
    GenerationRequest request = m_request();
    if (m_label)
        m_label->setText(u"<b>%1</b>"_s.arg(m_summary.toHtmlEscaped()));
    if (request.source.isNull())
        return;
    m_planning.start([this, folder = m_folder, request = std::move(request)](const std::stop_token &) {
        const Result<Preview> preview = previewOf(folder, request);
        return BackgroundTask::Delivery(
            [this, preview] { showPlan(preview ? changesText(preview->plans) : preview.error()); });
    });
}

Result<ProjectFlow::Preview> ProjectFlow::previewOf(const QString &folder, const GenerationRequest &request)
{
    Result<ProjectUpdate> update = ProjectUpdate::prepare(folder, ProjectFinder::find(folder), request);
    if (!update)
        return Failure{update.error()};
    LoggingHost host;
    // Every file is made and compared, so that what is already as it would be made is not
    // counted as a change.
    const ProjectReport report = update->preview(host);
    if (!report.succeeded())
        return Failure{report.failures.constFirst().reason};
    return Preview{std::move(*update), report.projects};
}

void ProjectFlow::showPlan(const QString &detail)
{
    if (m_label)
        m_label->setText(u"<b>%1</b><br>%2"_s.arg(m_summary.toHtmlEscaped(), detail.toHtmlEscaped()));
}

QString ProjectFlow::changesText(const QList<ProjectPlan> &plans) const
{
    const ProjectSummary::Counts counts = ProjectSummary::count(plans);
    if (counts.changed() == 0)
        return tr("Its icons are already these: Generate changes nothing.");
    return tr("Generate changes %n file(s): %1 new, %2 replaced, %3 edited, %4 moved away. What is replaced or "
              "moved away goes to the trash.",
              nullptr, counts.changed())
        .arg(counts.written)
        .arg(counts.replaced)
        .arg(counts.edited)
        .arg(counts.movedAway);
}

void ProjectFlow::start(GenerationRequest request)
{
    if (!isActive() || isBusy())
        return;
    setState(State::Planning);
    m_planning.start([this, folder = m_folder, request = std::move(request)](const std::stop_token &) {
        Result<Preview> preview = previewOf(folder, request);
        return BackgroundTask::Delivery([this, preview = std::move(preview)]() mutable {
            if (!preview) {
                setState(State::Idle);
                Alerts::refused(m_window, preview.error());
                return;
            }
            ask(std::move(*preview));
        });
    });
}

void ProjectFlow::ask(Preview preview)
{
    setState(State::Asking);
    const QString changes = changesText(preview.plans);
    showPlan(changes);
    QMessageBox *question = Alerts::projectUpdate(m_window, m_summary, m_folder, changes, listing(preview.plans));
    connect(question, &QDialog::finished, this, [this, question, update = std::move(preview.update)]() mutable {
        if (Alerts::wentAhead(*question)) {
            write(std::move(update));
            return;
        }
        setState(State::Idle);
    });
}

void ProjectFlow::write(ProjectUpdate update)
{
    setState(State::Writing);
    m_writing.start([this, update = std::move(update)](const std::stop_token &) {
        LoggingHost host;
        ProjectReport report = update.run(host);
        return BackgroundTask::Delivery([this, report = std::move(report)] { end(report); });
    });
}

void ProjectFlow::end(const ProjectReport &report)
{
    setState(State::Idle);
    const ProjectSummary::Counts counts = ProjectSummary::count(report.projects);
    const QString folder = QDir::toNativeSeparators(m_folder);
    if (m_window) {
        m_window->resultLabel()->setText(report.succeeded()
                                             ? tr("Changed %n file(s) in %1.", nullptr, counts.changed()).arg(folder)
                                             : tr("Nothing in %1 was changed.").arg(folder));
    }
    if (!report.succeeded()) {
        GenerationReport failed;
        failed.folder = m_folder;
        failed.failures = report.failures;
        Alerts::failure(m_window, failed);
    } else if (!report.notes.isEmpty()) {
        // Where the replaced files went, when there was no trash for them, and what was left alone.
        QStringList notes;
        for (const RunNote &note : report.notes)
            notes << note.message;
        Alerts::information(m_window, u"projectNotesAlert"_s, tr("The project was updated."), notes.join(u"\n\n"_s));
    }
    refreshPlan();
    Q_EMIT finished(report);
}

void ProjectFlow::setState(State state)
{
    m_state = state;
    if (!m_window)
        return;
    const bool working = state == State::Planning || state == State::Writing;
    QProgressBar *progress = m_window->progressBar();
    progress->setRange(0, 0);
    progress->setVisible(working);
    m_window->generateButton()->setEnabled(state == State::Idle);
    m_window->projectButton()->setEnabled(state == State::Idle);
    m_window->leaveProjectButton()->setEnabled(state == State::Idle);
    if (working)
        m_window->resultLabel()->setText(state == State::Planning ? tr("Reading the project…")
                                                                  : tr("Updating the project…"));
    else if (state == State::Asking)
        m_window->resultLabel()->clear();
}

void ProjectFlow::setWindowActive(bool active)
{
    if (!m_window)
        return;
    m_window->projectBox()->setVisible(active || m_finding.isRunning());
    if (active)
        m_window->selectPlatform(Platform::targets());
    m_window->platformSelection()->setEnabled(!active);
    m_window->targetsPanel()->setTargetsEnabled(!active);
}

} // namespace iconsmith
