#include "codec/icnsreader.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <functional>

#include "codec/icnswriter.h"
#include "codec/pngencoder.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

// TOC (8 + 16 bytes) at 8, ic04 (ARGB) at 32, then ic11 (PNG).
QByteArray soundFile()
{
    const Bitmap bitmap = test::patternBitmap({16, 16}, 4);
    return *IcnsWriter::write({{"ic04", {bitmap, {}}}, {"ic11", {test::patternBitmap({32, 32}, 4), {}}}});
}

void setBe32(QByteArray &file, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = char(value >> (24 - 8 * i));
}

constexpr qsizetype argbChunk = 32;

quint32 argbLength(const QByteArray &file)
{
    return qFromBigEndian<quint32>(file.constData() + argbChunk + 4);
}

TEST(IcnsReader, RefusesBrokenStructure)
{
    const struct
    {
        const char *what;
        std::function<void(QByteArray &)> damage;
        const char *reason;
    } cases[] = {
        {"too short", [](QByteArray &f) { f.truncate(6); }, "too short"},
        {"wrong magic", [](QByteArray &f) { f[0] = 'I'; }, "wrong magic"},
        {"truncated", [](QByteArray &f) { f.chop(1); }, "says it is"},
        {"file length lies", [](QByteArray &f) { setBe32(f, 4, quint32(f.size() + 1)); }, "says it is"},
        {"chunk shorter than its header", [](QByteArray &f) { setBe32(f, argbChunk + 4, 7); }, "less than its own"},
        {"chunk past the end", [](QByteArray &f) { setBe32(f, argbChunk + 4, argbLength(f) + 100000); },
         "past the end"},
        {"header cut",
         [](QByteArray &f) {
             f.append("ic0");
             setBe32(f, 4, quint32(f.size()));
         },
         "ends inside"},
        {"garbage type", [](QByteArray &f) { f[argbChunk] = '\x01'; }, "no valid type"},
        {"a flood of empty chunks",
         [](QByteArray &f) {
             f.append(QByteArray("zzzz\0\0\0\x08", 8).repeated(5000));
             setBe32(f, 4, quint32(f.size()));
         },
         "more than 1024 chunks"},
        {"no chunks",
         [](QByteArray &f) {
             f.truncate(8);
             setBe32(f, 4, 8);
         },
         "no chunks"},
    };
    ASSERT_TRUE(IcnsReader::read(soundFile()));
    for (const auto &c : cases) {
        QByteArray file = soundFile();
        c.damage(file);
        const Result<QList<IcnsChunk>> read = IcnsReader::read(file);
        ASSERT_FALSE(read) << c.what;
        EXPECT_TRUE(read.error().contains(QString::fromUtf8(c.reason))) << c.what << ": " << read.error().toStdString();
    }
}

TEST(IcnsReader, FlagsChunksThatDoNotHoldWhatTheirTypeSays)
{
    const struct
    {
        const char *what;
        std::function<void(QByteArray &)> damage;
        int chunk;
        const char *problem;
    } cases[] = {
        // Without the padding byte and the last coded byte, the B plane's last run or literal ends early.
        {"ARGB cut", [](QByteArray &f) { f.remove(argbChunk + qsizetype(argbLength(f)) - 2, 2); }, 1,
         "end inside the run"},
        {"bytes after the planes", [](QByteArray &f) { f.insert(argbChunk + qsizetype(argbLength(f)), "xx"); }, 1,
         "follow the ARGB planes"},
        {"PNG of another size", [](QByteArray &f) { f.replace(argbChunk + qsizetype(argbLength(f)), 4, "ic12"); }, 2,
         "instead of 64 × 64"},
        {"ARGB where PNG belongs", [](QByteArray &f) { f.replace(argbChunk, 4, "ic07"); }, 1, "only in ic04"},
        {"same type twice", [](QByteArray &f) { f.replace(argbChunk + qsizetype(argbLength(f)), 4, "ic04"); }, 2,
         "comes before it"},
        {"TOC lists another length", [](QByteArray &f) { f[8 + 8 + 7] = char(f[8 + 8 + 7] + 1); }, 0, "does not match"},
    };
    for (const auto &c : cases) {
        QByteArray file = soundFile();
        c.damage(file);
        if (file.size() != qFromBigEndian<quint32>(file.constData() + 4)) { // keep the lengths consistent
            const int grown = int(file.size()) - int(qFromBigEndian<quint32>(file.constData() + 4));
            setBe32(file, 4, quint32(file.size()));
            setBe32(file, argbChunk + 4, argbLength(file) + quint32(grown));
        }
        const Result<QList<IcnsChunk>> read = IcnsReader::read(file);
        ASSERT_TRUE(read) << c.what << ": " << read.error().toStdString();
        const IcnsChunk &chunk = read->at(c.chunk);
        EXPECT_FALSE(chunk.wellFormed()) << c.what;
        EXPECT_TRUE(chunk.problem.contains(QString::fromUtf8(c.problem)))
            << c.what << ": " << chunk.problem.toStdString();
    }
}

} // namespace
} // namespace iconsmith
