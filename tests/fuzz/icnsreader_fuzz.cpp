// The bytes of an .icns file, read as the set check reads one: its chunks, and the pixels of
// every ARGB chunk. The first byte also picks a size at which the rest is expanded as ARGB data.
#include <cstddef>
#include <cstdint>

#include "codec/icnsreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const iconsmith::Result<QList<iconsmith::IcnsChunk>> chunks = iconsmith::IcnsReader::read(bytes);
    if (chunks) {
        for (const iconsmith::IcnsChunk &chunk : *chunks) {
            // Every chunk lies inside the file, after its own header.
            if (chunk.offset < 16 || chunk.length < 0 || chunk.offset + chunk.length > bytes.size())
                __builtin_trap();
        }
    } else if (chunks.error().isEmpty()) {
        __builtin_trap(); // a refusal always says why
    }
    if (size > 1) {
        const int pixels = 1 + data[0] % 128;
        const iconsmith::Result<iconsmith::Bitmap> argb =
            iconsmith::IcnsReader::decodeArgb(QByteArrayView(bytes).sliced(1), pixels);
        if (argb && argb->size() != QSize(pixels, pixels))
            __builtin_trap();
    }
    return 0;
}
