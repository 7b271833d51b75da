#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSize>
#include <QString>

#include <memory>

#include "codec/vectorpicture.h"
#include "common/result.h"

namespace iconsmith {

/**
 * A process of its own (the iconsmith-draw helper) in which the format libraries read and draw
 * one vector picture, so that a document that keeps them busy without end, makes them allocate
 * without bound or crashes them costs a killed helper and a clear error, never the program.
 *
 * The helper is given the file once and then answers requests, one at a time, over a socket
 * (DrawingChannel): the natural size, or the picture at a scale. A request not answered by its
 * deadline kills the helper; so do its own limits on memory and processor time, and it writes
 * no file (DrawingConfinement). It lives as long as the program at most, whichever thread
 * started it (HelperLauncher), and gets none of the program's descriptors but its socket.
 */
class DrawingProcess
{
    Q_DECLARE_TR_FUNCTIONS(DrawingProcess)

public:
    /**
     * Starts a helper for the picture @p bytes (a PDF when @p pdf, else an SVG). Nothing where
     * the helper is not installed or cannot start: the caller then draws in its own process.
     */
    static std::unique_ptr<DrawingProcess> start(const QByteArray &bytes, bool pdf);
    ~DrawingProcess();
    DrawingProcess(const DrawingProcess &) = delete;
    DrawingProcess &operator=(const DrawingProcess &) = delete;

    /** The picture's natural size (VectorSource::measure()), or why it has none. */
    Result<QSize> measure(QDeadlineTimer deadline);
    /**
     * The picture drawn at @p scale (VectorSource::drawAt()), or why it could not be. The helper
     * refuses, before drawing, a picture larger than @p most on either side.
     */
    Result<VectorPicture> draw(double scale, QSize most, QDeadlineTimer deadline);

    /** Whether the last request ran out of time (the helper was killed). */
    [[nodiscard]] bool timedOut() const { return m_timedOut; }
    /** Whether the helper can take another request: it answered the last one and has not ended since. */
    [[nodiscard]] bool usable();
    /** The helper's process id. */
    [[nodiscard]] qint64 processId() const { return m_pid; }

    /** The helper executable: beside the running program, or in ../libexec/iconsmith; empty when neither. */
    static QString helperPath();

private:
    DrawingProcess(int socket, qint64 pid) : m_socket(socket), m_pid(pid) {}
    bool request(const QByteArray &message, QDeadlineTimer deadline);
    // Reads the status byte and, on failure, the reason; true when the answer is a success.
    bool answer(QString &reason, QDeadlineTimer deadline);
    bool receive(void *data, std::size_t length, QDeadlineTimer deadline);
    QString lost();
    void stop();

    int m_socket = -1;
    qint64 m_pid = -1;
    bool m_timedOut = false;
};

} // namespace iconsmith
