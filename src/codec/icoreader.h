#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>

#include "common/result.h"
#include "imaging/bitmap.h"

namespace iconsmith {

/** One image of an `.ico` file as IcoReader found it. */
struct IcoImage
{
    enum class Kind { Png, Bmp };

    QSize size;
    Kind kind = Kind::Bmp;
    /** Bits per pixel of the payload itself (a PNG's from its header), not the directory's claim. */
    int bitCount = 0;
    bool alpha = false;
    /** Where the payload lies in the file. */
    qsizetype offset = 0;
    qsizetype length = 0;
    /**
     * What is wrong with an image whose structure is sound, e.g. a PNG that is not 8-bit RGBA, or
     * an AND mask that hides opaque pixels; empty when nothing is.
     */
    QString problem;
};

/**
 * Reads the structure of an `.ico` file without trusting any of it: every entry's data must lie
 * inside the file after the directory, no two entries may share bytes, and each payload (PNG or
 * BMP) must measure what its entry says.
 */
class IcoReader
{
    Q_DECLARE_TR_FUNCTIONS(IcoReader)

public:
    /**
     * The images of the `.ico` file @p file, or why it is not a sound one. Reasons and problems are
     * phrased to follow the file's name ("app.ico: entry 2 (32 × 32) goes past the end of the file").
     */
    static Result<QList<IcoImage>> read(QByteArrayView file);

    /** The pixels of a 32-bit BMP payload as RGBA, top row first (the AND mask is not applied). */
    static Result<Bitmap> decodeBmp(QByteArrayView payload);
};

} // namespace iconsmith
