#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <optional>

namespace iconsmith {

class CheckScope;

/**
 * Checks a page's apple-touch-startup-image links as Safari picks them: each link's media query
 * names one screen (device-width, device-height, -webkit-device-pixel-ratio and orientation), and
 * its picture is a file of the folder that measures that screen in device pixels, in that
 * orientation. Safari shows a picture of any other size nowhere.
 */
class StartupImageCheck
{
    Q_DECLARE_TR_FUNCTIONS(StartupImageCheck)

public:
    /** Checks the links of the page @p page of @p scope. */
    static void check(CheckScope &scope, const QString &page);
    /** The picture size in device pixels that @p media selects; none when it does not name one screen. */
    static std::optional<QSize> screenPixels(const QString &media);
};

} // namespace iconsmith
