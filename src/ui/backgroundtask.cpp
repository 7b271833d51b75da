#include "ui/backgroundtask.h"

#include <QtConcurrent/QtConcurrentRun>

namespace iconsmith {

BackgroundTask::BackgroundTask(Ending ending, QObject *parent) : QObject(parent), m_ending(ending) {}

BackgroundTask::~BackgroundTask()
{
    stop();
}

void BackgroundTask::start(Work work)
{
    stop();
    m_stop = std::stop_source();
    m_watcher = std::make_unique<QFutureWatcher<Delivery>>();
    QFutureWatcher<Delivery> *watcher = m_watcher.get();
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        if (m_watcher.get() != watcher)
            return;
        const Delivery delivery = watcher->result();
        // Released first, so that the delivery may start the next work.
        m_watcher.release()->deleteLater();
        if (delivery)
            delivery();
        Q_EMIT delivered();
    });
    watcher->setFuture(QtConcurrent::run([work = std::move(work), stop = m_stop.get_token()] { return work(stop); }));
}

void BackgroundTask::stop()
{
    if (!m_watcher)
        return;
    m_stop.request_stop();
    m_watcher->disconnect(this);
    if (m_ending == Ending::Wait)
        m_watcher->waitForFinished();
    m_watcher.reset();
}

} // namespace iconsmith
