#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include "catalog/propertylist.h"
#include "common/result.h"

namespace iconsmith {

/**
 * Reads binary property lists ("bplist00"): a table of objects, each reached through an
 * offset table, with arrays and dictionaries naming their members by index.
 *
 * Every offset, index and length is checked against the file before it is followed, nesting
 * is bounded (which also ends any cycle), and every reference counts towards the bound on
 * values, so shared members cannot unfold exponentially.
 */
class BinaryPropertyList
{
    Q_DECLARE_TR_FUNCTIONS(BinaryPropertyList)

public:
    /** The first bytes of every binary property list. */
    static constexpr char magic[] = "bplist00";

    static Result<PropertyList> read(const QByteArray &data);
};

} // namespace iconsmith
