#pragma once

#include <QSize>

#include <cstdint>
#include <functional>
#include <vector>

#include "imaging/float4.h"
#include "imaging/pixelbuffer.h"

namespace iconsmith {

/**
 * Resizes premultiplied RGBA rows with a separable windowed-sinc filter (see ResamplingKernel).
 *
 * When reducing, the filter is widened by the reduction factor, so every source pixel
 * contributes and detail finer than the target can hold is removed rather than folded back as
 * moiré. Each result is kept within the range of the source pixels under its footprint, which
 * removes the filter's overshoot at sharp edges. Borders are extended by mirroring. Rows are
 * pushed in order and come out in order as soon as the rows they need have arrived, so a large
 * source can stream through without ever being held whole.
 */
class Resampler
{
public:
    /** Receives each finished target row, top to bottom. The row is valid only during the call. */
    using RowSink = std::function<void(int y, const Float4 *row)>;

    Resampler(QSize from, QSize to, RowSink sink);

    /** Pushes the next source row (from.width() pixels). */
    void pushRow(const Float4 *row);
    /**
     * Pushes the next source row as 8-bit RGBA with straight alpha, premultiplying it first.
     * Returns whether any pixel of the row is less than opaque.
     */
    bool pushRow(const std::uint8_t *rgba);

    /**
     * The weights of one axis: for each target pixel, the first source pixel and its run of
     * weights, and the source pixels of its footprint.
     */
    struct Axis
    {
        std::vector<int> first;
        std::vector<int> count;
        std::vector<float> weights;
        std::vector<Float4> splatWeights; // the same weights, each in all four lanes
        std::vector<int> boxFirst;
        std::vector<int> boxLast;
        int stride = 0;

        static Axis make(int fromLength, int toLength);
    };

private:
    void filterRow(const Float4 *row, Float4 *out) const;
    void emitReadyRows();

    QSize m_from;
    QSize m_to;
    RowSink m_sink;
    Axis m_horizontal;
    Axis m_vertical;
    bool m_scaleX;
    bool m_scaleY;
    int m_nextInputRow = 0;
    int m_nextOutputRow = 0;
    int m_ringRows = 0;
    std::vector<Float4> m_ring; // the last m_ringRows horizontally filtered rows
    std::vector<Float4> m_out;  // one target row
    std::vector<Float4> m_in;   // one premultiplied source row, for 8-bit input
};

} // namespace iconsmith
