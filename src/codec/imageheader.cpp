#include "codec/imageheader.h"

#include <QFile>

#include <vips/vips8>

#include "codec/imagelibrary.h"
#include "codec/vipsrows.h"

namespace iconsmith {

Result<ImageHeader> ImageHeader::read(const QString &path)
{
    ImageLibrary::ensureStarted();
    try {
        const vips::VImage image = vips::VImage::new_from_file(
            QFile::encodeName(path).constData(), vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        return ImageHeader{{image.width(), image.height()}, image.has_alpha()};
    } catch (const vips::VError &e) {
        return Failure{VipsRows::reason(e.what())};
    }
}

} // namespace iconsmith
