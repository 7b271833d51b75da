#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Finds what a folder holds that the check understands: the folder itself when it is a set
 * (an `.appiconset`, an `.icon` document, an Android `res/` or target folder, a web folder, a
 * `hicolor/` tree), or else the sets, `.icns` and `.ico` files and scaled image sets below it.
 *
 * The walk is bounded (maxDepth folders deep, maxEntries entries in all) and follows no link: a
 * linked folder or container is named in a note and left alone, hidden folders are skipped, so that the check never
 * leaves the folder it was given nor loops.
 */
class IconSetFinder
{
    Q_DECLARE_TR_FUNCTIONS(IconSetFinder)

public:
    enum class Kind { None, AppIconSet, IconComposer, AndroidTarget, AndroidRes, Web, Hicolor, Icns, Ico, Scaled };
    struct Found
    {
        Kind kind = Kind::None;
        /** Relative to the folder searched ("" for the folder itself); the set's own folder or file. */
        QString path;
        /** For a scaled image set, its base name ("Image"). */
        QString base;
    };

    static constexpr int maxDepth = 8;
    static constexpr int maxEntries = 20000;

    /**
     * What the folder @p path is, judged by its name and what it holds; None for an ordinary
     * folder. Below the folder given (@p given false) only an `.appiconset` is taken for an icon
     * set: an asset catalog's own Contents.json and its image sets are not icon sets.
     */
    static Kind kindOf(const QString &path, bool given);
    /** What @p scope's folder holds; problems and notes about the walk itself go to @p scope. */
    static QList<Found> find(CheckScope &scope);
};

} // namespace iconsmith
