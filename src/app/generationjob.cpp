#include "app/generationjob.h"

#include <QtConcurrent/QtConcurrentRun>

#include <exception>

#include "generation/icongenerator.h"
#include "generation/platform.h"
#include "generation/targetgenerator.h"

namespace iconsmith {

GenerationJob::GenerationJob(const SourceImage &image, const HostSnapshot &host, bool replaceExistingSet,
                             QObject *parent)
    : QObject(parent), m_work(std::make_shared<Work>(image, host))
{
    m_work->control.setReplaceExistingSet(replaceExistingSet);
    connectWork();
}

GenerationJob::GenerationJob(const TargetRequest &request, const HostSnapshot &host, QObject *parent)
    : QObject(parent), m_work(std::make_shared<Work>(request.sources.main, host))
{
    m_work->targets = request;
    connectWork();
}

void GenerationJob::connectWork()
{
    // Called on the worker thread; the signals reach the GUI thread queued. This object
    // outlives the work (the destructor waits), so emitting from there is safe.
    m_work->control.setProgressHandler([this](int files) { Q_EMIT progressed(files); });
    m_work->host.setForwarding([this](const QString &folder) { Q_EMIT folderShown(folder); },
                               [this](const QString &line) { Q_EMIT lineLogged(line); });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        m_outcome = m_watcher.result();
        Q_EMIT finished();
    });
}

GenerationJob::~GenerationJob()
{
    m_work->control.cancel();
    m_watcher.disconnect(this);
    m_watcher.waitForFinished();
}

void GenerationJob::start()
{
    m_watcher.setFuture(QtConcurrent::run([work = m_work] { return run(*work); }));
}

void GenerationJob::cancel()
{
    m_work->control.cancel();
}

bool GenerationJob::isCancelled() const
{
    return m_work->control.isCancelled();
}

GenerationJob::Outcome GenerationJob::run(Work &work)
{
    if (work.targets)
        return runTargets(work);
    IconGenerator generator(work.host);
    generator.setRunControl(&work.control);
    Outcome outcome;
    const std::optional<Platform> platform = Platform::fromChoice(work.host.platformChoice());
    outcome.iconSet = !platform || !platform->isScaledImageSet();
    try {
        outcome.report = generator.generate(work.image);
    } catch (const std::exception &error) {
        // The generator reports its own failures; this is only what escapes it, such as memory
        // running out. It must not leave through the thread pool.
        outcome.report = GenerationReport();
        outcome.report.folder = generator.appiconsetPathString();
        outcome.report.failures.append({outcome.report.folder, QString::fromLocal8Bit(error.what())});
    }
    outcome.contents = generator.contents();
    outcome.images = generator.images();
    return outcome;
}

GenerationJob::Outcome GenerationJob::runTargets(Work &work)
{
    Outcome outcome;
    try {
        outcome.report = TargetGenerator(work.host, &work.control).generate(work.targets->sources, work.targets->job);
    } catch (const std::exception &error) {
        // As in run(): only what escapes the generator, which must not leave through the pool.
        outcome.report = GenerationReport();
        outcome.report.folder = work.targets->job.folder;
        outcome.report.failures.append({outcome.report.folder, QString::fromLocal8Bit(error.what())});
    }
    return outcome;
}

} // namespace iconsmith
