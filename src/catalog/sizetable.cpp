#include "catalog/sizetable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include "catalog/propertylistreader.h"
#include "codec/inputlimits.h"
#include "codec/regularfile.h"

namespace iconsmith {

namespace {

QString stringValue(const PropertyList *node)
{
    return node != nullptr && node->kind == PropertyList::Kind::String ? node->text : QString();
}

const char16_t *idiomName(int index)
{
    static constexpr const char16_t *names[] = {u"iphone", u"ipad", u"watch"};
    return names[index];
}

} // namespace

QString SizeTable::locate()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        programFolder + u'/' + fileName.toString(),
        QDir::cleanPath(programFolder + QStringLiteral("/../share/iconsmith/") + fileName.toString()),
        QDir::cleanPath(programFolder + QStringLiteral("/../Resources/") + fileName.toString()),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return candidates.first();
}

Result<SizeTable> SizeTable::read(const QString &path)
{
    const Result<QByteArray> bytes = RegularFile::read(path, InputLimits::maxDocumentBytes);
    if (!bytes)
        return Failure{SizeTable::tr("The size table %1 could not be read: %2.")
                           .arg(QDir::toNativeSeparators(path), bytes.error())};
    return fromData(*bytes, path);
}

Result<SizeTable> SizeTable::fromData(const QByteArray &data, const QString &origin)
{
    SizeTable table;
    const QString where = QDir::toNativeSeparators(origin);
    const Result<PropertyList> root = PropertyListReader::read(data);
    if (!root)
        return Failure{
            SizeTable::tr("The size table %1 cannot be read as a property list: %2.").arg(where, root.error())};
    if (root->kind != PropertyList::Kind::Array)
        return Failure{SizeTable::tr("The size table %1 is not a property list whose root is an array.").arg(where)};

    for (int index = 0; index < IdiomCount; ++index) {
        const PropertyList *dict = std::size_t(index) < root->items.size() ? &root->items[std::size_t(index)] : nullptr;
        if (dict == nullptr || dict->kind != PropertyList::Kind::Dictionary) {
            table.m_problems << SizeTable::tr("The size table %1 has no %2 dictionary.")
                                    .arg(where, QString::fromUtf16(idiomName(index)));
            continue;
        }
        QList<SizeEntry> &rows = table.m_dictionaries[index].entries;
        for (qsizetype row = 0; row < dict->keys.size(); ++row) {
            const PropertyList &value = dict->items[std::size_t(row)];
            SizeEntry entry;
            entry.key = dict->keys.at(row);
            entry.name = stringValue(value.value(u"Name"));
            entry.dimensions = parseDimensions(stringValue(value.value(u"Dimensions")));
            if (entry.name.isEmpty() || entry.dimensions.isEmpty()) {
                table.m_problems << QCoreApplication::translate("SizeTable",
                                                                "The size table %1 has a row \"%2\" without a usable "
                                                                "\"Name\" and \"Dimensions\"; it was left out.")
                                        .arg(where, entry.key);
                continue;
            }
            // Two rows of one name would write one file twice, the later over the earlier:
            // the first row keeps the name.
            const auto same = std::find_if(rows.cbegin(), rows.cend(),
                                           [&entry](const SizeEntry &earlier) { return earlier.name == entry.name; });
            if (same != rows.cend()) {
                table.m_problems << SizeTable::tr("The size table %1 has a second row named \"%2\" (\"%3\") in the %4 "
                                                  "dictionary; the first (\"%5\") is used and the second was left out.")
                                        .arg(where, entry.name, entry.key, QString::fromUtf16(idiomName(index)),
                                             same->key);
                continue;
            }
            rows.append(entry);
        }
    }
    return table;
}

QSizeF SizeTable::parseDimensions(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*\{\s*([0-9]+(?:\.[0-9]*)?|\.[0-9]+)\s*,\s*([0-9]+(?:\.[0-9]*)?|\.[0-9]+)\s*\}\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const double width = match.capturedView(1).toDouble();
    const double height = match.capturedView(2).toDouble();
    // A size beyond any real icon is a typing error in the table, not a request for gigapixels.
    constexpr double largest = 16384;
    if (!(width > 0 && height > 0 && width <= largest && height <= largest))
        return {};
    return {width, height};
}

} // namespace iconsmith
