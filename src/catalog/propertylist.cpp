#include "catalog/propertylist.h"

namespace iconsmith {

const PropertyList *PropertyList::value(QStringView key) const
{
    if (kind != Kind::Dictionary)
        return nullptr;
    for (qsizetype i = 0; i < keys.size() && std::size_t(i) < items.size(); ++i) {
        if (keys.at(i) == key)
            return &items[std::size_t(i)];
    }
    return nullptr;
}

} // namespace iconsmith
