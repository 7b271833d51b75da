#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/**
 * The file-system steps that put a set in place in one go: what the old folder holds is carried
 * into the new one without copying its bytes, and the two folders change places in a single
 * rename, so that a reader (or a run killed at any moment) sees the old set or the new one,
 * never a mixture.
 */
class FolderTree
{
    Q_DECLARE_TR_FUNCTIONS(FolderTree)

public:
    /** Something that could not be carried over, and why. */
    struct Problem
    {
        QString path;
        QString reason;
    };

    /**
     * Gives @p to (a folder of new files) every entry of @p from that it does not hold itself,
     * at any depth: files as second names of the same file (hard links; a copy where the file
     * system has none), links as links, folders made anew with their permissions (and owner, where this process may
     * give it). A file of
     * @p to that replaces one of @p from takes that file's permissions, as a file written in
     * place would. The leftovers of killed runs (staging folders, temporary files) are not
     * carried. Answers what could not be carried; @p from is never changed.
     */
    static QList<Problem> carryOver(const QString &from, const QString &to);
    /**
     * Swaps the folders @p a and @p b, which share a parent, in one step where the system can;
     * elsewhere in two renames that are undone when the second fails (a run killed between them
     * leaves the old folder under a hidden name beside, never lost).
     */
    static Result<void> exchange(const QString &a, const QString &b);
    /** Renames @p from to @p to, replacing a file or an empty folder there. */
    static Result<void> rename(const QString &from, const QString &to);
    /** Removes @p path and everything in it, following no link. */
    static void remove(const QString &path);
};

} // namespace iconsmith
