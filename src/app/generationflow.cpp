#include "app/generationflow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "app/alerts.h"
#include "app/generationjob.h"
#include "generation/folderopener.h"
#include "generation/generationhost.h"
#include "generation/outputpaths.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"
#include "ui/resultspanel.h"

namespace iconsmith {

GenerationFlow::GenerationFlow(GenerationHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    m_folderOpener = [this](const QString &folder) {
        m_desktop.open(folder);
        return true;
    };
    connect(&m_desktop, &DesktopOpener::failed, this, &GenerationFlow::folderNotShown);
}

GenerationFlow::~GenerationFlow()
{
    // The job's destructor cancels the run and waits for it; a cancelled run stops within a
    // row of its renders, so closing the window never waits for a whole generation.
    m_job.reset();
}

void GenerationFlow::connectWindow(MainWindow &window)
{
    m_window = &window;
    m_progressBar = window.progressBar();
    m_cancelButton = window.cancelButton();
    m_generateButton = window.generateButton();
    m_resultLabel = window.resultLabel();
    m_resultsPanel = window.resultsPanel();
    connect(m_cancelButton, &QPushButton::clicked, this, &GenerationFlow::cancel);
    connect(m_resultsPanel, &ResultsPanel::showFolderRequested, this, &GenerationFlow::showInFiles);
    connect(m_resultsPanel, &ResultsPanel::closeRequested, m_resultsPanel, &QWidget::hide);
    // The result line speaks of the last Generate; once what it would make changes, it is old news.
    // The results of another image are, too.
    connect(window.BigIcon(), &RedBorderImageView::imageChanged, this, &GenerationFlow::clearResults);
    connect(window.platformSelection(), &QComboBox::currentIndexChanged, this, &GenerationFlow::clearResult);
    connect(window.pathFiled(), &QLineEdit::textChanged, this, &GenerationFlow::clearResult);
}

void GenerationFlow::start(GenerationRequest request)
{
    if (isBusy())
        return;
    m_folderNotShown.clear();
    m_folderNotShownReason.clear();
    m_folder = OutputPaths(request.saveFolder, request.platform).appiconsetPathString();
    setState(State::Preparing);
    m_preparation.start([this, request = std::move(request)](const std::stop_token &) -> BackgroundTask::Delivery {
        Result<RunPlan> plan = RunPlan::prepare(request);
        return [this, plan = std::move(plan)]() mutable { prepared(std::move(plan)); };
    });
}

void GenerationFlow::prepared(Result<RunPlan> plan)
{
    if (!plan) {
        setState(State::Idle);
        if (m_resultLabel)
            m_resultLabel->setText(tr("Nothing was written."));
        QMessageBox *alert = Alerts::refused(m_window, plan.error());
        offerFolderChoice(alert);
        return;
    }
    if (!plan->conflict().any()) {
        write(std::move(*plan));
        return;
    }
    setState(State::Asking);
    QMessageBox *question = Alerts::existingSet(m_window, plan->folder(), plan->conflict());
    connect(question, &QDialog::finished, this, [this, question, plan = std::move(*plan)]() mutable {
        switch (Alerts::answer(*question)) {
        case Alerts::Answer::Replace:
            plan.setReplaceExisting(true);
            write(std::move(plan));
            break;
        case Alerts::Answer::Keep:
            write(std::move(plan));
            break;
        case Alerts::Answer::Cancel:
            setState(State::Idle);
            if (m_resultLabel)
                m_resultLabel->clear();
            break;
        }
    });
}

void GenerationFlow::write(RunPlan plan)
{
    const int files = plan.expectedFiles();
    m_job = std::make_unique<GenerationJob>(std::move(plan));
    connect(m_job.get(), &GenerationJob::progressed, this, [this](int done) {
        if (m_progressBar)
            m_progressBar->setValue(std::min(done, m_progressBar->maximum()));
    });
    connect(m_job.get(), &GenerationJob::folderShown, this,
            [this](const QString &folder) { m_host.showFolder(folder); });
    connect(m_job.get(), &GenerationJob::lineLogged, this, [this](const QString &line) { m_host.logLine(line); });
    connect(m_job.get(), &GenerationJob::finished, this, &GenerationFlow::written);
    setState(State::Writing, files);
    m_job->start();
}

void GenerationFlow::written()
{
    // Deleted later: this runs inside one of the job's own signals.
    GenerationJob *job = m_job.release();
    job->deleteLater();
    end(job->report());
}

void GenerationFlow::cancel()
{
    switch (m_state) {
    case State::Preparing: {
        m_preparation.stop();
        GenerationReport cancelled;
        cancelled.cancelled = true;
        cancelled.folder = m_folder;
        end(cancelled);
        break;
    }
    case State::Writing:
        m_job->cancel();
        if (m_cancelButton)
            m_cancelButton->setEnabled(false);
        if (m_resultLabel)
            m_resultLabel->setText(tr("Cancelling…"));
        break;
    case State::Idle:
    case State::Asking:
        break;
    }
}

void GenerationFlow::end(const GenerationReport &report)
{
    setState(State::Idle);
    showResult(report);
    if (!report.cancelled && !report.failures.isEmpty()) {
        offerFolderChoice(Alerts::failure(m_window, report));
    }
    Q_EMIT finished(report);
}

void GenerationFlow::offerFolderChoice(QMessageBox *alert)
{
    connect(alert, &QDialog::finished, this, [this, alert] {
        if (Alerts::choseAnotherFolder(*alert))
            Q_EMIT chooseFolderRequested();
    });
}

void GenerationFlow::setState(State state, int files)
{
    m_state = state;
    const bool working = isGenerating();
    if (m_progressBar) {
        // No count: a bar that shows the run is busy.
        m_progressBar->setRange(0, working && files == 0 ? 0 : std::max(1, files));
        m_progressBar->setValue(0);
        m_progressBar->setVisible(working);
    }
    if (m_cancelButton) {
        m_cancelButton->setEnabled(true);
        m_cancelButton->setVisible(working);
        if (working)
            m_cancelButton->setFocus();
    }
    if (working && m_resultLabel)
        m_resultLabel->setText(state == State::Preparing ? tr("Reading the pictures…") : tr("Writing the files…"));
    // One generation at a time.
    if (m_generateButton)
        m_generateButton->setEnabled(!isBusy());
    if (m_window)
        m_window->generateAction()->setEnabled(!isBusy());
    if (!working && m_generateButton && m_cancelButton && m_cancelButton->hasFocus())
        m_generateButton->setFocus();
}

void GenerationFlow::showResult(const GenerationReport &report)
{
    const QString folder = QDir::toNativeSeparators(report.folder);
    const auto files = report.distinctFiles();
    QString summary;
    if (report.cancelled)
        summary = tr("Cancelled: nothing was written, and %1 is as it was.").arg(folder);
    else if (files.isEmpty())
        summary = tr("Nothing was written to %1.").arg(folder);
    else
        summary = tr("Wrote %n file(s) to %1.", nullptr, int(files.size())).arg(folder);
    // The summary goes where the results are; the line under the form says it only when no
    // results are shown, so it is never said twice.
    const bool panel = !report.cancelled && m_resultsPanel && m_window;
    if (m_resultLabel)
        m_resultLabel->setText(panel ? QString() : summary);
    if (!panel)
        return;
    m_resultsPanel->showReport(report, summary);
    m_resultsPanel->setFolderNotShown(m_folderNotShown, m_folderNotShownReason);
    m_window->revealResultsPanel();
}

void GenerationFlow::showFolder(const QString &folder)
{
    // Only a folder that is there: the desktop opens any other path with its default program,
    // so a save "folder" that names a file (a script, a .desktop file) would be opened or run.
    if (!m_folderOpener || !QFileInfo(folder).isDir() || m_folderOpener(folder))
        return;
    folderNotShown(folder, QString());
}

void GenerationFlow::showInFiles(const QString &folder)
{
    if (!m_folderOpener || !m_resultsPanel)
        return;
    m_resultsPanel->setFolderNotShown(QString());
    if (!m_folderOpener(folder))
        folderNotShown(folder, QString());
}

void GenerationFlow::folderNotShown(const QString &folder, const QString &reason)
{
    // Said in the results panel, with the path to copy; before the panel shows, kept for it.
    m_folderNotShown = folder;
    m_folderNotShownReason = reason;
    if (m_resultsPanel && !m_resultsPanel->isHidden())
        m_resultsPanel->setFolderNotShown(folder, reason);
}

void GenerationFlow::clearResult()
{
    if (m_resultLabel && !isBusy())
        m_resultLabel->clear();
}

void GenerationFlow::clearResults()
{
    clearResult();
    if (m_resultsPanel && !isBusy())
        m_resultsPanel->hide();
}

} // namespace iconsmith
