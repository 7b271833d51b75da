#pragma once

#include <QGroupBox>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

#include "generation/targets/targetplan.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace iconsmith {

class SplashPanel;

/**
 * The choices of a run over several targets, shown under Make when its last item is chosen:
 * a box per target, the optional pictures (dark, tinted, monochrome, Android layers), the
 * Android inset, the padding around a logo, the name of the files and whether macOS artwork
 * keeps its own shape.
 *
 * The panel only holds the values; AppDelegate opens the choosers and reads them at Generate.
 */
class TargetsPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit TargetsPanel(QWidget *parent = nullptr);

    /** The pictures the panel asks for, in the order it shows them. */
    static const QList<SourceRole> &pictureRoles();

    /** The ticked targets, in catalog order. */
    [[nodiscard]] QStringList targets() const;
    /** Ticks exactly the targets named in @p names; unknown names are ignored. */
    void setTargets(const QStringList &names);
    /** Lets the targets be ticked, or not, as while a project says what is made; the options stay. */
    void setTargetsEnabled(bool enabled);
    /** The box of the target @p name, or null. */
    [[nodiscard]] QCheckBox *targetBox(const QString &name) const;

    /** The box of the launch screens' choices, beside the form. */
    [[nodiscard]] SplashPanel *splashPanel() const { return m_splash; }

    /** The picture files given, by role (the launch screens' too); empty fields are left out. Paths are trimmed. */
    [[nodiscard]] QMap<SourceRole, QString> pictures() const;
    [[nodiscard]] QLineEdit *pictureField(SourceRole role) const;
    [[nodiscard]] QPushButton *chooseButton(SourceRole role) const;
    /** What @p role's picture is for, as its label says it (without the mnemonic). */
    [[nodiscard]] static QString pictureName(SourceRole role);

    /** The Android inset in percent; none: the content fills the safe zone. */
    [[nodiscard]] std::optional<double> androidInset() const;
    void setAndroidInset(std::optional<double> percent);
    [[nodiscard]] QSpinBox *insetBox() const { return m_inset; }

    /** The margin between each platform's mask and a logo in percent; none: each platform's own. */
    [[nodiscard]] std::optional<double> padding() const;
    void setPadding(std::optional<double> percent);
    [[nodiscard]] QSpinBox *paddingBox() const { return m_padding; }

    /** Whether full-bleed artwork is fitted into the macOS shape (the "keep as it is" box is off). */
    [[nodiscard]] bool macShape() const;
    void setMacShape(bool shape);
    [[nodiscard]] QCheckBox *keepShapeBox() const { return m_keepShape; }

    /** The name typed; empty when the field is left to its placeholder. */
    [[nodiscard]] QString nameText() const;
    [[nodiscard]] QLineEdit *nameField() const { return m_name; }
    /** Shows @p name, the one used when the field stays empty, as the field's placeholder. */
    void setDefaultName(const QString &name);

Q_SIGNALS:
    /** The Choose… button of @p role's picture was pressed. */
    void chooseRequested(iconsmith::SourceRole role);
    /** The ticked targets, the inset, the padding or the shape choice changed by the user. */
    void choicesEdited();

private:
    void addTargetBoxes();
    void addPictureRow(QFormLayout &form, SourceRole role, const QString &label, const QString &toolTip);

    QMap<QString, QCheckBox *> m_targets;
    QMap<SourceRole, QLineEdit *> m_pictures;
    QMap<SourceRole, QPushButton *> m_choose;
    QSpinBox *m_inset;
    QSpinBox *m_padding;
    QCheckBox *m_keepShape;
    QLineEdit *m_name;
    SplashPanel *m_splash;
};

} // namespace iconsmith
