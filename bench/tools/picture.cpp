#include "picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <thread>
#include <vector>

namespace iconsmith::bench {
namespace {

struct Rgb
{
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, double s)
{
    return {a.r * s, a.g * s, a.b * s};
}
Rgb mix(Rgb a, Rgb b, double t)
{
    return a * (1.0 - t) + b * t;
}
double mix(double a, double b, double t)
{
    return a + (b - a) * t;
}
double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

// A plain integer hash rather than a standard random engine: <random>'s distributions differ between
// library vendors, and the sources must come out byte for byte the same wherever they are made.
std::uint32_t hash(std::int64_t x, std::int64_t y, std::uint32_t seed)
{
    auto h = static_cast<std::uint32_t>(x) * 0x27d4eb2dU ^ static_cast<std::uint32_t>(y) * 0x165667b1U ^ seed;
    h ^= h >> 15U;
    h *= 0x85ebca6bU;
    h ^= h >> 13U;
    h *= 0xc2b2ae35U;
    h ^= h >> 16U;
    return h;
}

double unitHash(std::int64_t x, std::int64_t y, std::uint32_t seed)
{
    return hash(x, y, seed) / 4294967296.0;
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const auto fade = [](double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); };
    const double sx = fade(x - fx);
    const double sy = fade(y - fy);
    const double top = mix(unitHash(ix, iy, seed), unitHash(ix + 1, iy, seed), sx);
    const double bottom = mix(unitHash(ix, iy + 1, seed), unitHash(ix + 1, iy + 1, seed), sx);
    return mix(top, bottom, sy);
}

enum class Grain {
    Isotropic, // each octave turned against the last, which hides value noise's square lattice
    Streaked,  // octaves kept on the axes, so stretched coordinates stay streaks (grass, ripples)
};

// Fractal noise in [0, 1]: `octaves` layers of value noise, each twice the frequency and `gain` times
// the amplitude of the last. x and y are already scaled to the first octave's lattice.
double fbm(double x, double y, int octaves, std::uint32_t seed, Grain grain = Grain::Isotropic, double gain = 0.5)
{
    double sum = 0.0;
    double norm = 0.0;
    double amplitude = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * valueNoise(x, y, seed + std::uint32_t(octave) * 1013U);
        norm += amplitude;
        amplitude *= gain;
        if (grain == Grain::Isotropic) {
            const double turned = 1.6 * x - 1.2 * y;
            y = 1.2 * x + 1.6 * y;
            x = turned;
        } else {
            x *= 2.0;
            y *= 2.0;
        }
    }
    return sum / norm;
}

// How many octaves a texture of `frequency` cycles across the picture gets at `size` pixels: layers are
// added until the finest is about two pixels a cycle. This is what makes the large sources carry
// more detail instead of the 1024 picture blown up.
int octavesFor(int size, double frequency)
{
    int octaves = 1;
    while (octaves < 16 && frequency * std::pow(2.0, octaves) <= size / 2.0) {
        ++octaves;
    }
    return octaves;
}

struct Point
{
    double u;
    double v;
};

// Signed distance, positive inside, from (u, v) to a convex polygon given clockwise in screen
// coordinates (v down). Exact along the edges, which is all the anti-aliasing needs.
double convexDistance(std::span<const Point> corners, double u, double v)
{
    double inside = 1e9;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        const double length = std::hypot(b.u - a.u, b.v - a.v);
        const double distance = ((b.u - a.u) * (v - a.v) - (b.v - a.v) * (u - a.u)) / length;
        inside = std::min(inside, distance);
    }
    return inside;
}

double boxDistance(double u, double v, double u0, double v0, double u1, double v1)
{
    return std::min({u - u0, u1 - u, v - v0, v1 - v});
}

constexpr double kWaterLine = 0.62;
constexpr Point kSun{0.68, 0.44};
constexpr double kSunRadius = 0.06;

class Landscape
{
public:
    explicit Landscape(int size);

    [[nodiscard]] Rgb shade(int x, int y) const;

private:
    [[nodiscard]] double coverage(double signedDistance) const { return clamp01(signedDistance / m_pixel + 0.5); }
    [[nodiscard]] double shoreAt(double u) const;
    [[nodiscard]] Rgb skyGradient(double v) const;
    [[nodiscard]] Rgb sky(double u, double v) const;
    [[nodiscard]] Rgb withSun(Rgb colour, double u, double v) const;
    [[nodiscard]] Rgb farMountain(double u, double v, double ridge) const;
    [[nodiscard]] Rgb hills(double u, double v, double ridge) const;
    [[nodiscard]] Rgb water(double u, double v) const;
    [[nodiscard]] Rgb meadow(double u, double v, double shore) const;
    [[nodiscard]] Rgb withFlowers(Rgb colour, double u, double v) const;
    [[nodiscard]] Rgb withCabin(Rgb colour, double u, double v) const;
    [[nodiscard]] Rgb withBoat(Rgb colour, double u, double v) const;
    [[nodiscard]] Rgb finish(Rgb colour, int x, int y, double u, double v) const;

    int m_size;
    double m_pixel;
    std::vector<double> m_farRidge;
    std::vector<double> m_nearRidge;
    std::vector<double> m_shore;
};

Landscape::Landscape(int size)
    : m_size(size), m_pixel(1.0 / size), m_farRidge(std::size_t(size)), m_nearRidge(std::size_t(size)),
      m_shore(std::size_t(size))
{
    // The outlines depend on the column alone: work them out once rather than for every pixel.
    const int farOctaves = octavesFor(size, 3.0);
    const int nearOctaves = octavesFor(size, 5.0);
    for (int x = 0; x < size; ++x) {
        const double u = (x + 0.5) * m_pixel;
        const double far = fbm(u * 3.0, 0.37, farOctaves, 11U);
        m_farRidge[std::size_t(x)] = 0.53 - 0.30 * std::pow(far, 1.6) - 0.06 * std::sin(u * 2.1 + 0.4);
        m_nearRidge[std::size_t(x)] = 0.60 - 0.09 * fbm(u * 5.0, 7.3, nearOctaves, 23U);
        m_shore[std::size_t(x)] = shoreAt(u);
    }
}

double Landscape::shoreAt(double u) const
{
    return 0.83 - 0.05 * fbm(u * 4.0, 3.1, octavesFor(m_size, 4.0), 37U) + 0.03 * u;
}

Rgb Landscape::skyGradient(double v) const
{
    const double t = clamp01(v / kWaterLine);
    const Rgb zenith{22, 34, 96};
    const Rgb violet{118, 62, 148};
    const Rgb coral{236, 112, 92};
    const Rgb gold{255, 196, 112};
    if (t < 0.45) {
        return mix(zenith, violet, t / 0.45);
    }
    if (t < 0.78) {
        return mix(violet, coral, (t - 0.45) / 0.33);
    }
    return mix(coral, gold, (t - 0.78) / 0.22);
}

Rgb Landscape::sky(double u, double v) const
{
    const Rgb base = skyGradient(v);
    // Long streaks of cloud, lit pink from below, thinning towards the horizon.
    const double streak = fbm(u * 3.0, v * 11.0, octavesFor(m_size, 11.0), 5U, Grain::Streaked);
    const double band = smoothstep(0.02, 0.12, v) * (1.0 - smoothstep(0.30, 0.52, v));
    const double amount = smoothstep(0.50, 0.70, streak) * band;
    const double light = fbm(u * 9.0, v * 20.0, octavesFor(m_size, 20.0), 7U);
    const Rgb cloud = mix(Rgb{190, 96, 140}, Rgb{255, 214, 196}, light);
    return mix(base, cloud, amount * 0.85);
}

Rgb Landscape::withSun(Rgb colour, double u, double v) const
{
    const double distance = std::hypot(u - kSun.u, v - kSun.v);
    const double glow = 0.55 * std::exp(-(distance / 0.13) * (distance / 0.13));
    colour = colour + Rgb{255, 150, 70} * glow;
    return mix(colour, Rgb{255, 246, 218}, coverage(kSunRadius - distance));
}

Rgb Landscape::farMountain(double u, double v, double ridge) const
{
    const double rock = fbm(u * 18.0, v * 26.0, octavesFor(m_size, 26.0), 13U, Grain::Isotropic, 0.6);
    // Gullies running down the slopes.
    const double gullies = fbm(u * 70.0, v * 9.0, octavesFor(m_size, 70.0), 14U, Grain::Streaked, 0.6);
    Rgb colour = mix(Rgb{60, 44, 110}, Rgb{140, 100, 178}, smoothstep(0.2, 0.8, 0.75 * rock + 0.25 * gullies));
    // Snow on the tops, broken up by the rock texture.
    const double snow = smoothstep(0.52, 0.60, rock + (0.40 - ridge) * 2.0 - (v - ridge) * 9.0);
    colour = mix(colour, Rgb{236, 214, 236}, snow);
    const double haze = smoothstep(ridge, kWaterLine, v);
    return mix(colour, Rgb{226, 130, 130}, 0.45 * haze);
}

Rgb Landscape::hills(double u, double v, double ridge) const
{
    const double trees = fbm(u * 90.0, v * 70.0, octavesFor(m_size, 90.0), 17U, Grain::Isotropic, 0.65);
    const Rgb forest = mix(Rgb{10, 34, 32}, Rgb{60, 110, 76}, smoothstep(0.25, 0.75, trees));
    const double rim = std::exp(-(v - ridge) / 0.012) * smoothstep(0.3, 0.8, trees);
    return forest + Rgb{230, 120, 60} * (0.6 * rim);
}

Rgb Landscape::water(double u, double v) const
{
    const double depth = v - kWaterLine;
    const Rgb reflection = skyGradient(kWaterLine - depth * 1.6) * 0.78 + Rgb{0, 10, 24};
    const double ripple = fbm(u * 5.0, depth * 170.0, octavesFor(m_size, 170.0), 19U, Grain::Streaked);
    Rgb colour = reflection * (0.70 + 0.55 * ripple);
    // The sun's path on the water: a column of glints that widens towards the viewer.
    const double width = 0.025 + depth * 0.25;
    const double column = std::exp(-((u - kSun.u) / width) * ((u - kSun.u) / width));
    colour = colour + Rgb{255, 214, 150} * (column * smoothstep(0.52, 0.70, ripple) * 0.9);
    return colour;
}

Rgb Landscape::meadow(double u, double v, double shore) const
{
    const double near = clamp01((v - shore) / (1.0 - shore));
    const double patches = fbm(u * 5.0, v * 5.0, 3, 29U);
    const Rgb ground = mix(mix(Rgb{92, 132, 46}, Rgb{46, 96, 28}, near), Rgb{150, 150, 50}, 0.45 * patches);
    // Blades: fine across, long down.
    const double blades = fbm(u * 220.0, v * 14.0, octavesFor(m_size, 220.0), 31U, Grain::Streaked, 0.6);
    return ground * (0.45 + 1.0 * blades);
}

Rgb Landscape::withFlowers(Rgb colour, double u, double v) const
{
    constexpr double kCell = 0.03;
    const auto cellU = static_cast<std::int64_t>(std::floor(u / kCell));
    const auto cellV = static_cast<std::int64_t>(std::floor(v / kCell));
    if (unitHash(cellU, cellV, 41U) > 0.6) {
        return colour;
    }
    const double centreU = (double(cellU) + 0.25 + 0.5 * unitHash(cellU, cellV, 43U)) * kCell;
    const double centreV = (double(cellV) + 0.25 + 0.5 * unitHash(cellU, cellV, 47U)) * kCell;
    if (centreV < shoreAt(centreU) + 0.02) {
        return colour;
    }
    const double radius = kCell * (0.10 + 0.12 * unitHash(cellU, cellV, 53U));
    const double distance = std::hypot(u - centreU, v - centreV);
    static const Rgb petals[] = {{222, 38, 52}, {252, 210, 58}, {246, 240, 232}, {150, 78, 204}};
    const Rgb petal = petals[hash(cellU, cellV, 59U) % 4U];
    colour = mix(colour, petal, coverage(radius - distance));
    return mix(colour, Rgb{96, 62, 18}, coverage(radius * 0.35 - distance));
}

Rgb Landscape::withCabin(Rgb colour, double u, double v) const
{
    if (u < 0.05 || u > 0.25 || v < 0.65 || v > 0.87) {
        return colour;
    }
    const bool plankGap = std::fmod(v * 180.0, 1.0) < 0.14;
    const Rgb wall = plankGap ? Rgb{110, 24, 22} : Rgb{176, 42, 36};
    colour = mix(colour, wall, coverage(boxDistance(u, v, 0.08, 0.735, 0.22, 0.86)));
    const Point roof[] = {{0.15, 0.665}, {0.245, 0.745}, {0.055, 0.745}};
    colour = mix(colour, Rgb{48, 40, 46}, coverage(convexDistance(roof, u, v)));
    colour = mix(colour, Rgb{255, 210, 112}, coverage(boxDistance(u, v, 0.105, 0.765, 0.150, 0.805)));
    const double mullions = std::min(std::abs(u - 0.1275), std::abs(v - 0.785)) - 0.0018;
    colour = mix(colour, Rgb{60, 30, 24}, coverage(-mullions) * coverage(boxDistance(u, v, 0.105, 0.765, 0.15, 0.805)));
    return mix(colour, Rgb{78, 44, 30}, coverage(boxDistance(u, v, 0.172, 0.785, 0.204, 0.86)));
}

Rgb Landscape::withBoat(Rgb colour, double u, double v) const
{
    if (u < 0.38 || u > 0.55 || v < 0.48 || v > 0.69) {
        return colour;
    }
    const Point mainsail[] = {{0.458, 0.49}, {0.524, 0.648}, {0.458, 0.648}};
    const Point jib[] = {{0.451, 0.515}, {0.451, 0.648}, {0.404, 0.648}};
    const Point hull[] = {{0.395, 0.655}, {0.535, 0.655}, {0.512, 0.677}, {0.418, 0.677}};
    const double shade = 0.88 + 0.12 * (u - 0.40) / 0.12;
    colour = mix(colour, Rgb{250, 242, 230} * shade, coverage(convexDistance(mainsail, u, v)));
    colour = mix(colour, Rgb{236, 226, 214}, coverage(convexDistance(jib, u, v)));
    colour = mix(colour, Rgb{60, 40, 36}, coverage(boxDistance(u, v, 0.4535, 0.485, 0.4565, 0.656)));
    return mix(colour, Rgb{36, 28, 40}, coverage(convexDistance(hull, u, v)));
}

Rgb Landscape::finish(Rgb colour, int x, int y, double u, double v) const
{
    const double fromCentre = std::hypot(u - 0.5, v - 0.5);
    colour = colour * (1.0 - 0.35 * smoothstep(0.40, 0.80, fromCentre));
    // Grain of a level either way: it dithers the gradients as a photo's noise would, without
    // turning the picture into noise for the encoders.
    const double grain = (unitHash(x, y, 61U) - 0.5) * 2.0;
    return colour + Rgb{grain, grain, grain};
}

Rgb Landscape::shade(int x, int y) const
{
    const double u = (x + 0.5) * m_pixel;
    const double v = (y + 0.5) * m_pixel;
    const double farRidge = m_farRidge[std::size_t(x)];
    const double nearRidge = m_nearRidge[std::size_t(x)];
    const double shore = m_shore[std::size_t(x)];

    // Layers back to front; each one is only worked out where it shows.
    Rgb colour = withSun(sky(u, v), u, v);
    if (const double cover = coverage(v - farRidge); cover > 0.0) {
        colour = mix(colour, farMountain(u, v, farRidge), cover);
    }
    if (const double cover = coverage(v - nearRidge); cover > 0.0) {
        colour = mix(colour, hills(u, v, nearRidge), cover);
    }
    if (const double cover = coverage(v - kWaterLine); cover > 0.0) {
        colour = mix(colour, water(u, v), cover);
    }
    if (const double cover = coverage(v - shore); cover > 0.0) {
        colour = withFlowers(mix(colour, meadow(u, v, shore), cover), u, v);
    }
    colour = withBoat(withCabin(colour, u, v), u, v);
    return finish(colour, x, y, u, v);
}

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

void paintRows(const Landscape &scene, Raster &raster, bool withMargin, int firstRow, int endRow)
{
    for (int y = firstRow; y < endRow; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            std::uint8_t *out = raster.pixel(x, y);
            const double alpha = withMargin ? marginCoverage(raster.width, x + 0.5, y + 0.5) : 1.0;
            if (alpha <= 0.0) {
                std::fill_n(out, raster.bands, std::uint8_t{0});
                continue;
            }
            const Rgb colour = scene.shade(x, y);
            out[0] = toByte(colour.r);
            out[1] = toByte(colour.g);
            out[2] = toByte(colour.b);
            if (withMargin) {
                out[3] = toByte(alpha * 255.0);
            }
        }
    }
}

} // namespace

double marginCoverage(int size, double x, double y)
{
    const double inset = size / 16.0;
    const double half = size / 2.0 - inset;
    const double radius = 0.2237 * 2.0 * half;
    const double qx = std::abs(x - size / 2.0) - (half - radius);
    const double qy = std::abs(y - size / 2.0) - (half - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0);
    return clamp01(0.5 - (outside - radius));
}

Raster makeLandscape(int size, bool withMargin, int threads)
{
    const Landscape scene(size);
    Raster raster(size, size, withMargin ? 4 : 3);
    threads = std::clamp(threads, 1, size);
    // Every pixel is a pure function of its position, so splitting the rows cannot change a byte.
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t) {
            const int first = size * t / threads;
            const int end = size * (t + 1) / threads;
            workers.emplace_back([&, first, end] { paintRows(scene, raster, withMargin, first, end); });
        }
    } // The workers join here, before the raster is handed back.
    return raster;
}

Raster makeZonePlate(int size)
{
    Raster raster(size, size, 1);
    const double centre = size / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            const double value = 0.5 + 0.5 * std::cos(std::numbers::pi * (dx * dx + dy * dy) / size);
            *raster.pixel(x, y) = toByte(value * 255.0);
        }
    }
    return raster;
}

} // namespace iconsmith::bench
