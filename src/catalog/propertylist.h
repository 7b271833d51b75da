#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

#include "common/result.h"

namespace iconsmith {

/**
 * A value of a property list, as much of one as Iconsmith reads: strings, arrays and
 * dictionaries. Every other value (numbers, dates, data, booleans) is kept as Kind::Other.
 *
 * Both forms of the file are read by Iconsmith's own readers (PropertyListReader picks
 * XmlPropertyList or BinaryPropertyList), which stop at InputLimits' bounds on nesting and on the number of
 * values: a binary property list can name one value from many places, and a file of a few
 * hundred bytes could otherwise unfold into billions of them.
 */
struct PropertyList
{
    Q_DECLARE_TR_FUNCTIONS(PropertyList)

public:
    enum class Kind { String, Array, Dictionary, Other };

    Kind kind = Kind::Other;
    /** The text of a string. */
    QString text;
    /** The items of an array, or the values of a dictionary. */
    std::vector<PropertyList> items;
    /** The keys of a dictionary, one per value and in file order (a key may repeat). */
    QStringList keys;

    /** The value of @p key in a dictionary (the first, if the key repeats); null when there is none. */
    [[nodiscard]] const PropertyList *value(QStringView key) const;
};

} // namespace iconsmith
