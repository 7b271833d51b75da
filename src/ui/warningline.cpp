#include "ui/warningline.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace iconsmith {

namespace {

constexpr int padding = 8;
constexpr qreal cornerRadius = 6;

} // namespace

WarningLine::WarningLine(QWidget *parent) : QWidget(parent), m_icon(new QLabel(this)), m_text(new QLabel(this))
{
    m_icon->setObjectName(QStringLiteral("warningIcon"));
    m_icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_text->setObjectName(QStringLiteral("warningText"));
    // Rich text only for the paragraph spacing; every warning is escaped on the way in.
    m_text->setTextFormat(Qt::RichText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(padding);
    layout->addWidget(m_icon, 0, Qt::AlignTop);
    layout->addWidget(m_text, 1);

    setAccessibleName(tr("Warnings about the image"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    updateIcon();
    hide();
}

void WarningLine::setWarnings(const QStringList &warnings)
{
    m_warnings = warnings;
    QString html;
    for (const QString &warning : warnings)
        html += QStringLiteral("<p style=\"margin-top:0; margin-bottom:4px\">%1</p>").arg(warning.toHtmlEscaped());
    m_text->setText(html);
    setAccessibleDescription(warnings.join(u'\n'));
    setVisible(!warnings.isEmpty());
}

void WarningLine::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange)
        updateIcon();
    QWidget::changeEvent(event);
}

void WarningLine::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // An amber wash over the window colour reads as "take note" on light and dark themes alike.
    painter.setPen(QPen(QColor(230, 150, 0, 110), 1));
    painter.setBrush(QColor(255, 176, 0, 36));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

void WarningLine::updateIcon()
{
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
}

} // namespace iconsmith
