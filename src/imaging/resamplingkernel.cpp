#include "imaging/resamplingkernel.h"

#include <cmath>
#include <numbers>

namespace iconsmith {

namespace {

double sinc(double x)
{
    if (std::abs(x) < 1e-12)
        return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

// The modified Bessel function of the first kind, order zero, by its power series.
double besselI0(double x)
{
    double sum = 1.0;
    double term = 1.0;
    for (int k = 1; k < 64 && term > 1e-17 * sum; ++k) {
        const double half = x / (2.0 * k);
        term *= half * half;
        sum += term;
    }
    return sum;
}

// The wanted frequency response: that of a one-pixel box (sinc) up to the passband edge, then
// a raised-cosine fall to zero at the stopband edge.
double response(double f)
{
    const double pass = ResamplingKernel::passbandEdge;
    const double stop = ResamplingKernel::stopbandEdge;
    if (f <= pass)
        return sinc(f);
    if (f >= stop)
        return 0.0;
    return sinc(f) * 0.5 * (1.0 + std::cos(std::numbers::pi * (f - pass) / (stop - pass)));
}

} // namespace

ResamplingKernel::Table ResamplingKernel::makeReductionTable()
{
    // The kernel is the inverse Fourier transform of the response, 2·∫ H(f)·cos(2πfx) df over
    // [0, stopbandEdge], by Simpson's rule; the cosines of each frequency are stepped through
    // the table by rotation, so building it costs no more than a few hundred thousand multiplies.
    constexpr int intervals = 256;
    const double df = stopbandEdge / intervals;
    const double dx = reductionSupport / tableSize;
    Table table{};
    for (int n = 0; n <= intervals; ++n) {
        const double f = n * df;
        const double simpson = (n == 0 || n == intervals) ? 1.0 : (n % 2 == 1 ? 4.0 : 2.0);
        const double amplitude = 2.0 * response(f) * simpson * df / 3.0;
        const double step = 2.0 * std::numbers::pi * f * dx;
        const double stepCos = std::cos(step);
        const double stepSin = std::sin(step);
        double c = 1.0;
        double s = 0.0;
        for (int i = 0; i <= tableSize; ++i) {
            table[std::size_t(i)] += amplitude * c;
            const double next = c * stepCos - s * stepSin;
            s = s * stepCos + c * stepSin;
            c = next;
        }
    }
    const double windowScale = besselI0(kaiserBeta);
    for (int i = 0; i <= tableSize; ++i) {
        const double t = double(i) / tableSize;
        table[std::size_t(i)] *= besselI0(kaiserBeta * std::sqrt(std::max(0.0, 1.0 - t * t))) / windowScale;
    }
    return table;
}

const ResamplingKernel::Table &ResamplingKernel::reductionTable()
{
    static const Table table = makeReductionTable();
    return table;
}

double ResamplingKernel::reduction(double x)
{
    const double position = std::abs(x) / reductionSupport * tableSize;
    if (position >= tableSize)
        return 0.0;
    const auto index = std::size_t(position);
    const double fraction = position - double(index);
    const Table &table = reductionTable();
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

double ResamplingKernel::lanczos3(double x)
{
    if (std::abs(x) >= lanczosSupport)
        return 0.0;
    return sinc(x) * sinc(x / lanczosSupport);
}

} // namespace iconsmith
