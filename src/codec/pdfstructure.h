#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include "common/result.h"

namespace iconsmith {

/**
 * Checks a PDF file's cross-reference data before the PDF library sees it.
 *
 * The library jumps to every place the cross-reference sections, their trailers and the
 * linearization dictionary name. A place beyond the end of the file makes it read from the
 * wrong spot, and a file built for it sends the library into endless parsing that eats memory
 * without bound; object numbers far beyond what the file could hold make it allocate tables
 * of billions of entries. Neither can be stopped once it started, so such a file is refused
 * here: every section must lie inside the file, every object it places must start inside the
 * file, and no object number may exceed what a file of that size can hold. A file without its
 * cross-reference table (truncated, or repaired by hand) is refused too, rather than left to
 * the library's reconstruction.
 */
class PdfStructure
{
    Q_DECLARE_TR_FUNCTIONS(PdfStructure)

public:
    /** Whether @p pdf is safe to hand to the PDF library; the failure is a reason without the file's name. */
    static Result<void> check(const QByteArray &pdf);
};

} // namespace iconsmith
