#pragma once

#include <QGroupBox>
#include <QMap>
#include <QString>

#include <optional>

#include "generation/targets/targetplan.h"
#include "imaging/rgbcolor.h"

class QFormLayout;
class QLineEdit;
class QPushButton;

namespace iconsmith {

/**
 * The choices of the launch screens, in a box beside the targets' own: the logo and the dark
 * logo (pictures, chosen through chooseRequested as the targets' pictures are) and the two
 * background colours, typed as the command line takes them (#rrggbb, #rgb or a name).
 */
class SplashPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit SplashPanel(QWidget *parent = nullptr);

    /** The pictures the box asks for, in the order it shows them. */
    static const QList<SourceRole> &pictureRoles();
    [[nodiscard]] QLineEdit *pictureField(SourceRole role) const { return m_pictures.value(role); }
    [[nodiscard]] QPushButton *chooseButton(SourceRole role) const { return m_choose.value(role); }

    [[nodiscard]] QLineEdit *backgroundField() const { return m_background; }
    [[nodiscard]] QLineEdit *darkBackgroundField() const { return m_darkBackground; }
    /** The colours typed; none for an empty field or one that names no colour (see colourProblem). */
    [[nodiscard]] std::optional<RgbColor> background() const;
    [[nodiscard]] std::optional<RgbColor> darkBackground() const;
    /** A sentence naming the first field whose text is not a colour; empty when both are fine. */
    [[nodiscard]] QString colourProblem() const;

Q_SIGNALS:
    /** The Choose… button of @p role's picture was pressed. */
    void chooseRequested(iconsmith::SourceRole role);

private:
    void addPictureRow(QFormLayout &form, SourceRole role, const QString &label, const QString &toolTip);
    QLineEdit *addColourRow(QFormLayout &form, const QString &objectName, const QString &label,
                            const QString &placeholder);

    QMap<SourceRole, QLineEdit *> m_pictures;
    QMap<SourceRole, QPushButton *> m_choose;
    QLineEdit *m_background;
    QLineEdit *m_darkBackground;
};

} // namespace iconsmith
