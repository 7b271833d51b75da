#include "ui/platformpreview.h"

#include <QDir>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace iconsmith {

using Kind = PlatformScene::Kind;

namespace {

constexpr int margin = 8;
constexpr int spacing = 12;
constexpr int sceneWidth = 120;
constexpr int tabSceneWidth = 240;
constexpr int sceneHeight = 112;
constexpr qreal sceneRadius = 8;

QLinearGradient wallpaper(const QRectF &box, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QLinearGradient wallpaperOf(Kind kind, const QRectF &box)
{
    switch (kind) {
    case Kind::IosLight:
        return wallpaper(box, QColor(0xcf, 0xe0, 0xf7), QColor(0xf6, 0xd8, 0xe6));
    case Kind::IosDark:
    case Kind::IosTinted:
        return wallpaper(box, QColor(0x24, 0x27, 0x3d), QColor(0x0b, 0x0c, 0x12));
    case Kind::AndroidCircle:
    case Kind::AndroidSquircle:
        return wallpaper(box, QColor(0x3c, 0x6e, 0x71), QColor(0x28, 0x4b, 0x63));
    case Kind::AndroidThemed:
        return wallpaper(box, QColor(0x9d, 0xb4, 0xe8), QColor(0x4a, 0x63, 0xa5));
    case Kind::MacDockLight:
        return wallpaper(box, QColor(0xa8, 0xc5, 0xe6), QColor(0xe9, 0xd3, 0xc4));
    case Kind::MacDockDark:
        return wallpaper(box, QColor(0x1e, 0x22, 0x33), QColor(0x3a, 0x2f, 0x45));
    case Kind::WatchCircle:
        return wallpaper(box, Qt::black, Qt::black);
    case Kind::BrowserTab:
        break;
    }
    return wallpaper(box, QColor(0xde, 0xe1, 0xe6), QColor(0xde, 0xe1, 0xe6));
}

} // namespace

PlatformPreview::PlatformPreview(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("The icons as the systems show them"));
}

QString PlatformPreview::caption(Kind kind)
{
    switch (kind) {
    case Kind::IosLight:
        return tr("iOS · light");
    case Kind::IosDark:
        return tr("iOS · dark");
    case Kind::IosTinted:
        return tr("iOS · tinted");
    case Kind::AndroidCircle:
        return tr("Android · circle");
    case Kind::AndroidSquircle:
        return tr("Android · squircle");
    case Kind::AndroidThemed:
        return tr("Android · themed");
    case Kind::MacDockLight:
        return tr("macOS Dock · light");
    case Kind::MacDockDark:
        return tr("macOS Dock · dark");
    case Kind::WatchCircle:
        return tr("watchOS");
    case Kind::BrowserTab:
        return tr("Browser tab · 16 px favicon");
    }
    return {};
}

void PlatformPreview::setFiles(const QList<GenerationReport::WrittenFile> &files, const QString &folder)
{
    m_reading.stop();
    m_sources = PlatformScenes::find(files, folder);
    m_scenes.clear();
    describe();
    updateGeometry();
    update();
    if (m_sources.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    m_reading.start([this, sources = m_sources, ratio](const std::stop_token &stop) -> BackgroundTask::Delivery {
        QList<PlatformScene> scenes = PlatformScenes::build(sources, ratio, stop);
        return [this, scenes = std::move(scenes)] {
            m_scenes = scenes;
            describe();
            updateGeometry();
            update();
            Q_EMIT scenesRead();
        };
    });
}

int PlatformPreview::cardWidth(Kind kind)
{
    return kind == Kind::BrowserTab ? tabSceneWidth : sceneWidth;
}

QRectF PlatformPreview::sceneRect(int index) const
{
    qreal x = margin;
    for (int i = 0; i < index; ++i)
        x += cardWidth(m_scenes[i].kind) + spacing;
    return {x, margin, qreal(cardWidth(m_scenes[index].kind)), sceneHeight};
}

QSize PlatformPreview::sizeHint() const
{
    return minimumSizeHint();
}

QSize PlatformPreview::minimumSizeHint() const
{
    int width = margin;
    for (const PlatformScene &scene : m_scenes)
        width += cardWidth(scene.kind) + spacing;
    return {std::max(width + margin - spacing, sceneWidth + 2 * margin),
            2 * margin + sceneHeight + 6 + 2 * fontMetrics().lineSpacing()};
}

bool PlatformPreview::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        for (int i = 0; i < m_scenes.size(); ++i) {
            if (sceneRect(i).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), QDir::toNativeSeparators(m_scenes[i].file), this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void PlatformPreview::describe()
{
    QStringList shown;
    for (const PlatformScene &scene : std::as_const(m_scenes))
        shown << caption(scene.kind);
    setAccessibleDescription(shown.join(QStringLiteral(", ")));
}

void PlatformPreview::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < m_scenes.size(); ++i) {
        const PlatformScene &scene = m_scenes[i];
        const QRectF box = sceneRect(i);
        paintScene(painter, scene, box);
        const QRectF label(box.left(), box.bottom() + 6, box.width(), metrics.lineSpacing());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(caption(scene.kind), Qt::ElideRight, int(box.width())));
        if (scene.fallback) {
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(label.translated(0, metrics.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop,
                             metrics.elidedText(tr("no dark icon"), Qt::ElideRight, int(box.width())));
        }
    }
}

void PlatformPreview::paintScene(QPainter &painter, const PlatformScene &scene, const QRectF &box) const
{
    painter.save();
    QPainterPath frame;
    frame.addRoundedRect(box, sceneRadius, sceneRadius);
    painter.setClipPath(frame);
    painter.fillRect(box, wallpaperOf(scene.kind, box));
    switch (scene.kind) {
    case Kind::MacDockLight:
    case Kind::MacDockDark:
        paintDock(painter, scene, box, scene.kind == Kind::MacDockDark);
        break;
    case Kind::BrowserTab:
        paintBrowserTab(painter, scene, box);
        break;
    default:
        paintIcon(painter, scene, box.center());
        break;
    }
    painter.restore();
    // A hairline keeps light scenes apart from a light window.
    QColor edge = palette().color(QPalette::Mid);
    edge.setAlphaF(0.5F);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), sceneRadius, sceneRadius);
}

void PlatformPreview::paintIcon(QPainter &painter, const PlatformScene &scene, QPointF centre) const
{
    const qreal points = PlatformScenes::iconPoints(scene.kind);
    const qreal ratio = devicePixelRatioF();
    // Each icon starts on a device pixel, so that a picture made for this ratio is not blurred.
    const QPointF corner(std::round((centre.x() - points / 2) * ratio) / ratio,
                         std::round((centre.y() - points / 2) * ratio) / ratio);
    const QRectF target(corner, QSizeF(points, points));
    QImage icon = scene.icon;
    if (icon.width() == std::lround(points * ratio)) {
        icon.setDevicePixelRatio(ratio);
        painter.drawImage(corner, icon);
    } else {
        painter.drawImage(target, icon);
    }
}

void PlatformPreview::paintDock(QPainter &painter, const PlatformScene &scene, const QRectF &box, bool dark) const
{
    const qreal points = PlatformScenes::iconPoints(scene.kind);
    const QRectF dock(box.left() + 10, box.bottom() - points - 22, box.width() - 20, points + 14);
    painter.setPen(QPen(dark ? QColor(255, 255, 255, 50) : QColor(255, 255, 255, 200), 1));
    painter.setBrush(dark ? QColor(40, 40, 46, 190) : QColor(255, 255, 255, 140));
    painter.drawRoundedRect(dock, 12, 12);
    paintIcon(painter, scene, QPointF(dock.center().x(), dock.top() + 7 + points / 2));
    // The dot under a running app.
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark ? QColor(230, 230, 230) : QColor(40, 40, 40));
    painter.drawEllipse(QPointF(dock.center().x(), dock.bottom() - 3), 1.6, 1.6);
}

void PlatformPreview::paintBrowserTab(QPainter &painter, const PlatformScene &scene, const QRectF &box) const
{
    // The tab strip, the selected tab with the favicon and the page's name, and the toolbar under it.
    const QRectF tab(box.left() + 12, box.top() + 30, 150, 34);
    const QRectF toolbar(box.left(), tab.bottom(), box.width(), 36);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(tab.adjusted(0, 0, 0, 10), 8, 8);
    painter.fillRect(toolbar, Qt::white);
    painter.setBrush(QColor(0xf1, 0xf3, 0xf4));
    painter.drawRoundedRect(toolbar.adjusted(10, 6, -10, -6), 12, 12);
    painter.setBrush(QColor(0xf8, 0xf9, 0xfa));
    painter.drawRect(QRectF(box.left(), toolbar.bottom(), box.width(), box.bottom() - toolbar.bottom()));
    // The favicon at its own 16 pixels, as a tab shows it.
    const QRectF favicon(tab.left() + 12, tab.center().y() - 8, 16, 16);
    painter.drawImage(favicon, scene.icon);
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    painter.setFont(font);
    painter.setPen(QColor(0x3c, 0x40, 0x43));
    const QRectF title(favicon.right() + 8, tab.top(), tab.right() - favicon.right() - 16, tab.height());
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font).elidedText(tr("Your App"), Qt::ElideRight, int(title.width())));
}

} // namespace iconsmith
