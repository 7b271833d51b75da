#include "generation/platform.h"

namespace iconsmith {

std::optional<Platform> Platform::fromChoice(int choice)
{
    if (choice < 0 || choice >= classicChoiceCount)
        return std::nullopt;
    return Platform(Choice(choice));
}

std::optional<Platform> Platform::fromText(const QString &text)
{
    const QString name = text.trimmed().toLower();
    if (name == u"iphone")
        return Platform(IPhone);
    if (name == u"ipad")
        return Platform(IPad);
    if (name == u"iphone+ipad")
        return Platform(IPhoneAndIPad);
    if (name == u"all" || name == u"iphone+ipad+watch")
        return Platform(IPhoneIPadAndWatch);
    if (name == u"scaled")
        return Platform(ScaledImageSet);
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok ? fromChoice(number) : std::nullopt;
}

QList<IdiomPass> Platform::passes() const
{
    const IdiomPass iphone{SizeTable::IPhone, QStringLiteral("iphone")};
    const IdiomPass ipad{SizeTable::IPad, QStringLiteral("ipad")};
    const IdiomPass watch{SizeTable::Watch, QStringLiteral("watch")};
    switch (m_choice) {
    case IPhone:
        return {iphone};
    case IPad:
        return {ipad};
    case IPhoneAndIPad:
        return {iphone, ipad};
    case IPhoneIPadAndWatch:
        return {iphone, ipad, watch};
    case EmptyCatalogRounded:
    case EmptyCatalog:
    case ScaledImageSet:
    case Targets:
        break;
    }
    return {};
}

} // namespace iconsmith
