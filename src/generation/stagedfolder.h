#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "common/result.h"

namespace iconsmith {

/**
 * A folder's new contents, written first into a hidden staging folder and put in place only
 * when complete, so that a cancelled or crashed generation leaves the folder as it was.
 *
 * Merge puts each staged file into the folder (and into its subfolders, which are made as
 * needed), replacing files of the same name and keeping the others; when the folder does not exist yet, the staging
 * folder simply becomes it. Replace moves the old folder to the desktop's trash and the staging folder takes its place
 * whole; when the trash cannot take it, nothing is replaced and nothing is deleted.
 *
 * The staging folder sits inside the folder for a merge into an existing folder, beside it
 * otherwise, so every move stays within one file system. Whatever is neither committed nor
 * discarded is discarded when the object goes.
 */
class StagedFolder
{
    Q_DECLARE_TR_FUNCTIONS(StagedFolder)

public:
    enum class Mode { Merge, Replace };

    /** Something that could not be put in place: a file, or the folder itself. */
    struct Problem
    {
        QString path;
        QString reason;
    };

    /** Moves a file or folder to the trash, or answers why it could not. */
    using Trash = std::function<Result<void>(const QString &path)>;

    /** Stages the new contents of @p target; nothing is created before create(). */
    StagedFolder(QString target, Mode mode);
    ~StagedFolder();
    StagedFolder(const StagedFolder &) = delete;
    StagedFolder &operator=(const StagedFolder &) = delete;

    [[nodiscard]] const QString &target() const { return m_target; }
    [[nodiscard]] Mode mode() const { return m_mode; }
    /** The staging folder; empty until create() succeeded. */
    [[nodiscard]] const QString &path() const { return m_path; }

    /** Creates the staging folder and any missing parent of the target; does nothing once created. */
    Result<void> create();
    /** Where @p targetPath (a path inside the target) is written while staged; other paths are returned as they are. */
    [[nodiscard]] QString stagedPath(const QString &targetPath) const;

    /**
     * Puts the staged files in place and removes the staging folder. A problem whose path is the
     * target means nothing was put in place; otherwise each problem names a file that was not.
     */
    QList<Problem> commit();
    /** Removes the staging folder and everything in it, and the parents create() made for it. */
    void discard();

    /** Replaces the desktop trash, for tests. */
    void setTrash(Trash trash) { m_trash = std::move(trash); }
    /** Moves @p path to the desktop's trash (QFile::moveToTrash). */
    static Result<void> moveToTrash(const QString &path);

private:
    QList<Problem> mergeFiles();
    static void mergeFolder(const QString &staged, const QString &destination, QList<Problem> &problems);
    static Result<void> renameInto(const QString &from, const QString &to);

    QString m_target;
    Mode m_mode;
    QString m_path;
    bool m_inside = false;
    QStringList m_createdParents;
    Trash m_trash = &StagedFolder::moveToTrash;
};

} // namespace iconsmith
