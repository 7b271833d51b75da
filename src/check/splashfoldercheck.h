#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace iconsmith {

class CheckScope;

/**
 * Checks a folder of launch screens (Iconsmith's splash/): each of its ios/, android/ and web/
 * parts that is there.
 * - ios/: UILaunchScreen.plist parses and names an image set and a colour set of the folder; the
 *   image set's Contents.json lists files that exist at 1x, 2x and 3x of one size per appearance,
 *   with only the appearances asset catalogs know; the colour set's colours parse.
 * - android/res/: AndroidSplashCheck.
 * - web/: StartupImageCheck.
 */
class SplashFolderCheck
{
    Q_DECLARE_TR_FUNCTIONS(SplashFolderCheck)

public:
    /** The file that marks each part. */
    static constexpr QStringView iosMark = u"ios/UILaunchScreen.plist";
    static constexpr QStringView androidMark = u"android/res/drawable/splash_screen.xml";
    static constexpr QStringView webMark = u"web/splash.html";

    static void check(CheckScope &scope);
    /** Whether the folder @p path holds a part of launch screens, by the files that mark them. */
    static bool isSplashFolder(const QString &path);
    /** Checks an image set and a colour set as the launch screen uses them; @p folder holds both. */
    static void checkImageSet(CheckScope &scope, const QString &imageSet);
    static void checkColourSet(CheckScope &scope, const QString &colourSet);
};

} // namespace iconsmith
