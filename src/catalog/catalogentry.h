#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <utility>

namespace iconsmith {

/**
 * One element of the "images" array of an asset catalog's Contents.json: which file serves
 * which idiom at which scale and size. Members left empty are not written.
 */
struct CatalogEntry
{
    CatalogEntry() = default;
    CatalogEntry(QString file, QString idiomName, QString scaleText, QString sizeText)
        : filename(std::move(file)), idiom(std::move(idiomName)), scale(std::move(scaleText)), size(std::move(sizeText))
    {}

    QString filename;
    QString idiom;
    QString scale;
    QString size;
    /** The target platform of a single-size entry ("ios", "watchos"). */
    QString platform;
    /** The luminosity appearance the entry serves ("dark", "tinted"); empty for the default one. */
    QString appearance;
    /** The slot of a per-size Apple Watch entry ("appLauncher", ...) and its case size ("40mm"). */
    QString role;
    QString subtype;

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
