#include "catalog/contentsdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace iconsmith {

namespace {

// JSON string literal with only the escapes JSON requires; everything else, non-ASCII
// letters included, stays as UTF-8.
void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    for (const char byte : text.toUtf8()) {
        const auto c = static_cast<unsigned char>(byte);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(c, 16).rightJustified(2, '0');
            else
                out += char(c);
        }
    }
    out += '"';
}

void appendMember(QByteArray &out, const char *indent, const char *key, const QString &value, bool last)
{
    out += indent;
    appendString(out, QString::fromLatin1(key));
    out += " : ";
    appendString(out, value);
    out += last ? "\n" : ",\n";
}

} // namespace

QByteArray ContentsDocument::toJson() const
{
    QByteArray out;
    out.reserve(128 + images.size() * 128);
    out += "{\n  \"images\" : [\n";
    if (images.isEmpty())
        out += "\n";
    for (qsizetype i = 0; i < images.size(); ++i) {
        const CatalogEntry &entry = images.at(i);
        out += "    {\n";
        appendMember(out, "      ", "filename", entry.filename, false);
        appendMember(out, "      ", "idiom", entry.idiom, false);
        appendMember(out, "      ", "scale", entry.scale, false);
        appendMember(out, "      ", "size", entry.size, true);
        out += i + 1 < images.size() ? "    },\n" : "    }\n";
    }
    out += "  ],\n  \"info\" : {\n";
    appendMember(out, "    ", "author", author, false);
    out += "    \"version\" : " + QByteArray::number(version) + "\n";
    out += "  }\n}\n";
    return out;
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
        document.images.append({image.value(u"filename").toString(), image.value(u"idiom").toString(),
                                image.value(u"scale").toString(), image.value(u"size").toString()});
    }
    return document;
}

} // namespace iconsmith
