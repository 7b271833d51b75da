#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <stop_token>

#include "common/result.h"

namespace iconsmith {

/**
 * A save folder held by one run at a time, so that two runs into one folder (two terminals, a
 * build running recipes in parallel, the window and a script) take turns instead of tearing
 * each other's sets.
 *
 * The lock is the operating system's lock on the folder itself (flock), not a file: nothing is
 * written for it, nothing is left behind, and the system drops it the moment its process ends,
 * however it ends, so a run that was killed never blocks the next one. Where the file system
 * cannot lock (some network file systems), the run goes on unlocked, as it would without this.
 */
class OutputLock
{
    Q_DECLARE_TR_FUNCTIONS(OutputLock)

public:
    /** How long a run waits for another run into the same folder before giving up. */
    static constexpr std::chrono::seconds defaultPatience{120};

    /**
     * Locks @p folder, making it (and any missing parent) first. While another run holds it,
     * waits up to @p patience, calling @p waiting once when the wait starts, and stops waiting
     * when @p stop is requested. Fails with a reason that names the folder.
     */
    static Result<OutputLock> acquire(const QString &folder, std::chrono::milliseconds patience,
                                      const std::stop_token &stop = {}, const std::function<void()> &waiting = {});

    OutputLock(OutputLock &&other) noexcept;
    OutputLock &operator=(OutputLock &&) = delete;
    OutputLock(const OutputLock &) = delete;
    OutputLock &operator=(const OutputLock &) = delete;
    /** Releases the folder; the folders acquire() made go too when the run left them empty. */
    ~OutputLock();

    /** Whether the folder is held for this run alone (false where the file system cannot lock). */
    [[nodiscard]] bool isExclusive() const { return m_exclusive; }

private:
    OutputLock() = default;

    int m_fd = -1;
    bool m_exclusive = false;
    /** The folders acquire() made, outermost first. */
    QStringList m_created;
};

} // namespace iconsmith
