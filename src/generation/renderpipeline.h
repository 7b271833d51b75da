#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>

#include <atomic>
#include <future>
#include <map>
#include <memory>
#include <stop_token>

#include "codec/sourceimage.h"
#include "common/taskgroup.h"
#include "imaging/bitmap.h"
#include "imaging/renderrequest.h"

namespace iconsmith {

/**
 * The renders of one generation action, shared and run ahead on all cores.
 *
 * The source is decoded once; when it is much larger than anything asked for, it is reduced
 * while it streams in to the largest size needed (the master), and every other size is
 * rendered from that. Each distinct request is rendered and encoded once, however many files
 * ask for it, so the files that share a size share one render.
 *
 * Once a stop is requested through the pipeline's token no further render starts, the renders
 * and decodes in progress end at their next row or band, and every request answers Cancelled.
 */
class RenderPipeline
{
public:
    RenderPipeline(SourceImage source, TaskPool &pool, std::stop_token stop = {});
    ~RenderPipeline() = default;
    RenderPipeline(const RenderPipeline &) = delete;
    RenderPipeline &operator=(const RenderPipeline &) = delete;

    /** Starts every request of the action at once, so the work overlaps. */
    void prefetch(const QList<RenderRequest> &requests);
    /**
     * The PNG bytes of one request; waits for it. Throws ImageError when the source cannot be
     * read, Cancelled once a stop was requested.
     */
    QByteArray png(const RenderRequest &request);
    /** Whether the source, as decoded or drawn so far, has any pixel that is less than opaque. */
    [[nodiscard]] bool sourceHasTransparency() const { return m_sourceTransparent.load(); }

private:
    std::shared_future<QByteArray> start(const RenderRequest &request);
    std::shared_ptr<const Bitmap> masterCovering(QSize size);
    void buildMaster(QSize covering);

    SourceImage m_source;
    TaskPool &m_pool;
    std::stop_token m_stop;
    // The decoded source, or its reduction, as 8-bit RGBA: a quarter of the memory of floats.
    std::shared_ptr<const Bitmap> m_master;
    QSize m_decodedSize;
    std::exception_ptr m_masterError;
    std::map<RenderRequest, std::shared_future<QByteArray>> m_jobs;
    std::atomic<bool> m_sourceTransparent{false};
    // Last, so that it is destroyed first: its destructor waits for every render, and the
    // renders use the members above.
    TaskGroup m_renders;
};

} // namespace iconsmith
