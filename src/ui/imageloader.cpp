#include "ui/imageloader.h"

#include <QDir>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/redborderimageview.h"

namespace iconsmith {

ImageLoader::ImageLoader(QObject *parent) : QObject(parent) {}

ImageLoader::~ImageLoader()
{
    stop();
}

QImage ImageLoader::toQImage(const Bitmap &bitmap)
{
    if (bitmap.isNull() || (bitmap.channels() != 3 && bitmap.channels() != 4))
        return {};
    const QImage::Format format = bitmap.hasAlpha() ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    const QImage borrowed(bitmap.row(0), bitmap.width(), bitmap.height(), qsizetype(bitmap.bytesPerRow()), format);
    // Converting copies the pixels, so the result outlives the bitmap.
    return borrowed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

ImageLoader::Loaded ImageLoader::read(const QString &path, int previewEdge, const std::stop_token &stop)
{
    Loaded result;
    result.path = path;
    const Result<SourceImage> image = SourceImage::load(path);
    // The preview decodes the whole file as a generation does, so a damaged image is caught
    // here and not halfway through a generation.
    const Result<SourceImage::Preview> preview =
        image ? image->preview(previewEdge, stop) : Result<SourceImage::Preview>(Failure{image.error()});
    if (preview)
        result.preview = toQImage(preview->bitmap);
    if (result.preview.isNull()) {
        result.problem = preview ? QString() : preview.error();
        if (result.problem.isEmpty())
            result.problem = tr("%1 could not be shown.").arg(QDir::toNativeSeparators(path));
        return result;
    }
    result.image = *image;
    result.transparent = preview->transparent;
    return result;
}

void ImageLoader::load(const QString &path)
{
    start([path](const std::stop_token &stop) { return read(path, RedBorderImageView::previewEdge, stop); });
}

void ImageLoader::loadSaved(const QImage &image, const QString &path)
{
    start([image, path](const std::stop_token &stop) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!image.save(path, "PNG")) {
            Loaded failed;
            failed.path = path;
            failed.problem = tr("The pasted image could not be saved to %1.").arg(QDir::toNativeSeparators(path));
            return failed;
        }
        return read(path, RedBorderImageView::previewEdge, stop);
    });
}

void ImageLoader::start(const std::function<Loaded(const std::stop_token &)> &work)
{
    stop();
    m_stop = std::stop_source();
    m_watcher = std::make_unique<QFutureWatcher<Loaded>>();
    QFutureWatcher<Loaded> *watcher = m_watcher.get();
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        if (m_watcher.get() != watcher)
            return;
        const Loaded result = watcher->result();
        // Released before the signal, so that a slot may start the next load.
        m_watcher.release()->deleteLater();
        Q_EMIT loaded(result);
    });
    watcher->setFuture(QtConcurrent::run([work, stop = m_stop.get_token()] { return work(stop); }));
}

void ImageLoader::stop()
{
    if (!m_watcher)
        return;
    // The superseded load ends at its next row and holds nothing of this object, so it is not
    // waited for; its result is never looked at.
    m_stop.request_stop();
    m_watcher->disconnect(this);
    m_watcher.reset();
}

} // namespace iconsmith
