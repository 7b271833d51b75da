#pragma once

#include <QCoreApplication>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Checks a freedesktop `hicolor/` icon theme tree: every PNG of `<N>x<N>/<context>/` measures
 * N × N (`<N>x<N>@<S>` holds N·S pixels), and every file of `scalable/<context>/` is a regular
 * file. A tree without a single icon fails.
 */
class HicolorCheck
{
    Q_DECLARE_TR_FUNCTIONS(HicolorCheck)

public:
    /** Checks the tree whose top folder is @p scope's. */
    static void check(CheckScope &scope);
    /** Whether @p folder names a size folder ("48x48", "48x48@2") or "scalable". */
    static bool isThemeFolder(const QString &folder);
};

} // namespace iconsmith
