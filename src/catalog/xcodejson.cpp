#include "catalog/xcodejson.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace iconsmith {

namespace {

QByteArray indent(int depth)
{
    return {qsizetype(depth) * 2, ' '};
}

QByteArray number(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15)
        return QByteArray::number(qint64(value));
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QByteArray XcodeJson::write(const QJsonValue &root)
{
    QByteArray out;
    append(out, root, 0);
    out += '\n';
    return out;
}

void XcodeJson::append(QByteArray &out, const QJsonValue &value, int depth)
{
    switch (value.type()) {
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        out += "{\n";
        if (object.isEmpty())
            out += '\n';
        // QJsonObject keeps its members sorted by key, the order Xcode writes them in.
        for (auto it = object.begin(); it != object.end(); ++it) {
            out += indent(depth + 1);
            appendString(out, it.key());
            out += " : ";
            append(out, it.value(), depth + 1);
            out += std::next(it) != object.end() ? ",\n" : "\n";
        }
        out += indent(depth) + '}';
        break;
    }
    case QJsonValue::Array: {
        const QJsonArray array = value.toArray();
        out += "[\n";
        if (array.isEmpty())
            out += '\n';
        for (qsizetype i = 0; i < array.size(); ++i) {
            out += indent(depth + 1);
            append(out, array.at(i), depth + 1);
            out += i + 1 < array.size() ? ",\n" : "\n";
        }
        out += indent(depth) + ']';
        break;
    }
    case QJsonValue::String:
        appendString(out, value.toString());
        break;
    case QJsonValue::Double:
        out += number(value.toDouble());
        break;
    case QJsonValue::Bool:
        out += value.toBool() ? "true" : "false";
        break;
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        out += "null";
        break;
    }
}

void XcodeJson::appendString(QByteArray &out, const QString &text)
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

} // namespace iconsmith
