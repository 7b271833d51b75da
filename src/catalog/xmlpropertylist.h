#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include "catalog/propertylist.h"
#include "common/result.h"

namespace iconsmith {

/**
 * Reads XML property lists with Qt's streaming XML reader, which expands no external
 * entities and bounds the expansion of internal ones; nesting and the number of values are
 * bounded here.
 */
class XmlPropertyList
{
    Q_DECLARE_TR_FUNCTIONS(XmlPropertyList)

public:
    static Result<PropertyList> read(const QByteArray &data);
};

} // namespace iconsmith
