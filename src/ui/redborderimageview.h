#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "codec/sourceimage.h"
#include "ui/imageloader.h"

namespace iconsmith {

/**
 * The image well: shows the source image of the next generation and takes new ones by drag
 * and drop, by paste, or from the keyboard.
 *
 * Every drag is offered a copy, whatever it carries. A drop of files loads the last local file
 * of the list; when that file is not a readable image (or is a folder) the image already in the
 * well stays and the well says why the new one is not shown. A drop without files changes nothing. The well keeps the
 * loaded image, never the path. Files are read off the GUI thread (open()); the well says it is loading meanwhile.
 *
 * With the keyboard focus, Enter or Space asks for the image chooser (chooseRequested()) and
 * the paste key takes an image or a copied file from the clipboard. Its accessible description
 * always says what it holds, or why the last file could not be read.
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
    /** Why the last file could not be opened; empty after a successful load. */
    [[nodiscard]] const QString &problem() const { return m_problem; }

    /**
     * Starts reading @p path as the well's image, the same way for a drop, the command line and
     * File ▸ Open; imageChanged() follows once it is read. On failure the image in the well (if
     * any) stays and problem() says why the file was not opened.
     */
    void open(const QString &path);
    /** Reads @p path as open() does, on the calling thread, and answers whether it is shown. */
    bool loadFile(const QString &path);
    /**
     * Takes what the clipboard holds: the last local file of copied files, or a copied picture,
     * which is kept as a PNG in the application's cache folder. Returns whether there was either.
     */
    bool paste();
    /** Whether a file is being read. */
    [[nodiscard]] bool isLoading() const;
    /** Empties the well. */
    void clear();

    /** Whether the picture is shown stretched to a square, as icons of it will be. */
    [[nodiscard]] bool stretchesToSquare() const { return m_stretchToSquare; }
    /** Shows the picture stretched to a square (icons) or in its own proportions (the scaled image set). */
    void setStretchToSquare(bool stretch);

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
    /** problem() changed: a file could not be opened, or one was. */
    void problemChanged();
    /** A file started or stopped being read. */
    void loadingChanged(bool loading);
    /** Enter or Space was pressed on the well: the user wants to choose an image file. */
    void chooseRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setDragHovering(bool hovering);
    void setImage(const SourceImage &image, const QImage &preview, bool transparent, const QString &problem);
    void adopt(const ImageLoader::Loaded &loaded);
    void startLoading(const QString &name);
    void describe();

    [[nodiscard]] QRectF outlineRect() const;
    [[nodiscard]] qreal outlineRadius() const;
    [[nodiscard]] QRectF imageRect() const;
    [[nodiscard]] const QPixmap &scaledPreview(QSize logicalSize);

    void paintBackground(QPainter &painter) const;
    void paintImage(QPainter &painter);
    void paintCheckerboard(QPainter &painter, const QRectF &target) const;
    void paintEmptyState(QPainter &painter) const;
    void paintOutline(QPainter &painter) const;

    ImageLoader *m_loader;
    QString m_loadingName;
    SourceImage m_image;
    QImage m_preview;
    QString m_problem;
    QPixmap m_scaled;
    bool m_transparent = false;
    QColor m_fillColor;
    bool m_roundCorner = false;
    qreal m_cornerRadius = 0;
    bool m_dragHovering = false;
    bool m_stretchToSquare = false;
};

} // namespace iconsmith
