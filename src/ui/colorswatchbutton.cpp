#include "ui/colorswatchbutton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/checkerboard.h"

namespace iconsmith {

namespace {

constexpr QSize swatchSize(22, 16);
constexpr qreal swatchRadius = 3;

} // namespace

ColorSwatchButton::ColorSwatchButton(QWidget *parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(swatchSize);
    refresh();
}

void ColorSwatchButton::setColor(const QColor &color)
{
    m_color = color.isValid() ? color.toRgb() : QColor();
    refresh();
}

void ColorSwatchButton::changeEvent(QEvent *event)
{
    // The swatch's outline and checkerboard follow the palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        refresh();
    QToolButton::changeEvent(event);
}

void ColorSwatchButton::refresh()
{
    setText(m_color.isValid() ? m_color.name().toUpper() : tr("None"));
    // Drawn for ordinary and high-resolution screens alike, so that moving the window between
    // them needs no redraw.
    QIcon icon;
    icon.addPixmap(swatch(1));
    icon.addPixmap(swatch(2));
    setIcon(icon);
}

QPixmap ColorSwatchButton::swatch(qreal ratio) const
{
    QPixmap pixmap(swatchSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(swatchSize)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(area, swatchRadius, swatchRadius);
    if (m_color.isValid()) {
        painter.fillPath(outline, m_color);
    } else {
        // A checkerboard in the palette's tones, the usual sign of transparency.
        const auto [base, squares] = checkerboardColours(palette());
        painter.fillPath(outline, base);
        painter.setClipPath(outline);
        constexpr int square = 4;
        for (int y = 0; y < swatchSize.height(); y += square) {
            for (int x = (y / square % 2) * square; x < swatchSize.width(); x += 2 * square)
                painter.fillRect(QRectF(x, y, square, square), squares);
        }
        painter.setClipping(false);
    }
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawPath(outline);
    return pixmap;
}

} // namespace iconsmith
