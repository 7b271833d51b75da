#pragma once

#include <QSize>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/** What an image file says about itself without being decoded: its size and whether it has alpha. */
struct ImageHeader
{
    QSize size;
    bool alpha = false;

    /** Reads the header of the image file @p path. */
    static Result<ImageHeader> read(const QString &path);
};

} // namespace iconsmith
