#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * The settings Iconsmith remembers between runs, with their keys and defaults in one place.
 *
 * Every choice of the form is remembered as soon as it is made, so that the next start shows
 * the form as it was left: what Make is at, the save folder (chosen, dropped or typed, once the
 * typing is done), the background colour, the options of the classic sets (rounded corners, fit
 * or stretch, zoom), the targets, the Android inset and the macOS shape choice; the folder of
 * the last image whenever one is read, and the window's size and position when it closes. The
 * extra pictures and the name of a targets run belong to one source and are not remembered.
 */
class Preferences
{
public:
    static constexpr QStringView organizationName = u"Iconsmith";
    static constexpr QStringView applicationName = u"Iconsmith";
    static constexpr QStringView savePathKey = u"savePath";
    static constexpr QStringView backgroundColorKey = u"backgroundColor";
    static constexpr QStringView imageFolderKey = u"imageFolder";
    static constexpr QStringView windowGeometryKey = u"windowGeometry";
    static constexpr QStringView targetsKey = u"targets";
    static constexpr QStringView androidInsetKey = u"androidInset";
    static constexpr QStringView macShapeKey = u"macShape";
    static constexpr QStringView paddingKey = u"logoPadding";
    static constexpr QStringView platformKey = u"platform";
    static constexpr QStringView fitKey = u"fit";
    static constexpr QStringView zoomInKey = u"zoomIn";
    static constexpr QStringView roundedKey = u"rounded";

    /** The stored save folder, an empty one included; nothing when none was ever stored. */
    [[nodiscard]] static std::optional<QString> savePath();
    /** Remembers @p path as the save folder. */
    static void setSavePath(const QString &path);
    /** The save folder of a first start: the home folder. */
    [[nodiscard]] static QString defaultSavePath();

    /** The stored background colour; none when none is stored or the stored text is not a colour. */
    [[nodiscard]] static std::optional<RgbColor> backgroundColor();
    /** Remembers @p color as "#rrggbb", or forgets the background colour when there is none. */
    static void setBackgroundColor(const std::optional<RgbColor> &color);

    /** The folder of the last image read; none before the first. */
    [[nodiscard]] static std::optional<QString> imageFolder();
    static void setImageFolder(const QString &folder);

    /** The targets ticked under Targets; every target when none were ever stored. */
    [[nodiscard]] static QStringList targets();
    static void setTargets(const QStringList &names);
    /** The Android inset in percent; none when none is stored or the stored value is out of range. */
    [[nodiscard]] static std::optional<double> androidInset();
    static void setAndroidInset(std::optional<double> percent);
    /** The padding around a logo in percent; none when none is stored or the stored value is out of range. */
    [[nodiscard]] static std::optional<double> padding();
    static void setPadding(std::optional<double> percent);
    /** Whether full-bleed artwork is fitted into the macOS shape; true when never stored. */
    [[nodiscard]] static bool macShape();
    static void setMacShape(bool shape);

    /** What Make was at (a platform choice 0 to 7); none when never stored or not a choice. */
    [[nodiscard]] static std::optional<int> platform();
    static void setPlatform(int choice);
    /** Whether icon sets fit a non-square image rather than stretch it; true when never stored. */
    [[nodiscard]] static bool fit();
    static void setFit(bool fit);
    /** Whether the scaled image set zooms in; true when never stored. */
    [[nodiscard]] static bool zoomIn();
    static void setZoomIn(bool zoomIn);
    /** Whether images get rounded corners; false when never stored. */
    [[nodiscard]] static bool rounded();
    static void setRounded(bool rounded);

    /** The window's size and position as QWidget::saveGeometry() gave them; empty when none is stored. */
    [[nodiscard]] static QByteArray windowGeometry();
    static void setWindowGeometry(const QByteArray &geometry);
};

} // namespace iconsmith
