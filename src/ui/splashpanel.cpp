#include "ui/splashpanel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "generation/targets/targetcatalog.h"

namespace iconsmith {

namespace {

std::optional<RgbColor> colourIn(const QLineEdit *field)
{
    const QString text = field->text().trimmed();
    return text.isEmpty() ? std::nullopt : RgbColor::fromText(text);
}

bool namesNoColour(const QLineEdit *field)
{
    return !field->text().trimmed().isEmpty() && !colourIn(field);
}

} // namespace

SplashPanel::SplashPanel(QWidget *parent) : QGroupBox(tr("Launch screens"), parent)
{
    setObjectName(QStringLiteral("splashPanel"));
    setToolTip(tr("The launch screens of the Splash target: the logo on a colour, light and dark"));
    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(4);
    addPictureRow(*form, SourceRole::SplashLogo, tr("Splash l&ogo:"),
                  tr("The logo of the launch screens; without it the source"));
    m_background = addColourRow(*form, QStringLiteral("splashBackgroundField"), tr("Background:"),
                                tr("The background colour, else white"));
    addPictureRow(*form, SourceRole::SplashDarkLogo, tr("Da&rk logo:"),
                  tr("The logo of the dark launch screens; with it they are made, on black unless a dark "
                     "background is given"));
    m_darkBackground = addColourRow(*form, QStringLiteral("splashDarkBackgroundField"), tr("Dark background:"),
                                    tr("None: no dark launch screens"));
}

const QList<SourceRole> &SplashPanel::pictureRoles()
{
    static const QList<SourceRole> roles{SourceRole::SplashLogo, SourceRole::SplashDarkLogo};
    return roles;
}

void SplashPanel::addPictureRow(QFormLayout &form, SourceRole role, const QString &label, const QString &toolTip)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("picture-%1").arg(int(role)));
    field->setPlaceholderText(tr("None"));
    field->setClearButtonEnabled(true);
    field->setToolTip(toolTip);
    field->setAccessibleName(TargetCatalog::pictureName(role));
    auto *button = new QPushButton(tr("Choose…"), this);
    button->setObjectName(QStringLiteral("choose-%1").arg(int(role)));
    button->setAccessibleName(tr("Choose the %1 picture").arg(TargetCatalog::pictureName(role)));
    connect(button, &QPushButton::clicked, this, [this, role] { Q_EMIT chooseRequested(role); });
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(field, 1);
    row->addWidget(button);
    auto *text = new QLabel(label, this);
    text->setBuddy(field);
    form.addRow(text, row);
    m_pictures.insert(role, field);
    m_choose.insert(role, button);
}

QLineEdit *SplashPanel::addColourRow(QFormLayout &form, const QString &objectName, const QString &label,
                                     const QString &placeholder)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setPlaceholderText(placeholder);
    field->setClearButtonEnabled(true);
    field->setToolTip(tr("A colour: #rrggbb, #rgb or a name such as white"));
    form.addRow(label, field);
    return field;
}

std::optional<RgbColor> SplashPanel::background() const
{
    return colourIn(m_background);
}

std::optional<RgbColor> SplashPanel::darkBackground() const
{
    return colourIn(m_darkBackground);
}

QString SplashPanel::colourProblem() const
{
    for (const QLineEdit *field : {m_background, m_darkBackground}) {
        if (namesNoColour(field))
            return tr("\"%1\" is not a colour for the launch screens; use #rrggbb, #rgb or a name such as white.")
                .arg(field->text().trimmed());
    }
    return {};
}

} // namespace iconsmith
