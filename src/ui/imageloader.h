#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <stop_token>

#include "codec/sourceimage.h"
#include "imaging/bitmap.h"
#include "ui/backgroundtask.h"

namespace iconsmith {

/**
 * Reads source images for the image well off the GUI thread: the whole file is decoded, as a
 * generation would decode it, and a picture for display is made from it.
 *
 * Only the latest request counts: starting a load stops the one before, whose result is
 * dropped. Destroying the loader stops the load in progress.
 */
class ImageLoader : public QObject
{
    Q_OBJECT

public:
    /** What a load produced: the image and its picture, or why there are none. */
    struct Loaded
    {
        QString path;
        SourceImage image;
        QImage preview;
        bool transparent = false;
        QString problem;

        [[nodiscard]] bool ok() const { return !preview.isNull(); }
    };

    /** A loader whose pictures are at most @p previewEdge pixels on a side. */
    explicit ImageLoader(int previewEdge, QObject *parent = nullptr);
    ImageLoader(const ImageLoader &) = delete;
    ImageLoader &operator=(const ImageLoader &) = delete;

    /** Starts reading @p path; loaded() follows. */
    void load(const QString &path);
    /** Saves @p image as a PNG at @p path, then reads that file as load() does. */
    void loadSaved(const QImage &image, const QString &path);
    /** Whether a load is in progress. */
    [[nodiscard]] bool isLoading() const { return m_task.isRunning(); }

    /** A copy of an 8-bit RGB or RGBA bitmap as a premultiplied QImage; null for any other bitmap. */
    static QImage toQImage(const Bitmap &bitmap);
    /** Reads @p path on the calling thread, with pictures no larger than @p previewEdge on a side. */
    static Loaded read(const QString &path, int previewEdge, const std::stop_token &stop = {});

Q_SIGNALS:
    /** The latest load ended. */
    void loaded(const iconsmith::ImageLoader::Loaded &result);

private:
    void start(const std::function<Loaded(const std::stop_token &)> &work);

    int m_previewEdge;
    // A superseded load ends at its next row and holds nothing of this object, so it is not waited for.
    BackgroundTask m_task{BackgroundTask::Ending::Detach};
};

} // namespace iconsmith
