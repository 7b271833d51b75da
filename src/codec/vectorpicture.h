#pragma once

#include <QByteArray>
#include <QSize>

namespace iconsmith {

/** A vector picture drawn at one scale: 8-bit sRGB rows of three or four bands, top to bottom. */
struct VectorPicture
{
    QSize size;
    int bands = 4;
    QByteArray pixels;
};

} // namespace iconsmith
