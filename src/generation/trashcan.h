#pragma once

#include <QCoreApplication>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/**
 * Where a replaced set goes: the user's own trash, where the desktop's file browser shows it and
 * can put it back; or, where there is no such trash for it, a folder beside it under a name that
 * says what it is.
 *
 * Only the home trash is used ($XDG_DATA_HOME/Trash, else ~/.local/share/Trash), and only for a
 * folder on the same file system. A trash is never made anywhere else: not at the root of the
 * file system when HOME is unset or is "/", not in the current folder, not at the top of another
 * mount, where a user would not look for it.
 */
class TrashCan
{
    Q_DECLARE_TR_FUNCTIONS(TrashCan)

public:
    /** The home trash folder (which may not be there yet), or why there is none fit to use. */
    static Result<QString> homeTrash();
    /** Moves @p path into the home trash, or answers why it could not (and then @p path is as it was). */
    static Result<void> moveToTrash(const QString &path);
    /** As moveToTrash(), answering where in the trash @p path went. */
    static Result<QString> moveIntoTrash(const QString &path);
    /**
     * Renames @p path to a name beside it that keeps its own and says it was replaced
     * ("AppIcon.appiconset.replaced-20250131-142501"); answers the new path.
     */
    static Result<QString> keepBeside(const QString &path);
};

} // namespace iconsmith
