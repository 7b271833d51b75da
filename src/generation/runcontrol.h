#pragma once

#include <atomic>
#include <functional>
#include <stop_token>

namespace iconsmith {

/**
 * How a front end follows and steers one generation that runs on another thread: a request
 * to stop, and a count of the files finished.
 *
 * cancel(), isCancelled(), stopToken() and filesFinished() may be called from any thread at
 * any time. The progress handler is set before the run starts.
 */
class RunControl
{
public:
    /** Receives the number of files finished so far, on the generating thread. */
    using ProgressHandler = std::function<void(int filesFinished)>;

    RunControl() = default;
    RunControl(const RunControl &) = delete;
    RunControl &operator=(const RunControl &) = delete;

    /**
     * Asks the run to stop: no further render or file is started, renders in progress stop at
     * their next row or band, and nothing of the run is put in place.
     */
    void cancel() { m_stop.request_stop(); }
    [[nodiscard]] bool isCancelled() const { return m_stop.stop_requested(); }
    /** The token that renders, encoders and decoders of the run look at. */
    [[nodiscard]] std::stop_token stopToken() const { return m_stop.get_token(); }

    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }
    /** Counts one more file as finished (written or failed) and tells the progress handler. */
    void fileFinished();
    [[nodiscard]] int filesFinished() const { return m_files.load(); }

private:
    std::stop_source m_stop;
    std::atomic<int> m_files{0};
    ProgressHandler m_progress;
};

} // namespace iconsmith
