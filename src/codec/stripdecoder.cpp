#include "codec/stripdecoder.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "codec/vipsrows.h"
#include "common/taskpool.h"

namespace iconsmith {

namespace {

constexpr int stripRows = 16;

struct Strip
{
    int firstRow = 0;
    int rows = 0;
    std::vector<std::uint8_t> pixels;
};

// Why the decoding worker stopped. It crosses threads as a copy of the message, never as the
// worker's own exception object, so each thread only ever touches exceptions it threw itself.
struct DecodeFailure
{
    std::string message;
    bool outOfMemory = false;

    [[noreturn]] void raise() const
    {
        if (outOfMemory)
            throw std::bad_alloc();
        throw vips::VError(message);
    }
};

// Strips handed from the decoding worker to the consumer, a few at a time.
class StripQueue
{
public:
    // Buffers come back for reuse: fresh memory costs a page fault per page on first touch.
    std::vector<std::uint8_t> takeBuffer(std::size_t size)
    {
        const std::lock_guard lock(m_mutex);
        std::vector<std::uint8_t> buffer;
        if (!m_spare.empty()) {
            buffer = std::move(m_spare.back());
            m_spare.pop_back();
        }
        buffer.resize(size);
        return buffer;
    }
    void giveBack(std::vector<std::uint8_t> buffer)
    {
        const std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(buffer));
    }
    // False when the consumer gave up and wants no more.
    bool push(Strip strip)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_strips.size() < capacity || m_abandoned; });
        if (m_abandoned)
            return false;
        m_strips.push_back(std::move(strip));
        m_changed.notify_all();
        return true;
    }
    // False once the producer has finished and every strip was taken.
    bool pop(Strip &strip)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_strips.empty() || m_finished; });
        if (m_strips.empty())
            return false;
        strip = std::move(m_strips.front());
        m_strips.pop_front();
        m_changed.notify_all();
        return true;
    }
    void finish(std::optional<DecodeFailure> failure)
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_failure = std::move(failure);
        m_changed.notify_all();
    }
    void abandon()
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
        m_strips.clear();
        m_changed.notify_all();
    }
    [[nodiscard]] std::optional<DecodeFailure> failure()
    {
        const std::lock_guard lock(m_mutex);
        return m_failure;
    }

private:
    static constexpr std::size_t capacity = 4;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Strip> m_strips;
    std::vector<std::vector<std::uint8_t>> m_spare;
    bool m_finished = false;
    bool m_abandoned = false;
    std::optional<DecodeFailure> m_failure;
};

// Decodes every strip of @p image into a buffer from @p take and hands it to @p deliver, until
// the image ends or deliver answers false.
void decodeStrips(const vips::VImage &image, const std::function<std::vector<std::uint8_t>(std::size_t)> &take,
                  const std::function<bool(Strip)> &deliver)
{
    const int width = image.width();
    const int height = image.height();
    const int bands = image.bands();
    const std::size_t rowBytes = std::size_t(width) * 4;
    vips::VRegion region = vips::VRegion::new_from_image(image);
    for (int top = 0; top < height; top += stripRows) {
        const int rows = std::min(stripRows, height - top);
        region.prepare(0, top, width, rows);
        Strip strip{top, rows, take(rowBytes * std::size_t(rows))};
        for (int r = 0; r < rows; ++r)
            VipsRows::copyAsRgba(region.addr(0, top + r), width, bands,
                                 strip.pixels.data() + std::size_t(r) * rowBytes);
        if (!deliver(std::move(strip)))
            return;
    }
}

void deliverRows(const Strip &strip, std::size_t rowBytes, const StripDecoder::RowSink &sink)
{
    for (int r = 0; r < strip.rows; ++r)
        sink(strip.firstRow + r, strip.pixels.data() + std::size_t(r) * rowBytes);
}

// What the decoding worker and the consumer share; the worker holds it until it is done.
struct Shared
{
    vips::VImage image;
    StripQueue queue;
};

} // namespace

void StripDecoder::run(const vips::VImage &image, const RowSink &sink, TaskPool &pool)
{
    const std::size_t rowBytes = std::size_t(image.width()) * 4;
    auto shared = std::make_shared<Shared>();
    shared->image = image;
    const bool beside = pool.tryStartNow([shared] {
        std::optional<DecodeFailure> failure;
        try {
            decodeStrips(
                shared->image, [&](std::size_t size) { return shared->queue.takeBuffer(size); },
                [&](Strip strip) { return shared->queue.push(std::move(strip)); });
        } catch (const std::bad_alloc &) {
            failure = DecodeFailure{{}, true};
        } catch (const std::exception &error) {
            failure = DecodeFailure{error.what()};
        }
        shared->queue.finish(std::move(failure));
    });

    if (!beside) {
        std::vector<std::uint8_t> buffer;
        decodeStrips(
            image,
            [&](std::size_t size) {
                std::vector<std::uint8_t> reused = std::move(buffer);
                reused.resize(size);
                return reused;
            },
            [&](Strip strip) {
                deliverRows(strip, rowBytes, sink);
                buffer = std::move(strip.pixels);
                return true;
            });
        return;
    }

    Strip strip;
    try {
        while (shared->queue.pop(strip)) {
            deliverRows(strip, rowBytes, sink);
            shared->queue.giveBack(std::move(strip.pixels));
        }
    } catch (...) {
        // The worker stops at its next strip; wait for it, so nothing decodes on after this.
        shared->queue.abandon();
        while (shared->queue.pop(strip)) {
        }
        throw;
    }
    if (const std::optional<DecodeFailure> failure = shared->queue.failure())
        failure->raise();
}

} // namespace iconsmith
