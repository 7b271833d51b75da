#include "codec/vipsrows.h"

#include <algorithm>

namespace iconsmith {

vips::VImage VipsRows::toRgb8(vips::VImage image)
{
    if (image.bands() > 4 && image.interpretation() != VIPS_INTERPRETATION_CMYK)
        image = image.extract_band(0, vips::VImage::option()->set("n", 4));
    if (image.interpretation() != VIPS_INTERPRETATION_sRGB || image.format() != VIPS_FORMAT_UCHAR) {
        try {
            image = image.colourspace(VIPS_INTERPRETATION_sRGB);
        } catch (const vips::VError &) {
            vips_error_clear();
            // No known conversion (an unusual multi-band picture): read its first bands as they are.
            image = image.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
        }
    }
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    if (image.bands() == 1) {
        image = vips::VImage::bandjoin({image, image, image});
    } else if (image.bands() == 2) {
        const vips::VImage grey = image.extract_band(0);
        image = vips::VImage::bandjoin({grey, grey, grey, image.extract_band(1)});
    } else if (image.bands() > 4)
        image = image.extract_band(0, vips::VImage::option()->set("n", 4));
    return image;
}

void VipsRows::copyAsRgba(const VipsPel *pixels, int width, int bands, std::uint8_t *out)
{
    if (bands == 4) {
        std::copy_n(pixels, std::size_t(width) * 4, out);
        return;
    }
    for (int x = 0; x < width; ++x, pixels += bands, out += 4) {
        out[0] = pixels[0];
        out[1] = pixels[1];
        out[2] = pixels[2];
        out[3] = 255;
    }
}

} // namespace iconsmith
