#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace iconsmith {

/** Shows folders in the desktop's file browser, for the window and the command line alike. */
class FolderOpener
{
public:
    /** A program to start, with its arguments. */
    struct Command
    {
        QString program;
        QStringList arguments;
    };

    /**
     * Asks the file browser to show @p folder and does not wait for it. False when @p folder is
     * not a folder (the desktop would open any other path with its default program, so a save
     * "folder" naming a script would run it) or when no file browser could be asked.
     */
    static bool open(const QString &folder);
    /**
     * The program that shows @p path with the desktop's own handler (the file browser for a
     * folder, the default viewer for a document); none when the desktop has none. It ends with
     * a status other than 0 when it could not show the path. The caller decides which paths may
     * be opened this way.
     */
    static std::optional<Command> command(const QString &path);
};

} // namespace iconsmith
