#include "catalog/binarypropertylist.h"

#include <cstdint>
#include <optional>

#include "codec/inputlimits.h"

namespace iconsmith {

namespace {

constexpr qsizetype headerLength = 8;
constexpr qsizetype trailerLength = 32;

// Object markers: the high four bits say what follows.
enum Marker : std::uint8_t {
    AsciiString = 0x5,
    Utf16String = 0x6,
    Array = 0xA,
    Dictionary = 0xD,
    Integer = 0x1,
};

class Reader
{
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}

    Result<PropertyList> read()
    {
        if (m_data.size() < headerLength + trailerLength)
            return failure();
        const qsizetype trailer = m_data.size() - trailerLength;
        m_offsetSize = int(byte(trailer + 6));
        m_referenceSize = int(byte(trailer + 7));
        const std::uint64_t objects = number(trailer + 8, 8);
        const std::uint64_t top = number(trailer + 16, 8);
        const std::uint64_t table = number(trailer + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_referenceSize < 1 || m_referenceSize > 8 || objects == 0 ||
            top >= objects || table < std::uint64_t(headerLength) || table >= std::uint64_t(trailer) ||
            objects > std::uint64_t(trailer - qsizetype(table)) / std::uint64_t(m_offsetSize))
            return failure();
        m_objects = objects;
        m_table = qsizetype(table);
        PropertyList root;
        if (!object(top, 0, root))
            return failure();
        return root;
    }

private:
    [[nodiscard]] Failure failure() const
    {
        return Failure{m_tooLarge ? BinaryPropertyList::tr("it nests deeper or holds more values than Iconsmith reads")
                                  : BinaryPropertyList::tr("it is not a readable binary property list")};
    }

    [[nodiscard]] std::uint8_t byte(qsizetype at) const { return std::uint8_t(m_data[at]); }

    // A big-endian number of @p bytes bytes; the caller has checked the range.
    [[nodiscard]] std::uint64_t number(qsizetype at, int bytes) const
    {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | byte(at + i);
        return value;
    }

    // Whether [at, at + length) lies within the objects, before the offset table.
    [[nodiscard]] bool inObjects(qsizetype at, std::uint64_t length) const
    {
        return at >= headerLength && at <= m_table && length <= std::uint64_t(m_table - at);
    }

    // The count that follows a marker: its low four bits, or an integer object after it.
    std::optional<std::uint64_t> count(qsizetype &at, std::uint8_t marker) const
    {
        if ((marker & 0x0F) != 0x0F)
            return marker & 0x0F;
        if (!inObjects(at, 1) || byte(at) >> 4 != Integer)
            return std::nullopt;
        const int bytes = 1 << (byte(at) & 0x0F);
        if (bytes > 8 || !inObjects(at + 1, std::uint64_t(bytes)))
            return std::nullopt;
        const std::uint64_t value = number(at + 1, bytes);
        at += 1 + bytes;
        return value;
    }

    bool object(std::uint64_t index, int depth, PropertyList &out)
    {
        if (depth > InputLimits::maxDocumentDepth || ++m_values > InputLimits::maxDocumentValues) {
            m_tooLarge = true;
            return false;
        }
        if (index >= m_objects)
            return false;
        const std::uint64_t offset = number(m_table + qsizetype(index) * m_offsetSize, m_offsetSize);
        if (offset >= std::uint64_t(m_table) || !inObjects(qsizetype(offset), 1))
            return false;
        auto at = qsizetype(offset);
        const std::uint8_t marker = byte(at++);
        switch (marker >> 4) {
        case AsciiString:
        case Utf16String:
            return string(marker, at, out);
        case Array:
        case Dictionary:
            return container(marker, at, depth, out);
        default:
            out.kind = PropertyList::Kind::Other;
            return true;
        }
    }

    bool string(std::uint8_t marker, qsizetype at, PropertyList &out) const
    {
        const std::optional<std::uint64_t> length = count(at, marker);
        const bool wide = marker >> 4 == Utf16String;
        if (!length || *length > std::uint64_t(m_table) || !inObjects(at, *length * (wide ? 2 : 1)))
            return false;
        out.kind = PropertyList::Kind::String;
        if (!wide) {
            out.text = QString::fromLatin1(m_data.constData() + at, qsizetype(*length));
            return true;
        }
        out.text.resize(qsizetype(*length));
        for (qsizetype i = 0; i < qsizetype(*length); ++i)
            out.text[i] = QChar(char16_t(number(at + 2 * i, 2)));
        return true;
    }

    bool container(std::uint8_t marker, qsizetype at, int depth, PropertyList &out)
    {
        const std::optional<std::uint64_t> members = count(at, marker);
        const bool dictionary = marker >> 4 == Dictionary;
        const std::uint64_t references = members ? *members * (dictionary ? 2 : 1) : 0;
        if (!members || *members > std::uint64_t(m_table) ||
            !inObjects(at, references * std::uint64_t(m_referenceSize)))
            return false;
        out.kind = dictionary ? PropertyList::Kind::Dictionary : PropertyList::Kind::Array;
        const auto reference = [this, at](std::uint64_t i) {
            return number(at + qsizetype(i) * m_referenceSize, m_referenceSize);
        };
        for (std::uint64_t i = 0; i < *members; ++i) {
            if (dictionary) {
                PropertyList key;
                if (!object(reference(i), depth + 1, key) || key.kind != PropertyList::Kind::String)
                    return false;
                out.keys.append(key.text);
            }
            PropertyList item;
            if (!object(reference(dictionary ? *members + i : i), depth + 1, item))
                return false;
            out.items.push_back(std::move(item));
        }
        return true;
    }

    const QByteArray &m_data;
    int m_offsetSize = 0;
    int m_referenceSize = 0;
    std::uint64_t m_objects = 0;
    qsizetype m_table = 0;
    int m_values = 0;
    bool m_tooLarge = false;
};

} // namespace

Result<PropertyList> BinaryPropertyList::read(const QByteArray &data)
{
    return Reader(data).read();
}

} // namespace iconsmith
