#include "imagelibrary.h"

#include <vips/vips8>

#include <mutex>

namespace iconsmith {

void ImageLibrary::ensureStarted()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (VIPS_INIT("iconsmith") != 0)
            vips_error_exit("the imaging library could not start");
        // Every generation decodes its source exactly once, so a cache of operations would only
        // hold on to memory and to files the user may want to replace.
        vips_cache_set_max(0);
    });
}

QString ImageLibrary::takeError(const char *fallback)
{
    QString text = QString::fromUtf8(vips_error_buffer()).trimmed();
    vips_error_clear();
    // The library prefixes each line with the name of the operation ("pngload: ..."); keep the
    // last, most specific line.
    const qsizetype lastLine = text.lastIndexOf(u'\n');
    if (lastLine >= 0)
        text = text.mid(lastLine + 1);
    if (text.isEmpty() && fallback != nullptr)
        text = QString::fromUtf8(fallback);
    return text;
}

} // namespace iconsmith
