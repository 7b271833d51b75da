#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

namespace iconsmith {

// One PDF object, as much of it as the cross-reference checks need (PdfStructure).
struct PdfValue
{
    enum class Kind { End, Error, Integer, Real, Name, Keyword, String, Reference, Array, Dictionary };
    Kind kind = Kind::End;
    qint64 integer = 0;           // an integer, or the object number of a reference
    QByteArray text;              // a name without its slash, or a keyword
    std::vector<PdfValue> items;  // of an array, or the values of a dictionary
    std::vector<QByteArray> keys; // of a dictionary, one per value

    [[nodiscard]] bool is(Kind k) const { return kind == k; }
    [[nodiscard]] bool isKeyword(const char *word) const { return kind == Kind::Keyword && text == word; }
    [[nodiscard]] const PdfValue *find(const char *key) const
    {
        for (std::size_t i = 0; i < keys.size() && i < items.size(); ++i) {
            if (keys[i] == key)
                return &items[i];
        }
        return nullptr;
    }
    [[nodiscard]] std::optional<qint64> integerAt(const char *key) const
    {
        const PdfValue *value = find(key);
        return value != nullptr && value->is(Kind::Integer) ? std::optional(value->integer) : std::nullopt;
    }
};

// Tokens and objects of PDF syntax, read from any position of a file. Nesting and the number of
// values one read may produce are bounded; strings and numbers are skipped over or saturated.
class PdfLexer
{
public:
    PdfLexer(const QByteArray &data, qsizetype pos) : m_data(data), m_pos(pos) {}

    // White space as PDF defines it: NUL, tab, line feed, form feed, carriage return and space.
    static bool isSpace(char c);

    [[nodiscard]] qsizetype pos() const { return m_pos; }
    // Skips white space and comments.
    void skipSpace();
    // One token: a number, a name, a keyword (delimiters such as "<<" and "[" included), a string.
    PdfValue token();
    // A whole object: arrays and dictionaries with everything in them, "n g R" as a reference.
    PdfValue value(int depth = 0);

private:
    static PdfValue error();
    static PdfValue keyword(const QByteArray &text);
    QByteArray regularRun();
    PdfValue literalString();
    PdfValue number();

    const QByteArray &m_data;
    qsizetype m_pos;
    int m_values = 0;
};

} // namespace iconsmith
