#include "cli/jsonkeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace iconsmith {

namespace {

// Walks a document that QJsonDocument has read without error, so every token is well formed
// and the nesting is within its depth limit.
class Walker
{
public:
    explicit Walker(const QByteArray &json) : m_json(json) {}

    std::optional<JsonKeys::Duplicate> value(const QString &name)
    {
        // Deeper than the reader takes: not a document it read, and the stack stays bounded.
        const Depth deeper(m_depth);
        if (m_depth > maxDepth) {
            m_at = m_json.size();
            return std::nullopt;
        }
        skipSpace();
        if (at() == '{')
            return object(name);
        if (at() == '[')
            return array(name);
        if (at() == '"') {
            (void)string();
            return std::nullopt;
        }
        // A number, true, false or null; at least one byte is taken, so that the walk always ends.
        do
            ++m_at;
        while (m_at < m_json.size() && !QByteArrayView(",]} \t\r\n").contains(at()));
        return std::nullopt;
    }

private:
    static constexpr int maxDepth = 1024;

    // Counts one more level of nesting for as long as it lives.
    class Depth
    {
    public:
        explicit Depth(int &depth) : m_depth(depth) { ++m_depth; }
        ~Depth() { --m_depth; }
        Depth(const Depth &) = delete;
        Depth &operator=(const Depth &) = delete;

    private:
        int &m_depth;
    };

    [[nodiscard]] char at() const { return m_at < m_json.size() ? m_json.at(m_at) : '\0'; }

    void skipSpace()
    {
        while (m_at < m_json.size() && QByteArrayView(" \t\r\n").contains(at()))
            ++m_at;
    }

    // A string token, decoded by the JSON reader itself so that escapes compare as what they mean.
    QString string()
    {
        const qsizetype start = m_at++;
        while (m_at < m_json.size() && at() != '"')
            m_at += at() == '\\' ? 2 : 1;
        ++m_at;
        const QByteArray token = m_json.mid(start, m_at - start);
        return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
    }

    std::optional<JsonKeys::Duplicate> object(const QString &name)
    {
        ++m_at;
        QSet<QString> keys;
        for (;;) {
            skipSpace();
            if (at() == '}' || m_at >= m_json.size()) {
                ++m_at;
                return std::nullopt;
            }
            if (at() == ',') {
                ++m_at;
                continue;
            }
            if (at() != '"')
                return std::nullopt; // not a document the reader took; nothing to say about it
            const int offset = int(m_at);
            const QString key = string();
            const QString member = name.isEmpty() ? key : name + u'.' + key;
            if (keys.contains(key))
                return JsonKeys::Duplicate{member, offset};
            keys.insert(key);
            skipSpace();
            ++m_at; // the colon
            if (std::optional<JsonKeys::Duplicate> inner = value(member))
                return inner;
        }
    }

    std::optional<JsonKeys::Duplicate> array(const QString &name)
    {
        ++m_at;
        int index = 0;
        for (;;) {
            skipSpace();
            if (at() == ']' || m_at >= m_json.size()) {
                ++m_at;
                return std::nullopt;
            }
            if (at() == ',') {
                ++m_at;
                continue;
            }
            if (std::optional<JsonKeys::Duplicate> inner = value(QStringLiteral("%1[%2]").arg(name).arg(index++)))
                return inner;
        }
    }

    const QByteArray &m_json;
    qsizetype m_at = 0;
    int m_depth = 0;
};

} // namespace

std::optional<JsonKeys::Duplicate> JsonKeys::findDuplicate(const QByteArray &json)
{
    return Walker(json).value(QString());
}

} // namespace iconsmith
