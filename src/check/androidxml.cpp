#include "check/androidxml.h"

#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <optional>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QString errorOf(const QXmlStreamReader &xml)
{
    return AndroidXml::tr("is not well-formed XML: %1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
}

bool isColour(const QString &text)
{
    static const QRegularExpression colour(u"^#([0-9A-Fa-f]{3,4}|[0-9A-Fa-f]{6}|[0-9A-Fa-f]{8})$"_s);
    return colour.match(text.trimmed()).hasMatch();
}

} // namespace

std::optional<AndroidXml::Reference> AndroidXml::reference(const QString &text, const QString &element,
                                                           const QString &attribute)
{
    static const QRegularExpression pattern(u"^@\\+?(?:([A-Za-z0-9_.]+):)?(mipmap|drawable|color)/(.+)$"_s);
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return Reference{element, attribute, text, match.captured(2), match.captured(3), !match.captured(1).isEmpty()};
}

AndroidXml::Drawable AndroidXml::readDrawable(const QByteArray &xml)
{
    static const QSet<QString> layers{u"background"_s, u"foreground"_s, u"monochrome"_s};
    Drawable drawable;
    QXmlStreamReader reader(xml);
    int depth = 0;
    // The layer element whose content is being read, and whether it has given a drawable yet.
    QString layer;
    bool layerHasDrawable = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (depth == 1 && !layer.isEmpty()) {
                if (!layerHasDrawable)
                    drawable.emptyLayers << layer;
                layer.clear();
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QString element = reader.name().toString();
        if (depth == 1)
            drawable.root = element;
        bool hasDrawableAttribute = false;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            hasDrawableAttribute = hasDrawableAttribute || attribute.name() == u"drawable";
            if (const auto found =
                    reference(attribute.value().toString(), element, attribute.qualifiedName().toString()))
                drawable.references.append(*found);
        }
        if (depth == 2 && drawable.root == u"adaptive-icon" && layers.contains(element)) {
            layer = element;
            layerHasDrawable = hasDrawableAttribute;
        } else if (depth > 2 && !layer.isEmpty()) {
            layerHasDrawable = true; // a drawable written inside the layer
        }
    }
    if (reader.hasError())
        drawable.error = errorOf(reader);
    return drawable;
}

AndroidXml::Values AndroidXml::readValues(const QByteArray &xml)
{
    static const QSet<QString> types{u"color"_s, u"drawable"_s, u"mipmap"_s};
    Values values;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = reader.name().toString();
        const QString name = reader.attributes().value(u"name"_s).toString();
        if (element == u"item") {
            const QString type = reader.attributes().value(u"type"_s).toString();
            if (types.contains(type))
                values.declared.append({type, name});
            continue;
        }
        if (!types.contains(element))
            continue;
        values.declared.append({element, name});
        if (element != u"color")
            continue;
        const QString value = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        if (!isColour(value) && !value.startsWith(u'@') && !value.startsWith(u'?'))
            values.badColours << tr("the colour %1 is \"%2\", not #RGB, #ARGB, #RRGGBB or #AARRGGBB").arg(name, value);
    }
    if (reader.hasError())
        values.error = errorOf(reader);
    return values;
}

AndroidXml::ManifestIcons AndroidXml::readManifest(const QByteArray &xml)
{
    ManifestIcons manifest;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            if (attribute.name() != u"icon" && attribute.name() != u"roundIcon")
                continue;
            const QString value = attribute.value().toString();
            if (value.contains(u"${"))
                manifest.placeholders = true;
            else if (const auto found =
                         reference(value, reader.name().toString(), attribute.qualifiedName().toString()))
                manifest.icons.append(*found);
        }
    }
    if (reader.hasError())
        manifest.error = errorOf(reader);
    return manifest;
}

} // namespace iconsmith
