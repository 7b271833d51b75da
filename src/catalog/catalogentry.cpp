#include "catalog/catalogentry.h"

namespace iconsmith {

namespace {

// Every icon name starts with a prefix of this many characters, skipped unread.
constexpr qsizetype prefixLength = 5;

QString fileNameFor(const QString &iconName)
{
    return iconName + QStringLiteral(".png");
}

// The text after the first "@", when there is one.
std::optional<QString> scaleText(const QString &iconName)
{
    const qsizetype at = iconName.indexOf(u'@');
    if (at < 0)
        return std::nullopt;
    return iconName.mid(at + 1);
}

QString nameTail(const QString &iconName)
{
    return iconName.size() > prefixLength ? iconName.mid(prefixLength) : QString();
}

// The name tail up to its first "@", when it holds one.
std::optional<QString> sizeText(const QString &tail)
{
    const qsizetype at = tail.indexOf(u'@');
    if (at < 0)
        return std::nullopt;
    return tail.left(at);
}

QString squareSize(const QString &side)
{
    return side + u'x' + side;
}

CatalogEntry iphoneEntry(const QString &iconName, const QString &idiom, const std::function<void(const QString &)> &log)
{
    CatalogEntry entry{fileNameFor(iconName), {}, {}, {}};
    const std::optional<QString> scale = scaleText(iconName);
    entry.idiom = scale ? idiom : CatalogEntry::marketingName.toString();
    entry.scale = scale.value_or(QStringLiteral("1x"));
    log(iconName);
    const std::optional<QString> side = sizeText(nameTail(iconName));
    entry.size = side ? squareSize(*side) : QStringLiteral("1024x1024");
    return entry;
}

CatalogEntry ipadEntry(const QString &iconName, const QString &idiom, const std::function<void(const QString &)> &log)
{
    CatalogEntry entry{fileNameFor(iconName), {}, {}, {}};
    log(idiom);
    entry.idiom = iconName == CatalogEntry::marketingName ? CatalogEntry::marketingName.toString() : idiom;
    entry.scale = scaleText(iconName).value_or(QStringLiteral("1x"));
    log(iconName);
    const QString tail = nameTail(iconName);
    if (const std::optional<QString> side = sizeText(tail)) {
        log(*side);
        entry.size = *side == u"83_5" ? QStringLiteral("83.5x83.5") : squareSize(*side);
    } else {
        log(tail);
        entry.size = tail == u"arketing" ? QStringLiteral("1024x1024") : squareSize(tail);
    }
    return entry;
}

} // namespace

bool CatalogEntry::isMarketingIcon(const QString &name)
{
    return name.endsWith(QStringLiteral("marketing"));
}

std::optional<CatalogEntry> CatalogEntry::derive(const QString &iconName, const QString &idiom,
                                                 const std::function<void(const QString &)> &log)
{
    if (idiom == u"iphone")
        return iphoneEntry(iconName, idiom, log);
    if (idiom == u"ipad")
        return ipadEntry(iconName, idiom, log);
    return std::nullopt;
}

} // namespace iconsmith
