#pragma once

#include <QCoreApplication>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Checks an Android `res/` folder as Iconsmith writes it: every PNG in a `mipmap-<density>`
 * folder measures its size at that density (108 dp for a layer an adaptive icon names, 48 dp for
 * a legacy icon), every XML of `mipmap-anydpi*` parses as an adaptive icon, and every
 * `@mipmap/`, `@drawable/` and `@color/` reference in it resolves to a file of the folder or a
 * colour of an XML file in a `values` folder. A Play Store image beside `res/` must measure 512 × 512.
 */
class AndroidResCheck
{
    Q_DECLARE_TR_FUNCTIONS(AndroidResCheck)

public:
    /** Checks the folder @p res ("res", or empty when it is @p scope's own) of @p scope. */
    static void check(CheckScope &scope, const QString &res);

    /** The scale of a density qualifier ("xxhdpi" is 3), or 0 when it is none. */
    static double densityScale(const QString &qualifier);
};

} // namespace iconsmith
