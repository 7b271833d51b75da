#include "catalog/contentsdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "catalog/xcodejson.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QJsonObject toObject(const CatalogEntry &entry)
{
    QJsonObject object;
    const auto put = [&object](const char16_t *key, const QString &value) {
        if (!value.isEmpty())
            object.insert(QString::fromUtf16(key), value);
    };
    if (!entry.appearance.isEmpty()) {
        object.insert(u"appearances"_s,
                      QJsonArray{QJsonObject{{u"appearance"_s, u"luminosity"_s}, {u"value"_s, entry.appearance}}});
    }
    put(u"filename", entry.filename);
    put(u"idiom", entry.idiom);
    put(u"platform", entry.platform);
    put(u"role", entry.role);
    put(u"scale", entry.scale);
    put(u"size", entry.size);
    put(u"subtype", entry.subtype);
    return object;
}

} // namespace

QByteArray ContentsDocument::toJson() const
{
    QJsonArray list;
    for (const CatalogEntry &entry : images)
        list.append(toObject(entry));
    const QJsonObject info{{u"author"_s, author}, {u"version"_s, version}};
    return XcodeJson::write(QJsonObject{{u"images"_s, list}, {u"info"_s, info}});
}

Result<ContentsDocument> ContentsDocument::fromJson(const QByteArray &json)
{
    QJsonParseError parseError{};
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failure{parseError.errorString()};
    if (!parsed.isObject())
        return Failure{QStringLiteral("not a JSON object")};
    const QJsonObject root = parsed.object();
    const QJsonObject info = root.value(u"info").toObject();
    ContentsDocument document;
    document.author = info.value(u"author").toString();
    document.version = info.value(u"version").toInt();
    for (const auto &value : root.value(u"images").toArray()) {
        const QJsonObject image = value.toObject();
        CatalogEntry entry{image.value(u"filename").toString(), image.value(u"idiom").toString(),
                           image.value(u"scale").toString(), image.value(u"size").toString()};
        entry.platform = image.value(u"platform").toString();
        entry.role = image.value(u"role").toString();
        entry.subtype = image.value(u"subtype").toString();
        for (const auto &appearance : image.value(u"appearances").toArray()) {
            if (appearance.toObject().value(u"appearance").toString() == u"luminosity")
                entry.appearance = appearance.toObject().value(u"value").toString();
        }
        document.images.append(entry);
    }
    return document;
}

} // namespace iconsmith
