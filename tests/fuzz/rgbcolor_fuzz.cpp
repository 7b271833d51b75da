// Text of a --background colour.
#include <cstddef>
#include <cstdint>

#include "imaging/rgbcolor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<iconsmith::RgbColor> colour = iconsmith::RgbColor::fromText(text);
    // A colour that reads, read again from its own name, is the same colour.
    if (colour && iconsmith::RgbColor::fromText(colour->name()) != colour)
        __builtin_trap();
    return 0;
}
