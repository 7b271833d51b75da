#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Checks the icon container files Iconsmith writes, `.icns` and `.ico`, by reading their
 * structure back (IcnsReader, IcoReader): a truncated file, a chunk or entry whose length does
 * not fit, an unknown `.icns` chunk type, a payload that does not measure what its type or entry
 * says, two entries of the same size and depth, and a file without a single image all fail.
 */
class ContainerCheck
{
    Q_DECLARE_TR_FUNCTIONS(ContainerCheck)

public:
    /** Checks the `.icns` file @p relative of @p scope. */
    static void icns(CheckScope &scope, const QString &relative);
    /**
     * Checks the `.ico` file @p relative of @p scope; returns the sizes of its images (empty when
     * it could not be read), for a manifest or a page that declares them.
     */
    static QList<QSize> ico(CheckScope &scope, const QString &relative);

    /** Whether @p fileName is one the checks read as an icon container (by its extension). */
    static bool isContainer(const QString &fileName);
};

} // namespace iconsmith
