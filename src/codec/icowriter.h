#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QSize>

#include "common/result.h"
#include "imaging/bitmap.h"

namespace iconsmith {

class TaskPool;

/**
 * Assembles a Windows `.ico` file: the directory, then each image as a PNG or as a 32-bit BMP
 * (BITMAPINFOHEADER with double height, bottom-up BGRA rows, then the 1-bit AND mask).
 *
 * Entries are ordered largest first; Windows picks by size, so the order only matters to people
 * reading the file. The output depends only on the images, so writing twice gives the same bytes.
 */
class IcoWriter
{
    Q_DECLARE_TR_FUNCTIONS(IcoWriter)

public:
    /** How each image is stored. */
    enum class Storage {
        /**
         * Images 256 pixels wide or high as PNG (a 256-pixel BMP would take 256 KiB), smaller ones
         * as BMP, which every Windows version and most tools read.
         */
        PngAt256,
        /** Every image as PNG: smallest, read by Windows Vista and later. */
        PngEverywhere,
    };

    /**
     * One image, 1 to 256 pixels on a side. Give the bitmap, its PNG, or both: the PNG is used as it
     * is only when it is 8-bit RGBA (what Windows requires of PNG entries); otherwise it is encoded
     * again from the bitmap. A BMP entry needs the bitmap.
     */
    struct Image
    {
        Bitmap bitmap;
        QByteArray png;
    };

    /** The `.ico` file holding @p images; fails when an image is unusable or two have the same size. */
    static Result<QByteArray> write(const QList<Image> &images, Storage storage = Storage::PngAt256,
                                    TaskPool *pool = nullptr);

    /** Whether an image of @p size is stored as PNG under @p storage. */
    static bool storesAsPng(QSize size, Storage storage);

    /** A 32-bit BMP entry (header, colour, AND mask) of @p bitmap; fully transparent pixels become black. */
    static QByteArray bmpEntry(const Bitmap &bitmap);
};

} // namespace iconsmith
