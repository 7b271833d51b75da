#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>

#include <atomic>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>

#include "codec/sourceimage.h"
#include "codec/vectordrawings.h"
#include "common/taskgroup.h"
#include "imaging/bitmap.h"
#include "imaging/contentextent.h"
#include "imaging/pixelbuffer.h"
#include "imaging/renderrequest.h"

namespace iconsmith {

/**
 * The renders of one generation action, shared and run ahead on all cores.
 *
 * A raster source is decoded once; when it is much larger than anything asked for, it is reduced
 * while it streams in to the largest size needed (the master), and every other size is
 * rendered from that. A vector source is drawn per size, the sizes announced by prefetch()
 * sharing drawings where that costs no sharpness, within one time budget (VectorDrawings). Each distinct request is
 * rendered once and encoded at most once, however many files ask for it, so the files that share a size and treatment
 * share one render.
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

    using BitmapPtr = std::shared_ptr<const Bitmap>;

    /** Starts the PNG of every request, and the pixels of every one of @p bitmaps, at once, so the work overlaps. */
    void prefetch(const QList<RenderRequest> &requests, const QList<RenderRequest> &bitmaps = {});
    /**
     * The PNG bytes of one request; waits for it. Throws ImageError when the source cannot be
     * read, Cancelled once a stop was requested (as bitmap() does).
     */
    QByteArray png(const RenderRequest &request);
    /** The pixels of one request; waits for them. Throws ImageError when the source cannot be read. */
    BitmapPtr bitmap(const RenderRequest &request);
    /**
     * Where the source's content lies and what its edge is like, measured once on the master
     * (made to cover at least @p covering) or, for a vector, on a drawing of it. Throws ImageError.
     */
    ContentExtent extent(QSize covering);
    /** Whether the source, as decoded or drawn so far, has any pixel that is less than opaque. */
    [[nodiscard]] bool sourceHasTransparency() const { return m_sourceTransparent.load(); }

private:
    std::shared_future<QByteArray> startPng(const RenderRequest &request);
    std::shared_future<BitmapPtr> startBitmap(const RenderRequest &request);
    // What is done to a render before it is handed out: its caption painted on it.
    using Finish = std::function<void(Bitmap &)>;
    // The master resampled to one size, made once for every request that places a picture of that size.
    class SharedPicture
    {
    public:
        SharedPicture(BitmapPtr master, QSize size) : m_master(std::move(master)), m_size(size) {}
        const PixelBuffer &get(const std::stop_token &stop);

    private:
        std::once_flag m_once;
        BitmapPtr m_master;
        QSize m_size;
        PixelBuffer m_picture;
    };
    using SizeKey = std::pair<int, int>;
    static SizeKey sizeKey(QSize size) { return {size.width(), size.height()}; }
    std::shared_ptr<SharedPicture> sharedPicture(const BitmapPtr &master, QSize size);
    std::shared_ptr<const Bitmap> masterCovering(QSize size);
    void buildMaster(QSize covering);

    SourceImage m_source;
    TaskPool &m_pool;
    std::stop_token m_stop;
    // The decoded source, or its reduction, as 8-bit RGBA: a quarter of the memory of floats.
    std::shared_ptr<const Bitmap> m_master;
    QSize m_decodedSize;
    std::exception_ptr m_masterError;
    std::map<RenderRequest, std::shared_future<BitmapPtr>> m_bitmaps;
    std::map<RenderRequest, std::shared_future<QByteArray>> m_pngs;
    std::map<SizeKey, std::shared_ptr<SharedPicture>> m_pictures;
    std::map<SizeKey, int> m_pictureUses;
    std::optional<ContentExtent> m_extent;
    std::atomic<bool> m_sourceTransparent{false};
    // The drawings of a vector source; nothing for a raster one.
    std::unique_ptr<VectorDrawings> m_drawings;
    // Last, so that it is destroyed first: its destructor waits for every render, and the
    // renders use the members above.
    TaskGroup m_renders;
};

} // namespace iconsmith
