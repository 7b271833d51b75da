#include "generation/platform.h"

namespace iconsmith {

std::optional<Platform> Platform::fromChoice(int choice)
{
    if (choice < 0 || choice >= choiceCount)
        return std::nullopt;
    return Platform(Choice(choice));
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
        break;
    }
    return {};
}

} // namespace iconsmith
