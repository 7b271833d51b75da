#pragma once

#include <vips/vips8>

#include <cstdint>

namespace iconsmith {

/** Conversions between what the imaging library decodes and the 8-bit RGBA rows Iconsmith works on. */
class VipsRows
{
public:
    /** Brings any decoded picture to 8-bit sRGB with three or four bands. */
    static vips::VImage toRgb8(vips::VImage image);
    /** Copies one row of @p width pixels of @p bands bands as RGBA, giving three-band pictures an opaque alpha. */
    static void copyAsRgba(const VipsPel *pixels, int width, int bands, std::uint8_t *out);
};

} // namespace iconsmith
