#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "check/checkreport.h"
#include "check/iconsetfinder.h"
#include "common/result.h"

namespace iconsmith {

/**
 * Checks icon files the way the systems that read them do, for everything Iconsmith writes: an
 * `.appiconset` folder of any kind (AppIconSetCheck), an `.icns` or `.ico` file (ContainerCheck),
 * an Icon Composer `.icon` document, an Android `res/` or target folder, a web icon folder, a
 * `hicolor/` tree, or a folder holding any of these, which is searched (IconSetFinder). A folder
 * holding nothing of the kind is a problem in itself.
 *
 * The files may come from anywhere, so the check opens nothing but regular files inside the set
 * that names them: a name with "..", an absolute path or a NUL, and a link leading out of the
 * set, is a problem and is never opened; a FIFO or a device is refused unread (CheckScope). Of
 * each PNG file only the header is read, of every document and container a bounded amount.
 */
class IconSetCheck
{
    Q_DECLARE_TR_FUNCTIONS(IconSetCheck)

public:
    using Problem = CheckReport::Problem;
    using Report = CheckReport;

    struct Options
    {
        /**
         * The size table whose watch rows name the images an iPhone, iPad + Apple Watch set holds
         * unlisted; empty: the shipped one (SizeTable::locate()).
         */
        QString sizeTable;
        /**
         * What the folder checked is to be read as (an Apple set, an Android res folder, a web
         * folder, ...), whatever its name and content; None: found by IconSetFinder, which
         * searches below it when it is none of them.
         */
        IconSetFinder::Kind kind = IconSetFinder::Kind::None;
    };

    /** Checks @p path: a set, a container file, or a folder holding them. */
    static Report check(const QString &path);
    static Report check(const QString &path, const Options &options);

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
