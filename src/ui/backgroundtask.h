#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <functional>
#include <memory>
#include <stop_token>

namespace iconsmith {

/**
 * Work that runs on the application's thread pool and hands its result back on the thread of
 * this object (the GUI thread), the one way the window's classes leave the GUI thread.
 *
 * The work runs with a stop token and returns a delivery: a function that the GUI thread calls
 * once the work is done, unless the task was superseded, cancelled or destroyed by then. Only
 * the delivery may touch the GUI; the work must own (or share) everything it reads.
 *
 * At the end of its life the task either waits for work still running (Ending::Wait: the work
 * refers to something the owner holds, such as a run that writes files) or leaves it to finish
 * on its own (Ending::Detach: a superseded read whose result is simply dropped).
 */
class BackgroundTask : public QObject
{
    Q_OBJECT

public:
    /** What the GUI thread does with a result. */
    using Delivery = std::function<void()>;
    /** The work: runs on a pool thread, should stop early once its token says so. */
    using Work = std::function<Delivery(const std::stop_token &stop)>;
    enum class Ending { Wait, Detach };

    explicit BackgroundTask(Ending ending, QObject *parent = nullptr);
    /** Asks running work to stop; waits for it or leaves it, as the ending says. */
    ~BackgroundTask() override;
    BackgroundTask(const BackgroundTask &) = delete;
    BackgroundTask &operator=(const BackgroundTask &) = delete;

    /** Starts @p work; work already running is stopped first, as stop() does, and its delivery dropped. */
    void start(Work work);
    /** Asks the running work to stop and drops its delivery; a Wait task waits for it to end. */
    void stop();
    /** Whether work is running (its delivery still to come). */
    [[nodiscard]] bool isRunning() const { return m_watcher != nullptr; }

Q_SIGNALS:
    /** The work ended and its delivery ran; not emitted for work that was stopped. */
    void delivered();

private:
    Ending m_ending;
    std::unique_ptr<QFutureWatcher<Delivery>> m_watcher;
    std::stop_source m_stop;
};

} // namespace iconsmith
