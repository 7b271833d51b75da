#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "common/result.h"
#include "generation/folderhold.h"

namespace iconsmith {

/**
 * One set's new contents, written first into a hidden staging folder and put in place only
 * when complete and in one step, so that a cancelled, failed or killed generation leaves the
 * set as it was, and a reader never sees half of one.
 *
 * A set is of one of two kinds:
 * - a Folder that is wholly the set (AppIcon.appiconset, a target's folder). It is staged
 *   beside itself (".NAME.iconsmith-staging-xxxxxxxx"). Merge carries what the folder already
 *   holds and the new set does not write into the staging folder (as second names of the same
 *   files, not copies), and the two folders then change places in a single rename. Replace
 *   moves the old folder to the user's trash, or where there is none fit for it, renames it
 *   beside to a name that says so (keptAt()); the staging folder then takes its place.
 * - Files in a folder shared with others (the scaled image set's three images in the save
 *   folder). They are staged inside that folder and renamed into place one by one; when one
 *   cannot be, those already renamed are put back as they were.
 *
 * Whatever is neither committed nor discarded is discarded when the object goes; a staging
 * folder a killed run left behind is removed by the next run (FileOutput::removeStaleTemporaries);
 * a live one is held (FolderHold) so that it is never taken for one.
 */
class StagedFolder
{
    Q_DECLARE_TR_FUNCTIONS(StagedFolder)

public:
    enum class Mode { Merge, Replace };
    enum class Kind { Folder, Files };

    /** Something that could not be put in place: a file, or the set itself. */
    struct Problem
    {
        QString path;
        QString reason;
    };

    /** Moves a file or folder to the trash, or answers why it could not. */
    using Trash = std::function<Result<void>(const QString &path)>;

    /** Stages the new contents of @p target (the set's folder, or the folder its files go to); nothing is created
     * before create(). */
    StagedFolder(const QString &target, Mode mode, Kind kind = Kind::Folder);
    ~StagedFolder();
    StagedFolder(const StagedFolder &) = delete;
    StagedFolder &operator=(const StagedFolder &) = delete;

    [[nodiscard]] const QString &target() const { return m_target; }
    [[nodiscard]] Mode mode() const { return m_mode; }
    [[nodiscard]] Kind kind() const { return m_kind; }
    /** The staging folder; empty until create() succeeded. */
    [[nodiscard]] const QString &path() const { return m_path; }
    /** Whether @p path (a file or folder of the run) belongs to this set. */
    [[nodiscard]] bool holds(const QString &path) const;

    /** Creates the staging folder and any missing parent of the target; does nothing once created. */
    Result<void> create();
    /** Where @p targetPath (a path of the set) is written while staged; other paths are returned as they are. */
    [[nodiscard]] QString stagedPath(const QString &targetPath) const;

    /**
     * Puts the staged files in place and removes the staging folder. Any problem means nothing
     * was put in place and the set is as it was, except where the problem says otherwise.
     */
    QList<Problem> commit();
    /** Removes the staging folder and everything in it, and the parents create() made for it. */
    void discard();

    /** Where Replace kept the old folder because it could not go to the trash; empty otherwise. */
    [[nodiscard]] const QString &keptAt() const { return m_keptAt; }
    /** Why the old folder could not go to the trash, when it was kept beside. */
    [[nodiscard]] const QString &whyNotTrashed() const { return m_whyNotTrashed; }

    /** Replaces the trash (TrashCan::moveToTrash), for tests. */
    void setTrash(Trash trash) { m_trash = std::move(trash); }

private:
    QList<Problem> commitFolder();
    QList<Problem> replaceFolder();
    QList<Problem> commitFiles();
    QList<Problem> failed(QList<Problem> problems);

    QString m_target;
    Mode m_mode;
    Kind m_kind;
    /** For a Folder: the folder itself, through a link that names it. */
    QString m_real;
    QString m_path;
    /** Keeps the staging folder from being taken for a killed run's while it is filled. */
    FolderHold m_hold;
    QStringList m_createdParents;
    Trash m_trash;
    QString m_keptAt;
    QString m_whyNotTrashed;
};

} // namespace iconsmith
