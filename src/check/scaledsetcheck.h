#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace iconsmith {

class CheckScope;

/**
 * Checks the scaled image sets in a folder (`Image.png`, `Image@2x.png`, `Image@3x.png`): the @2x
 * and @3x images measure two and three times the @1x one, as rounding a common base size allows.
 */
class ScaledSetCheck
{
    Q_DECLARE_TR_FUNCTIONS(ScaledSetCheck)

public:
    /** The base names of the scaled sets among @p pngs: "Image" when "Image.png" has an @2x or @3x beside it. */
    static QStringList families(const QStringList &pngs);
    /** Checks the set @p base of @p scope's folder. */
    static void check(CheckScope &scope, const QString &base);
};

} // namespace iconsmith
