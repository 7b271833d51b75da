#pragma once

#include <QColor>
#include <QPalette>

#include <utility>

namespace iconsmith {

/**
 * The two colours of the checkerboard that stands for transparency: the palette's base and a
 * shade of it towards the text colour, so that it is light in a light palette and dark in a
 * dark one, and quiet in both.
 */
inline std::pair<QColor, QColor> checkerboardColours(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor ink = palette.color(QPalette::Text);
    constexpr float share = 0.14F;
    const QColor squares = QColor::fromRgbF(base.redF() + (ink.redF() - base.redF()) * share,
                                            base.greenF() + (ink.greenF() - base.greenF()) * share,
                                            base.blueF() + (ink.blueF() - base.blueF()) * share);
    return {base, squares};
}

} // namespace iconsmith
