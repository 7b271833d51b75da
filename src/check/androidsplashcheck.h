#pragma once

#include <QCoreApplication>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Checks the launch screen resources of an Android res/ folder: every @drawable, @color and
 * @mipmap reference of its drawable XML files and of its themes' items resolves to a file or a
 * colour of the folder, and the splash screen icon a theme names (windowSplashScreenAnimatedIcon)
 * is 288 dp square at each density it is drawn for, as the system masks it to its central 192 dp
 * circle and scales a picture of any other size.
 */
class AndroidSplashCheck
{
    Q_DECLARE_TR_FUNCTIONS(AndroidSplashCheck)

public:
    /** The side of the splash screen icon without an icon background, in dp. */
    static constexpr int iconDp = 288;

    /** Checks the res folder @p res of @p scope. */
    static void check(CheckScope &scope, const QString &res);
};

} // namespace iconsmith
