#include "catalog/xmlpropertylist.h"

#include <QXmlStreamReader>

#include "codec/inputlimits.h"

namespace iconsmith {

namespace {

class Reader
{
public:
    explicit Reader(const QByteArray &data) : m_xml(data) {}

    Result<PropertyList> read()
    {
        PropertyList root;
        if (!nextElement()) // the document's first element
            return failure();
        if (m_xml.name() == u"plist" && !nextElement())
            return failure();
        if (!value(0, root))
            return failure();
        return root;
    }

private:
    [[nodiscard]] Failure failure() const
    {
        if (m_tooLarge)
            return Failure{XmlPropertyList::tr("it nests deeper or holds more values than Iconsmith reads")};
        if (m_xml.hasError())
            return Failure{XmlPropertyList::tr("it is not well-formed XML (line %1: %2)")
                               .arg(m_xml.lineNumber())
                               .arg(m_xml.errorString())};
        return Failure{XmlPropertyList::tr("it is not a property list")};
    }

    // Moves to the next start element within the current one; false at its end or on an error.
    bool nextElement()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
            case QXmlStreamReader::Invalid:
                return false;
            default:
                break;
            }
        }
        return false;
    }

    // Reads the value whose start element is current, up to and including its end element.
    bool value(int depth, PropertyList &out)
    {
        if (depth > InputLimits::maxDocumentDepth || ++m_values > InputLimits::maxDocumentValues) {
            m_tooLarge = true;
            return false;
        }
        const QStringView name = m_xml.name();
        if (name == u"string") {
            out.kind = PropertyList::Kind::String;
            out.text = m_xml.readElementText();
            return !m_xml.hasError();
        }
        if (name == u"array" || name == u"dict") {
            const bool dictionary = name == u"dict";
            out.kind = dictionary ? PropertyList::Kind::Dictionary : PropertyList::Kind::Array;
            while (nextElement()) {
                if (dictionary) {
                    if (m_xml.name() != u"key")
                        return false;
                    out.keys.append(m_xml.readElementText());
                    if (m_xml.hasError() || !nextElement())
                        return false;
                }
                PropertyList item;
                if (!value(depth + 1, item))
                    return false;
                out.items.push_back(std::move(item));
            }
            return !m_xml.hasError() && m_xml.isEndElement();
        }
        // Numbers, dates, data and booleans: read past, whatever they hold.
        out.kind = PropertyList::Kind::Other;
        m_xml.skipCurrentElement();
        return !m_xml.hasError();
    }

    QXmlStreamReader m_xml;
    int m_values = 0;
    bool m_tooLarge = false;
};

} // namespace

Result<PropertyList> XmlPropertyList::read(const QByteArray &data)
{
    return Reader(data).read();
}

} // namespace iconsmith
