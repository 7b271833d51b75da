#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QSize>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Checks an `.appiconset` folder the way Xcode reads it, for every kind of entry: the classic
 * per-size iPhone, iPad and marketing entries, the single-size universal iOS and watchOS entries
 * with their dark and tinted appearances, the mac idiom's sizes at 1x and 2x, and per-size watch
 * entries with role and subtype. Every listed file exists and measures its size times its
 * scale; no slot is filled twice; the App Store, light single-size and watch icons have no
 * alpha channel (a dark one may); no PNG in the folder is left unlisted.
 *
 * The one exception to the last rule is the Apple Watch images the iPhone, iPad + Apple Watch
 * choice writes beside the set without listing them: a PNG named and measuring as a watch row of
 * the size table is the set's own, and only a note says Xcode shows it as unassigned.
 */
class AppIconSetCheck
{
    Q_DECLARE_TR_FUNCTIONS(AppIconSetCheck)

public:
    /** File name (with ".png") to pixel size of the watch rows of the size table in use. */
    using WatchImages = QHash<QString, QSize>;

    /** Checks the set whose folder is @p scope's. */
    static void check(CheckScope &scope, const WatchImages &watchImages);

    /** The pixel length of a point length at a scale ("83.5" at "2x" is 167); -1 when either
     * does not read or the product is not whole. */
    static int pixelsFor(const QString &points, const QString &scale);
};

} // namespace iconsmith
