#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QMap>

#include "common/result.h"
#include "imaging/bitmap.h"

namespace iconsmith {

class TaskPool;

/**
 * Assembles a macOS `.icns` file the way iconutil does: the `icns` header, a `TOC ` chunk that
 * lists every image chunk's type and length, then the image chunks in IcnsType::all() order.
 * ic04 and ic05 hold ARGB (run-length coded planes), every other type a PNG.
 */
class IcnsWriter
{
    Q_DECLARE_TR_FUNCTIONS(IcnsWriter)

public:
    /**
     * One image. ARGB chunks need the bitmap; PNG chunks take the PNG as it is when given, else
     * encode the bitmap.
     */
    struct Image
    {
        Bitmap bitmap;
        QByteArray png;
    };

    /**
     * The `.icns` file holding @p images keyed by chunk type ("ic04" … "ic14"); fails on an unknown
     * type, an image of the wrong size, or an ARGB chunk given only as PNG.
     */
    static Result<QByteArray> write(const QMap<QByteArray, Image> &images, TaskPool *pool = nullptr);

    /**
     * The ARGB payload of @p bitmap: "ARGB", then the A, R, G and B planes, each run-length coded
     * on its own, then one zero byte. Apple Silicon Macs ignore the last byte of the coded data in
     * application icons, which would take the blue of up to 130 pixels with it; the padding byte
     * is what they ignore instead, and other readers stop before it.
     */
    static QByteArray argbPayload(const Bitmap &bitmap);
};

} // namespace iconsmith
