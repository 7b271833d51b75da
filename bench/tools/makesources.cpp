// iconsmith-makesources OUTDIR [NAME...]
//
// Writes the raster sources of the peer comparison into OUTDIR, or only the NAMEs given
// (e.g. photo-1024.png). The pictures are procedural, so the files are the same bytes on every
// run and nothing large has to live in the repository. logo.svg is hand-written and lives in
// bench/sources; bench/compare copies it beside these.

#include "picture.h"
#include "texture.h"

#include <vips/vips8>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using iconsmith::bench::Raster;

struct Source
{
    std::string name;
    std::function<Raster(int threads)> make;
};

std::vector<Source> sources()
{
    using iconsmith::bench::makeLandscape;
    using iconsmith::bench::makeZonePlate;
    return {
        {"photo-1024.png", [](int threads) { return makeLandscape(1024, true, threads); }},
        {"opaque-1024.png", [](int threads) { return makeLandscape(1024, false, threads); }},
        {"photo-4096.png", [](int threads) { return makeLandscape(4096, true, threads); }},
        {"photo-8192.png", [](int threads) { return makeLandscape(8192, true, threads); }},
        {"zoneplate-1024.png", [](int) { return makeZonePlate(1024); }},
        {"texture-1024.png", [](int) { return iconsmith::bench::makePinkNoise(1024); }},
        {"hairlines-1024.png", [](int) { return iconsmith::bench::makeHairlines(1024); }},
    };
}

void savePng(const Raster &raster, const std::filesystem::path &path)
{
    const auto interpretation = raster.bands < 3 ? VIPS_INTERPRETATION_B_W : VIPS_INTERPRETATION_sRGB;
    // new_from_memory does not copy: the raster outlives the save below.
    vips::VImage image =
        vips::VImage::new_from_memory(const_cast<std::uint8_t *>(raster.samples.data()), raster.samples.size(),
                                      raster.width, raster.height, raster.bands, VIPS_FORMAT_UCHAR);
    image = image.copy(vips::VImage::option()->set("interpretation", interpretation));
    image.pngsave(path.c_str(), vips::VImage::option()->set("compression", 6)->set("strip", true));
}

bool wanted(const std::string &name, const std::vector<std::string> &only)
{
    return only.empty() || std::find(only.begin(), only.end(), name) != only.end();
}

} // namespace

int main(int argc, char **argv)
{
    if (VIPS_INIT(argv[0]) != 0) {
        vips_error_exit("cannot start libvips");
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: iconsmith-makesources OUTDIR [NAME...]\n");
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    const std::vector<std::string> only(argv + 2, argv + argc);
    const int threads = int(std::max(1U, std::thread::hardware_concurrency()));

    try {
        std::filesystem::create_directories(outDir);
        int written = 0;
        for (const Source &source : sources()) {
            if (!wanted(source.name, only)) {
                continue;
            }
            savePng(source.make(threads), outDir / source.name);
            std::printf("%s\n", (outDir / source.name).c_str());
            ++written;
        }
        if (written == 0) {
            std::fprintf(stderr, "iconsmith-makesources: no source matches the names given\n");
            return 2;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "iconsmith-makesources: %s\n", error.what());
        return 1;
    }
    return 0;
}
