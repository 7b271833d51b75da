#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>

#include "app/appdelegate.h"

class QApplication;

namespace iconsmith {

class MainWindow;

/**
 * Starts the desktop application: sets up the application object, creates the window and its
 * controller, and opens an image named on the command line ("Open with Iconsmith").
 */
class Launcher
{
    Q_DECLARE_TR_FUNCTIONS(Launcher)

public:
    /** Names, version, window icon and translations of the application; call once, before the window is made. */
    static void configure(QApplication &application);

    Launcher();
    ~Launcher();
    Launcher(const Launcher &) = delete;
    Launcher &operator=(const Launcher &) = delete;

    /**
     * Shows the window, finishes launching and loads the last image file named in @p arguments.
     * --help and --version print and end the process, as command-line programs do.
     */
    void launch(const QStringList &arguments);

    [[nodiscard]] MainWindow &window() const { return *m_window; }
    [[nodiscard]] AppDelegate &delegate() { return m_delegate; }

private:
    const std::unique_ptr<MainWindow> m_window;
    AppDelegate m_delegate;
};

} // namespace iconsmith
