// iconsmith-imagemetrics: the quality figures of the peer comparison, one number on stdout.
//
//   iconsmith-imagemetrics alias SOURCE_SIZE RESULT.png [CUTOFF]
//                                                         alias RMS of a zone plate reduction, over the
//                                                         pixels at or above CUTOFF cycles a pixel (0.65)
//   iconsmith-imagemetrics psnr SOURCE.png RESULT.png     PSNR against the premultiplied box average
//   iconsmith-imagemetrics fringe RESULT.png              darkest colour sample that shows

#include "metrics.h"

#include <vips/vips8>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace iconsmith::bench;

int usage()
{
    std::fprintf(stderr, "usage: iconsmith-imagemetrics alias SOURCE_SIZE RESULT.png [CUTOFF]\n"
                         "       iconsmith-imagemetrics psnr SOURCE.png RESULT.png\n"
                         "       iconsmith-imagemetrics fringe RESULT.png\n");
    return 2;
}

int run(const std::string &command, int argc, char **argv)
{
    if (command == "alias" && (argc == 4 || argc == 5)) {
        const int sourceSize = std::atoi(argv[2]);
        const double cutoff = argc == 5 ? std::atof(argv[4]) : 0.65;
        if (sourceSize <= 0 || cutoff <= 0.0) {
            return usage();
        }
        std::printf("%.3f\n", aliasRms(loadRgba(argv[3]), sourceSize, cutoff));
        return 0;
    }
    if (command == "psnr" && argc == 4) {
        const double psnr = psnrAgainstBoxAverage(loadRgba(argv[2]), loadRgba(argv[3]));
        if (std::isinf(psnr)) {
            std::printf("inf\n");
        } else {
            std::printf("%.3f\n", psnr);
        }
        return 0;
    }
    if (command == "fringe" && argc == 3) {
        std::printf("%d\n", fringeMinimum(loadRgba(argv[2])));
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char **argv)
{
    if (VIPS_INIT(argv[0]) != 0) {
        vips_error_exit("cannot start libvips");
    }
    if (argc < 2) {
        return usage();
    }
    try {
        return run(argv[1], argc, argv);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "iconsmith-imagemetrics: %s\n", error.what());
        return 1;
    }
}
