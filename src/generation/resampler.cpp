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

namespace {

// Mirrors an index that falls outside [0, length) back into it without repeating the edge
// pixel (..., 2, 1, 0, 1, 2, ...). Unlike cutting the filter off at the edge, this keeps fine
// detail near the border as fine as it is inside, so the filter still removes it.
int reflect(int index, int length)
{
    if (length == 1)
        return 0;
    const int period = 2 * (length - 1);
    index %= period;
    if (index < 0)
        index += period;
    return index < length ? index : period - index;
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
    const int span = int(std::ceil(support * 2.0)) + 2;
    axis.stride = std::min(span, fromLength);
    axis.first.resize(std::size_t(toLength));
    axis.count.resize(std::size_t(toLength));
    axis.weights.assign(std::size_t(toLength) * std::size_t(axis.stride), 0.0F);

    std::vector<double> gathered(std::size_t(fromLength), 0.0);
    for (int i = 0; i < toLength; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        const int from = int(std::floor(centre - support)) + 1;
        const int to = int(std::ceil(centre + support)) - 1;
        int low = fromLength;
        int high = -1;
        double sum = 0.0;
        for (int j = from; j <= to; ++j) {
            const double weight = kernel((j - centre) / filterScale);
            if (weight == 0.0)
                continue;
            const int index = reflect(j, fromLength);
            gathered[std::size_t(index)] += weight;
            low = std::min(low, index);
            high = std::max(high, index);
            sum += weight;
        }
        if (high < low || std::abs(sum) < 1e-12) {
            // Degenerate: fall back to the nearest source pixel.
            std::fill(gathered.begin(), gathered.end(), 0.0);
            low = high = std::clamp(int(std::lround(centre)), 0, fromLength - 1);
            gathered[std::size_t(low)] = sum = 1.0;
        }
        // Reflection keeps the taps within the filter's span, so they fit the stride.
        const int kept = std::min(high, low + axis.stride - 1);
        axis.first[std::size_t(i)] = low;
        axis.count[std::size_t(i)] = kept - low + 1;
        float *weights = axis.weights.data() + std::size_t(i) * std::size_t(axis.stride);
        for (int k = low; k <= high; ++k) {
            if (k <= kept)
                weights[k - low] = float(gathered[std::size_t(k)] / sum);
            gathered[std::size_t(k)] = 0.0;
        }
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
    Resampler resampler(from.size(), to,
                        [&result](int y, const Float4 *row) { std::copy(row, row + result.width(), result.row(y)); });
    for (int y = 0; y < from.height(); ++y)
        resampler.pushRow(from.row(y));
    return result;
}

} // namespace iconsmith
