#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace iconsmith {

/**
 * What Qt's JSON reader does not say: whether an object gives one key twice. It keeps one of the
 * values and drops the other silently, so a project file with two recipes of one name would run
 * only one of them.
 */
class JsonKeys
{
public:
    /** A key given twice in one object. */
    struct Duplicate
    {
        /** Where the second one is, as a project file's messages name places ("recipes.free"). */
        QString where;
        /** The byte offset of the second one in the document. */
        int offset = 0;
    };

    /** The first key given twice in @p json, which must be a document QJsonDocument reads; none when none is. */
    static std::optional<Duplicate> findDuplicate(const QByteArray &json);
};

} // namespace iconsmith
