// The bytes of a source image, of any format, loaded and previewed as the desktop app does
// when a file is dropped on it.
#include <cstddef>
#include <cstdint>

#include "codec/imagelibrary.h"
#include "codec/sourceimage.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    iconsmith::ImageLibrary::ensureStarted();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const iconsmith::Result<iconsmith::SourceImage> image =
        iconsmith::SourceImage::fromData(bytes, QStringLiteral("fuzz"));
    if (!image)
        return 0;
    const iconsmith::Result<iconsmith::SourceImage::Preview> preview = image->preview(32);
    // A preview is never larger than asked for, nor empty.
    if (preview && (preview->bitmap.width() > 32 || preview->bitmap.height() > 32 || preview->bitmap.isNull()))
        __builtin_trap();
    return 0;
}
