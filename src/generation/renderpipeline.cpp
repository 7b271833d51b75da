#include "generation/renderpipeline.h"

#include <algorithm>
#include <set>

#include "codec/imageerror.h"
#include "codec/pngencoder.h"
#include "codec/textsetter.h"
#include "common/cancelled.h"
#include "imaging/iconrenderer.h"
#include "imaging/placement.h"

namespace iconsmith {

namespace {

// The detail of the source a request of a canvas that is not square needs: its picture's alone,
// however large the canvas around it (a startup screen), so that it does not enlarge the master
// every other render of the run is made from.
bool isWideOrTall(const RenderRequest &request)
{
    return request.pixels.width() != request.pixels.height();
}

} // namespace

RenderPipeline::RenderPipeline(SourceImage source, TaskPool &pool, std::stop_token stop)
    : m_source(std::move(source)), m_pool(pool), m_stop(std::move(stop)), m_drawings(m_source.vectorDrawings()),
      m_renders(pool)
{}

void RenderPipeline::prefetch(const QList<RenderRequest> &requests, const QList<RenderRequest> &bitmaps)
{
    if (!m_source.isVector()) {
        QSize largest(1, 1);
        for (const RenderRequest &request : requests + bitmaps)
            largest = largest.expandedTo(isWideOrTall(request) ? IconRenderer::pictureSize(request) : request.pixels);
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
    // Requests that differ only in how the picture is finished share one resampling of it.
    std::set<RenderRequest> distinct(requests.begin(), requests.end());
    distinct.insert(bitmaps.begin(), bitmaps.end());
    QList<QSize> drawn;
    for (const RenderRequest &request : distinct) {
        ++m_pictureUses[sizeKey(IconRenderer::pictureSize(request))];
        // Each request not yet started will ask for its picture once.
        if (!m_bitmaps.contains(request))
            drawn.append(IconRenderer::pictureSize(request));
    }
    if (m_drawings)
        m_drawings->plan(drawn);
    for (const RenderRequest &request : ordered)
        startPng(request);
    for (const RenderRequest &request : bitmaps)
        startBitmap(request);
}

QByteArray RenderPipeline::png(const RenderRequest &request)
{
    Cancelled::throwIfRequested(m_stop);
    const std::shared_future<QByteArray> job = startPng(request);
    m_renders.wait(job);
    return job.get();
}

RenderPipeline::BitmapPtr RenderPipeline::bitmap(const RenderRequest &request)
{
    const std::shared_future<BitmapPtr> job = startBitmap(request);
    m_renders.wait(job);
    return job.get();
}

ContentExtent RenderPipeline::extent(QSize covering)
{
    if (m_extent)
        return *m_extent;
    if (m_source.isVector()) {
        // A drawing of moderate size tells where the content lies as well as a large one.
        constexpr int measuringEdge = 512;
        const QSize size = m_source.size().scaled(measuringEdge, measuringEdge, Qt::KeepAspectRatio).expandedTo({1, 1});
        m_extent = ContentExtent::measure(*bitmap(RenderRequest{size, false, std::nullopt}));
    } else {
        m_extent = ContentExtent::measure(*masterCovering(covering));
    }
    return *m_extent;
}

std::shared_future<QByteArray> RenderPipeline::startPng(const RenderRequest &request)
{
    if (const auto found = m_pngs.find(request); found != m_pngs.end())
        return found->second;
    const std::shared_future<BitmapPtr> rendered = startBitmap(request);
    std::shared_future<QByteArray> job = m_renders.submit([this, rendered, pool = &m_pool, stop = m_stop] {
        m_renders.wait(rendered);
        return PngEncoder::encode(*rendered.get(), pool, stop);
    });
    m_pngs.emplace(request, job);
    return job;
}

std::shared_future<RenderPipeline::BitmapPtr> RenderPipeline::startBitmap(const RenderRequest &request)
{
    if (const auto found = m_bitmaps.find(request); found != m_bitmaps.end())
        return found->second;

    std::shared_future<BitmapPtr> job;
    const auto fail = [&job](std::exception_ptr error) {
        std::promise<BitmapPtr> failed;
        failed.set_exception(std::move(error));
        job = failed.get_future().share();
    };
    // A caption's text is set first, as its size decides where the picture goes; it is painted
    // by the render itself, as a task that waited for another could wait for ever.
    RenderRequest laid = request;
    Finish finish;
    if (request.caption) {
        Result<CoverageMap> text = TextSetter::set(request.caption->text, request.caption->box.size());
        if (!text) {
            fail(std::make_exception_ptr(ImageError(text.error())));
            m_bitmaps.emplace(request, job);
            return job;
        }
        laid = Placement::aroundCaption(request, text->size());
        finish = [caption = *laid.caption, ink = std::move(*text)](Bitmap &bitmap) {
            ink.paintOnto(bitmap, caption.box.topLeft(), caption.colour);
        };
        laid.caption.reset();
    }
    const auto finished = [finish](Bitmap bitmap) {
        if (finish)
            finish(bitmap);
        return std::make_shared<const Bitmap>(std::move(bitmap));
    };

    if (m_source.isVector()) {
        job = m_renders.submit([this, laid, finished, stop = m_stop] {
            // A queued render that a stop overtook ends before it begins.
            Cancelled::throwIfRequested(stop);
            const PixelBuffer picture = m_drawings->picture(IconRenderer::pictureSize(laid));
            if (picture.hasTransparency())
                m_sourceTransparent = true;
            return finished(IconRenderer::render(picture, laid, stop));
        });
    } else {
        std::shared_ptr<const Bitmap> master;
        const QSize pictureSize = IconRenderer::pictureSize(laid);
        try {
            master = masterCovering(isWideOrTall(laid) ? pictureSize : laid.pixels.expandedTo(pictureSize));
        } catch (...) {
            fail(std::current_exception());
            m_bitmaps.emplace(request, job);
            return job;
        }
        if (m_pictureUses[sizeKey(pictureSize)] > 1) {
            job = m_renders.submit([picture = sharedPicture(master, pictureSize), laid, finished, stop = m_stop] {
                Cancelled::throwIfRequested(stop);
                return finished(IconRenderer::finish(picture->get(stop), laid));
            });
        } else {
            job = m_renders.submit([master, laid, finished, stop = m_stop] {
                Cancelled::throwIfRequested(stop);
                return finished(IconRenderer::render(*master, laid, stop));
            });
        }
    }
    m_bitmaps.emplace(request, job);
    return job;
}

std::shared_ptr<RenderPipeline::SharedPicture> RenderPipeline::sharedPicture(const BitmapPtr &master, QSize size)
{
    std::shared_ptr<SharedPicture> &slot = m_pictures[sizeKey(size)];
    if (!slot)
        slot = std::make_shared<SharedPicture>(master, size);
    return slot;
}

const PixelBuffer &RenderPipeline::SharedPicture::get(const std::stop_token &stop)
{
    // The first render to need it makes it; the others block until it is there. They must not
    // help with other tasks meanwhile, as a task waiting for a task could then wait for itself.
    std::call_once(m_once, [this, &stop] {
        // A stop leaves it unmade (call_once lets the next caller try again, and it stops too).
        m_picture = IconRenderer::resample(*m_master, m_size, stop);
        m_master.reset();
    });
    return m_picture;
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
