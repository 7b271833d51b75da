#include "catalog/propertylistreader.h"

#include "catalog/binarypropertylist.h"
#include "catalog/xmlpropertylist.h"

namespace iconsmith {

Result<PropertyList> PropertyListReader::read(const QByteArray &data)
{
    if (data.startsWith(BinaryPropertyList::magic))
        return BinaryPropertyList::read(data);
    return XmlPropertyList::read(data);
}

} // namespace iconsmith
