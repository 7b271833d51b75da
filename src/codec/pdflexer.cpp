#include "codec/pdflexer.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace iconsmith {

namespace {

constexpr int maxNesting = 32;
// Values one read may produce: a dictionary of the cross-reference data holds a handful.
constexpr int maxValuesPerRead = 1 << 18;
constexpr qint64 saturated = std::numeric_limits<qint64>::max() / 4;

bool isDelimiter(char c)
{
    return std::strchr("()<>[]{}/%", c) != nullptr && c != '\0';
}

} // namespace

bool PdfLexer::isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\0';
}

void PdfLexer::skipSpace()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '%') {
            while (m_pos < m_data.size() && m_data[m_pos] != '\n' && m_data[m_pos] != '\r')
                ++m_pos;
        } else if (isSpace(c)) {
            ++m_pos;
        } else {
            break;
        }
    }
}

PdfValue PdfLexer::token()
{
    skipSpace();
    PdfValue value;
    if (m_pos >= m_data.size())
        return value;
    const char c = m_data[m_pos];
    if (c == '(')
        return literalString();
    if (c == '<' || c == '>') {
        if (m_pos + 1 < m_data.size() && m_data[m_pos + 1] == c) {
            m_pos += 2;
            return keyword(c == '<' ? "<<" : ">>");
        }
        if (c == '>') {
            ++m_pos;
            return error();
        }
        const qsizetype close = m_data.indexOf('>', m_pos);
        m_pos = close < 0 ? m_data.size() : close + 1;
        value.kind = close < 0 ? PdfValue::Kind::Error : PdfValue::Kind::String;
        return value;
    }
    if (c == '[' || c == ']' || c == '{' || c == '}') {
        ++m_pos;
        return keyword(QByteArray(1, c));
    }
    if (c == ')') {
        ++m_pos;
        return error();
    }
    if (c == '/') {
        ++m_pos;
        value.kind = PdfValue::Kind::Name;
        value.text = regularRun();
        return value;
    }
    if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')
        return number();
    value.kind = PdfValue::Kind::Keyword;
    value.text = regularRun();
    return value;
}

PdfValue PdfLexer::value(int depth)
{
    if (depth > maxNesting || ++m_values > maxValuesPerRead)
        return error();
    PdfValue first = token();
    if (first.isKeyword("[")) {
        PdfValue array;
        array.kind = PdfValue::Kind::Array;
        for (;;) {
            skipSpace();
            if (m_pos < m_data.size() && m_data[m_pos] == ']') {
                ++m_pos;
                return array;
            }
            PdfValue item = value(depth + 1);
            if (item.is(PdfValue::Kind::End) || item.is(PdfValue::Kind::Error))
                return error();
            array.items.push_back(std::move(item));
        }
    }
    if (first.isKeyword("<<")) {
        PdfValue dictionary;
        dictionary.kind = PdfValue::Kind::Dictionary;
        for (;;) {
            PdfValue key = token();
            if (key.isKeyword(">>"))
                return dictionary;
            if (!key.is(PdfValue::Kind::Name))
                return error();
            PdfValue item = value(depth + 1);
            if (item.is(PdfValue::Kind::End) || item.is(PdfValue::Kind::Error))
                return error();
            dictionary.keys.push_back(std::move(key.text));
            dictionary.items.push_back(std::move(item));
        }
    }
    if (first.is(PdfValue::Kind::Integer)) {
        const qsizetype after = m_pos;
        const PdfValue generation = token();
        if (generation.is(PdfValue::Kind::Integer) && token().isKeyword("R")) {
            first.kind = PdfValue::Kind::Reference;
            return first;
        }
        m_pos = after;
    }
    return first;
}

PdfValue PdfLexer::error()
{
    PdfValue value;
    value.kind = PdfValue::Kind::Error;
    return value;
}

PdfValue PdfLexer::keyword(const QByteArray &text)
{
    PdfValue value;
    value.kind = PdfValue::Kind::Keyword;
    value.text = text;
    return value;
}

QByteArray PdfLexer::regularRun()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && !isSpace(m_data[m_pos]) && !isDelimiter(m_data[m_pos]))
        ++m_pos;
    return m_data.mid(start, m_pos - start);
}

PdfValue PdfLexer::literalString()
{
    int depth = 0;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos++];
        if (c == '\\')
            ++m_pos;
        else if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0) {
            PdfValue value;
            value.kind = PdfValue::Kind::String;
            return value;
        }
    }
    return error();
}

PdfValue PdfLexer::number()
{
    PdfValue value;
    value.kind = PdfValue::Kind::Integer;
    bool negative = false;
    if (m_data[m_pos] == '+' || m_data[m_pos] == '-')
        negative = m_data[m_pos++] == '-';
    bool digits = false;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c >= '0' && c <= '9') {
            digits = true;
            value.integer = value.integer > (saturated - 9) / 10 ? saturated : value.integer * 10 + (c - '0');
        } else if (c == '.' && value.is(PdfValue::Kind::Integer)) {
            value.kind = PdfValue::Kind::Real;
        } else {
            break;
        }
        ++m_pos;
    }
    if (!digits)
        return error();
    if (negative)
        value.integer = -value.integer;
    return value;
}

} // namespace iconsmith
