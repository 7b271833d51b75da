#include "resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace iconsmith {

namespace {

constexpr double lobes = 3.0;

double sinc(double x)
{
    if (std::abs(x) < 1e-9)
        return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

// Lanczos window over three lobes.
double kernel(double x)
{
    if (std::abs(x) >= lobes)
        return 0.0;
    return sinc(x) * sinc(x / lobes);
}

} // namespace

Resampler::Axis Resampler::Axis::make(int fromLength, int toLength)
{
    Axis axis;
    const double scale = double(fromLength) / double(toLength);
    // Reducing widens the filter so that it removes what the target cannot represent;
    // enlarging keeps it at its natural width.
    const double filterScale = std::max(scale, 1.0);
    const double support = lobes * filterScale;
    axis.stride = int(std::ceil(support * 2.0)) + 2;
    axis.first.resize(std::size_t(toLength));
    axis.count.resize(std::size_t(toLength));
    axis.weights.assign(std::size_t(toLength) * std::size_t(axis.stride), 0.0F);

    std::vector<double> taps(std::size_t(axis.stride));
    for (int i = 0; i < toLength; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        int first = std::max(0, int(std::floor(centre - support)) + 1);
        const int last = std::min(fromLength - 1, int(std::ceil(centre + support)) - 1);
        int count = std::max(0, last - first + 1);
        count = std::min(count, axis.stride);
        double sum = 0.0;
        for (int k = 0; k < count; ++k) {
            taps[std::size_t(k)] = kernel((first + k - centre) / filterScale);
            sum += taps[std::size_t(k)];
        }
        if (count == 0 || std::abs(sum) < 1e-12) {
            // Degenerate: fall back to the nearest source pixel.
            first = std::clamp(int(std::lround(centre)), 0, fromLength - 1);
            count = 1;
            taps[0] = 1.0;
            sum = 1.0;
        }
        axis.first[std::size_t(i)] = first;
        axis.count[std::size_t(i)] = count;
        float *weights = axis.weights.data() + std::size_t(i) * std::size_t(axis.stride);
        for (int k = 0; k < count; ++k)
            weights[k] = float(taps[std::size_t(k)] / sum);
    }
    return axis;
}

Resampler::Resampler(QSize from, QSize to, RowSink sink)
    : m_from(from), m_to(to), m_sink(std::move(sink)), m_scaleX(from.width() != to.width()),
      m_scaleY(from.height() != to.height())
{
    if (m_scaleX)
        m_horizontal = Axis::make(from.width(), to.width());
    if (m_scaleY) {
        m_vertical = Axis::make(from.height(), to.height());
        m_ringRows = m_vertical.maxCount();
        m_ring.resize(std::size_t(m_ringRows) * std::size_t(to.width()));
        m_out.resize(std::size_t(to.width()));
    } else if (m_scaleX) {
        m_out.resize(std::size_t(to.width()));
    }
}

void Resampler::filterRow(const Float4 *row, Float4 *out) const
{
    const int width = m_to.width();
    const int stride = m_horizontal.stride;
    for (int x = 0; x < width; ++x) {
        const Float4 *src = row + m_horizontal.first[std::size_t(x)];
        const float *w = m_horizontal.weights.data() + std::size_t(x) * std::size_t(stride);
        const int count = m_horizontal.count[std::size_t(x)];
        Float4 acc = splat(0.0F);
        for (int k = 0; k < count; ++k)
            acc += src[k] * w[k];
        out[x] = acc;
    }
}

void Resampler::pushRow(const Float4 *row)
{
    if (m_nextInputRow >= m_from.height())
        return;
    const int y = m_nextInputRow++;
    const int width = m_to.width();
    if (!m_scaleY) {
        if (m_scaleX) {
            filterRow(row, m_out.data());
            m_sink(y, m_out.data());
        } else {
            m_sink(y, row);
        }
        m_nextOutputRow = m_nextInputRow;
        return;
    }
    Float4 *slot = m_ring.data() + std::size_t(y % m_ringRows) * std::size_t(width);
    if (m_scaleX)
        filterRow(row, slot);
    else
        std::copy(row, row + width, slot);
    emitReadyRows();
}

void Resampler::emitReadyRows()
{
    const int width = m_to.width();
    while (m_nextOutputRow < m_to.height()) {
        const auto index = std::size_t(m_nextOutputRow);
        const int first = m_vertical.first[index];
        const int count = m_vertical.count[index];
        if (first + count > m_nextInputRow)
            return;
        const float *w = m_vertical.weights.data() + index * std::size_t(m_vertical.stride);
        std::fill(m_out.begin(), m_out.end(), splat(0.0F));
        Float4 *out = m_out.data();
        for (int k = 0; k < count; ++k) {
            const Float4 *src = m_ring.data() + std::size_t((first + k) % m_ringRows) * std::size_t(width);
            const float weight = w[k];
            for (int x = 0; x < width; ++x)
                out[x] += src[x] * weight;
        }
        m_sink(m_nextOutputRow, out);
        ++m_nextOutputRow;
    }
}

PixelBuffer Resampler::resample(const PixelBuffer &from, QSize to)
{
    PixelBuffer result(to);
    Resampler resampler(from.size(), to, [&result](int y, const Float4 *row) {
        std::copy(row, row + result.width(), result.row(y));
    });
    for (int y = 0; y < from.height(); ++y)
        resampler.pushRow(from.row(y));
    return result;
}

} // namespace iconsmith
