#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/**
 * Reads files that Iconsmith did not write, safely: only regular files, never more than a
 * bound. A FIFO, a socket or a device (/dev/zero, a terminal) is refused without a single byte
 * read from it, since it could block forever or never end; the file is opened without blocking
 * and judged by what was opened, not by a name that could change in between.
 *
 * The failure is a short reason without the file's name ("it does not exist", "it is larger
 * than 4 MiB"), for the caller to put into its own sentence.
 */
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    /** The whole file; fails when it is not a regular file or holds more than @p maxBytes. */
    static Result<QByteArray> read(const QString &path, qint64 maxBytes);
    /** The first @p maxBytes of the file at most (all of a shorter one); fails when it is not a regular file. */
    static Result<QByteArray> readHead(const QString &path, qint64 maxBytes);

    /** A byte count for people: "256 MiB", "64 KiB", "12 bytes". */
    static QString sizeText(qint64 bytes);

private:
    static Result<QByteArray> readBounded(const QString &path, qint64 maxBytes, bool wholeFile);
};

} // namespace iconsmith
