#pragma once

#include <QColor>
#include <QToolButton>

namespace iconsmith {

/**
 * A button that shows a colour: a swatch and the colour's "#RRGGBB" name, or a checkerboard
 * and "None" while no colour is set. What a click does is up to its owner.
 */
class ColorSwatchButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ColorSwatchButton(QWidget *parent = nullptr);

    /** The colour shown; invalid when none is set. */
    [[nodiscard]] QColor color() const { return m_color; }
    /** Shows @p color, or "None" for an invalid colour. */
    void setColor(const QColor &color);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    [[nodiscard]] QPixmap swatch(qreal ratio) const;

    QColor m_color;
};

} // namespace iconsmith
