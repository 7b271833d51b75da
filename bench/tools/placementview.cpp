// iconsmith-placementview: the files of a --target run as each platform shows them.
//
//   iconsmith-placementview measure FOLDER
//       figures, one "name: value" a line: how much of the Android adaptive icon's visible 72 dp and
//       of the maskable icon the picture fills, the share of a logo's pixels that each platform's
//       mask cuts, and the WCAG contrast of the iOS dark and tinted icons on black.
//   iconsmith-placementview sheet OUT.png FOLDER SOURCE [FOLDER SOURCE ...]
//       a contact sheet, a row per folder: the source, then each platform's files composited
//       under its mask, labelled; and beside it OUT-<platform>.png, the source and one platform's
//       files (ios, watchos, macos, android, web).
//
// The masks are drawn here from the platforms' published figures, independently of Iconsmith's
// own: the iOS home screen's rounded square (corner radius 22.37 % of the side), watchOS' circle,
// Android's 72 dp viewport of the 108 dp layer under a circle and a squircle, the maskable icon's
// circle of radius 40 %, Google Play's corners (20 %) and the macOS body (824 of 1024, radius 185).

#include "metrics.h"

#include <vips/vips8>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using iconsmith::bench::loadRgba;
using iconsmith::bench::Raster;
namespace fs = std::filesystem;

// A mask as the signed distance, in pixels, from a point of a side×side square to its outline:
// negative inside. A pixel keeps the share clamp(0.5 - distance) of itself.
using Distance = std::function<double(double x, double y, double side)>;

struct Mask
{
    Distance distance;
    [[nodiscard]] double operator()(int x, int y, double side) const
    {
        return std::clamp(0.5 - distance(x + 0.5, y + 0.5, side), 0.0, 1.0);
    }
};

// A square of @p body of the side, centred, with corners of @p radius of the body rounded.
Mask roundedSquare(double body, double radius)
{
    return {[=](double x, double y, double side) {
        const double half = body * side / 2;
        const double r = radius * body * side;
        const double qx = std::abs(x - side / 2) - (half - r);
        const double qy = std::abs(y - side / 2) - (half - r);
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
    }};
}

// A centred superellipse |x|^n + |y|^n <= 1 over @p body of the side (its distance approximated radially).
Mask superellipse(double body, double exponent)
{
    return {[=](double x, double y, double side) {
        const double half = body * side / 2;
        const double u = std::abs(x - side / 2) / half;
        const double v = std::abs(y - side / 2) / half;
        return (std::pow(std::pow(u, exponent) + std::pow(v, exponent), 1.0 / exponent) - 1.0) * half;
    }};
}

Mask circle(double radius)
{
    return {[=](double x, double y, double side) { return std::hypot(x - side / 2, y - side / 2) - radius * side; }};
}

const Mask iosMask = roundedSquare(1, 0.2237);
const Mask playMask = roundedSquare(1, 0.2);
const Mask macMask = roundedSquare(824.0 / 1024, 185.0 / 824);
const Mask watchMask = circle(0.5);
const Mask maskableMask = circle(0.4);
// Android's adaptive masks, on the 108 dp layer: the 72 dp circle and a squircle of the 72 dp.
const Mask adaptiveCircle = circle(36.0 / 108);
const Mask adaptiveSquircle = superellipse(72.0 / 108, 4.0);

double channelDifference(const std::uint8_t *a, const std::uint8_t *b)
{
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

double luminance(double r, double g, double b)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// The picture over a flat colour.
Raster over(const Raster &top, const std::uint8_t *colour)
{
    Raster out(top.width, top.height, 4);
    for (int y = 0; y < top.height; ++y)
        for (int x = 0; x < top.width; ++x) {
            const std::uint8_t *p = top.pixel(x, y);
            std::uint8_t *q = out.pixel(x, y);
            const double a = p[3] / 255.0;
            for (int c = 0; c < 3; ++c)
                q[c] = std::uint8_t(std::lround(p[c] * a + colour[c] * (1 - a)));
            q[3] = 255;
        }
    return out;
}

std::vector<std::uint8_t> androidBackground(const fs::path &folder)
{
    std::ifstream in(folder / "android/res/values/ic_launcher_background.xml");
    std::stringstream text;
    text << in.rdbuf();
    const std::string xml = text.str();
    const auto hash = xml.find('#');
    if (hash == std::string::npos)
        return {255, 255, 255, 255};
    const unsigned long value = std::stoul(xml.substr(hash + 1, 6), nullptr, 16);
    return {std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value), 255};
}

// The share of @p region (x, y, w, h in pixels) covered by the bounding box of the pixels that
// differ from @p flat: 1 when the picture fills it, the stamp's area when it sits on a flat field.
double pictureShare(const Raster &image, const std::uint8_t *flat, int rx, int ry, int rw, int rh)
{
    int left = rx + rw;
    int right = rx - 1;
    int top = ry + rh;
    int bottom = ry - 1;
    for (int y = ry; y < ry + rh; ++y)
        for (int x = rx; x < rx + rw; ++x)
            if (channelDifference(image.pixel(x, y), flat) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < left)
        return 0;
    return double(right - left + 1) * double(bottom - top + 1) / (double(rw) * double(rh));
}

// What @p mask does to a logo's pixels (a transparent file's visible pixels, an opaque file's
// pixels that differ from its plate, the corner's colour): the share it cuts, and the least
// clearance between them and the mask's outline, in percent of the side.
struct Cut
{
    double share = 0;
    double clearance = 0;
};

Cut cutBy(const Raster &image, const Mask &mask, bool opaque)
{
    const std::uint8_t *plate = image.pixel(0, 0);
    double total = 0;
    double cut = 0;
    double nearest = 1e9;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t *p = image.pixel(x, y);
            const double weight = opaque ? (channelDifference(p, plate) > 24 ? 1.0 : 0.0) : p[3] / 255.0;
            if (weight == 0)
                continue;
            total += weight;
            cut += weight * (1 - mask(x, y, image.width));
            if (weight >= 0.5)
                nearest = std::min(nearest, -mask.distance(x + 0.5, y + 0.5, image.width));
        }
    if (total == 0)
        return {};
    return {cut / total, std::max(0.0, nearest) / image.width * 100};
}

void printCut(const char *name, const Cut &cut)
{
    std::printf("%s: cut %.4f, clearance %.1f %%\n", name, cut.share, cut.clearance);
}

// The median WCAG contrast with black of the pixels that show: alpha from 128 up (laid on
// black), or differing from the corner's colour in an opaque file.
double medianContrast(const Raster &image, bool opaque)
{
    std::vector<double> ratios;
    const std::uint8_t *plate = image.pixel(0, 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t *p = image.pixel(x, y);
            if (opaque ? channelDifference(p, plate) <= 8 : p[3] < 128)
                continue;
            const double a = opaque ? 1.0 : p[3] / 255.0;
            const double l = luminance(p[0] / 255.0 * a, p[1] / 255.0 * a, p[2] / 255.0 * a);
            ratios.push_back((l + 0.05) / 0.05);
        }
    if (ratios.empty())
        return 1;
    std::nth_element(ratios.begin(), ratios.begin() + std::ptrdiff_t(ratios.size() / 2), ratios.end());
    return ratios[ratios.size() / 2];
}

bool isOpaque(const Raster &image)
{
    for (std::size_t i = 3; i < image.samples.size(); i += 4)
        if (image.samples[i] != 255)
            return false;
    return true;
}

int measure(const fs::path &folder)
{
    const auto file = [&](const std::string &name) { return (folder / name).string(); };
    const auto exists = [&](const std::string &name) { return fs::exists(folder / name); };
    if (exists("android/res/mipmap-xxxhdpi/ic_launcher_foreground.png")) {
        const std::vector<std::uint8_t> background = androidBackground(folder);
        const Raster layer =
            over(loadRgba(file("android/res/mipmap-xxxhdpi/ic_launcher_foreground.png")), background.data());
        const int side = layer.width;
        const int inset = side * 18 / 108;
        std::printf("android-adaptive-picture-share-of-72dp: %.3f\n",
                    pictureShare(layer, background.data(), inset, inset, side - 2 * inset, side - 2 * inset));
        const Raster foreground = loadRgba(file("android/res/mipmap-xxxhdpi/ic_launcher_foreground.png"));
        printCut("android-adaptive-72dp-circle", cutBy(foreground, adaptiveCircle, false));
        printCut("android-adaptive-squircle", cutBy(foreground, adaptiveSquircle, false));
        std::printf("android-monochrome: %s\n",
                    exists("android/res/mipmap-xxxhdpi/ic_launcher_monochrome.png") ? "yes" : "no");
        // The round icon is cut in the file: what reaches its edge is what the cut took.
        Raster round = loadRgba(file("android/res/mipmap-xxxhdpi/ic_launcher_round.png"));
        round = over(round, round.pixel(round.width / 2, 2));
        printCut("android-round", cutBy(round, watchMask, true));
        printCut("android-play", cutBy(loadRgba(file("android/play-store-512.png")), playMask, true));
    }
    if (exists("web/icon-maskable-512.png")) {
        const Raster maskable = loadRgba(file("web/icon-maskable-512.png"));
        std::printf("maskable-picture-share: %.3f\n", pictureShare(maskable, maskable.pixel(0, 0), 0, 0, 512, 512));
        printCut("maskable-40%-circle", cutBy(maskable, maskableMask, true));
        printCut("apple-touch", cutBy(loadRgba(file("web/apple-touch-icon.png")), iosMask, true));
    }
    if (exists("ios/AppIcon.appiconset/AppIcon.png")) {
        printCut("ios", cutBy(loadRgba(file("ios/AppIcon.appiconset/AppIcon.png")), iosMask, true));
        if (exists("ios/AppIcon.appiconset/AppIcon-dark.png")) {
            const Raster dark = loadRgba(file("ios/AppIcon.appiconset/AppIcon-dark.png"));
            const bool opaque = isOpaque(dark);
            printCut("ios-dark", cutBy(dark, iosMask, opaque));
            std::printf("ios-dark-contrast-on-black: %.2f\n", medianContrast(dark, opaque));
        } else {
            std::printf("ios-dark: none\n");
        }
        const Raster tinted = loadRgba(file("ios/AppIcon.appiconset/AppIcon-tinted.png"));
        printCut("ios-tinted", cutBy(tinted, iosMask, true));
        std::printf("ios-tinted-contrast-on-black: %.2f\n", medianContrast(tinted, true));
        int brightest = 0;
        for (std::size_t i = 0; i < tinted.samples.size(); i += 4)
            brightest = std::max(brightest, int(tinted.samples[i]));
        std::printf("ios-tinted-brightest: %d\n", brightest);
    }
    if (exists("watchos/AppIcon.appiconset/AppIcon.png"))
        printCut("watch", cutBy(loadRgba(file("watchos/AppIcon.appiconset/AppIcon.png")), watchMask, true));
    if (exists("macos/AppIcon.appiconset/icon_512x512@2x.png")) {
        const Raster mac = loadRgba(file("macos/AppIcon.appiconset/icon_512x512@2x.png"));
        // Whatever is opaque belongs inside the body; the shadow beside it is faint.
        double outside = 0;
        double opaque = 0;
        for (int y = 0; y < mac.height; ++y)
            for (int x = 0; x < mac.width; ++x) {
                if (mac.pixel(x, y)[3] < 200)
                    continue;
                opaque += 1;
                outside += 1 - macMask(x, y, mac.width);
            }
        std::printf("macos-opaque-outside-body: %.4f\n", opaque > 0 ? outside / opaque : 0.0);
        std::printf("macos-body-share-opaque: %.3f\n", opaque / (824.0 * 824.0));
    }
    return 0;
}

// --- the contact sheet ---

constexpr int tile = 200;
constexpr std::uint8_t page[4] = {232, 232, 236, 255};

Raster fitted(const Raster &image, int size)
{
    vips::VImage in =
        vips::VImage::new_from_memory(const_cast<std::uint8_t *>(image.samples.data()), image.samples.size(),
                                      image.width, image.height, 4, VIPS_FORMAT_UCHAR);
    const double scale = double(size) / std::max(image.width, image.height);
    vips::VImage out = in.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
                           .premultiply()
                           .resize(scale, vips::VImage::option()->set("kernel", VIPS_KERNEL_LANCZOS3))
                           .unpremultiply()
                           .cast(VIPS_FORMAT_UCHAR)
                           .copy_memory();
    Raster raster(out.width(), out.height(), 4);
    std::memcpy(raster.samples.data(), out.data(), raster.samples.size());
    return raster;
}

// A tile: @p image (a square) under @p mask, laid on the page; the tint, when given, multiplies a grey picture.
Raster tileOf(const Raster &image, const Mask *mask, const std::uint8_t *tint = nullptr)
{
    const Raster small = fitted(image, tile - 16);
    Raster out(tile, tile, 4);
    for (int y = 0; y < tile; ++y)
        for (int x = 0; x < tile; ++x)
            std::copy(page, page + 4, out.pixel(x, y));
    const int offset = (tile - small.width) / 2;
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x) {
            const std::uint8_t *p = small.pixel(x, y);
            const double a = p[3] / 255.0 * (mask != nullptr ? (*mask)(x, y, small.width) : 1.0);
            std::uint8_t *q = out.pixel(x + offset, y + offset);
            for (int c = 0; c < 3; ++c) {
                const double value = tint != nullptr ? p[c] / 255.0 * tint[c] : p[c];
                q[c] = std::uint8_t(std::lround(value * a + q[c] * (1 - a)));
            }
        }
    return out;
}

Raster blankTile()
{
    Raster out(tile, tile, 4);
    for (int y = 0; y < tile; ++y)
        for (int x = 0; x < tile; ++x)
            std::copy(page, page + 4, out.pixel(x, y));
    return out;
}

vips::VImage toImage(const Raster &raster)
{
    return vips::VImage::new_from_memory(const_cast<std::uint8_t *>(raster.samples.data()), raster.samples.size(),
                                         raster.width, raster.height, 4, VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
        .copy_memory();
}

vips::VImage labelled(const Raster &raster, const char *label)
{
    // The label's ink, 0 to 1, blends dark grey into the page colour.
    vips::VImage ink = vips::VImage::text(label, vips::VImage::option()->set("dpi", 96)->set("font", "sans 11"));
    ink = ink.embed((tile - ink.width()) / 2, 4, tile, 24) / 255.0;
    const std::vector<double> paper{double(page[0]), double(page[1]), double(page[2]), 255.0};
    const std::vector<double> dark{40.0, 40.0, 48.0, 255.0};
    vips::VImage text =
        (ink * -1.0 + 1.0).linear(paper, std::vector<double>{0, 0, 0, 0}) + ink.linear(dark, {0, 0, 0, 0});
    text = text.cast(VIPS_FORMAT_UCHAR).copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    return toImage(raster).join(text, VIPS_DIRECTION_VERTICAL);
}

// The adaptive icon's layers laid on each other: the background colour and the foreground.
Raster adaptiveLayer(const fs::path &folder, const char *layer)
{
    const std::vector<std::uint8_t> background = androidBackground(folder);
    return over(loadRgba((folder / "android/res/mipmap-xxxhdpi" / layer).string()), background.data());
}

// The 72 dp the launcher shows of a 108 dp layer.
Raster viewport(const Raster &layer)
{
    const int inset = layer.width * 18 / 108;
    Raster out(layer.width - 2 * inset, layer.height - 2 * inset, 4);
    for (int y = 0; y < out.height; ++y)
        std::copy_n(layer.pixel(inset, y + inset), std::size_t(out.width) * 4, out.pixel(0, y));
    return out;
}

// The whole layer with what the launcher never shows dimmed, and the 66 dp safe circle drawn.
Raster bleedView(const Raster &layer)
{
    Raster out = layer;
    const double side = layer.width;
    for (int y = 0; y < layer.height; ++y)
        for (int x = 0; x < layer.width; ++x) {
            std::uint8_t *p = out.pixel(x, y);
            const double r = std::hypot(x + 0.5 - side / 2, y + 0.5 - side / 2);
            const double inset = side * 18 / 108;
            const bool shown = x >= inset && y >= inset && x < side - inset && y < side - inset;
            if (!shown)
                for (int c = 0; c < 3; ++c)
                    p[c] = std::uint8_t(p[c] / 2 + 64);
            if (std::abs(r - side * 33 / 108) < side / 200)
                p[0] = 255, p[1] = 0, p[2] = 160;
        }
    return out;
}

struct Tile
{
    std::string platform;
    vips::VImage image;
};

std::vector<Tile> row(const fs::path &folder, const std::string &source)
{
    const auto load = [&](const std::string &name) { return loadRgba((folder / name).string()); };
    std::vector<Tile> tiles;
    // Drawn (an SVG) or reduced at the tile's size.
    vips::VImage thumbnail = vips::VImage::thumbnail(source.c_str(), tile - 16).colourspace(VIPS_INTERPRETATION_sRGB);
    if (!thumbnail.has_alpha())
        thumbnail = thumbnail.bandjoin(255);
    thumbnail = thumbnail.cast(VIPS_FORMAT_UCHAR).copy_memory();
    Raster picture(thumbnail.width(), thumbnail.height(), 4);
    std::memcpy(picture.samples.data(), thumbnail.data(), picture.samples.size());
    tiles.push_back({"", labelled(tileOf(picture, nullptr), "source")});

    tiles.push_back({"ios", labelled(tileOf(load("ios/AppIcon.appiconset/AppIcon.png"), &iosMask), "iOS")});
    static const std::uint8_t black[4] = {0, 0, 0, 255};
    if (fs::exists(folder / "ios/AppIcon.appiconset/AppIcon-dark.png"))
        tiles.push_back({"ios", labelled(tileOf(over(load("ios/AppIcon.appiconset/AppIcon-dark.png"), black), &iosMask),
                                         "iOS dark")});
    else
        tiles.push_back({"ios", labelled(blankTile(), "iOS dark: none")});
    static const std::uint8_t tint[3] = {120, 200, 255};
    tiles.push_back(
        {"ios", labelled(tileOf(load("ios/AppIcon.appiconset/AppIcon-tinted.png"), &iosMask, tint), "iOS tinted")});
    tiles.push_back(
        {"watchos", labelled(tileOf(load("watchos/AppIcon.appiconset/AppIcon.png"), &watchMask), "watchOS")});
    tiles.push_back(
        {"macos", labelled(tileOf(load("macos/AppIcon.appiconset/icon_512x512@2x.png"), nullptr), "macOS")});

    const Raster layer = adaptiveLayer(folder, "ic_launcher_foreground.png");
    const Mask shownSquircle = superellipse(1, 4.0);
    tiles.push_back({"android", labelled(tileOf(viewport(layer), &watchMask), "adaptive, circle")});
    tiles.push_back({"android", labelled(tileOf(viewport(layer), &shownSquircle), "adaptive, squircle")});
    tiles.push_back({"android", labelled(tileOf(bleedView(layer), nullptr), "108 dp layer, 66 dp")});
    if (fs::exists(folder / "android/res/mipmap-xxxhdpi/ic_launcher_monochrome.png")) {
        static const std::uint8_t themed[4] = {214, 227, 255, 255};
        Raster mono = load("android/res/mipmap-xxxhdpi/ic_launcher_monochrome.png");
        for (std::size_t i = 0; i < mono.samples.size(); i += 4) {
            mono.samples[i] = 30, mono.samples[i + 1] = 60, mono.samples[i + 2] = 120;
        }
        tiles.push_back({"android", labelled(tileOf(viewport(over(mono, themed)), &watchMask), "themed")});
    } else {
        tiles.push_back({"android", labelled(blankTile(), "themed: none")});
    }
    tiles.push_back(
        {"android", labelled(tileOf(load("android/res/mipmap-xxxhdpi/ic_launcher_round.png"), nullptr), "round")});
    tiles.push_back({"web", labelled(tileOf(load("web/icon-maskable-512.png"), &maskableMask), "maskable, 40 %")});
    tiles.push_back({"web", labelled(tileOf(load("web/icon-maskable-512.png"), &playMask), "maskable, square")});
    tiles.push_back({"web", labelled(tileOf(load("web/apple-touch-icon.png"), &iosMask), "apple-touch-icon")});
    return tiles;
}

// OUT.png with every platform, and OUT-<platform>.png with the source and that platform's tiles.
int sheet(int argc, char **argv)
{
    std::vector<std::vector<Tile>> rows;
    for (int i = 3; i + 1 < argc; i += 2)
        rows.push_back(row(argv[i], argv[i + 1]));
    const auto save = [&](const std::string &path, const std::string &platform) {
        std::vector<vips::VImage> images;
        int across = 0;
        for (const std::vector<Tile> &tiles : rows) {
            across = 0;
            for (const Tile &each : tiles)
                if (platform.empty() || each.platform.empty() || each.platform == platform) {
                    images.push_back(each.image);
                    ++across;
                }
        }
        vips::VImage out = vips::VImage::arrayjoin(images, vips::VImage::option()->set("across", across));
        out.pngsave(path.c_str(), vips::VImage::option()->set("compression", 9)->set("strip", true));
    };
    const std::string out = argv[2];
    save(out, "");
    const std::string stem = out.substr(0, out.size() - (out.ends_with(".png") ? 4 : 0));
    for (const char *platform : {"ios", "watchos", "macos", "android", "web"})
        save(stem + "-" + platform + ".png", platform);
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: iconsmith-placementview measure FOLDER\n"
                         "       iconsmith-placementview sheet OUT.png FOLDER SOURCE [FOLDER SOURCE ...]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (VIPS_INIT(argv[0]) != 0) {
        vips_error_exit(nullptr);
    }
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "measure" && argc == 3)
            return measure(argv[2]);
        if (command == "sheet" && argc >= 5 && argc % 2 == 1)
            return sheet(argc, argv);
        return usage();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "iconsmith-placementview: %s\n", e.what());
        return 1;
    }
}
