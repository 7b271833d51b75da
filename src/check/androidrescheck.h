#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace iconsmith {

class CheckScope;

/**
 * Checks an Android `res/` folder (or a module's source folder holding `res/` and
 * `AndroidManifest.xml`) as Android reads its launcher icons.
 *
 * The launcher icons are the ones the manifest names (android:icon, android:roundIcon), or,
 * without a manifest that names them, `ic_launcher`, `ic_launcher_round` and every adaptive
 * icon of `mipmap-anydpi*`. Such an icon's XML in `mipmap-anydpi*` must be an `<adaptive-icon>`
 * whose layers each give a drawable; its PNG or WebP files in `mipmap-<density>` and
 * `drawable-<density>` measure 48 dp, and the layers an adaptive icon names measure 108 dp. Every
 * other image of a `mipmap` folder (a TV banner, an unused layer) must only be whole. A drawable
 * or colour the folder does not hold is a note, since it may come from a library or another
 * module, unless the whole project was given and nothing in it declares it; a launcher mipmap
 * belongs to the app and must be there. A Play Store image beside `res/` must
 * measure 512 × 512.
 */
class AndroidResCheck
{
    Q_DECLARE_TR_FUNCTIONS(AndroidResCheck)

public:
    /** Resource names by type ("mipmap", "drawable", "color"). */
    using Names = QHash<QString, QSet<QString>>;

    /** What the rest of the project holds, when more than this folder was given. */
    struct Project
    {
        /** The resources every other `res` folder of the project declares. */
        Names elsewhere;
        /** Whether the whole project was given (its Gradle settings lie within what was checked). */
        bool whole = false;
    };

    /** Checks the folder @p res ("res", or empty when it is @p scope's own) of @p scope. */
    static void check(CheckScope &scope, const QString &res, const Project &project);
    static void check(CheckScope &scope, const QString &res);

    /**
     * The resources the folder @p res of @p scope declares, by their file names and its `values`
     * files; problems with those files go to @p scope when @p fileProblems.
     */
    static Names namesIn(CheckScope &scope, const QString &res, bool fileProblems);
    /** The same, for the folders @p folders of @p res, already listed. */
    static Names namesIn(CheckScope &scope, const QString &res, const QStringList &folders, bool fileProblems);

    /** The scale of a folder's density qualifier ("mipmap-xxhdpi-v4" is 3), or 0 when it has none. */
    static double densityScale(const QString &folder);
};

} // namespace iconsmith
