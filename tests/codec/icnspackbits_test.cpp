#include "codec/icnspackbits.h"

#include <gtest/gtest.h>

namespace iconsmith {
namespace {

QByteArray compressed(const QByteArray &raw)
{
    QByteArray code;
    IcnsPackBits::compress(reinterpret_cast<const std::uint8_t *>(raw.constData()), std::size_t(raw.size()), code);
    return code;
}

QByteArray distinct(int n, int from = 0)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(char((from + i) % 251));
    return bytes;
}

void expectRoundTrip(const QByteArray &raw, const QByteArray &code)
{
    const Result<IcnsPackBits::Expanded> expanded = IcnsPackBits::expand(code, raw.size());
    ASSERT_TRUE(expanded) << expanded.error().toStdString();
    EXPECT_EQ(expanded->bytes, raw);
    EXPECT_EQ(expanded->consumed, code.size());
}

TEST(IcnsPackBits, CodesRunsAndLiteralsAtTheirLimits)
{
    const QByteArray x(1, 'x');
    const struct
    {
        QByteArray raw;
        QByteArray code;
    } cases[] = {
        {QByteArray(2, 'x'), "\x01xx"},                            // a pair is cheaper as literals
        {QByteArray(3, 'x'), "\x80x"},                             // shortest run
        {QByteArray(130, 'x'), "\xffx"},                           // longest run
        {QByteArray(131, 'x'), "\xffx" + QByteArray(1, '\0') + x}, // one left over
        {QByteArray(133, 'x'), "\xffx\x80x"},                      // three left over
        {distinct(128), "\x7f" + distinct(128)},                   // longest literal
        {distinct(129), "\x7f" + distinct(128) + QByteArray(1, '\0') + distinct(1, 128)},
        {distinct(127) + "yy", "\x7f" + distinct(127) + "y" + QByteArray(1, '\0') + "y"}, // pair split at the limit
        {"ab" + QByteArray(4, 'c') + "d", QByteArray::fromHex("01 6162 81 63 00 64")},
    };
    for (const auto &c : cases) {
        const QByteArray code = compressed(c.raw);
        EXPECT_EQ(code.toHex(' '), QByteArray(c.code).toHex(' ')) << "input of " << c.raw.size() << " bytes";
        expectRoundTrip(c.raw, code);
    }
}

TEST(IcnsPackBits, ExpandsTheCodeOfOtherWriters)
{
    // The documented example of the format.
    const Result<IcnsPackBits::Expanded> expanded =
        IcnsPackBits::expand(QByteArray::fromHex("02010202800381048205"), 15);
    ASSERT_TRUE(expanded);
    EXPECT_EQ(expanded->bytes.toHex(), "010202030303040404040505050505");
}

TEST(IcnsPackBits, RoundTripsMixedData)
{
    QByteArray alternating;
    for (int i = 0; i < 300; ++i)
        alternating.append(i % 2 ? 'a' : 'b');
    QByteArray mixed;
    quint32 state = 7;
    while (mixed.size() < 5000) {
        state = state * 1664525U + 1013904223U;
        mixed.append(int(state >> 28) + 1, char(state >> 8)); // runs of 1 to 16
    }
    for (const QByteArray &raw : {QByteArray(), alternating, mixed, QByteArray(1000, '\0')})
        expectRoundTrip(raw, compressed(raw));
    EXPECT_EQ(compressed(alternating).size(), 300 + 3); // three literal blocks, never a run
}

TEST(IcnsPackBits, RefusesCodeThatEndsEarlyOrOverruns)
{
    EXPECT_FALSE(IcnsPackBits::expand("", 1));
    EXPECT_FALSE(IcnsPackBits::expand("\x03"
                                      "ab",
                                      4));          // literal cut short
    EXPECT_FALSE(IcnsPackBits::expand("\x85", 8));  // run without its byte
    EXPECT_FALSE(IcnsPackBits::expand("\x85x", 7)); // run of 8 where 7 are wanted
    EXPECT_FALSE(IcnsPackBits::expand("\x02"
                                      "abc",
                                      2)); // literal of 3 where 2 are wanted
    const Result<IcnsPackBits::Expanded> partial = IcnsPackBits::expand(QByteArrayView("\x80x\x00", 3), 3);
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->consumed, 2); // what follows the last needed byte is left alone
}

} // namespace
} // namespace iconsmith
