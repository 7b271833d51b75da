#pragma once

#include <QByteArray>

#include "catalog/propertylist.h"
#include "common/result.h"

namespace iconsmith {

/** Reads a property list in either of its forms, told apart by the binary form's first bytes. */
class PropertyListReader
{
public:
    /** Reads an XML or a binary property list; the failure is a reason for a user. */
    static Result<PropertyList> read(const QByteArray &data);
};

} // namespace iconsmith
