#include "generation/renderpipeline.h"

#include <algorithm>

#include "codec/pngencoder.h"
#include "common/cancelled.h"
#include "imaging/iconrenderer.h"

namespace iconsmith {

RenderPipeline::RenderPipeline(SourceImage source, TaskPool &pool, std::stop_token stop)
    : m_source(std::move(source)), m_pool(pool), m_stop(std::move(stop)), m_renders(pool)
{}

void RenderPipeline::prefetch(const QList<RenderRequest> &requests)
{
    if (!m_source.isVector()) {
        QSize largest(1, 1);
        for (const RenderRequest &request : requests)
            largest = largest.expandedTo(request.pixels);
        try {
            masterCovering(largest);
        } catch (...) {
            // Kept in m_masterError; each request reports it when it is asked for.
        }
    }
    // Largest first: the biggest file takes longest to compress, so it should start first.
    QList<RenderRequest> ordered = requests;
    std::stable_sort(ordered.begin(), ordered.end(), [](const RenderRequest &a, const RenderRequest &b) {
        return qint64(a.pixels.width()) * a.pixels.height() > qint64(b.pixels.width()) * b.pixels.height();
    });
    for (const RenderRequest &request : ordered)
        start(request);
}

QByteArray RenderPipeline::png(const RenderRequest &request)
{
    Cancelled::throwIfRequested(m_stop);
    const std::shared_future<QByteArray> job = start(request);
    m_renders.wait(job);
    return job.get();
}

std::shared_future<QByteArray> RenderPipeline::start(const RenderRequest &request)
{
    if (const auto found = m_jobs.find(request); found != m_jobs.end())
        return found->second;

    std::shared_future<QByteArray> job;
    if (m_source.isVector()) {
        job = m_renders.submit([this, source = m_source, request, pool = &m_pool, stop = m_stop] {
            // A queued render that a stop overtook ends before it begins.
            Cancelled::throwIfRequested(stop);
            const PixelBuffer picture = source.renderVector(request.pixels);
            if (picture.hasTransparency())
                m_sourceTransparent = true;
            return PngEncoder::encode(IconRenderer::render(picture, request, stop), pool, stop);
        });
    } else {
        std::shared_ptr<const Bitmap> master;
        try {
            master = masterCovering(request.pixels);
        } catch (...) {
            std::promise<QByteArray> failed;
            failed.set_exception(std::current_exception());
            job = failed.get_future().share();
            m_jobs.emplace(request, job);
            return job;
        }
        job = m_renders.submit([master, request, pool = &m_pool, stop = m_stop] {
            Cancelled::throwIfRequested(stop);
            return PngEncoder::encode(IconRenderer::render(*master, request, stop), pool, stop);
        });
    }
    m_jobs.emplace(request, job);
    return job;
}

std::shared_ptr<const Bitmap> RenderPipeline::masterCovering(QSize size)
{
    if (m_masterError)
        std::rethrow_exception(m_masterError);
    // The master must hold at least the requested detail on each axis, unless it already holds
    // all the source has.
    const bool covers = m_master && (m_master->width() >= size.width() || m_master->width() >= m_decodedSize.width()) &&
                        (m_master->height() >= size.height() || m_master->height() >= m_decodedSize.height());
    if (!covers) {
        try {
            buildMaster(m_master ? size.expandedTo(m_master->size()) : size);
        } catch (...) {
            m_masterError = std::current_exception();
            throw;
        }
    }
    return m_master;
}

void RenderPipeline::buildMaster(QSize covering)
{
    m_decodedSize = m_source.decodedSize(covering);
    const QSize masterSize = m_decodedSize.boundedTo(covering.expandedTo(QSize(1, 1)));
    auto master = std::make_shared<Bitmap>(masterSize, 4);
    bool transparent = false;
    const std::size_t rowBytes = master->bytesPerRow();
    if (masterSize == m_decodedSize) {
        m_source.decode(covering, [&](int y, const std::uint8_t *rgba) {
            Cancelled::throwIfRequested(m_stop);
            std::copy_n(rgba, rowBytes, master->row(y));
        });
        for (int y = 0; y < masterSize.height() && !transparent; ++y) {
            const std::uint8_t *row = master->row(y);
            for (std::size_t x = 3; x < rowBytes; x += 4)
                transparent = transparent || row[x] != 255;
        }
    } else {
        // A source much larger than anything asked for is reduced while it streams in.
        transparent = m_source.reduce(masterSize, [this, &master](int y, const Float4 *row) {
            Cancelled::throwIfRequested(m_stop);
            PixelBuffer::unpremultiplyRow(row, master->width(), master->row(y));
        });
    }
    if (transparent)
        m_sourceTransparent = true;
    m_master = std::move(master);
}

} // namespace iconsmith
