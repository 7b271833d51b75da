#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include "common/result.h"

namespace iconsmith {

/**
 * Checks an SVG document before the SVG library draws it: how many elements one drawing would
 * draw, counting each element a reference repeats (a `<use>`, or a `url(#id)` of a fill, stroke,
 * clip path, mask, marker or filter) once for every time it is repeated.
 *
 * A few kilobytes of `<use>` elements nested ten deep repeat a rectangle 10^10 times. The library
 * walks them for seconds before its own limit stops it, at every size it is asked for, and
 * cannot be interrupted meanwhile; such a document is refused here in milliseconds instead. A
 * compressed document (SVGZ) is read decompressed, within the same limit on bytes as a plain
 * one. A document this reader cannot parse is left to the library, which refuses it too.
 */
class SvgStructure
{
    Q_DECLARE_TR_FUNCTIONS(SvgStructure)

public:
    /** Whether @p svg is within the limits; the failure is a reason without the file's name. */
    static Result<void> check(const QByteArray &svg);

    /**
     * The elements one drawing of @p svg would draw, references repeated, counted up to just past
     * InputLimits::maxSvgElements; -1 when the document is larger than the byte limit once
     * decompressed.
     */
    static qint64 drawnElements(const QByteArray &svg);
};

} // namespace iconsmith
