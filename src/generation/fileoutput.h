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
    /** How old a staging folder must be before removeStaleTemporaries() takes it for one of a run that died. */
    enum class Age {
        /** Untouched for a minute: safe whatever else writes into the folder. */
        Stale,
        /**
         * Any age: for a caller that holds the folder's OutputLock, so that no other run can be
         * staging there. (Temporary files are always judged by their age and lock: their names
         * are plain enough that another program could use them; a run's own are inside its
         * staging folder anyway.)
         */
        Any,
    };

    /**
     * Removes from @p folder what a killed run left behind: the temporary files of
     * writeAtomically() (".NAME.xxxxxxxx.tmp") and the staging folders of StagedFolder
     * (".iconsmith-staging-xxxxxxxx", ".NAME.iconsmith-staging-xxxxxxxx"). Only names of those
     * patterns, only regular files and real folders of this user, only temporary files untouched
     * for a minute and staging folders old enough by @p age, and never a file locked by a writer
     * that is still running, so that runs writing into one folder at the same time never remove
     * each other's files.
     */
    static void removeStaleTemporaries(const QString &folder, Age age = Age::Stale);
    /** Whether @p name is the name of a staging folder (see removeStaleTemporaries()). */
    [[nodiscard]] static bool isStagingName(const QString &name);
    /** Whether @p name is a staging folder's or a temporary file's: what a run leaves only when killed. */
    [[nodiscard]] static bool isLeftoverName(const QString &name);
    /**
     * Writes @p bytes to @p path through a temporary file in the same folder that then takes the
     * place of any file of that name, so a reader never sees half a file and a failed write
     * leaves the old file intact. The temporary file's name is kept within the longest name a
     * file system takes, however long the target's.
     */
    static Result<void> writeAtomically(const QString &path, const QByteArray &bytes);
};

} // namespace iconsmith
