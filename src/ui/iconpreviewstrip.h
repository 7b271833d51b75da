#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>
#include <stop_token>

#include "generation/generationreport.h"
#include "ui/backgroundtask.h"

namespace iconsmith {

/**
 * The images a generation wrote, side by side, as the system will show them: each PNG read
 * back from disk and drawn at its real size (one file pixel to one screen pixel, large ones
 * scaled down to a tile) inside the outline the system gives it, so that stretching, the
 * background colour and rounded corners show exactly as the files have them. Transparent
 * areas show a checkerboard, dark in a dark palette and behind light pictures. Containers
 * (.ico, .icns) show their largest entry.
 *
 * The files are read off the GUI thread; tiles show their outline until their picture arrives.
 */
class IconPreviewStrip : public QWidget
{
    Q_OBJECT

public:
    /** A file read back: its picture, and whether what it shows is mostly light. */
    struct Picture
    {
        QImage image;
        bool light = false;
    };

    /** The largest side of a tile, in device-independent pixels. */
    static constexpr int largestTile = 128;

    explicit IconPreviewStrip(QWidget *parent = nullptr);
    ~IconPreviewStrip() override;
    IconPreviewStrip(const IconPreviewStrip &) = delete;
    IconPreviewStrip &operator=(const IconPreviewStrip &) = delete;

    /** Shows the images among @p files (documents are left out) and starts reading them. */
    void setFiles(const QList<GenerationReport::WrittenFile> &files);
    /** The images shown, in order. */
    [[nodiscard]] const QList<GenerationReport::WrittenFile> &files() const { return m_files; }
    /** The picture read for the image at @p index; null until it has been read or when it could not be. */
    [[nodiscard]] QImage picture(int index) const { return m_pictures.value(index).image; }
    /** Whether the files are still being read. */
    [[nodiscard]] bool isReading() const { return m_reading.isRunning(); }

    /** The outline the system draws an icon of @p mask in, fitted to @p box. */
    static QPainterPath outline(DisplayMask mask, const QRectF &box);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

Q_SIGNALS:
    /** Every picture has been read. */
    void picturesRead();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] QSizeF tileSize(const GenerationReport::WrittenFile &file) const;
    void paintTile(QPainter &painter, const QRectF &box, int index) const;

    QList<GenerationReport::WrittenFile> m_files;
    QList<Picture> m_pictures;
    // The reading holds copies of what it needs, so it is left to end on its own.
    BackgroundTask m_reading{BackgroundTask::Ending::Detach};
};

} // namespace iconsmith
