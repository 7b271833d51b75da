#include "metrics.h"

#include <vips/vips8>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace iconsmith::bench {
namespace {

using Rgba = std::array<double, 4>;

Rgba premultiplied(const std::uint8_t *pixel)
{
    const double alpha = pixel[3] / 255.0;
    return {pixel[0] * alpha, pixel[1] * alpha, pixel[2] * alpha, double(pixel[3])};
}

Rgba blockMean(const Raster &source, int x0, int y0, int blockWidth, int blockHeight)
{
    Rgba sum{};
    for (int y = y0; y < y0 + blockHeight; ++y) {
        for (int x = x0; x < x0 + blockWidth; ++x) {
            const Rgba value = premultiplied(source.pixel(x, y));
            for (std::size_t c = 0; c < 4; ++c) {
                sum[c] += value[c];
            }
        }
    }
    const double count = double(blockWidth) * blockHeight;
    for (double &channel : sum) {
        channel /= count;
    }
    return sum;
}

void requireRgba(const Raster &raster, const char *what)
{
    if (raster.bands != 4) {
        throw std::invalid_argument(std::string(what) + " must be RGBA");
    }
}

vips::VImage toEightBit(vips::VImage image)
{
    if (image.format() == VIPS_FORMAT_USHORT) {
        return (image / 257.0).round(VIPS_OPERATION_ROUND_RINT).cast(VIPS_FORMAT_UCHAR);
    }
    if (image.format() != VIPS_FORMAT_UCHAR) {
        return image.cast(VIPS_FORMAT_UCHAR);
    }
    return image;
}

} // namespace

Raster toRgba(const Raster &raster)
{
    if (raster.bands == 4) {
        return raster;
    }
    if (raster.bands < 1 || raster.bands > 4) {
        throw std::invalid_argument("expected 1 to 4 bands");
    }
    Raster rgba(raster.width, raster.height, 4);
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            const std::uint8_t *in = raster.pixel(x, y);
            std::uint8_t *out = rgba.pixel(x, y);
            const bool grey = raster.bands <= 2;
            out[0] = in[0];
            out[1] = grey ? in[0] : in[1];
            out[2] = grey ? in[0] : in[2];
            out[3] = raster.bands == 2 ? in[1] : std::uint8_t{255};
        }
    }
    return rgba;
}

Raster loadRgba(const std::string &path)
{
    vips::VImage image = toEightBit(vips::VImage::new_from_file(path.c_str()));
    if (image.bands() > 4) {
        image = image.extract_band(0, vips::VImage::option()->set("n", 4));
    }
    Raster raster(image.width(), image.height(), image.bands());
    image = image.copy_memory();
    std::memcpy(raster.samples.data(), image.data(), raster.samples.size());
    return toRgba(raster);
}

double aliasRms(const Raster &rgbaResult, int sourceSize, double cutoff)
{
    requireRgba(rgbaResult, "the result");
    // The zone plate's ring frequency at distance r is r / sourceSize cycles per source pixel;
    // a result pixel spans sourceSize / width of those.
    const double scale = double(sourceSize) / rgbaResult.width;
    const double centre = sourceSize / 2.0;
    double sumSquares = 0.0;
    long long count = 0;
    for (int y = 0; y < rgbaResult.height; ++y) {
        for (int x = 0; x < rgbaResult.width; ++x) {
            const double r = std::hypot((x + 0.5) * scale - centre, (y + 0.5) * scale - centre);
            if (r / sourceSize * scale < cutoff) {
                continue;
            }
            const std::uint8_t *pixel = rgbaResult.pixel(x, y);
            const double grey = (pixel[0] + pixel[1] + pixel[2]) / 3.0;
            sumSquares += (grey - 127.5) * (grey - 127.5);
            ++count;
        }
    }
    if (count == 0) {
        throw std::invalid_argument("no result pixel lies beyond the frequency cutoff");
    }
    return std::sqrt(sumSquares / double(count));
}

double psnrAgainstBoxAverage(const Raster &rgbaSource, const Raster &rgbaResult)
{
    requireRgba(rgbaSource, "the source");
    requireRgba(rgbaResult, "the result");
    if (rgbaResult.width <= 0 || rgbaResult.height <= 0 || rgbaSource.width % rgbaResult.width != 0 ||
        rgbaSource.height % rgbaResult.height != 0) {
        throw std::invalid_argument("the result's size must divide the source's");
    }
    const int blockWidth = rgbaSource.width / rgbaResult.width;
    const int blockHeight = rgbaSource.height / rgbaResult.height;
    double sumSquares = 0.0;
    for (int y = 0; y < rgbaResult.height; ++y) {
        for (int x = 0; x < rgbaResult.width; ++x) {
            const Rgba reference = blockMean(rgbaSource, x * blockWidth, y * blockHeight, blockWidth, blockHeight);
            const Rgba value = premultiplied(rgbaResult.pixel(x, y));
            for (std::size_t c = 0; c < 4; ++c) {
                sumSquares += (value[c] - reference[c]) * (value[c] - reference[c]);
            }
        }
    }
    const double mse = sumSquares / (4.0 * rgbaResult.width * rgbaResult.height);
    if (mse == 0.0) {
        return std::numeric_limits<double>::infinity();
    }
    return 10.0 * std::log10(255.0 * 255.0 / mse);
}

int fringeMinimum(const Raster &rgbaResult)
{
    requireRgba(rgbaResult, "the result");
    int darkest = 255;
    for (int y = 0; y < rgbaResult.height; ++y) {
        for (int x = 0; x < rgbaResult.width; ++x) {
            const std::uint8_t *pixel = rgbaResult.pixel(x, y);
            if (pixel[3] > 0) {
                darkest = std::min({darkest, int(pixel[0]), int(pixel[1]), int(pixel[2])});
            }
        }
    }
    return darkest;
}

} // namespace iconsmith::bench
