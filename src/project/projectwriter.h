#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

#include "common/result.h"

namespace iconsmith {

/**
 * Changes the files of a project in one go: each new file, already made, takes its place, and
 * each file it replaces or that must go is moved away first, to the trash or, where there is
 * none for it, into one dated folder beside the project. When one step fails, every step before
 * it is undone, so the project is as it was.
 */
class ProjectWriter
{
    Q_DECLARE_TR_FUNCTIONS(ProjectWriter)

public:
    /** One file of the project to change. */
    struct Step
    {
        /** Relative to the project folder. */
        QString file;
        /** The made file that takes its place; empty for a file that is only moved away. */
        QString made;
    };
    /** Where a file that was there went. */
    struct Moved
    {
        QString file;
        QString to;
        /** Whether it went to the trash, rather than into the folder beside the project. */
        bool trashed = false;
    };
    /** Moves the file at @p path to the trash, answering where it went. */
    using Trash = std::function<Result<QString>(const QString &path)>;

    /** Changes files of @p root (an absolute path). */
    explicit ProjectWriter(QString root);

    /** Answers where the files moved away went, or why nothing changed. */
    Result<QList<Moved>> apply(const QList<Step> &steps);

    /** The folder beside the project that files go to when the trash cannot take them; made when first needed. */
    [[nodiscard]] const QString &keptIn() const { return m_keptIn; }
    /** Why the trash could not take a file, when one was kept beside. */
    [[nodiscard]] const QString &whyNotTrashed() const { return m_whyNotTrashed; }
    /** Replaces the trash (TrashCan::moveIntoTrash), for tests. */
    void setTrash(Trash trash) { m_trash = std::move(trash); }
    /** Replaces the folder files go to without a trash ("<project>.replaced-DATE"), for tests. */
    void setKeptIn(QString folder) { m_keptIn = std::move(folder); }

private:
    Result<Moved> moveAway(const QString &file);
    void undo(const QList<Moved> &moved, const QStringList &placed, const QStringList &madeFolders);

    QString m_root;
    QString m_keptIn;
    QString m_whyNotTrashed;
    Trash m_trash;
};

} // namespace iconsmith
