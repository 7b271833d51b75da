#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/**
 * Checks an existing icon set the way Xcode reads it: every listed file exists and measures
 * its size times its scale, no idiom, size and scale is listed twice, a marketing icon has no
 * alpha channel, and no PNG file in the folder is left unlisted ("unassigned").
 *
 * The set may come from anywhere, so the check opens nothing but regular files inside the
 * folder: a listed name with a separator, "..", a NUL or an absolute path, and a link leading
 * out of the folder, is a problem and is never opened; a FIFO or a device is refused unread.
 * Of each PNG file only the header is read (ImageHeader), of Contents.json at most
 * InputLimits::maxDocumentBytes.
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

    /**
     * The path of the file @p name of the set in @p canonicalFolder (a canonical path), which
     * may not exist, or the problem that keeps it from being opened: not a plain name, or a link
     * leading out of the folder.
     */
    static Result<QString> fileInSet(const QString &canonicalFolder, const QString &name);

    /** The pixel length of a point length at a scale ("83.5" at "2x" is 167); -1 when either does not read or the
     * product is not whole. */
    static int pixelsFor(const QString &points, const QString &scale);
};

} // namespace iconsmith
