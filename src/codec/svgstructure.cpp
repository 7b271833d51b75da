#include "codec/svgstructure.h"

#include <QHash>
#include <QStringView>
#include <QXmlStreamReader>

#include <algorithm>
#include <vector>
#include <zlib.h>

#include "codec/inputlimits.h"
#include "codec/regularfile.h"

namespace iconsmith {

namespace {

// One element of the document: what it holds and what it refers to.
struct Element
{
    std::vector<int> children;
    std::vector<QString> references; // ids, without '#'
};

// Feeds @p reader the document, decompressed when it is SVGZ; false when it grows past the limit.
bool feed(const QByteArray &svg, QXmlStreamReader &reader)
{
    if (!svg.startsWith("\x1f\x8b")) {
        reader.addData(svg);
        return true;
    }
    z_stream inflater{};
    if (inflateInit2(&inflater, 15 + 32) != Z_OK) // a gzip header
        return true;
    inflater.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(svg.constData()));
    inflater.avail_in = uInt(svg.size());
    QByteArray plain;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    int status = Z_OK;
    while (status == Z_OK) {
        inflater.next_out = reinterpret_cast<Bytef *>(chunk.data());
        inflater.avail_out = uInt(chunk.size());
        status = inflate(&inflater, Z_NO_FLUSH);
        plain.append(chunk.constData(), chunk.size() - qsizetype(inflater.avail_out));
        if (plain.size() > InputLimits::maxVectorFileBytes) {
            inflateEnd(&inflater);
            return false;
        }
    }
    inflateEnd(&inflater);
    // A damaged stream is the library's to refuse; what came out of it is checked.
    reader.addData(plain);
    return true;
}

// The id that @p value refers to: "#id" in a link, "url(#id)" in a paint or a style.
void referencesIn(QStringView value, bool link, std::vector<QString> &into)
{
    if (link) {
        if (value.startsWith(u'#'))
            into.push_back(value.mid(1).trimmed().toString());
        return;
    }
    for (qsizetype at = value.indexOf(u"url("); at >= 0; at = value.indexOf(u"url(", at + 4)) {
        QStringView rest = value.mid(at + 4).trimmed();
        if (rest.startsWith(u'"') || rest.startsWith(u'\''))
            rest = rest.mid(1);
        if (!rest.startsWith(u'#'))
            continue;
        const qsizetype end = rest.indexOf(u')');
        QStringView id = rest.mid(1, end < 0 ? -1 : end - 1).trimmed();
        if (id.endsWith(u'"') || id.endsWith(u'\''))
            id.chop(1);
        into.push_back(id.toString());
    }
}

// The elements under @p root with every reference repeated, counted up to @p most + 1. Iterative:
// a document may nest deeper than any stack.
qint64 drawnUnder(int root, const std::vector<Element> &elements, const QHash<QString, int> &ids, qint64 most)
{
    enum class State : std::uint8_t { New, Open, Counted };
    std::vector<State> state(elements.size(), State::New);
    std::vector<qint64> count(elements.size(), 0);
    std::vector<int> stack{root};
    const auto targets = [&](int element) {
        std::vector<int> out = elements[std::size_t(element)].children;
        for (const QString &id : elements[std::size_t(element)].references) {
            if (const auto found = ids.constFind(id); found != ids.cend())
                out.push_back(*found);
        }
        return out;
    };
    while (!stack.empty()) {
        const int element = stack.back();
        State &now = state[std::size_t(element)];
        if (now == State::Counted) {
            stack.pop_back();
        } else if (now == State::New) {
            now = State::Open;
            for (const int next : targets(element)) {
                if (state[std::size_t(next)] == State::New)
                    stack.push_back(next);
            }
        } else {
            // A reference back to an element still open is a cycle, which the library refuses
            // to follow; it counts nothing here.
            qint64 total = 1;
            for (const int next : targets(element)) {
                if (state[std::size_t(next)] == State::Counted)
                    total = std::min(total + count[std::size_t(next)], most + 1);
            }
            count[std::size_t(element)] = total;
            now = State::Counted;
            stack.pop_back();
        }
    }
    return count[std::size_t(root)];
}

} // namespace

qint64 SvgStructure::drawnElements(const QByteArray &svg)
{
    QXmlStreamReader reader;
    if (!feed(svg, reader))
        return -1;
    std::vector<Element> elements;
    QHash<QString, int> ids;
    std::vector<int> open;
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() == QXmlStreamReader::EndElement) {
            if (!open.empty())
                open.pop_back();
            continue;
        }
        if (reader.tokenType() != QXmlStreamReader::StartElement)
            continue;
        const int index = int(elements.size());
        elements.emplace_back();
        if (!open.empty())
            elements[std::size_t(open.back())].children.push_back(index);
        open.push_back(index);
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            const QStringView name = attribute.name();
            if (name == u"id")
                ids.insert(attribute.value().toString(), index);
            else
                referencesIn(attribute.value(), name == u"href", elements.back().references);
        }
    }
    // What was read before a parse error is counted all the same.
    return elements.empty() ? 0 : drawnUnder(0, elements, ids, InputLimits::maxSvgElements);
}

Result<void> SvgStructure::check(const QByteArray &svg)
{
    const qint64 drawn = drawnElements(svg);
    if (drawn < 0)
        return Failure{tr("decompressed it is larger than %1, the most Iconsmith reads of a vector picture")
                           .arg(RegularFile::sizeText(InputLimits::maxVectorFileBytes))};
    if (drawn > InputLimits::maxSvgElements)
        return Failure{tr("drawing it would draw more than %L1 elements, the most Iconsmith draws (its references "
                          "repeat parts of it too often)")
                           .arg(InputLimits::maxSvgElements)};
    return {};
}

} // namespace iconsmith
