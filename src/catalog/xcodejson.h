#pragma once

#include <QByteArray>
#include <QJsonValue>

namespace iconsmith {

/**
 * JSON in the layout Xcode writes its asset catalogs and Icon Composer documents in: members
 * in sorted order, two-space indentation, a space on both sides of each colon, one array
 * element per line, strings as UTF-8 with only the escapes JSON requires, and a final newline.
 * A project that keeps the files under version control then sees no change when Xcode saves
 * them again.
 */
class XcodeJson
{
public:
    /** The document @p root (an object or array) as UTF-8 text. */
    static QByteArray write(const QJsonValue &root);

private:
    static void append(QByteArray &out, const QJsonValue &value, int depth);
    static void appendString(QByteArray &out, const QString &text);
};

} // namespace iconsmith
