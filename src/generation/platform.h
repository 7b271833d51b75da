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
 * What a generation makes: one of the seven classic choices (an icon set of some idioms, an
 * empty catalog, the scaled image set), or the targets, each into a folder of its own.
 *
 * The window's Make box and the CLI's -p and --target all become this type where they are read;
 * everything past that point works with it, never with a combo-box index.
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
        /** The targets (iOS, Android, web, ...), each written into a folder of its own. */
        Targets = 7,
    };
    /** The classic choices are numbered 0 to 6, as -p takes them. */
    static constexpr int classicChoiceCount = 7;

    /** The classic platform numbered @p choice; none for -1 or any number outside 0 to 6. */
    static std::optional<Platform> fromChoice(int choice);
    /**
     * The classic platform of a name ("iphone", "ipad", "iphone+ipad", "all", "scaled", in any
     * case) or of its number 0 to 6; none for anything else.
     */
    static std::optional<Platform> fromText(const QString &text);
    /** The targets. */
    static Platform targets() { return Platform(Targets); }

    [[nodiscard]] Choice choice() const { return m_choice; }
    /** The idiom passes of the icon set, in order; none for the empty catalogs, the scaled set and the targets. */
    [[nodiscard]] QList<IdiomPass> passes() const;
    /** Whether this choice writes the scaled image set into the save folder instead of an icon set. */
    [[nodiscard]] bool isScaledImageSet() const { return m_choice == ScaledImageSet; }
    /** Whether this choice writes an AppIcon.appiconset folder (the icon sets and the empty catalogs). */
    [[nodiscard]] bool isIconSet() const { return m_choice != ScaledImageSet && m_choice != Targets; }
    /** Whether this is the targets rather than a classic choice. */
    [[nodiscard]] bool isTargets() const { return m_choice == Targets; }
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
