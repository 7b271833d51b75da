#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace iconsmith {

/**
 * Checks an existing icon set the way Xcode reads it: every listed file exists and measures
 * its size times its scale, no idiom, size and scale is listed twice, a marketing icon has no
 * alpha channel, and no PNG file in the folder is left unlisted ("unassigned").
 */
class IconSetCheck
{
    Q_DECLARE_TR_FUNCTIONS(IconSetCheck)

public:
    struct Problem
    {
        /** The file concerned, relative to the folder. */
        QString file;
        QString message;
    };
    struct Report
    {
        int imagesChecked = 0;
        QList<Problem> problems;
        [[nodiscard]] bool passed() const { return problems.isEmpty(); }
    };

    /** Checks the icon set in @p folder (the .appiconset folder itself). */
    static Report check(const QString &folder);

    /** The pixel length of a point length at a scale ("83.5" at "2x" is 167); -1 when either does not read or the
     * product is not whole. */
    static int pixelsFor(const QString &points, const QString &scale);
};

} // namespace iconsmith
