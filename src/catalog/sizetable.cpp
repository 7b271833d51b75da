#include "catalog/sizetable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

namespace iconsmith {

namespace {

struct PlistDeleter
{
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

struct MallocDeleter
{
    void operator()(void *p) const { std::free(p); }
};

QString stringValue(plist_t node)
{
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING)
        return {};
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(node, &length);
    if (text == nullptr || length > uint64_t(std::numeric_limits<qsizetype>::max()))
        return {};
    return QString::fromUtf8(text, qsizetype(length));
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{SizeTable::tr("The size table %1 could not be read: %2.")
                           .arg(QDir::toNativeSeparators(path), file.errorString())};
    return fromData(file.readAll(), path);
}

Result<SizeTable> SizeTable::fromData(const QByteArray &data, const QString &origin)
{
    SizeTable table;
    const QString where = QDir::toNativeSeparators(origin);
    plist_t rootNode = nullptr;
    if (!data.isEmpty() && data.size() < qsizetype(std::numeric_limits<uint32_t>::max()))
        plist_from_memory(data.constData(), uint32_t(data.size()), &rootNode);
    const PlistPtr root(rootNode);
    if (!root || plist_get_node_type(root.get()) != PLIST_ARRAY)
        return Failure{SizeTable::tr("The size table %1 is not a property list whose root is an array.").arg(where)};

    const uint32_t count = plist_array_get_size(root.get());
    for (int index = 0; index < IdiomCount; ++index) {
        plist_t dict = uint32_t(index) < count ? plist_array_get_item(root.get(), uint32_t(index)) : nullptr;
        if (dict == nullptr || plist_get_node_type(dict) != PLIST_DICT) {
            table.m_problems << SizeTable::tr("The size table %1 has no %2 dictionary.")
                                    .arg(where, QString::fromUtf16(idiomName(index)));
            continue;
        }
        plist_dict_iter rawIter = nullptr;
        plist_dict_new_iter(dict, &rawIter);
        const std::unique_ptr<void, MallocDeleter> iter(rawIter);
        for (;;) {
            char *rawKey = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(dict, iter.get(), &rawKey, &value);
            const std::unique_ptr<char, MallocDeleter> key(rawKey);
            if (value == nullptr)
                break;
            SizeEntry entry;
            entry.key = QString::fromUtf8(key.get());
            const bool isDict = plist_get_node_type(value) == PLIST_DICT;
            entry.name = isDict ? stringValue(plist_dict_get_item(value, "Name")) : QString();
            const QString dimensionsText = isDict ? stringValue(plist_dict_get_item(value, "Dimensions")) : QString();
            entry.dimensions = parseDimensions(dimensionsText);
            if (entry.name.isEmpty() || entry.dimensions.isEmpty()) {
                table.m_problems << QCoreApplication::translate("SizeTable",
                                                                "The size table %1 has a row \"%2\" without a usable "
                                                                "\"Name\" and \"Dimensions\"; it was left out.")
                                        .arg(where, entry.key);
                continue;
            }
            table.m_dictionaries[index].entries.append(entry);
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
