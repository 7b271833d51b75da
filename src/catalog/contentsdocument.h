#pragma once

#include <QByteArray>
#include <QList>

#include "catalog/catalogentry.h"
#include "common/result.h"

namespace iconsmith {

/**
 * The asset-catalog document of an icon set, Contents.json: an "info" block and the "images".
 *
 * It is written in the layout Xcode itself writes (two-space indentation, a space on both sides
 * of each colon, members in sorted order, UTF-8, a final newline), so that a project that keeps
 * the file under version control sees no change when Xcode saves it again.
 */
class ContentsDocument
{
public:
    /** The file name of the document inside the icon-set folder. */
    static constexpr QStringView fileName = u"Contents.json";

    QString author = QStringLiteral("xcode");
    int version = 1;
    QList<CatalogEntry> images;

    /** The document as UTF-8 JSON text. */
    [[nodiscard]] QByteArray toJson() const;
    /** Reads a document back; fails when @p json is not a JSON object. */
    static Result<ContentsDocument> fromJson(const QByteArray &json);
};

} // namespace iconsmith
