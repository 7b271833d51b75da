#include "app/generationjob.h"

#include "generation/generationhost.h"
#include "generation/runcontrol.h"

namespace iconsmith {

namespace {

// The run's host on the worker thread: what it asks of the desktop goes back as the job's signals.
class ForwardingHost : public GenerationHost
{
public:
    explicit ForwardingHost(GenerationJob &job) : m_job(job) {}
    void showFolder(const QString &folder) override { Q_EMIT m_job.folderShown(folder); }
    void logLine(const QString &line) override { Q_EMIT m_job.lineLogged(line); }

private:
    GenerationJob &m_job;
};

} // namespace

struct GenerationJob::Work
{
    explicit Work(RunPlan runPlan) : plan(std::move(runPlan)) {}
    RunPlan plan;
    RunControl control;
};

GenerationJob::GenerationJob(RunPlan plan, QObject *parent)
    : QObject(parent), m_work(std::make_shared<Work>(std::move(plan)))
{
    // Called on the worker thread; the signal reaches the GUI thread queued. This object
    // outlives the work (the destructor waits), so emitting from there is safe.
    m_work->control.setProgressHandler([this](int files) { Q_EMIT progressed(files); });
}

GenerationJob::~GenerationJob()
{
    // Before any member goes: the worker still emits this object's signals until it ends.
    m_work->control.cancel();
    m_task.stop();
}

void GenerationJob::start()
{
    m_task.start([this, work = m_work](const std::stop_token &) -> BackgroundTask::Delivery {
        ForwardingHost host(*this);
        GenerationReport report = work->plan.run(host, &work->control);
        return [this, report = std::move(report)] {
            m_report = report;
            Q_EMIT finished();
        };
    });
}

void GenerationJob::cancel()
{
    m_work->control.cancel();
}

} // namespace iconsmith
