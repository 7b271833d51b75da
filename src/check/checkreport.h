#pragma once

#include <QList>
#include <QString>

namespace iconsmith {

/** What a check of icon files found: the problems that fail it and the notes that do not. */
struct CheckReport
{
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

    int imagesChecked = 0;
    QList<Problem> problems;
    /** What the user should know but Xcode, Android or a browser accepts (an unassigned watch image). */
    QList<Problem> notes;
    QList<Found> found;

    [[nodiscard]] bool passed() const { return problems.isEmpty(); }
};

} // namespace iconsmith
