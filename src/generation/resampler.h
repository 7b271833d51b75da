#pragma once

#include <QSize>

#include <functional>
#include <vector>

#include "float4.h"
#include "pixelbuffer.h"

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
        [[nodiscard]] int maxCount() const { return stride; }
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
};

} // namespace iconsmith
