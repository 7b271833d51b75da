#include "app/optionrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

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
    m_fit = window.fitRadioButton();
    m_stretch = window.stretchRadioButton();
    m_zoomIn = window.zoomInCheckButton();
    m_zoomOut = window.zoomOutCheckButton();
    m_classicOptions = window.classicOptions();
    m_targetsPanel = window.targetsPanel();
    m_warningLine = window.warningLine();
    m_request = std::move(request);

    // activated and clicked come from the user only, so setting a control from code (as the
    // start-up does) never runs an action.
    QComboBox *make = window.platformSelection();
    connect(make, &QComboBox::activated, this, &OptionRules::platformSelected);
    connect(m_rounded, &QCheckBox::clicked, this, &OptionRules::roundedChecked);
    connect(m_zoomIn, &QRadioButton::clicked, this, [this] { zoomCheck(m_zoomIn); });
    connect(m_zoomOut, &QRadioButton::clicked, this, [this] { zoomCheck(m_zoomOut); });

    // The options offered, the warnings and the well's shape follow what Generate would make,
    // whoever changed it.
    connect(make, &QComboBox::currentIndexChanged, this, &OptionRules::updateOptions);
    connect(make, &QComboBox::currentIndexChanged, this, &OptionRules::showSourceWarnings);
    connect(m_well, &RedBorderImageView::imageChanged, this, &OptionRules::showSourceWarnings);
    connect(m_well, &RedBorderImageView::problemChanged, this, &OptionRules::showSourceWarnings);
    connect(m_rounded, &QCheckBox::toggled, this, &OptionRules::showSourceWarnings);
    connect(m_rounded, &QCheckBox::toggled, this, &OptionRules::roundedChecked);
    connect(m_fit, &QRadioButton::toggled, this, &OptionRules::showSourceWarnings);
    connect(m_fit, &QRadioButton::toggled, this, &OptionRules::updateWellShape);
    connect(m_zoomIn, &QRadioButton::toggled, this, &OptionRules::showSourceWarnings);
    updateOptions();
}

bool OptionRules::needsNoImage(const std::optional<Platform> &platform)
{
    return platform && platform->isIconSet() && platform->passes().isEmpty();
}

void OptionRules::platformSelected()
{
    updateOptions();
}

void OptionRules::updateOptions()
{
    const std::optional<Platform> platform = m_window ? m_window->platform() : std::nullopt;
    const bool targets = platform && platform->isTargets();
    const bool iconSet = platform && !platform->passes().isEmpty();
    const bool scaled = platform && platform->isScaledImageSet();
    if (m_targetsPanel)
        m_targetsPanel->setVisible(targets);
    if (m_classicOptions)
        m_classicOptions->setVisible(!targets);
    // Shown but disabled where they do not apply, so that the form does not jump about.
    if (m_rounded)
        m_rounded->setEnabled(iconSet || scaled);
    for (QRadioButton *button : {m_fit.data(), m_stretch.data()}) {
        if (button != nullptr)
            button->setEnabled(iconSet);
    }
    for (QRadioButton *button : {m_zoomIn.data(), m_zoomOut.data()}) {
        if (button != nullptr)
            button->setEnabled(scaled);
    }
    updateWellShape();
}

void OptionRules::zoomCheck(QAbstractButton *sender)
{
    if (sender == nullptr)
        return;
    QAbstractButton *other =
        sender == m_zoomIn ? static_cast<QAbstractButton *>(m_zoomOut) : static_cast<QAbstractButton *>(m_zoomIn);
    sender->setChecked(true);
    if (other)
        other->setChecked(false);
}

void OptionRules::roundedChecked()
{
    if (!m_rounded || !m_well)
        return;
    const bool on = m_rounded->isChecked() && m_rounded->isEnabled();
    m_well->setRoundCorner(on);
    // Measured now; the radius does not follow later changes of the well's size.
    m_well->setCornerRadius(on ? m_well->width() * cornerRadiusShare : 0);
}

void OptionRules::showSourceWarnings()
{
    if (!m_warningLine)
        return;
    QStringList messages;
    // A file that could not be opened took nothing away: the line says so above the rest.
    if (m_well && !m_well->problem().isEmpty() && !m_well->image().isNull())
        messages << tr("%1 The image already in the well is kept.").arg(m_well->problem());
    if (m_well && !m_well->image().isNull() && m_request) {
        const GenerationRequest request = m_request();
        for (const SourceWarning &warning : RunPlan::sourceWarnings(request, m_well->hasTransparency()))
            messages << warning.message;
        // A colour kept from an earlier session fills a new logo; it should not do so unnoticed.
        if (request.background && m_well->hasTransparency() && !needsNoImage(request.platform))
            messages << tr("Its transparent areas are filled with %1, the background colour; Remove keeps them "
                           "transparent.")
                            .arg(request.background->name().toUpper());
    }
    m_warningLine->setWarnings(messages);
}

void OptionRules::updateWellShape()
{
    // The icons of an icon set are squares whatever the image: stretched, the well shows the
    // picture as they will be. Fitted, and for the scaled image set, it keeps its proportions.
    const std::optional<Platform> platform = m_window ? m_window->platform() : std::nullopt;
    const bool iconSet = platform && !platform->passes().isEmpty();
    if (m_well)
        m_well->setStretchToSquare(iconSet && m_stretch && m_stretch->isChecked());
    roundedChecked();
}

} // namespace iconsmith
