#include "catalog/propertylist.h"

#include "catalog/binarypropertylist.h"
#include "catalog/xmlpropertylist.h"

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

Result<PropertyList> PropertyList::fromData(const QByteArray &data)
{
    if (data.startsWith(BinaryPropertyList::magic))
        return BinaryPropertyList::read(data);
    return XmlPropertyList::read(data);
}

} // namespace iconsmith
