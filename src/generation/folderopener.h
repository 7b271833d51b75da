#pragma once

#include <QString>

namespace iconsmith {

/** Shows folders in the desktop's file browser, for the window and the command line alike. */
class FolderOpener
{
public:
    /**
     * Asks the file browser to show @p folder and does not wait for it. False when @p folder is
     * not a folder (the desktop would open any other path with its default program, so a save
     * "folder" naming a script would run it) or when no file browser could be asked.
     */
    static bool open(const QString &folder);
};

} // namespace iconsmith
