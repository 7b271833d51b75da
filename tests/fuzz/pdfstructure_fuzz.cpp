// The bytes of a PDF, checked before the PDF library may read them.
#include <cstddef>
#include <cstdint>

#include "codec/pdfstructure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const iconsmith::Result<void> checked = iconsmith::PdfStructure::check(bytes);
    // A refusal always says why.
    if (!checked && checked.error().isEmpty())
        __builtin_trap();
    return 0;
}
