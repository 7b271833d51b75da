#include "ui/iconpreviewstrip.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "ui/checkerboard.h"
#include "ui/iconfilereader.h"

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

// Whether the visible pixels of @p picture are mostly light, such as a white themed-icon shape,
// which needs a dark checkerboard to show.
bool isLightContent(const QImage &picture)
{
    qint64 weighted = 0;
    qint64 coverage = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            // Premultiplied: the grey of a pixel is already weighted by its alpha.
            weighted += qGray(row[x]);
            coverage += alpha;
        }
    }
    return coverage > 0 && weighted * 100 > coverage * 80;
}

// Each file read back, a large one reduced while it streams in, so that even a very large image
// costs little memory; containers (.ico, .icns) show their largest entry.
QList<IconPreviewStrip::Picture> readPictures(const QList<GenerationReport::WrittenFile> &files, int largestEdge,
                                              const std::stop_token &stop)
{
    QList<IconPreviewStrip::Picture> pictures;
    for (const GenerationReport::WrittenFile &file : files) {
        if (stop.stop_requested())
            break;
        const QImage picture = IconFileReader::read(file.path, largestEdge, stop);
        pictures.append({picture, !picture.isNull() && isLightContent(picture)});
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
        QList<Picture> pictures = readPictures(files, largestEdge, stop);
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
    const Picture read = m_pictures.value(index);
    if (file.alpha) {
        // A checkerboard behind transparency, so that it reads as transparency: in the palette's
        // tones, and dark behind a light picture (a white themed-icon shape) whatever the palette.
        auto [base, squares] = checkerboardColours(palette());
        if (read.light && base.lightness() > 128)
            std::tie(base, squares) = std::pair{QColor(58, 58, 60), QColor(84, 84, 88)};
        painter.fillRect(box, base);
        for (int y = 0; y * checkerSquare < box.height(); ++y) {
            for (int x = y % 2; x * checkerSquare < box.width(); x += 2)
                painter.fillRect(
                    QRectF(box.x() + x * checkerSquare, box.y() + y * checkerSquare, checkerSquare, checkerSquare),
                    squares);
        }
    }
    QImage picture = read.image;
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
