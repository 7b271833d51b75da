#pragma once

#include <array>

namespace iconsmith {

/**
 * The filter kernels of the resampler, as functions of the distance in target pixels.
 *
 * Reducing uses a kernel designed for icons: its frequency response follows that of averaging
 * each target pixel's footprint (what a reduced picture is expected to look like) up to 0.35
 * cycles per pixel, then falls smoothly to nothing at 0.6, so detail the target cannot hold is
 * removed instead of folding back as moiré. It is shaped by a Kaiser window two and a half
 * pixels either side: shorter than Lanczos-3, sharper than the filters that alias as little,
 * and with less leakage. Enlarging uses Lanczos-3.
 */
class ResamplingKernel
{
public:
    /** Half-width of the reduction kernel, in target pixels. */
    static constexpr double reductionSupport = 2.5;
    /** Half-width of Lanczos-3, in source pixels. */
    static constexpr double lanczosSupport = 3.0;

    /** The reduction kernel at @p x; not normalised (the resampler normalises each pixel's weights). */
    static double reduction(double x);
    /** Lanczos-3 at @p x. */
    static double lanczos3(double x);

    /** Where the reduction kernel's response starts to fall, and where it reaches zero (cycles per target pixel). */
    static constexpr double passbandEdge = 0.35;
    static constexpr double stopbandEdge = 0.6;
    static constexpr double kaiserBeta = 5.0;

private:
    static constexpr int tableSize = 2048;
    using Table = std::array<double, tableSize + 1>;
    static const Table &reductionTable();
    static Table makeReductionTable();
};

} // namespace iconsmith
