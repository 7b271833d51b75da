#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace iconsmith {

/**
 * The settings Iconsmith remembers between runs, with their keys and defaults in one place.
 *
 * Only the save folder is remembered, and only when the user picks one in the folder chooser;
 * a path typed into the field is used but not stored.
 */
class Preferences
{
public:
    static constexpr QStringView organizationName = u"Iconsmith";
    static constexpr QStringView applicationName = u"Iconsmith";
    static constexpr QStringView savePathKey = u"savePath";

    /** The stored save folder, an empty one included; nothing when none was ever stored. */
    [[nodiscard]] static std::optional<QString> savePath();
    /** Remembers @p path as the save folder. */
    static void setSavePath(const QString &path);
    /** The save folder of a first start: the home folder. */
    [[nodiscard]] static QString defaultSavePath();
};

} // namespace iconsmith
