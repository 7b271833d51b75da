#include "ui/imageloader.h"

#include <QDir>
#include <QFileInfo>

namespace iconsmith {

ImageLoader::ImageLoader(int previewEdge, QObject *parent) : QObject(parent), m_previewEdge(previewEdge) {}

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
    start([path, edge = m_previewEdge](const std::stop_token &stop) { return read(path, edge, stop); });
}

void ImageLoader::loadSaved(const QImage &image, const QString &path)
{
    start([image, path, edge = m_previewEdge](const std::stop_token &stop) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!image.save(path, "PNG")) {
            Loaded failed;
            failed.path = path;
            failed.problem = tr("The pasted image could not be saved to %1.").arg(QDir::toNativeSeparators(path));
            return failed;
        }
        return read(path, edge, stop);
    });
}

void ImageLoader::start(const std::function<Loaded(const std::stop_token &)> &work)
{
    m_task.start([this, work](const std::stop_token &stop) -> BackgroundTask::Delivery {
        Loaded result = work(stop);
        return [this, result = std::move(result)] { Q_EMIT loaded(result); };
    });
}

} // namespace iconsmith
