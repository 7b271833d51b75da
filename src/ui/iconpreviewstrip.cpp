#include "ui/iconpreviewstrip.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "codec/sourceimage.h"
#include "ui/imageloader.h"

namespace iconsmith {

namespace {

constexpr int margin = 8;
constexpr int spacing = 14;
constexpr int minimumColumn = 76;
constexpr int checkerSquare = 6;
// The corner radius of an iPhone or iPad home-screen icon, as a share of its side.
constexpr qreal roundedSquareRadius = 0.2237;
// The exponent of the superellipse that rounder system outlines follow.
constexpr qreal squircleExponent = 5;

// Each file exactly as it is when it fits a tile; larger ones reduced while they stream in, so
// that even a very large image costs little memory.
QList<QImage> readPictures(const QList<GenerationReport::WrittenFile> &files, int largestEdge,
                           const std::stop_token &stop)
{
    QList<QImage> pictures;
    for (const GenerationReport::WrittenFile &file : files) {
        if (stop.stop_requested())
            break;
        QImage picture;
        if (file.pixels.width() <= largestEdge && file.pixels.height() <= largestEdge) {
            picture = QImageReader(file.path).read();
        } else if (const Result<SourceImage> source = SourceImage::load(file.path)) {
            if (const Result<SourceImage::Preview> preview = source->preview(largestEdge, stop))
                picture = ImageLoader::toQImage(preview->bitmap);
        }
        pictures.append(picture.isNull() ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return pictures;
}

QPainterPath superellipse(const QRectF &box)
{
    QPainterPath path;
    constexpr int steps = 128;
    const QPointF centre = box.center();
    for (int i = 0; i <= steps; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / steps;
        const qreal c = std::cos(angle);
        const qreal s = std::sin(angle);
        const QPointF point(
            centre.x() + box.width() / 2 * std::copysign(std::pow(std::abs(c), 2 / squircleExponent), c),
            centre.y() + box.height() / 2 * std::copysign(std::pow(std::abs(s), 2 / squircleExponent), s));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

IconPreviewStrip::IconPreviewStrip(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Preview of the images written"));
}

IconPreviewStrip::~IconPreviewStrip() = default;

void IconPreviewStrip::setFiles(const QList<GenerationReport::WrittenFile> &files)
{
    m_reading.stop();
    m_files.clear();
    for (const GenerationReport::WrittenFile &file : files) {
        if (!file.pixels.isEmpty())
            m_files.append(file);
    }
    m_pictures.clear();
    updateGeometry();
    update();
    if (m_files.isEmpty())
        return;

    const int largestEdge = int(std::ceil(largestTile * devicePixelRatioF()));
    m_reading.start([this, files = m_files, largestEdge](const std::stop_token &stop) -> BackgroundTask::Delivery {
        QList<QImage> pictures = readPictures(files, largestEdge, stop);
        return [this, pictures = std::move(pictures)] {
            m_pictures = pictures;
            update();
            Q_EMIT picturesRead();
        };
    });
}

QPainterPath IconPreviewStrip::outline(DisplayMask mask, const QRectF &box)
{
    QPainterPath path;
    switch (mask) {
    case DisplayMask::None:
        path.addRect(box);
        break;
    case DisplayMask::RoundedSquare: {
        const qreal radius = std::min(box.width(), box.height()) * roundedSquareRadius;
        path.addRoundedRect(box, radius, radius);
        break;
    }
    case DisplayMask::Circle:
        path.addEllipse(box);
        break;
    case DisplayMask::Squircle:
        path = superellipse(box);
        break;
    }
    return path;
}

QSizeF IconPreviewStrip::tileSize(const GenerationReport::WrittenFile &file) const
{
    // Real size: one file pixel to one device pixel, unless that is larger than a tile.
    const QSizeF real = QSizeF(file.pixels) / devicePixelRatioF();
    if (real.width() <= largestTile && real.height() <= largestTile)
        return real;
    return real.scaled(QSizeF(largestTile, largestTile), Qt::KeepAspectRatio);
}

QSize IconPreviewStrip::sizeHint() const
{
    return minimumSizeHint();
}

QSize IconPreviewStrip::minimumSizeHint() const
{
    // The whole row: the strip sits in a scroll area, which scrolls rather than cut tiles off.
    int width = margin;
    for (const GenerationReport::WrittenFile &file : m_files)
        width += std::max(minimumColumn, int(std::ceil(tileSize(file).width()))) + spacing;
    return {std::max(width + margin - spacing, minimumColumn + 2 * margin),
            2 * margin + largestTile + 2 * fontMetrics().lineSpacing() + 6};
}

void IconPreviewStrip::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = devicePixelRatioF();
    qreal x = margin;
    for (int i = 0; i < m_files.size(); ++i) {
        const QSizeF size = tileSize(m_files[i]);
        const qreal column = std::max<qreal>(minimumColumn, std::ceil(size.width()));
        // Icons stand on one line, and each starts on a device pixel so that it is not blurred.
        const QPointF corner(std::round((x + (column - size.width()) / 2) * ratio) / ratio,
                             std::round((margin + largestTile - size.height()) * ratio) / ratio);
        paintTile(painter, QRectF(corner, size), i);

        const GenerationReport::WrittenFile &file = m_files[i];
        QString detail = tr("%1 × %2").arg(file.pixels.width()).arg(file.pixels.height());
        if (size.width() * ratio < file.pixels.width())
            detail += tr(" · %1%").arg(std::max(1, int(std::lround(100 * size.width() * ratio / file.pixels.width()))));
        const QFontMetrics metrics = fontMetrics();
        const QRectF label(x, margin + largestTile + 6, column, metrics.lineSpacing());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(QFileInfo(file.path).completeBaseName(), Qt::ElideMiddle, int(column)));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(label.translated(0, metrics.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop, detail);
        x += column + spacing;
    }
}

void IconPreviewStrip::paintTile(QPainter &painter, const QRectF &box, int index) const
{
    const GenerationReport::WrittenFile &file = m_files[index];
    const QPainterPath shape = outline(file.mask, box);
    painter.save();
    painter.setClipPath(shape);
    if (file.alpha) {
        // A checkerboard behind transparency, so that it reads as transparency.
        painter.fillRect(box, QColor(250, 250, 250));
        for (int y = 0; y * checkerSquare < box.height(); ++y) {
            for (int x = y % 2; x * checkerSquare < box.width(); x += 2)
                painter.fillRect(
                    QRectF(box.x() + x * checkerSquare, box.y() + y * checkerSquare, checkerSquare, checkerSquare),
                    QColor(214, 214, 214));
        }
    }
    QImage picture = m_pictures.value(index);
    if (!picture.isNull()) {
        const qreal ratio = devicePixelRatioF();
        if (picture.size() == (box.size() * ratio).toSize()) {
            picture.setDevicePixelRatio(ratio);
            painter.drawImage(box.topLeft(), picture);
        } else {
            painter.drawImage(box, picture);
        }
    }
    painter.restore();
    if (!picture.isNull())
        return;
    // Only the outline until the picture arrives; afterwards the file is shown untouched.
    QColor edge = palette().color(QPalette::Mid);
    edge.setAlphaF(0.6f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

} // namespace iconsmith
