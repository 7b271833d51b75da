#include "codec/icoreader.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <functional>

#include "codec/icowriter.h"
#include "codec/pngencoder.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

// A 256-pixel PNG entry at byte 38, then a 16-pixel BMP entry.
QByteArray soundFile()
{
    return *IcoWriter::write({{test::patternBitmap({256, 256}, 4), {}}, {test::patternBitmap({16, 16}, 4), {}}});
}

void setLe(QByteArray &file, qsizetype at, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file[at + i] = char(value >> (8 * i));
}

quint32 le32(const QByteArray &file, qsizetype at)
{
    return qFromLittleEndian<quint32>(file.constData() + at);
}

constexpr qsizetype secondEntry = 6 + 16;

TEST(IcoReader, RefusesBrokenFiles)
{
    const struct
    {
        const char *what;
        std::function<void(QByteArray &)> damage;
        const char *reason;
    } cases[] = {
        {"too short", [](QByteArray &f) { f.truncate(4); }, "too short"},
        {"wrong header", [](QByteArray &f) { f[0] = 1; }, "not an .ico"},
        {"cursor", [](QByteArray &f) { f[2] = 2; }, "cursor"},
        {"zero count", [](QByteArray &f) { setLe(f, 4, 0, 2); }, "no images"},
        {"count beyond the file", [](QByteArray &f) { f.truncate(30); }, "ends inside the list"},
        {"truncated", [](QByteArray &f) { f.chop(1); }, "past the end"},
        {"length lies", [](QByteArray &f) { setLe(f, secondEntry + 8, le32(f, secondEntry + 8) + 1, 4); },
         "past the end"},
        {"offset outside", [](QByteArray &f) { setLe(f, secondEntry + 12, quint32(f.size()), 4); }, "past the end"},
        {"offset in the directory", [](QByteArray &f) { setLe(f, secondEntry + 12, 20, 4); }, "inside the directory"},
        {"empty entry", [](QByteArray &f) { setLe(f, secondEntry + 8, 0, 4); }, "no data"},
        {"overlap", [](QByteArray &f) { setLe(f, secondEntry + 12, le32(f, 6 + 12) + 8, 4); }, "share bytes"},
        {"entry size differs", [](QByteArray &f) { f[secondEntry] = 17; }, "holds an image of 16 × 16"},
        {"PNG header damaged", [](QByteArray &f) { f[38 + 19] = 1; }, "CRC"},
        {"BMP height not doubled", [](QByteArray &f) { setLe(f, le32(f, secondEntry + 12) + 8, 16, 4); },
         "holds an image of 16 × 8"},
        {"BMP cut short", [](QByteArray &f) { setLe(f, secondEntry + 8, le32(f, secondEntry + 8) - 1, 4); },
         "needs 1128 bytes"},
    };
    ASSERT_TRUE(IcoReader::read(soundFile()));
    for (const auto &c : cases) {
        QByteArray file = soundFile();
        c.damage(file);
        const Result<QList<IcoImage>> read = IcoReader::read(file);
        ASSERT_FALSE(read) << c.what;
        EXPECT_TRUE(read.error().contains(QString::fromUtf8(c.reason))) << c.what << ": " << read.error().toStdString();
    }
}

TEST(IcoReader, ReportsPayloadsWindowsMisdraws)
{
    QByteArray file = soundFile();
    // Set the mask bit of an opaque pixel (the right half of the pattern is opaque).
    const qsizetype bmp = le32(file, secondEntry + 12);
    constexpr qsizetype maskStart = 40 + 16 * 16 * 4;
    file[bmp + maskStart + 1] = char(0x01);
    Result<QList<IcoImage>> read = IcoReader::read(file);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_TRUE(read->at(0).problem.isEmpty());
    EXPECT_TRUE(read->at(1).problem.contains(QLatin1String("AND mask"))) << read->at(1).problem.toStdString();

    // An RGB PNG, which the writer never stores, in a file made by hand.
    const QByteArray png = PngEncoder::encode(test::patternBitmap({16, 16}, 3));
    QByteArray handMade = QByteArray::fromHex("000001000100 1010000001002000") + QByteArray(8, '\0') + png;
    setLe(handMade, 6 + 8, quint32(png.size()), 4);
    setLe(handMade, 6 + 12, 22, 4);
    read = IcoReader::read(handMade);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->at(0).bitCount, 24);
    EXPECT_FALSE(read->at(0).alpha);
    EXPECT_TRUE(read->at(0).problem.contains(QLatin1String("RGBA")));
}

} // namespace
} // namespace iconsmith
