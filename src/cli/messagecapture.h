#pragma once

#include <QStringList>
#include <QtGlobal>

namespace iconsmith {

/**
 * Under --json standard error stays quiet: what Qt would print there while one is alive (a
 * warning of the trash, say) is kept for the run's notes instead. Messages can come from any
 * thread.
 */
class MessageCapture
{
public:
    /** Keeps Qt's warnings from now on when @p active; otherwise does nothing. */
    explicit MessageCapture(bool active);
    /** Gives Qt's messages back to the handler before. */
    ~MessageCapture();
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    /** The messages kept so far, which are then forgotten. */
    static QStringList take();

private:
    static void keep(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous = nullptr;
    bool m_active = false;
};

} // namespace iconsmith
