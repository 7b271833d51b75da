#include "ui/redborderimageview.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include "imaging/bitmap.h"

namespace iconsmith {

namespace {

constexpr qreal minimumOutlineRadius = 8;
constexpr qreal imagePadding = 18;
constexpr int checkerSquare = 8;

QImage toQImage(const Bitmap &bitmap)
{
    if (bitmap.isNull() || (bitmap.channels() != 3 && bitmap.channels() != 4))
        return {};
    const QImage::Format format = bitmap.hasAlpha() ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    const QImage borrowed(bitmap.row(0), bitmap.width(), bitmap.height(), qsizetype(bitmap.bytesPerRow()), format);
    // Converting copies the pixels, so the result outlives the bitmap.
    return borrowed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The last local file of a drag. Remote URLs (a link dragged out of a browser) are not files the
// well can read; a drag that carries only those counts as a drag without files.
QString lastLocalFile(const QMimeData *mimeData)
{
    if (mimeData == nullptr || !mimeData->hasUrls())
        return {};
    const QList<QUrl> urls = mimeData->urls();
    const auto last = std::find_if(urls.crbegin(), urls.crend(),
                                   [](const QUrl &url) { return url.isLocalFile() && !url.toLocalFile().isEmpty(); });
    return last == urls.crend() ? QString() : last->toLocalFile();
}

QPainterPath roundedPath(const QRectF &rect, qreal radiusX, qreal radiusY)
{
    QPainterPath path;
    path.addRoundedRect(rect, radiusX, radiusY);
    return path;
}

} // namespace

RedBorderImageView::RedBorderImageView(QWidget *parent) : QWidget(parent)
{
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Image well"));
    setAccessibleDescription(tr("Drop the source image here."));
}

bool RedBorderImageView::loadFile(const QString &path)
{
    const Result<SourceImage> image = SourceImage::load(path);
    // The preview decodes the whole file as a generation does, so a damaged image is caught
    // here and not halfway through a generation.
    const Result<SourceImage::Preview> preview = image ? image->preview(previewEdge) : Failure{image.error()};
    const QImage picture = preview ? toQImage(preview->bitmap) : QImage();
    if (picture.isNull()) {
        QString error = preview.error();
        if (error.isEmpty())
            error = tr("%1 could not be shown.").arg(QDir::toNativeSeparators(path));
        setImage(SourceImage(), QImage(), false, error);
        return false;
    }
    setImage(*image, picture, preview->transparent, QString());
    return true;
}

void RedBorderImageView::clear()
{
    setImage(SourceImage(), QImage(), false, QString());
}

void RedBorderImageView::setImage(const SourceImage &image, const QImage &preview, bool transparent,
                                  const QString &problem)
{
    m_image = image;
    m_preview = preview;
    m_transparent = transparent;
    m_problem = problem;
    m_scaled = QPixmap();
    setToolTip(m_image.isNull() ? QString() : QDir::toNativeSeparators(m_image.origin()));
    update();
    Q_EMIT imageChanged();
}

void RedBorderImageView::setRoundCorner(bool roundCorner)
{
    m_roundCorner = roundCorner;
    update();
}

void RedBorderImageView::setCornerRadius(qreal radius)
{
    m_cornerRadius = qMax<qreal>(0, radius);
    update();
}

void RedBorderImageView::setFillColor(const QColor &color)
{
    m_fillColor = color;
    update();
}

QSize RedBorderImageView::sizeHint() const
{
    return {320, 320};
}

QSize RedBorderImageView::minimumSizeHint() const
{
    return {180, 180};
}

void RedBorderImageView::dragEnterEvent(QDragEnterEvent *event)
{
    // Any drag is welcome; what it carries is only looked at when it is dropped.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setDragHovering(true);
}

void RedBorderImageView::dragMoveEvent(QDragMoveEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void RedBorderImageView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDragHovering(false);
    event->accept();
}

void RedBorderImageView::dropEvent(QDropEvent *event)
{
    setDragHovering(false);
    const QString path = lastLocalFile(event->mimeData());
    if (!path.isEmpty())
        loadFile(path);
    // The drop reports success whatever became of it; a file that could not be read shows its
    // reason in the well instead.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void RedBorderImageView::setDragHovering(bool hovering)
{
    if (m_dragHovering == hovering)
        return;
    m_dragHovering = hovering;
    update();
}

QRectF RedBorderImageView::outlineRect() const
{
    return QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
}

qreal RedBorderImageView::outlineRadius() const
{
    return qMax(minimumOutlineRadius, m_cornerRadius);
}

QRectF RedBorderImageView::imageRect() const
{
    if (m_preview.isNull())
        return {};
    const QRectF area = outlineRect().adjusted(imagePadding, imagePadding, -imagePadding, -imagePadding);
    if (area.isEmpty())
        return {};
    QSizeF size = QSizeF(m_preview.size()).scaled(area.size(), Qt::KeepAspectRatio);
    size = QSizeF(qMax<qreal>(1, std::floor(size.width())), qMax<qreal>(1, std::floor(size.height())));
    const QPointF topLeft(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2);
    return {QPointF(std::round(topLeft.x()), std::round(topLeft.y())), size};
}

const QPixmap &RedBorderImageView::scaledPreview(QSize logicalSize)
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(logicalSize) * ratio).toSize();
    if (m_scaled.isNull() || m_scaled.size() != deviceSize) {
        // Scaled once per size with a proper filter; the painter's own scaling is only bilinear.
        m_scaled = QPixmap::fromImage(m_preview.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    return m_scaled;
}

void RedBorderImageView::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintBackground(painter);
    if (m_preview.isNull())
        paintEmptyState(painter);
    else
        paintImage(painter);
    paintOutline(painter);
}

void RedBorderImageView::paintBackground(QPainter &painter) const
{
    const QPainterPath outline = roundedPath(outlineRect(), outlineRadius(), outlineRadius());
    painter.fillPath(outline, palette().color(QPalette::Base));
    if (m_dragHovering) {
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlphaF(0.08f);
        painter.fillPath(outline, tint);
    }
}

void RedBorderImageView::paintImage(QPainter &painter)
{
    const QRectF target = imageRect();
    if (target.isEmpty())
        return;
    painter.save();
    // Filled before the rounded clip: the generation rounds the corners first and then fills
    // whatever is transparent, the cut-off corners included.
    if (m_fillColor.isValid())
        painter.fillRect(target, m_fillColor);
    if (m_cornerRadius > 0 && width() > 0) {
        // The same proportion as the rounded clip of the generated icons: the well's radius is
        // one eighth of its width, so the preview gets one eighth of each of its sides.
        const qreal share = m_cornerRadius / width();
        painter.setClipPath(roundedPath(target, target.width() * share, target.height() * share));
    }
    if (m_transparent && !m_fillColor.isValid())
        paintCheckerboard(painter, target);
    painter.drawPixmap(target.topLeft(), scaledPreview(target.size().toSize()));
    painter.restore();
}

void RedBorderImageView::paintCheckerboard(QPainter &painter, const QRectF &target) const
{
    // A light checkerboard shows which parts of the picture are transparent.
    const QColor light = palette().color(QPalette::Base);
    const QColor dark = palette().color(QPalette::AlternateBase).darker(104);
    painter.fillRect(target, light);
    for (int y = 0; y * checkerSquare < target.height(); ++y) {
        for (int x = (y % 2); x * checkerSquare < target.width(); x += 2) {
            const QRectF square(target.x() + x * checkerSquare, target.y() + y * checkerSquare, checkerSquare,
                                checkerSquare);
            painter.fillRect(square.intersected(target), dark);
        }
    }
}

void RedBorderImageView::paintEmptyState(QPainter &painter) const
{
    const QRectF area = outlineRect().adjusted(imagePadding, imagePadding, -imagePadding, -imagePadding);
    const QColor ink = palette().color(QPalette::PlaceholderText);

    // A small picture glyph: a frame with a hill and a sun.
    const QRectF glyph(area.center().x() - 28, area.center().y() - 64, 56, 44);
    painter.save();
    painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(glyph, 7, 7);
    QPainterPath hill;
    hill.moveTo(glyph.left() + 8, glyph.bottom() - 8);
    hill.lineTo(glyph.left() + 22, glyph.top() + 20);
    hill.lineTo(glyph.left() + 32, glyph.top() + 30);
    hill.lineTo(glyph.left() + 38, glyph.top() + 24);
    hill.lineTo(glyph.right() - 8, glyph.bottom() - 8);
    painter.drawPath(hill);
    painter.drawEllipse(QPointF(glyph.right() - 15, glyph.top() + 13), 4, 4);
    painter.restore();

    QFont headline = font();
    headline.setPointSizeF(headline.pointSizeF() * 1.25);
    headline.setWeight(QFont::DemiBold);
    painter.setFont(headline);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRectF headlineRect(area.left(), glyph.bottom() + 12, area.width(), 28);
    painter.drawText(headlineRect, Qt::AlignHCenter | Qt::AlignTop, tr("Drop an image here"));

    painter.setFont(font());
    painter.setPen(ink);
    const QString detail = m_problem.isEmpty() ? tr("PNG, JPEG, WebP, SVG, PDF… or File ▸ Open Image…") : m_problem;
    const QRectF detailRect(area.left(), headlineRect.bottom() + 4, area.width(),
                            area.bottom() - headlineRect.bottom());
    painter.drawText(detailRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, detail);
}

void RedBorderImageView::paintOutline(QPainter &painter) const
{
    QPen pen(m_dragHovering ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid));
    pen.setWidthF(m_dragHovering ? 2.5 : 1.5);
    if (m_preview.isNull() && !m_dragHovering)
        pen.setDashPattern({4, 3});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedPath(outlineRect(), outlineRadius(), outlineRadius()));
}

} // namespace iconsmith
