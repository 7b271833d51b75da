#include "ui/targetspanel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "generation/targets/targetcatalog.h"
#include "ui/splashpanel.h"

namespace iconsmith {

namespace {

constexpr int targetColumns = 4;
// The spin box's lowest value stands for "no inset given": the content fills the safe zone.
constexpr int safeZoneValue = -1;
constexpr int maxInset = 45;
// Likewise for the padding: each platform's own margin.
constexpr int platformPaddingValue = -1;

QString targetLabel(const QString &name)
{
    static const QMap<QString, const char *> labels{
        {QStringLiteral("ios"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "iOS")},
        {QStringLiteral("macos"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "macOS")},
        {QStringLiteral("watchos"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "watchOS")},
        {QStringLiteral("icon-composer"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "Icon Composer")},
        {QStringLiteral("android"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "Android")},
        {QStringLiteral("windows"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "Windows")},
        {QStringLiteral("web"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "Web")},
        {QStringLiteral("linux"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "Linux")},
        {QStringLiteral("splash"), QT_TRANSLATE_NOOP("iconsmith::TargetsPanel", "Launch screens")},
    };
    const char *label = labels.value(name);
    // A target added to the catalog without a label here still gets a box, under its name.
    return label != nullptr ? TargetsPanel::tr(label) : name;
}

// A row's label whose mnemonic moves the focus to @p field; the form's own labels have no buddy
// when the field is a layout, and would then show the "&".
QLabel *buddyLabel(const QString &text, QWidget *field)
{
    auto *label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

} // namespace

TargetsPanel::TargetsPanel(QWidget *parent)
    : QGroupBox(tr("Targets"), parent), m_inset(new QSpinBox(this)), m_padding(new QSpinBox(this)),
      m_keepShape(new QCheckBox(this)), m_name(new QLineEdit(this)), m_splash(new SplashPanel(this))
{
    setObjectName(QStringLiteral("targetsPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    addTargetBoxes();
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    int index = 0;
    for (const TargetCatalog::Entry &entry : TargetCatalog::all()) {
        grid->addWidget(m_targets.value(entry.name), index / targetColumns, index % targetColumns);
        ++index;
    }
    layout->addLayout(grid);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(4);
    addPictureRow(*form, SourceRole::Dark, tr("&Dark:"),
                  tr("The picture of the dark appearance (iOS, Icon Composer); without it iOS makes one from the "
                     "source when its background is transparent"));
    addPictureRow(*form, SourceRole::Tinted, tr("&Tinted:"),
                  tr("The picture of the tinted appearance (iOS, Icon Composer); without it the source is used"));
    addPictureRow(*form, SourceRole::Monochrome, tr("Mo&nochrome:"),
                  tr("A ready themed-icon layer for Android, drawn as a single-colour shape"));
    addPictureRow(*form, SourceRole::AndroidForeground, tr("&Android foreground:"),
                  tr("A ready adaptive-icon foreground layer for Android, used as it is"));
    addPictureRow(*form, SourceRole::AndroidBackground, tr("Android bac&kground:"),
                  tr("A ready adaptive-icon background layer for Android, also the back layer of visionOS and tvOS "
                     "icons; without it the background colour"));
    addPictureRow(*form, SourceRole::LayerMiddle, tr("Middle layer:"),
                  tr("The middle layer of the visionOS and tvOS layered icons, between the background and the source"));

    m_inset->setObjectName(QStringLiteral("androidInsetBox"));
    m_inset->setRange(safeZoneValue, maxInset);
    m_inset->setSpecialValueText(tr("Safe zone"));
    m_inset->setSuffix(tr(" %"));
    m_inset->setValue(safeZoneValue);
    m_inset->setToolTip(tr("The margin between an adaptive icon's edge and its content, in percent of the layer; "
                           "Safe zone fits the content into the 66 dp safe zone"));
    m_inset->setAccessibleName(tr("Android inset"));
    auto *insetRow = new QHBoxLayout;
    insetRow->addWidget(m_inset);
    insetRow->addStretch(1);
    form->addRow(buddyLabel(tr("Android &inset:"), m_inset), insetRow);

    m_padding->setObjectName(QStringLiteral("paddingBox"));
    m_padding->setRange(platformPaddingValue, int(TargetOptions::maxPadding));
    m_padding->setSpecialValueText(tr("Each platform's own"));
    m_padding->setSuffix(tr(" %"));
    m_padding->setValue(platformPaddingValue);
    m_padding->setToolTip(tr("The margin between each platform's mask and a logo, in percent of the mask's side; "
                             "full-bleed artwork always fills what the platform shows"));
    m_padding->setAccessibleName(tr("Padding around a logo"));
    auto *paddingRow = new QHBoxLayout;
    paddingRow->addWidget(m_padding);
    paddingRow->addStretch(1);
    form->addRow(buddyLabel(tr("Padding aro&und a logo:"), m_padding), paddingRow);

    m_name->setObjectName(QStringLiteral("targetNameField"));
    m_name->setClearButtonEnabled(true);
    m_name->setToolTip(
        tr("The app's name: of its icon files (Linux) and web manifest, and shown beside the logo on the TV banners"));
    m_name->setAccessibleName(tr("File name"));
    form->addRow(buddyLabel(tr("Fi&le name:"), m_name), m_name);
    // The launch screens' box beside the targets' own choices.
    auto *choices = new QHBoxLayout;
    choices->setSpacing(12);
    choices->addLayout(form, 3);
    choices->addWidget(m_splash, 2, Qt::AlignTop);
    layout->addLayout(choices);

    m_keepShape->setObjectName(QStringLiteral("keepShapeBox"));
    m_keepShape->setText(tr("Kee&p artwork as it is (no macOS shape)"));
    m_keepShape->setToolTip(tr("Full-bleed artwork is normally fitted into the macOS icon shape with a shadow, and "
                               "a logo set on its plate"));
    layout->addWidget(m_keepShape);

    // Tab follows the rows as shown; the focus chain otherwise follows the order of creation.
    QList<QWidget *> order;
    for (const TargetCatalog::Entry &entry : TargetCatalog::all())
        order << m_targets.value(entry.name);
    for (const SourceRole role : pictureRoles())
        order << m_pictures.value(role) << m_choose.value(role);
    order << m_inset << m_padding << m_name;
    for (const SourceRole role : SplashPanel::pictureRoles())
        order << m_splash->pictureField(role) << m_splash->chooseButton(role);
    order << m_splash->backgroundField() << m_splash->darkBackgroundField() << m_keepShape;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    connect(m_splash, &SplashPanel::chooseRequested, this, &TargetsPanel::chooseRequested);
    connect(m_inset, &QSpinBox::valueChanged, this, &TargetsPanel::choicesEdited);
    connect(m_padding, &QSpinBox::valueChanged, this, &TargetsPanel::choicesEdited);
    connect(m_keepShape, &QCheckBox::clicked, this, &TargetsPanel::choicesEdited);
}

void TargetsPanel::addTargetBoxes()
{
    for (const TargetCatalog::Entry &entry : TargetCatalog::all()) {
        auto *box = new QCheckBox(targetLabel(entry.name), this);
        box->setObjectName(QStringLiteral("target-") + entry.name);
        box->setToolTip(entry.description);
        box->setAccessibleDescription(entry.description);
        connect(box, &QCheckBox::clicked, this, &TargetsPanel::choicesEdited);
        m_targets.insert(entry.name, box);
    }
}

void TargetsPanel::addPictureRow(QFormLayout &form, SourceRole role, const QString &label, const QString &toolTip)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("picture-%1").arg(int(role)));
    field->setPlaceholderText(tr("None"));
    field->setClearButtonEnabled(true);
    field->setToolTip(toolTip);
    field->setAccessibleName(pictureName(role));
    auto *button = new QPushButton(tr("Choose…"), this);
    button->setObjectName(QStringLiteral("choose-%1").arg(int(role)));
    button->setAccessibleName(tr("Choose the %1 picture").arg(pictureName(role)));
    connect(button, &QPushButton::clicked, this, [this, role] { Q_EMIT chooseRequested(role); });
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(field, 1);
    row->addWidget(button);
    form.addRow(buddyLabel(label, field), row);
    m_pictures.insert(role, field);
    m_choose.insert(role, button);
}

const QList<SourceRole> &TargetsPanel::pictureRoles()
{
    static const QList<SourceRole> roles{SourceRole::Dark,
                                         SourceRole::Tinted,
                                         SourceRole::Monochrome,
                                         SourceRole::AndroidForeground,
                                         SourceRole::AndroidBackground,
                                         SourceRole::LayerMiddle};
    return roles;
}

QString TargetsPanel::pictureName(SourceRole role)
{
    return TargetCatalog::pictureName(role);
}

QStringList TargetsPanel::targets() const
{
    QStringList names;
    for (const TargetCatalog::Entry &entry : TargetCatalog::all()) {
        if (m_targets.value(entry.name)->isChecked())
            names << entry.name;
    }
    return names;
}

void TargetsPanel::setTargets(const QStringList &names)
{
    for (auto it = m_targets.begin(); it != m_targets.end(); ++it)
        it.value()->setChecked(names.contains(it.key()));
}

void TargetsPanel::setTargetsEnabled(bool enabled)
{
    for (QCheckBox *box : std::as_const(m_targets))
        box->setEnabled(enabled);
}

QCheckBox *TargetsPanel::targetBox(const QString &name) const
{
    return m_targets.value(name);
}

QMap<SourceRole, QString> TargetsPanel::pictures() const
{
    QMap<SourceRole, QString> given;
    for (auto it = m_pictures.begin(); it != m_pictures.end(); ++it) {
        const QString path = it.value()->text().trimmed();
        if (!path.isEmpty())
            given.insert(it.key(), path);
    }
    for (const SourceRole role : SplashPanel::pictureRoles()) {
        const QString path = m_splash->pictureField(role)->text().trimmed();
        if (!path.isEmpty())
            given.insert(role, path);
    }
    return given;
}

QLineEdit *TargetsPanel::pictureField(SourceRole role) const
{
    return m_pictures.contains(role) ? m_pictures.value(role) : m_splash->pictureField(role);
}

QPushButton *TargetsPanel::chooseButton(SourceRole role) const
{
    return m_choose.contains(role) ? m_choose.value(role) : m_splash->chooseButton(role);
}

std::optional<double> TargetsPanel::androidInset() const
{
    if (m_inset->value() == safeZoneValue)
        return std::nullopt;
    return double(m_inset->value());
}

void TargetsPanel::setAndroidInset(std::optional<double> percent)
{
    m_inset->setValue(percent && *percent >= 0 && *percent <= maxInset ? int(std::lround(*percent)) : safeZoneValue);
}

std::optional<double> TargetsPanel::padding() const
{
    if (m_padding->value() == platformPaddingValue)
        return std::nullopt;
    return double(m_padding->value());
}

void TargetsPanel::setPadding(std::optional<double> percent)
{
    m_padding->setValue(percent && *percent >= 0 && *percent <= TargetOptions::maxPadding ? int(std::lround(*percent))
                                                                                          : platformPaddingValue);
}

bool TargetsPanel::macShape() const
{
    return !m_keepShape->isChecked();
}

void TargetsPanel::setMacShape(bool shape)
{
    m_keepShape->setChecked(!shape);
}

QString TargetsPanel::nameText() const
{
    return m_name->text().trimmed();
}

void TargetsPanel::setDefaultName(const QString &name)
{
    m_name->setPlaceholderText(name);
}

} // namespace iconsmith
