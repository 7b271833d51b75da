#pragma once

#include <QByteArray>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/** Folder creation and atomic file writes, each answering with the system's reason when it fails. */
class FileOutput
{
public:
    /**
     * Creates a folder with any missing parents; an existing folder is fine. Then removes the
     * temporary files that an interrupted run left in it (removeStaleTemporaries()).
     */
    static Result<void> createFolder(const QString &path);
    /**
     * Removes from @p folder the temporary files of writeAtomically() that a killed run left
     * behind: only names of that pattern (".NAME.xxxxxxxx.tmp"), only regular files of this
     * user, only those untouched for a minute and not locked by a writer that is still running,
     * so that runs writing into one folder at the same time never remove each other's files.
     */
    static void removeStaleTemporaries(const QString &folder);
    /**
     * Writes @p bytes to @p path through a temporary file in the same folder that then takes the
     * place of any file of that name, so a reader never sees half a file and a failed write
     * leaves the old file intact.
     */
    static Result<void> writeAtomically(const QString &path, const QByteArray &bytes);
};

} // namespace iconsmith
