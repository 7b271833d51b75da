#include "ui/redborderimageview.h"

#include <QAccessible>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include "ui/checkerboard.h"

namespace iconsmith {

namespace {

constexpr qreal minimumOutlineRadius = 8;
constexpr qreal imagePadding = 18;
constexpr int checkerSquare = 8;

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

RedBorderImageView::RedBorderImageView(QWidget *parent) : QWidget(parent), m_loader(new ImageLoader(previewEdge, this))
{
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Image well"));
    connect(m_loader, &ImageLoader::loaded, this, &RedBorderImageView::adopt);
    describe();
}

void RedBorderImageView::open(const QString &path)
{
    startLoading(QFileInfo(path).fileName());
    m_loader->load(path);
}

bool RedBorderImageView::loadFile(const QString &path)
{
    const ImageLoader::Loaded loaded = ImageLoader::read(path, previewEdge);
    adopt(loaded);
    return loaded.ok();
}

bool RedBorderImageView::paste()
{
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    if (const QString file = lastLocalFile(copied); !file.isEmpty()) {
        open(file);
        return true;
    }
    if (copied == nullptr || !copied->hasImage())
        return false;
    const auto picture = qvariant_cast<QImage>(copied->imageData());
    if (picture.isNull())
        return false;
    // Kept as a file: the well holds images that come from files, and the file can be opened
    // again from File ▸ Open.
    const QString name = QStringLiteral("pasted-%1.png")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/pasted/") + name;
    startLoading(tr("the pasted image"));
    m_loader->loadSaved(picture, path);
    return true;
}

bool RedBorderImageView::isLoading() const
{
    return !m_loadingName.isEmpty();
}

void RedBorderImageView::startLoading(const QString &name)
{
    const bool wasLoading = !m_loadingName.isEmpty();
    m_loadingName = name.isEmpty() ? tr("the image") : name;
    describe();
    update();
    if (!wasLoading)
        Q_EMIT loadingChanged(true);
}

void RedBorderImageView::adopt(const ImageLoader::Loaded &loaded)
{
    const bool wasLoading = !m_loadingName.isEmpty();
    m_loadingName.clear();
    if (loaded.ok()) {
        setImage(loaded.image, loaded.preview, loaded.transparent, QString());
    } else if (!m_image.isNull()) {
        // A file that cannot be read takes nothing away: the image already there stays, and
        // the well says why the new one is not shown.
        m_problem = loaded.problem;
        describe();
        update();
        Q_EMIT problemChanged();
    } else {
        setImage(SourceImage(), QImage(), false, loaded.problem);
    }
    if (wasLoading)
        Q_EMIT loadingChanged(false);
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
    const bool problemChanged = m_problem != problem;
    m_problem = problem;
    m_scaled = QPixmap();
    setToolTip(m_image.isNull() ? QString() : QDir::toNativeSeparators(m_image.origin()));
    describe();
    update();
    Q_EMIT imageChanged();
    if (problemChanged)
        Q_EMIT this->problemChanged();
}

void RedBorderImageView::describe()
{
    QString description;
    if (!m_loadingName.isEmpty())
        description = tr("Loading %1…").arg(m_loadingName);
    else if (!m_problem.isEmpty() && m_image.isNull())
        description = tr("No image: %1").arg(m_problem);
    else if (m_image.isNull())
        description = tr("No image. Drop an image here, paste one, or press Enter to choose a file.");
    else
        description = tr("%1, %2 × %3 pixels%4")
                          .arg(QFileInfo(m_image.origin()).fileName())
                          .arg(m_image.size().width())
                          .arg(m_image.size().height())
                          .arg(m_transparent ? tr(", with transparent areas") : QString());
    if (!m_problem.isEmpty() && !m_image.isNull())
        description = tr("%1. The last file was not opened: %2").arg(description, m_problem);
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    // Screen readers hear of the change at once; a file that could not be read is announced.
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    if (!m_problem.isEmpty() && m_loadingName.isEmpty()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void RedBorderImageView::setStretchToSquare(bool stretch)
{
    if (m_stretchToSquare == stretch)
        return;
    m_stretchToSquare = stretch;
    m_scaled = QPixmap();
    update();
}

void RedBorderImageView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
            Q_EMIT chooseRequested();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void RedBorderImageView::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void RedBorderImageView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
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
        open(path);
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
    // Icons are stretched to squares, so the picture is shown as they will look.
    const QSizeF shape = m_stretchToSquare ? QSizeF(1, 1) : QSizeF(m_preview.size());
    QSizeF size = shape.scaled(area.size(), Qt::KeepAspectRatio);
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
    if (!m_preview.isNull() && !m_loadingName.isEmpty()) {
        // The picture stays until the next one is read; a band says that one is on its way.
        const QRectF band = outlineRect().adjusted(1, outlineRect().height() - 34, -1, -1);
        QColor shade = palette().color(QPalette::Window);
        shade.setAlphaF(0.85f);
        painter.fillRect(band, shade);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(band, Qt::AlignCenter, tr("Loading %1…").arg(m_loadingName));
    }
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
    // A checkerboard in the palette's own tones shows which parts of the picture are transparent.
    const auto [light, dark] = checkerboardColours(palette());
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
    const QString headlineText = m_loadingName.isEmpty() ? tr("Drop an image here") : tr("Loading…");
    painter.drawText(headlineRect, Qt::AlignHCenter | Qt::AlignTop, headlineText);

    painter.setFont(font());
    painter.setPen(ink);
    QString detail = m_problem.isEmpty() ? tr("PNG, JPEG, WebP, SVG, PDF… or File ▸ Open Image…") : m_problem;
    if (!m_loadingName.isEmpty())
        detail = m_loadingName;
    const QRectF detailRect(area.left(), headlineRect.bottom() + 4, area.width(),
                            area.bottom() - headlineRect.bottom());
    painter.drawText(detailRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, detail);
}

void RedBorderImageView::paintOutline(QPainter &painter) const
{
    // The highlight marks a drag over the well and the keyboard focus alike.
    const bool marked = m_dragHovering || hasFocus();
    QPen pen(marked ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid));
    pen.setWidthF(marked ? 2.5 : 1.5);
    if (m_preview.isNull() && !m_dragHovering)
        pen.setDashPattern({4, 3});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedPath(outlineRect(), outlineRadius(), outlineRadius()));
}

} // namespace iconsmith
