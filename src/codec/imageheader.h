#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/**
 * What a PNG file says about itself in its first bytes: its size and whether it has alpha.
 *
 * Read by Iconsmith itself from the signature, the IHDR chunk and the chunks before the image
 * data (a tRNS chunk gives an RGB or palette image transparency), never by decoding: the set
 * check reads files it knows nothing about, and a header is all it needs.
 */
struct ImageHeader
{
    Q_DECLARE_TR_FUNCTIONS(ImageHeader)

public:
    QSize size;
    bool alpha = false;

    /** Reads the header of the PNG file @p path (its first InputLimits::maxPngHeadBytes at most). */
    static Result<ImageHeader> read(const QString &path);
    /** Reads the header from the first bytes of a PNG file; @p head may end anywhere after IHDR. */
    static Result<ImageHeader> fromPng(const QByteArray &head);
};

} // namespace iconsmith
