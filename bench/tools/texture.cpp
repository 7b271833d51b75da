#include "texture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace iconsmith::bench {
namespace {

using Complex = std::complex<double>;

// A plain integer hash (splitmix64's finaliser) rather than a standard random engine, whose
// distributions differ between library vendors: the sources must be the same bytes everywhere.
double unitHash(std::uint64_t x, std::uint64_t y, std::uint64_t seed)
{
    std::uint64_t h = x * 0x9e3779b97f4a7c15ULL ^ (y + 0x632be59bd9b4e019ULL) * 0xbf58476d1ce4e5b9ULL ^ seed;
    h ^= h >> 30U;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 27U;
    h *= 0x94d049bb133111ebULL;
    h ^= h >> 31U;
    return double(h >> 11U) / 9007199254740992.0; // 53 bits into [0, 1)
}

// In-place radix-2 inverse FFT of one line (without the 1/n scale, which the normalisation below
// makes irrelevant).
void inverseFft(std::vector<Complex> &line)
{
    const std::size_t n = line.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1U;
        for (; (j & bit) != 0; bit >>= 1U)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(line[i], line[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1U) {
        const double angle = 2.0 * std::numbers::pi / double(length);
        for (std::size_t start = 0; start < n; start += length) {
            for (std::size_t k = 0; k < length / 2; ++k) {
                const Complex twiddle = std::polar(1.0, angle * double(k));
                const Complex a = line[start + k];
                const Complex b = line[start + k + length / 2] * twiddle;
                line[start + k] = a + b;
                line[start + k + length / 2] = a - b;
            }
        }
    }
}

// A size×size field of zero mean and unit variance whose amplitude spectrum is 1/f, with phases
// drawn from the hash: every frequency up to the Nyquist limit is present.
std::vector<double> pinkField(int size, std::uint64_t seed)
{
    const auto n = std::size_t(size);
    std::vector<Complex> grid(n * n);
    for (std::size_t ky = 0; ky < n; ++ky) {
        for (std::size_t kx = 0; kx < n; ++kx) {
            const double fx = kx < n / 2 ? double(kx) : double(kx) - double(n);
            const double fy = ky < n / 2 ? double(ky) : double(ky) - double(n);
            const double f = std::hypot(fx, fy);
            if (f > 0.0)
                grid[ky * n + kx] = std::polar(1.0 / f, 2.0 * std::numbers::pi * unitHash(kx, ky, seed));
        }
    }
    std::vector<Complex> line(n);
    for (std::size_t y = 0; y < n; ++y) {
        std::copy_n(grid.begin() + std::ptrdiff_t(y * n), n, line.begin());
        inverseFft(line);
        std::copy_n(line.begin(), n, grid.begin() + std::ptrdiff_t(y * n));
    }
    for (std::size_t x = 0; x < n; ++x) {
        for (std::size_t y = 0; y < n; ++y)
            line[y] = grid[y * n + x];
        inverseFft(line);
        for (std::size_t y = 0; y < n; ++y)
            grid[y * n + x] = line[y];
    }
    // The real part of a random-phase spectrum: its spectrum is the symmetrised 1/f.
    std::vector<double> field(n * n);
    double sum = 0.0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        field[i] = grid[i].real();
        sum += field[i];
    }
    const double mean = sum / double(field.size());
    double squares = 0.0;
    for (double &value : field) {
        value -= mean;
        squares += value * value;
    }
    const double deviation = std::sqrt(squares / double(field.size()));
    for (double &value : field)
        value /= deviation;
    return field;
}

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// Coloured noise: a shared field for brightness and one field per band for hue, mixed so that
// each band keeps unit variance before it is scaled by `contrast` around its mean.
Raster colouredNoise(int size, double contrast, std::array<double, 3> means, std::uint64_t seed)
{
    if (size < 2 || (size & (size - 1)) != 0)
        throw std::invalid_argument("the noise needs a power-of-two size");
    const std::vector<double> shared = pinkField(size, seed);
    std::array<std::vector<double>, 3> own;
    for (std::size_t c = 0; c < 3; ++c)
        own[c] = pinkField(size, seed + 1 + c);
    Raster raster(size, size, 3);
    for (std::size_t i = 0; i < shared.size(); ++i) {
        for (std::size_t c = 0; c < 3; ++c) {
            raster.samples[i * 3 + c] = toByte(means[c] + contrast * (0.8 * shared[i] + 0.6 * own[c][i]));
        }
    }
    return raster;
}

// The share of a unit square whose projection onto a direction with absolute components a and b
// (a² + b² = 1) lies below t, t measured from the square's lowest projection: the distribution
// function of a·U + b·V for independent uniform U and V, a piecewise quadratic.
double squareBelow(double t, double a, double b)
{
    if (a < b)
        std::swap(a, b);
    if (t <= 0.0)
        return 0.0;
    if (t >= a + b)
        return 1.0;
    if (b < 1e-12)
        return t / a;
    if (t < b)
        return t * t / (2.0 * a * b);
    if (t <= a)
        return (t - b / 2.0) / a;
    return 1.0 - (a + b - t) * (a + b - t) / (2.0 * a * b);
}

struct Line
{
    double degrees;
    double offset; // from the picture centre along the normal, as a share of the size
    bool light;
};

// Blends one line, a strip one pixel wide, into the picture by the exact area it covers of each pixel.
void drawLine(Raster &raster, const Line &line)
{
    const double radians = line.degrees * std::numbers::pi / 180.0;
    // The strip is |n·p - c| <= 0.5 for the unit normal n. Rounding c to a half keeps an exactly
    // horizontal or vertical line on one row or column of pixels.
    const double nx = -std::sin(radians);
    const double ny = std::cos(radians);
    const double centre = raster.width / 2.0;
    const double c = std::floor(nx * centre + ny * centre + line.offset * raster.width) + 0.5;
    const std::array<double, 3> colour = line.light ? std::array{246.0, 242.0, 228.0} : std::array{14.0, 18.0, 28.0};
    const double a = std::abs(nx);
    const double b = std::abs(ny);
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            const double lowest = nx * x + ny * y + std::min(nx, 0.0) + std::min(ny, 0.0);
            const double coverage = squareBelow(c + 0.5 - lowest, a, b) - squareBelow(c - 0.5 - lowest, a, b);
            if (coverage <= 0.0)
                continue;
            std::uint8_t *pixel = raster.pixel(x, y);
            for (std::size_t k = 0; k < 3; ++k)
                pixel[k] = toByte(pixel[k] + (colour[k] - pixel[k]) * coverage);
        }
    }
}

} // namespace

Raster makePinkNoise(int size)
{
    return colouredNoise(size, 46.0, {128.0, 116.0, 100.0}, 0x70696e6bULL);
}

Raster makeHairlines(int size)
{
    Raster raster = colouredNoise(size, 30.0, {120.0, 128.0, 116.0}, 0x68616972ULL);
    // Angles from exactly axial through nearly axial (the slowest beats) to every octant.
    constexpr std::array<double, 24> angles = {0.0,  90.0,  0.6,   89.4,  2.5,   7.0,   13.0,  18.4,
                                               26.6, 33.0,  45.0,  51.0,  63.4,  71.0,  78.0,  84.5,
                                               96.0, 104.0, 117.0, 128.0, 135.0, 149.0, 163.0, 176.0};
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double offset = 0.4 * (2.0 * unitHash(i, 7, 0x6c696e65ULL) - 1.0);
        drawLine(raster, Line{angles[i], offset, i % 2 == 0});
    }
    return raster;
}

} // namespace iconsmith::bench
