#pragma once

#include <QString>

namespace iconsmith {

/**
 * Marks a staging folder as one a live run is still filling, for as long as the object lives:
 * it holds an exclusive lock on the folder. A run cleaning up after killed runs
 * (FileOutput::removeStaleTemporaries) leaves a held folder alone however old it looks, in this
 * process or another, since a run that renders for minutes leaves its staging folder untouched
 * meanwhile. A killed run's lock goes with it.
 */
class FolderHold
{
public:
    FolderHold() = default;
    /** Holds the folder at @p path; holds nothing where it cannot be opened. */
    explicit FolderHold(const QString &path);
    ~FolderHold();
    FolderHold(FolderHold &&other) noexcept;
    FolderHold &operator=(FolderHold &&other) noexcept;
    FolderHold(const FolderHold &) = delete;
    FolderHold &operator=(const FolderHold &) = delete;

    [[nodiscard]] bool isHeld() const { return m_fd >= 0; }
    /** Lets the folder go. */
    void release();

    /**
     * Holds the folder @p name of the folder open as @p folderFd, unless a live run holds it:
     * then, or when it is no folder (a link is none), the answer holds nothing.
     */
    static FolderHold take(int folderFd, const char *name);

private:
    explicit FolderHold(int fd);

    int m_fd = -1;
};

} // namespace iconsmith
