#include "codec/pdfstructure.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "codec/pdflexer.h"

namespace iconsmith {

namespace {

// The PDF library looks for "startxref" in the last 24 KiB (in 1 KiB windows), and for the end
// of a linearization dictionary in the first 1 KiB.
constexpr qsizetype startxrefSearch = 24576 + 1024;
constexpr qsizetype linearizationSearch = 1024;
constexpr int maxSections = 256;
constexpr qsizetype maxXrefStreamBytes = qsizetype(64) << 20;

// Inflates a zlib stream, keeping what was decoded before any damage and at most @p limit bytes.
QByteArray inflateBounded(const QByteArray &in, qsizetype limit)
{
    QByteArray out;
    z_stream stream = {};
    if (inflateInit(&stream) != Z_OK)
        return out;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    stream.avail_in = uInt(in.size());
    constexpr qsizetype chunk = qsizetype(64) * 1024;
    int status = Z_OK;
    while (status == Z_OK && out.size() < limit) {
        const qsizetype filled = out.size();
        out.resize(std::min(limit, filled + chunk));
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + filled);
        stream.avail_out = uInt(out.size() - filled);
        status = inflate(&stream, Z_NO_FLUSH);
        out.truncate(out.size() - qsizetype(stream.avail_out));
        if (status == Z_BUF_ERROR || (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0))
            break;
    }
    inflateEnd(&stream);
    return out;
}

int paeth(int left, int up, int upLeft)
{
    const int p = left + up - upLeft;
    const int pa = std::abs(p - left);
    const int pb = std::abs(p - up);
    const int pc = std::abs(p - upLeft);
    return pa <= pb && pa <= pc ? left : (pb <= pc ? up : upLeft);
}

class Checker
{
public:
    explicit Checker(const QByteArray &pdf)
        : m_pdf(pdf), m_size(pdf.size()), m_maxObjects(qint64(pdf.size()) / 4 + 4096)
    {}

    Result<void> run()
    {
        if (!firstSections())
            return Failure{m_problem};
        while (!m_pending.empty()) {
            const qint64 offset = m_pending.back();
            m_pending.pop_back();
            if (!m_seen.insert(offset).second)
                continue;
            if (m_seen.size() > std::size_t(maxSections))
                return fail(
                    PdfStructure::tr("the PDF file chains more cross-reference sections than Iconsmith follows"));
            if (!section(offset))
                return Failure{m_problem};
        }
        return {};
    }

private:
    Failure fail(const QString &problem)
    {
        m_problem = problem;
        return Failure{problem};
    }
    bool refuse(const QString &problem)
    {
        m_problem = problem;
        return false;
    }
    bool damaged()
    {
        return refuse(PdfStructure::tr("the PDF file is damaged: its cross-reference data cannot be read"));
    }
    bool outside()
    {
        return refuse(PdfStructure::tr("the PDF file is damaged: its cross-reference data points outside the file"));
    }
    bool tooManyObjects()
    {
        return refuse(PdfStructure::tr("the PDF file numbers more objects than a file of its size can hold"));
    }
    [[nodiscard]] bool inside(qint64 offset) const { return offset > 0 && offset < m_size; }

    bool queue(qint64 offset)
    {
        if (!inside(offset))
            return outside();
        m_pending.push_back(offset);
        return true;
    }

    // The sections the library starts from: after the linearization dictionary of a
    // linearized file, and the one "startxref" names.
    bool firstSections()
    {
        PdfLexer lexer(m_pdf, 0);
        const PdfValue number = lexer.token();
        const PdfValue generation = lexer.token();
        const PdfValue keyword = lexer.token();
        if (number.is(PdfValue::Kind::Integer) && generation.is(PdfValue::Kind::Integer) && keyword.isKeyword("obj")) {
            const PdfValue dictionary = lexer.value();
            if (dictionary.find("Linearized") != nullptr && !linearization(dictionary))
                return false;
        }
        const qsizetype from = std::max<qsizetype>(0, m_size - startxrefSearch);
        const qsizetype at = m_pdf.lastIndexOf("startxref");
        if (at < from) {
            if (m_pending.empty())
                return refuse(
                    PdfStructure::tr("the PDF file is damaged or incomplete: it has no cross-reference table"));
            return true;
        }
        PdfLexer offset(m_pdf, at + 9);
        const PdfValue value = offset.token();
        return value.is(PdfValue::Kind::Integer) ? queue(value.integer) : damaged();
    }

    bool linearization(const PdfValue &dictionary)
    {
        if (const PdfValue *hints = dictionary.find("H"); hints != nullptr && hints->is(PdfValue::Kind::Array)) {
            for (std::size_t i = 0; i + 1 < hints->items.size(); i += 2) {
                const PdfValue &offset = hints->items[i];
                const PdfValue &length = hints->items[i + 1];
                if (!offset.is(PdfValue::Kind::Integer) || !length.is(PdfValue::Kind::Integer) ||
                    !inside(offset.integer) || length.integer < 0 || offset.integer + length.integer > m_size)
                    return outside();
            }
        }
        for (const char *key : {"E", "T"}) {
            if (const std::optional<qint64> offset = dictionary.integerAt(key); offset && !inside(*offset))
                return outside();
        }
        if (dictionary.integerAt("L") != qint64(m_size))
            return true; // not taken as linearized: only "startxref" counts
        const qsizetype end = m_pdf.left(linearizationSearch).indexOf("endobj");
        if (end < 0)
            return damaged();
        qsizetype start = end + 6;
        while (start < m_size && PdfLexer::isSpace(m_pdf[start]) && m_pdf[start] != '\0')
            ++start;
        return queue(start);
    }

    bool section(qint64 offset)
    {
        PdfLexer lexer(m_pdf, qsizetype(offset));
        const PdfValue first = lexer.token();
        if (first.isKeyword("xref"))
            return table(lexer);
        if (first.is(PdfValue::Kind::Integer) && lexer.token().is(PdfValue::Kind::Integer) &&
            lexer.token().isKeyword("obj")) {
            const PdfValue dictionary = lexer.value();
            return dictionary.is(PdfValue::Kind::Dictionary) ? stream(dictionary, lexer) : damaged();
        }
        return damaged();
    }

    bool table(PdfLexer &lexer)
    {
        for (;;) {
            const PdfValue first = lexer.token();
            if (first.isKeyword("trailer"))
                break;
            const PdfValue count = lexer.token();
            if (!first.is(PdfValue::Kind::Integer) || !count.is(PdfValue::Kind::Integer) || first.integer < 0 ||
                count.integer < 0)
                return damaged();
            if (first.integer + count.integer > m_maxObjects)
                return tooManyObjects();
            for (qint64 i = 0; i < count.integer; ++i) {
                const PdfValue position = lexer.token();
                const PdfValue generation = lexer.token();
                const PdfValue kind = lexer.token();
                if (!position.is(PdfValue::Kind::Integer) || !generation.is(PdfValue::Kind::Integer) ||
                    !(kind.isKeyword("n") || kind.isKeyword("f")))
                    return damaged();
                if (kind.isKeyword("n") && (position.integer < 0 || position.integer >= m_size))
                    return outside();
            }
        }
        const PdfValue trailer = lexer.value();
        if (!trailer.is(PdfValue::Kind::Dictionary))
            return damaged();
        if (const std::optional<qint64> stream = trailer.integerAt("XRefStm"); stream && !queue(*stream))
            return false;
        return trailerLinks(trailer);
    }

    // The object count and the link to the previous section, in a trailer or a stream's dictionary.
    bool trailerLinks(const PdfValue &dictionary)
    {
        if (const std::optional<qint64> size = dictionary.integerAt("Size");
            size && (*size < 0 || *size > m_maxObjects))
            return tooManyObjects();
        const PdfValue *previous = dictionary.find("Prev");
        if (previous == nullptr)
            return true;
        // Some writers put "/Prev n 0 R"; the library reads n as the offset.
        if (!previous->is(PdfValue::Kind::Integer) && !previous->is(PdfValue::Kind::Reference))
            return damaged();
        return queue(previous->integer);
    }

    bool stream(const PdfValue &dictionary, PdfLexer &lexer)
    {
        const PdfValue *type = dictionary.find("Type");
        if (type == nullptr || !type->is(PdfValue::Kind::Name) || type->text != "XRef")
            return damaged();
        if (!trailerLinks(dictionary))
            return false;
        const std::optional<std::vector<qint64>> widths = integers(dictionary.find("W"));
        if (!widths || widths->size() < 3)
            return damaged();
        int entryBytes = 0;
        for (const qint64 width : *widths) {
            if (width < 0 || width > 8)
                return damaged();
            entryBytes += int(width);
        }
        std::optional<std::vector<qint64>> index = integers(dictionary.find("Index"));
        if (!index)
            index = std::vector<qint64>{0, dictionary.integerAt("Size").value_or(0)};
        qint64 entries = 0;
        for (std::size_t i = 0; i + 1 < index->size(); i += 2) {
            if ((*index)[i] < 0 || (*index)[i + 1] < 0)
                return damaged();
            if ((*index)[i] + (*index)[i + 1] > m_maxObjects)
                return tooManyObjects();
            entries += (*index)[i + 1];
        }
        if (entryBytes == 0 || entries == 0)
            return true;
        const std::optional<QByteArray> data = streamData(dictionary, lexer, entries * (entryBytes + 1));
        if (!data)
            return false;
        const std::vector<qint64> &w = *widths;
        qsizetype at = 0;
        for (qint64 entry = 0; entry < entries && at + entryBytes <= data->size(); ++entry) {
            std::uint64_t fields[3] = {0, 0, 0};
            for (int f = 0; f < 3; ++f) {
                for (qint64 b = 0; b < w[std::size_t(f)]; ++b)
                    fields[f] = (fields[f] << 8) | std::uint8_t((*data)[at++]);
            }
            const std::uint64_t kind = w[0] == 0 ? 1 : fields[0];
            if (kind == 1 && fields[1] >= std::uint64_t(m_size))
                return outside();
        }
        return true;
    }

    static std::optional<std::vector<qint64>> integers(const PdfValue *array)
    {
        if (array == nullptr || !array->is(PdfValue::Kind::Array))
            return std::nullopt;
        std::vector<qint64> values;
        for (const PdfValue &item : array->items) {
            if (!item.is(PdfValue::Kind::Integer))
                return std::nullopt;
            values.push_back(item.integer);
        }
        return values;
    }

    // The decoded bytes of the stream whose dictionary was just read, at most @p limit of them.
    std::optional<QByteArray> streamData(const PdfValue &dictionary, PdfLexer &lexer, qint64 limit)
    {
        if (!lexer.token().isKeyword("stream")) {
            damaged();
            return std::nullopt;
        }
        qsizetype start = lexer.pos();
        if (start < m_size && m_pdf[start] == '\r')
            ++start;
        if (start < m_size && m_pdf[start] == '\n')
            ++start;
        qsizetype end = m_pdf.indexOf("endstream", start);
        if (const std::optional<qint64> length = dictionary.integerAt("Length"); length && *length >= 0)
            end = qsizetype(std::min<qint64>(m_size, start + *length));
        if (end < start) {
            damaged();
            return std::nullopt;
        }
        const QByteArray raw = m_pdf.mid(start, end - start);
        const PdfValue *filter = dictionary.find("Filter");
        if (filter != nullptr && filter->is(PdfValue::Kind::Array) && filter->items.size() == 1)
            filter = &filter->items.front();
        const PdfValue *parameters = dictionary.find("DecodeParms");
        if (parameters != nullptr && parameters->is(PdfValue::Kind::Array) && parameters->items.size() == 1)
            parameters = &parameters->items.front();
        const auto bound = qsizetype(std::min<qint64>(maxXrefStreamBytes, limit));
        if (filter == nullptr)
            return raw.left(bound);
        if (!filter->is(PdfValue::Kind::Name) || filter->text != "FlateDecode") {
            refuse(PdfStructure::tr("the PDF file's cross-reference data is in a form Iconsmith does not read"));
            return std::nullopt;
        }
        QByteArray decoded = inflateBounded(raw, bound);
        if (parameters != nullptr && parameters->is(PdfValue::Kind::Dictionary) && !unpredict(*parameters, decoded)) {
            refuse(PdfStructure::tr("the PDF file's cross-reference data is in a form Iconsmith does not read"));
            return std::nullopt;
        }
        return decoded;
    }

    // Undoes a PNG predictor (10 to 15) in place, leaving only the data bytes of each row.
    static bool unpredict(const PdfValue &parameters, QByteArray &data)
    {
        const qint64 predictor = parameters.integerAt("Predictor").value_or(1);
        if (predictor == 1)
            return true;
        const qint64 columns = parameters.integerAt("Columns").value_or(1);
        const qint64 colours = parameters.integerAt("Colors").value_or(1);
        const qint64 bits = parameters.integerAt("BitsPerComponent").value_or(8);
        if (predictor < 10 || predictor > 15 || columns < 1 || columns > 65536 || colours < 1 || colours > 32 ||
            bits != 8)
            return false;
        const auto rowBytes = qsizetype(columns * colours);
        const auto pixelBytes = qsizetype(colours);
        QByteArray out;
        std::vector<std::uint8_t> previous(std::size_t(rowBytes), 0);
        std::vector<std::uint8_t> row(std::size_t(rowBytes), 0);
        for (qsizetype at = 0; at + 1 + rowBytes <= data.size(); at += 1 + rowBytes) {
            const int filter = std::uint8_t(data[at]);
            for (qsizetype x = 0; x < rowBytes; ++x) {
                const int raw = std::uint8_t(data[at + 1 + x]);
                const int left = x >= pixelBytes ? row[std::size_t(x - pixelBytes)] : 0;
                const int up = previous[std::size_t(x)];
                const int upLeft = x >= pixelBytes ? previous[std::size_t(x - pixelBytes)] : 0;
                const int predicted = filter == 1   ? left
                                      : filter == 2 ? up
                                      : filter == 3 ? (left + up) / 2
                                      : filter == 4 ? paeth(left, up, upLeft)
                                                    : 0;
                row[std::size_t(x)] = std::uint8_t(raw + predicted);
            }
            out.append(reinterpret_cast<const char *>(row.data()), rowBytes);
            std::swap(row, previous);
        }
        data = std::move(out);
        return true;
    }

    const QByteArray &m_pdf;
    const qsizetype m_size;
    const qint64 m_maxObjects;
    std::vector<qint64> m_pending;
    std::set<qint64> m_seen;
    QString m_problem;
};

} // namespace

Result<void> PdfStructure::check(const QByteArray &pdf)
{
    return Checker(pdf).run();
}

} // namespace iconsmith