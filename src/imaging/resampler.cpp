#include "imaging/resampler.h"

#include "imaging/resamplingkernel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace iconsmith {

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

// Keeps a filtered value within the range of the pixels under its footprint. A windowed-sinc
// filter overshoots next to sharp edges (halos, dark rims around a bright shape); the footprint
// of a target pixel never holds values outside its own range, so clamping removes the
// overshoot while leaving smooth areas and fine texture, whose range is wide, untouched.
Float4 clampToFootprint(Float4 value, const Float4 *footprint, int count)
{
    Float4 low = footprint[0];
    Float4 high = footprint[0];
    for (int k = 1; k < count; ++k) {
        low = min4(low, footprint[k]);
        high = max4(high, footprint[k]);
    }
    return min4(max4(value, low), high);
}

} // namespace

Resampler::Axis Resampler::Axis::make(int fromLength, int toLength)
{
    Axis axis;
    const double scale = double(fromLength) / double(toLength);
    const bool reducing = scale > 1.0;
    // Reducing widens the filter by the factor so that it removes what the target cannot hold;
    // enlarging keeps it at its natural width.
    const double filterScale = std::max(scale, 1.0);
    const double support =
        (reducing ? ResamplingKernel::reductionSupport : ResamplingKernel::lanczosSupport) * filterScale;
    const auto kernel = reducing ? &ResamplingKernel::reduction : &ResamplingKernel::lanczos3;
    axis.stride = std::min(int(std::ceil(support * 2.0)) + 2, fromLength);
    axis.first.resize(std::size_t(toLength));
    axis.count.resize(std::size_t(toLength));
    axis.boxFirst.resize(std::size_t(toLength));
    axis.boxLast.resize(std::size_t(toLength));
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

        // The footprint: the source pixels the target pixel covers when reducing, the two
        // nearest when enlarging.
        const int boxFirst = reducing ? int(std::floor(i * scale)) : int(std::floor(centre));
        const int boxLast = reducing ? int(std::ceil((i + 1) * scale)) - 1 : boxFirst + 1;
        axis.boxFirst[std::size_t(i)] = std::clamp(boxFirst, low, kept);
        axis.boxLast[std::size_t(i)] = std::clamp(boxLast, axis.boxFirst[std::size_t(i)], kept);
    }
    axis.splatWeights.resize(axis.weights.size());
    std::transform(axis.weights.begin(), axis.weights.end(), axis.splatWeights.begin(), splat);
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
        m_ringRows = m_vertical.stride;
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
        const Float4 *w = m_horizontal.splatWeights.data() + std::size_t(x) * std::size_t(stride);
        const int count = m_horizontal.count[std::size_t(x)];
        // Four accumulators, so that each addition need not wait for the one before.
        Float4 acc0 = splat(0.0F);
        Float4 acc1 = acc0;
        Float4 acc2 = acc0;
        Float4 acc3 = acc0;
        int k = 0;
        for (; k + 4 <= count; k += 4) {
            acc0 += src[k] * w[k];
            acc1 += src[k + 1] * w[k + 1];
            acc2 += src[k + 2] * w[k + 2];
            acc3 += src[k + 3] * w[k + 3];
        }
        for (; k < count; ++k)
            acc0 += src[k] * w[k];
        const Float4 acc = (acc0 + acc1) + (acc2 + acc3);
        out[x] = clampToFootprint(acc, row + m_horizontal.boxFirst[std::size_t(x)],
                                  m_horizontal.boxLast[std::size_t(x)] - m_horizontal.boxFirst[std::size_t(x)] + 1);
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

bool Resampler::pushRow(const std::uint8_t *rgba)
{
    m_in.resize(std::size_t(m_from.width()));
    PixelBuffer::premultiplyRow(rgba, m_from.width(), m_in.data());
    const bool transparent = PixelBuffer::hasTransparency(m_in.data(), m_from.width());
    pushRow(m_in.data());
    return transparent;
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
        const int boxFirst = m_vertical.boxFirst[index];
        const int boxRows = m_vertical.boxLast[index] - boxFirst + 1;
        for (int x = 0; x < width; ++x) {
            Float4 low = m_ring[std::size_t(boxFirst % m_ringRows) * std::size_t(width) + std::size_t(x)];
            Float4 high = low;
            for (int r = 1; r < boxRows; ++r) {
                const Float4 v = m_ring[std::size_t((boxFirst + r) % m_ringRows) * std::size_t(width) + std::size_t(x)];
                low = min4(low, v);
                high = max4(high, v);
            }
            out[x] = min4(max4(out[x], low), high);
        }
        m_sink(m_nextOutputRow, out);
        ++m_nextOutputRow;
    }
}

} // namespace iconsmith
