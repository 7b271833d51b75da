#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace iconsmith {

/**
 * One element of the "images" array of an asset catalog's Contents.json: which file serves
 * which idiom at which scale and size.
 */
struct CatalogEntry
{
    QString filename;
    QString idiom;
    QString scale;
    QString size;

    /** The icon name of the marketing image, listed at most once per icon set. */
    static constexpr QStringView marketingName = u"ios-marketing";
    /** Its file name. */
    static constexpr QStringView marketingFileName = u"ios-marketing.png";

    /**
     * Derives the entry of an icon from its name and idiom alone.
     *
     * Icon names have a five-character prefix, the size in points ("83_5" for 83.5), then
     * optionally "@" and the scale ("Icon-20@2x"). Only the idioms "iphone" and "ipad" are
     * listed; for any other idiom the result is empty and nothing is logged. Each rule writes
     * its diagnostic lines to @p log as it goes. The check that the marketing image is listed
     * only once is the caller's.
     */
    static std::optional<CatalogEntry> derive(const QString &iconName, const QString &idiom,
                                              const std::function<void(const QString &)> &log);

    /** Whether an icon name or idiom is that of a store's marketing icon ("ios-marketing", "watch-marketing"). */
    static bool isMarketingIcon(const QString &name);

    friend bool operator==(const CatalogEntry &, const CatalogEntry &) = default;
};

} // namespace iconsmith
