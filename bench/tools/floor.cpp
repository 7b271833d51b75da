// iconsmith-floor SOURCE
//
// The floor of the peer comparison: about the least work any program can do to write the iPhone +
// iPad set. It decodes the source once, then for every output takes a nearest-neighbour subsample
// as 8-bit RGBA and compresses it as one zlib stream at level 6, on one thread. No filtering, no
// PNG framing, nothing written to disk: a real tool does all of that and more, so its time
// should sit above this one. Prints the in-process time, from before the decode to after the last
// stream, and the zlib bytes of the distinct files.

#include <vips/vips8>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Output
{
    const char *name;
    int size;
};

// The set is written as an iPhone pass then an iPad pass: a name in both is written twice.
// bench/compare holds the same lists for the peers and checks the counts printed below against them.
constexpr Output kIphonePass[] = {
    {"Icon-20@2x.png", 40},  {"Icon-20@3x.png", 60},  {"Icon-29@2x.png", 58},
    {"Icon-29@3x.png", 87},  {"Icon-40@2x.png", 80},  {"Icon-40@3x.png", 120},
    {"Icon-60@2x.png", 120}, {"Icon-60@3x.png", 180}, {"ios-marketing.png", 1024},
};
constexpr Output kIpadPass[] = {
    {"Icon-20.png", 20},       {"Icon-20@2x.png", 40},      {"Icon-29.png", 29}, {"Icon-29@2x.png", 58},
    {"Icon-40.png", 40},       {"Icon-40@2x.png", 80},      {"Icon-76.png", 76}, {"Icon-76@2x.png", 152},
    {"Icon-83_5@2x.png", 167}, {"ios-marketing.png", 1024},
};

struct Decoded
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

Decoded decodeRgba(const char *path)
{
    vips::VImage image =
        vips::VImage::new_from_file(path, vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
    if (image.bands() < 3) {
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    }
    if (!image.has_alpha()) {
        image = image.bandjoin_const({255});
    }
    image = image.cast(VIPS_FORMAT_UCHAR);
    size_t bytes = 0;
    void *memory = image.write_to_memory(&bytes);
    Decoded decoded{image.width(), image.height(), {}};
    const auto *begin = static_cast<const std::uint8_t *>(memory);
    decoded.rgba.assign(begin, begin + bytes);
    g_free(memory);
    return decoded;
}

std::vector<std::uint8_t> nearestSubsample(const Decoded &source, int size)
{
    std::vector<int> columns(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        columns[std::size_t(i)] = std::min(source.width - 1, int((i + 0.5) * source.width / size));
    }
    std::vector<std::uint8_t> pixels(std::size_t(size) * std::size_t(size) * 4);
    std::uint8_t *out = pixels.data();
    for (int j = 0; j < size; ++j) {
        const int row = std::min(source.height - 1, int((j + 0.5) * source.height / size));
        const std::uint8_t *in = source.rgba.data() + std::size_t(row) * std::size_t(source.width) * 4;
        for (const int column : columns) {
            std::copy_n(in + std::size_t(column) * 4, 4, out);
            out += 4;
        }
    }
    return pixels;
}

uLongf deflateSize(const std::vector<std::uint8_t> &pixels)
{
    std::vector<Bytef> stream(compressBound(uLong(pixels.size())));
    uLongf length = stream.size();
    if (compress2(stream.data(), &length, pixels.data(), uLong(pixels.size()), 6) != Z_OK) {
        throw std::runtime_error("zlib failed");
    }
    return length;
}

} // namespace

int main(int argc, char **argv)
{
    if (VIPS_INIT(argv[0]) != 0) {
        vips_error_exit("cannot start libvips");
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconsmith-floor SOURCE\n");
        return 2;
    }
    // One thread throughout, decode included: this is the floor of a single-threaded writer.
    vips_concurrency_set(1);

    try {
        const auto start = std::chrono::steady_clock::now();
        const Decoded source = decodeRgba(argv[1]);
        std::set<std::string> distinct;
        unsigned long long distinctBytes = 0;
        std::size_t outputs = 0;
        for (const std::span<const Output> pass :
             {std::span<const Output>(kIphonePass), std::span<const Output>(kIpadPass)}) {
            for (const Output &output : pass) {
                const uLongf bytes = deflateSize(nearestSubsample(source, output.size));
                if (distinct.insert(output.name).second) {
                    distinctBytes += bytes;
                }
                ++outputs;
            }
        }
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("in_process_ms %.1f\noutputs %zu\ndistinct %zu\nzlib_bytes %llu\n", elapsed.count(), outputs,
                    distinct.size(), distinctBytes);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "iconsmith-floor: %s\n", error.what());
        return 1;
    }
    return 0;
}
