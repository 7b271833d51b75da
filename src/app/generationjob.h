#pragma once

#include <QObject>

#include <memory>

#include "generation/generationreport.h"
#include "generation/runplan.h"
#include "ui/backgroundtask.h"

namespace iconsmith {

/**
 * One prepared run going on off the GUI thread.
 *
 * The worker owns its plan (whose source shares its immutable bytes) and the run control,
 * whose members are atomic. Progress, folders to show and log lines come back as signals, which
 * reach receivers on the GUI thread queued; the report is read there after finished(). The
 * destructor cancels the run and waits for it, which a cancelled run makes short.
 */
class GenerationJob : public QObject
{
    Q_OBJECT

public:
    explicit GenerationJob(RunPlan plan, QObject *parent = nullptr);
    ~GenerationJob() override;
    GenerationJob(const GenerationJob &) = delete;
    GenerationJob &operator=(const GenerationJob &) = delete;

    /** Starts the run on the application's thread pool. */
    void start();
    /** Asks the run to stop; finished() still follows, with a cancelled report. */
    void cancel();
    /** What the run did; valid once finished() was emitted. */
    [[nodiscard]] const GenerationReport &report() const { return m_report; }

Q_SIGNALS:
    /** @p files files are written (or failed) so far. */
    void progressed(int files);
    /** The run asks for @p folder to be shown in the file browser. */
    void folderShown(const QString &folder);
    /** The run wrote a diagnostic line. */
    void lineLogged(const QString &line);
    void finished();

private:
    struct Work;

    std::shared_ptr<Work> m_work;
    GenerationReport m_report;
    BackgroundTask m_task{BackgroundTask::Ending::Wait};
};

} // namespace iconsmith
