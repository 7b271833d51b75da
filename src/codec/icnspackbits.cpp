#include "codec/icnspackbits.h"

#include <algorithm>

namespace iconsmith {

namespace {

std::size_t runAt(const std::uint8_t *data, std::size_t length, std::size_t at)
{
    const std::size_t end = std::min(length, at + std::size_t(IcnsPackBits::longestRun));
    std::size_t n = at + 1;
    while (n < end && data[n] == data[at])
        ++n;
    return n - at;
}

void flushLiterals(const std::uint8_t *from, std::size_t count, QByteArray &out)
{
    if (count == 0)
        return;
    out.append(char(count - 1));
    out.append(reinterpret_cast<const char *>(from), qsizetype(count));
}

} // namespace

void IcnsPackBits::compress(const std::uint8_t *data, std::size_t length, QByteArray &out)
{
    std::size_t literalStart = 0;
    std::size_t at = 0;
    while (at < length) {
        const std::size_t run = runAt(data, length, at);
        if (run >= std::size_t(shortestRun)) {
            flushLiterals(data + literalStart, at - literalStart, out);
            out.append(char(run + 125));
            out.append(char(data[at]));
            at += run;
            literalStart = at;
            continue;
        }
        // A shorter run joins the literals one byte at a time, so that a pair straddling the
        // 128-byte limit is split across two literal blocks instead of overflowing one.
        ++at;
        if (at - literalStart == std::size_t(longestLiteral)) {
            flushLiterals(data + literalStart, at - literalStart, out);
            literalStart = at;
        }
    }
    flushLiterals(data + literalStart, at - literalStart, out);
}

Result<IcnsPackBits::Expanded> IcnsPackBits::expand(QByteArrayView code, qsizetype length)
{
    Expanded result;
    result.bytes.reserve(length);
    qsizetype at = 0;
    while (result.bytes.size() < length) {
        if (at >= code.size())
            return Failure{tr("the compressed data end after %1 of %2 bytes").arg(result.bytes.size()).arg(length)};
        const auto control = quint8(code[at++]);
        const bool repeat = control >= 0x80;
        const qsizetype count = repeat ? qsizetype(control) - 125 : qsizetype(control) + 1;
        if (result.bytes.size() + count > length)
            return Failure{
                tr("a run at byte %1 of the compressed data goes past the %2 bytes expected").arg(at - 1).arg(length)};
        const qsizetype needs = repeat ? 1 : count;
        if (code.size() - at < needs)
            return Failure{tr("the compressed data end inside the run at byte %1").arg(at - 1)};
        if (repeat)
            result.bytes.append(count, code[at]);
        else
            result.bytes.append(code.sliced(at, count));
        at += needs;
    }
    result.consumed = at;
    return result;
}

} // namespace iconsmith
