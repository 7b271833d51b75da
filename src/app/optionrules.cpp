#include "app/optionrules.h"

#include <QCheckBox>
#include <QComboBox>

#include "generation/runplan.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"
#include "ui/targetspanel.h"
#include "ui/warningline.h"

namespace iconsmith {

namespace {

constexpr qreal cornerRadiusShare = 0.125;

} // namespace

OptionRules::OptionRules(QObject *parent) : QObject(parent) {}

void OptionRules::connectWindow(MainWindow &window, RequestSource request)
{
    m_window = &window;
    m_well = window.BigIcon();
    m_rounded = window.roundedCheckButton();
    m_zoomIn = window.zoomInCheckButton();
    m_zoomOut = window.zoomOutCheckButton();
    m_targetsPanel = window.targetsPanel();
    m_warningLine = window.warningLine();
    m_request = std::move(request);

    // activated and clicked come from the user only, so setting a control from code (as the
    // start-up does) never runs an action.
    QComboBox *make = window.platformSelection();
    connect(make, &QComboBox::activated, this, &OptionRules::platformSelected);
    connect(m_rounded, &QCheckBox::clicked, this, &OptionRules::roundedChecked);
    connect(m_zoomIn, &QCheckBox::clicked, this, [this] { zoomCheck(m_zoomIn); });
    connect(m_zoomOut, &QCheckBox::clicked, this, [this] { zoomCheck(m_zoomOut); });

    // The warnings, the well's shape and the targets panel follow what Generate would make,
    // whoever changed it.
    connect(make, &QComboBox::currentIndexChanged, this, &OptionRules::updateWellShape);
    connect(make, &QComboBox::currentIndexChanged, this, &OptionRules::updateTargetsPanel);
    connect(make, &QComboBox::currentIndexChanged, this, &OptionRules::showSourceWarnings);
    connect(m_well, &RedBorderImageView::imageChanged, this, &OptionRules::showSourceWarnings);
    connect(m_rounded, &QCheckBox::toggled, this, &OptionRules::showSourceWarnings);
    connect(m_zoomIn, &QCheckBox::toggled, this, &OptionRules::showSourceWarnings);
    updateWellShape();
}

void OptionRules::platformSelected()
{
    const std::optional<Platform> platform = m_window ? m_window->platform() : std::nullopt;
    const bool rounded = platform.has_value() && platform->offersRoundedCorners();
    const bool scaled = platform.has_value() && platform->offersZoom();
    if (m_rounded) {
        m_rounded->setVisible(rounded);
        m_rounded->setChecked(false);
    }
    if (m_well)
        m_well->setCornerRadius(0);
    // Only shown or hidden: the zoom choice is kept across platform changes.
    if (m_zoomIn)
        m_zoomIn->setVisible(scaled);
    if (m_zoomOut)
        m_zoomOut->setVisible(scaled);
}

void OptionRules::updateTargetsPanel()
{
    const std::optional<Platform> platform = m_window ? m_window->platform() : std::nullopt;
    const bool shown = platform && platform->isTargets();
    if (m_targetsPanel)
        m_targetsPanel->setVisible(shown);
    // The classic options mean nothing to the targets; they come back with platformSelected().
    if (shown) {
        for (QCheckBox *option : {m_rounded.data(), m_zoomIn.data(), m_zoomOut.data()}) {
            if (option != nullptr)
                option->hide();
        }
    }
}

void OptionRules::zoomCheck(QAbstractButton *sender)
{
    if (sender == nullptr)
        return;
    QAbstractButton *other =
        sender == m_zoomIn ? static_cast<QAbstractButton *>(m_zoomOut) : static_cast<QAbstractButton *>(m_zoomIn);
    if (other)
        other->setChecked(false);
    // A click on the box that is already on turned it off; it stays on.
    sender->setChecked(true);
}

void OptionRules::roundedChecked()
{
    if (!m_rounded || !m_well)
        return;
    const bool on = m_rounded->isChecked();
    m_well->setRoundCorner(on);
    // Measured once, at the click; the radius does not follow later changes of the well's size.
    m_well->setCornerRadius(on ? m_well->width() * cornerRadiusShare : 0);
}

void OptionRules::showSourceWarnings()
{
    if (!m_warningLine)
        return;
    QStringList messages;
    if (m_well && !m_well->image().isNull() && m_request) {
        for (const SourceWarning &warning : RunPlan::sourceWarnings(m_request(), m_well->hasTransparency()))
            messages << warning.message;
    }
    m_warningLine->setWarnings(messages);
}

void OptionRules::updateWellShape()
{
    // The icons of an icon set are squares whatever the image; the well shows the picture as
    // they will be. The scaled image set keeps the image's proportions.
    const std::optional<Platform> platform = m_window ? m_window->platform() : std::nullopt;
    if (m_well)
        m_well->setStretchToSquare(platform && !platform->passes().isEmpty());
}

} // namespace iconsmith
