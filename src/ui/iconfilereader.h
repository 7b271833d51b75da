#pragma once

#include <QImage>
#include <QString>

#include <stop_token>

namespace iconsmith {

/**
 * Reads back the images a generation wrote, to show them: PNG files, and the entries of the
 * .ico and .icns containers, which Qt's own image readers do not take. Every picture comes out
 * as premultiplied ARGB32. Safe to use off the GUI thread.
 */
class IconFileReader
{
public:
    /**
     * The picture of @p path: a PNG as it is, or the largest entry of an .ico or .icns file.
     * Pictures larger than @p largestEdge on a side are reduced to it (a large PNG while it
     * streams in). Null when the file cannot be read or a stop was requested.
     */
    static QImage read(const QString &path, int largestEdge, const std::stop_token &stop = {});
    /** The entry of the .ico file @p path that measures @p pixels × @p pixels; null when there is none. */
    static QImage icoEntry(const QString &path, int pixels);
};

} // namespace iconsmith
