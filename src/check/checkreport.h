#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

namespace iconsmith {

/** What a check of icon files found: the problems that fail it and the notes that do not. */
struct CheckReport
{
    Q_DECLARE_TR_FUNCTIONS(CheckReport)

public:
    struct Problem
    {
        /** The file concerned, relative to the path that was checked. */
        QString file;
        QString message;
    };
    /** A set or file the check recognised, and what it took it for ("appiconset", "icns", ...). */
    struct Found
    {
        QString path;
        QString kind;
    };

    /**
     * The most problems, and the most notes, listed for one file. A hostile file can hold
     * millions of faults (an .icns of empty chunks, a manifest naming one icon a thousand
     * times); past this bound they are only counted, and finish() says how many were left out.
     */
    static constexpr int maxPerFile = 20;

    int imagesChecked = 0;
    QList<Problem> problems;
    /** What the user should know but Xcode, Android or a browser accepts (an unassigned watch image). */
    QList<Problem> notes;
    QList<Found> found;

    [[nodiscard]] bool passed() const { return problems.isEmpty(); }

    /** Files a problem with @p file, unless it already has maxPerFile of them. */
    void addProblem(const QString &file, const QString &message);
    /** Files a note about @p file, unless it already has maxPerFile of them. */
    void addNote(const QString &file, const QString &message);
    /** Adds a note for each file whose problems or notes were not all listed. */
    void finish();

private:
    QHash<QString, qint64> m_problemCount;

    QHash<QString, qint64> m_noteCount;
};

} // namespace iconsmith
