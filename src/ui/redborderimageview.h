#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "codec/sourceimage.h"

namespace iconsmith {

/**
 * The image well: shows the source image of the next generation and takes new ones by drag
 * and drop.
 *
 * Every drag is offered a copy, whatever it carries. A drop of files loads the last local file
 * of the list; when that file is not a readable image (or is a folder) the well becomes empty
 * and says why. A drop without files changes nothing. The well keeps the loaded image, never
 * the path.
 */
class RedBorderImageView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool roundCorner READ isRoundCorner WRITE setRoundCorner)
    Q_PROPERTY(qreal cornerRadius READ cornerRadius WRITE setCornerRadius)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)

public:
    explicit RedBorderImageView(QWidget *parent = nullptr);

    /** The source image; null when the well is empty. */
    [[nodiscard]] const SourceImage &image() const { return m_image; }
    /** Whether any pixel of the source is less than opaque; false when the well is empty. */
    [[nodiscard]] bool hasTransparency() const { return m_transparent; }
    /** The picture painted in the well, at most previewEdge on a side; null when the well is empty. */
    [[nodiscard]] const QImage &preview() const { return m_preview; }
    /** Why the last file could not be shown; empty after a successful load. */
    [[nodiscard]] const QString &problem() const { return m_problem; }

    /**
     * Loads @p path as the well's image, the same way for a drop, the command line and
     * File ▸ Open. On failure the well becomes empty and problem() says why.
     */
    bool loadFile(const QString &path);
    /** Empties the well. */
    void clear();

    [[nodiscard]] bool isRoundCorner() const { return m_roundCorner; }
    /** Stores the flag and repaints, also when the value is unchanged. */
    void setRoundCorner(bool roundCorner);

    /** The radius of the well's rounded outline, in device-independent pixels; 0 for square corners. */
    [[nodiscard]] qreal cornerRadius() const { return m_cornerRadius; }
    /** Rounds the well's outline and clips the preview to a rounded rectangle of the same proportion. */
    void setCornerRadius(qreal radius);

    /** The colour painted behind a transparent picture; invalid (the default) for a checkerboard. */
    [[nodiscard]] QColor fillColor() const { return m_fillColor; }
    /** Shows the picture on @p color, as the icons will come out, or on a checkerboard for an invalid colour. */
    void setFillColor(const QColor &color);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    /** The largest side, in pixels, of the picture kept for painting. */
    static constexpr int previewEdge = 1024;

Q_SIGNALS:
    /** The image was replaced or removed. */
    void imageChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setDragHovering(bool hovering);
    void setImage(const SourceImage &image, const QImage &preview, bool transparent, const QString &problem);

    [[nodiscard]] QRectF outlineRect() const;
    [[nodiscard]] qreal outlineRadius() const;
    [[nodiscard]] QRectF imageRect() const;
    [[nodiscard]] const QPixmap &scaledPreview(QSize logicalSize);

    void paintBackground(QPainter &painter) const;
    void paintImage(QPainter &painter);
    void paintCheckerboard(QPainter &painter, const QRectF &target) const;
    void paintEmptyState(QPainter &painter) const;
    void paintOutline(QPainter &painter) const;

    SourceImage m_image;
    QImage m_preview;
    QString m_problem;
    QPixmap m_scaled;
    bool m_transparent = false;
    QColor m_fillColor;
    bool m_roundCorner = false;
    qreal m_cornerRadius = 0;
    bool m_dragHovering = false;
};

} // namespace iconsmith
