#include "cli/messagecapture.h"

#include <QMutex>

#include <utility>

namespace iconsmith {

namespace {

QMutex &mutex()
{
    static QMutex instance;
    return instance;
}

QStringList &kept()
{
    static QStringList messages;
    return messages;
}

} // namespace

MessageCapture::MessageCapture(bool active) : m_active(active)
{
    if (active)
        m_previous = qInstallMessageHandler(&MessageCapture::keep);
}

MessageCapture::~MessageCapture()
{
    if (m_active)
        qInstallMessageHandler(m_previous);
}

QStringList MessageCapture::take()
{
    const QMutexLocker locker(&mutex());
    return std::exchange(kept(), {});
}

void MessageCapture::keep(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const QMutexLocker locker(&mutex());
    kept().append(message);
}

} // namespace iconsmith
