#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace iconsmith {

class DesktopOpener;

/** The Help menu's windows: About Iconsmith, and the README. */
class HelpDialogs
{
    Q_DECLARE_TR_FUNCTIONS(HelpDialogs)

public:
    /** The name, version and description of Iconsmith and the versions of the libraries it runs on. */
    static QString aboutText();
    static void showAbout(QWidget *window);

    /**
     * The README to open: the installed one (<prefix>/share/doc/iconsmith/README.md beside the
     * program's bin folder), else the one of the source tree the program was built from; empty
     * when neither is there.
     */
    static QString readmePath();
    /**
     * Opens the README in the desktop's viewer for it through @p opener, or says that it is
     * missing; a viewer that fails later is answered by readmeNotOpened().
     */
    static void openReadme(QWidget *window, DesktopOpener &opener);
    /** Says that the README at @p path could not be shown, why, and offers its path to copy. */
    static void readmeNotOpened(QWidget *window, const QString &path, const QString &reason);
};

} // namespace iconsmith
