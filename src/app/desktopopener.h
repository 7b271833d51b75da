#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

namespace iconsmith {

/**
 * Shows folders and documents with the desktop's own programs without blocking the window, and
 * learns whether that worked: the opener (xdg-open and its kind) runs in the background, and
 * its exit status decides between opened() and failed(). The window can then say so and offer
 * the path instead of failing silently.
 */
class DesktopOpener : public QObject
{
    Q_OBJECT

public:
    explicit DesktopOpener(QObject *parent = nullptr);
    /** Leaves openers still running to end on their own; they may be hosting the file browser. */
    ~DesktopOpener() override;
    DesktopOpener(const DesktopOpener &) = delete;
    DesktopOpener &operator=(const DesktopOpener &) = delete;

    /** Starts showing @p path; opened() or failed() follows. */
    void open(const QString &path);

Q_SIGNALS:
    /** The desktop showed @p path. */
    void opened(const QString &path);
    /** The desktop could not show @p path, for @p reason. */
    void failed(const QString &path, const QString &reason);
};

} // namespace iconsmith
