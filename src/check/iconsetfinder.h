#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace iconsmith {

class CheckScope;

/**
 * Finds what a folder holds that the check understands: the folder itself when it is a set
 * (an `.appiconset`, an `.icon` document, an Android `res/` or module folder, a web folder, a
 * `hicolor/` tree, a folder of launch screens), or else the sets, `.icns` and `.ico` files and scaled image sets below
 * it.
 *
 * The walk is bounded (maxDepth folders deep, maxEntries entries in all, and no folder listed
 * past that bound) and follows no link: a linked folder is left alone, with a problem when it
 * leads out of the folder checked and a note otherwise; hidden folders are skipped. So the check
 * never leaves the folder it was given, nor loops.
 */
class IconSetFinder
{
    Q_DECLARE_TR_FUNCTIONS(IconSetFinder)

public:
    enum class Kind {
        None,
        AppIconSet,
        IconComposer,
        SolidImageStack,
        BrandAssets,
        AndroidTarget,
        AndroidRes,
        Web,
        Extension,
        WindowsAssets,
        Hicolor,
        Icns,
        Ico,
        Scaled,
        Splash
    };
    struct Found
    {
        Kind kind = Kind::None;
        /** Relative to the folder searched ("" for the folder itself); the set's own folder or file. */
        QString path;
        /** For a scaled image set, its base name ("Image"). */
        QString base;
    };
    /** What a walk found, and what it saw of Android projects on the way. */
    struct Findings
    {
        QList<Found> found;
        /**
         * Every Android `res` folder the walk passed, sets or not (a library module's colours),
         * relative to the folder searched: where a reference of an adaptive icon may resolve.
         */
        QStringList androidResources;
        /** The folders holding a Gradle settings file: roots of whole Android projects. */
        QStringList gradleRoots;
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
    static Findings find(CheckScope &scope);

    /** Whether @p relative (a path from the folder searched) lies in @p folder or is it. */
    static bool isWithin(const QString &relative, const QString &folder);
};

} // namespace iconsmith
