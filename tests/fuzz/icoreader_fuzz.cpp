// The bytes of an .ico file, read as the set check reads one: its directory, and the pixels of
// every BMP entry.
#include <cstddef>
#include <cstdint>

#include "codec/icoreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const iconsmith::Result<QList<iconsmith::IcoImage>> images = iconsmith::IcoReader::read(bytes);
    if (!images) {
        if (images.error().isEmpty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }
    for (const iconsmith::IcoImage &image : *images) {
        // Every payload lies inside the file.
        if (image.offset < 6 || image.length < 0 || image.offset + image.length > bytes.size())
            __builtin_trap();
        if (image.kind != iconsmith::IcoImage::Kind::Bmp)
            continue;
        const iconsmith::Result<iconsmith::Bitmap> pixels =
            iconsmith::IcoReader::decodeBmp(QByteArrayView(bytes).sliced(image.offset, image.length));
        // A bitmap the reader accepted decodes to the size its entry says.
        if (pixels && image.problem.isEmpty() && pixels->size() != image.size)
            __builtin_trap();
    }
    return 0;
}
