#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>

#include <functional>

#include "codec/vectorpicture.h"
#include "common/result.h"

namespace iconsmith {

/**
 * The drawing helper's side of DrawingProcess: it receives one picture and then answers the
 * program's requests, one at a time, until the program closes the socket.
 */
class DrawingService
{
    Q_DECLARE_TR_FUNCTIONS(DrawingService)

public:
    /** What the helper does with the picture it is given: measure it, and draw it at a scale. */
    struct Drawer
    {
        std::function<Result<QSize>(const QByteArray &bytes, bool pdf)> measure;
        /** Draws at @p scale; a drawing larger than @p most on either side is refused unmade. */
        std::function<Result<VectorPicture>(const QByteArray &bytes, bool pdf, double scale, QSize most)> draw;
    };

    /**
     * Serves the requests arriving on @p channel with @p drawer until the channel closes;
     * returns the exit status (0 when the program closed the channel between two requests).
     */
    static int serve(int channel, const Drawer &drawer);
};

} // namespace iconsmith
