#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "catalog/sizetable.h"

namespace iconsmith {

/** One idiom pass of an icon set: the rows of one size dictionary, rendered under one idiom string. */
struct IdiomPass
{
    SizeTable::Idiom table;
    QString idiom;
};

/**
 * The platform choice of the window's combo box and the CLI's -p: which idiom passes an icon
 * set gets, or whether the scaled image set is made instead, and which options it offers.
 *
 * Front ends hand the choice over as a plain index (0 to 6, -1 for none); everything past that
 * boundary works with this type.
 */
class Platform
{
public:
    enum Choice {
        IPhone = 0,
        IPad = 1,
        IPhoneAndIPad = 2,
        IPhoneIPadAndWatch = 3,
        EmptyCatalogRounded = 4,
        EmptyCatalog = 5,
        ScaledImageSet = 6,
    };
    static constexpr int choiceCount = 7;

    /** The platform of a choice index; none for -1 or any other index outside 0 to 6. */
    static std::optional<Platform> fromChoice(int choice);

    [[nodiscard]] Choice choice() const { return m_choice; }
    /** The idiom passes of the icon set, in order; none for the empty catalogs and the scaled set. */
    [[nodiscard]] QList<IdiomPass> passes() const;
    /** Whether this choice writes the scaled image set into the save folder instead of an icon set. */
    [[nodiscard]] bool isScaledImageSet() const { return m_choice == ScaledImageSet; }
    /** Whether the window offers the rounded-corner option for this choice. */
    [[nodiscard]] bool offersRoundedCorners() const { return m_choice == EmptyCatalogRounded; }
    /** Whether the window offers the zoom options for this choice. */
    [[nodiscard]] bool offersZoom() const { return isScaledImageSet(); }

    friend bool operator==(const Platform &, const Platform &) = default;

private:
    explicit Platform(Choice choice) : m_choice(choice) {}

    Choice m_choice;
};

} // namespace iconsmith
