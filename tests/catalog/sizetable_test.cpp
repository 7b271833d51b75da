#include "catalog/sizetable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <plist/plist.h>

#include <cstdlib>

#include "catalog/binarypropertylist.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QStringList namesOf(const SizeDictionary &dictionary)
{
    QStringList names;
    for (const SizeEntry &entry : dictionary.entries)
        names << entry.name;
    return names;
}

TEST(SizeTable, TheShippedTableListsEveryIdiomInFileOrder)
{
    const Result<SizeTable> read = SizeTable::read(test::shippedSizeTable());
    ASSERT_TRUE(read) << read.error().toStdString();
    const SizeTable &table = *read;
    ASSERT_TRUE(table.problems().isEmpty()) << table.problems().join(u'\n').toStdString();
    EXPECT_EQ(namesOf(table.dictionary(SizeTable::IPhone)),
              (QStringList{u"Icon-20@2x"_s, u"Icon-20@3x"_s, u"Icon-29@2x"_s, u"Icon-29@3x"_s, u"Icon-40@2x"_s,
                           u"Icon-40@3x"_s, u"Icon-60@2x"_s, u"Icon-60@3x"_s, u"ios-marketing"_s}));
    EXPECT_EQ(namesOf(table.dictionary(SizeTable::IPad)),
              (QStringList{u"Icon-20"_s, u"Icon-20@2x"_s, u"Icon-29"_s, u"Icon-29@2x"_s, u"Icon-40"_s, u"Icon-40@2x"_s,
                           u"Icon-76"_s, u"Icon-76@2x"_s, u"Icon-83_5@2x"_s, u"ios-marketing"_s}));
    const SizeDictionary &watch = table.dictionary(SizeTable::Watch);
    ASSERT_EQ(watch.entries.size(), 17);
    EXPECT_EQ(watch.entries[1].name, u"Icon-27_5@2x"_s);
    EXPECT_EQ(watch.entries[1].dimensions, QSizeF(55, 55));
    EXPECT_EQ(watch.entries.last().name, u"watch-marketing"_s);
}

TEST(SizeTable, EveryShippedRowMeasuresItsPointSizeTimesItsScale)
{
    const SizeTable table = *SizeTable::read(test::shippedSizeTable());
    for (const SizeTable::Idiom idiom : {SizeTable::IPhone, SizeTable::IPad, SizeTable::Watch}) {
        for (const SizeEntry &entry : table.dictionary(idiom).entries) {
            if (!entry.name.contains(u'@'))
                continue;
            const double points = entry.name.mid(5, entry.name.indexOf(u'@') - 5).replace(u'_', u'.').toDouble();
            const double scale = entry.name.mid(entry.name.indexOf(u'@') + 1).chopped(1).toDouble();
            EXPECT_DOUBLE_EQ(entry.dimensions.width(), points * scale) << entry.name.toStdString();
            EXPECT_DOUBLE_EQ(entry.dimensions.height(), points * scale) << entry.name.toStdString();
        }
    }
}

TEST(SizeTable, ReadsBinaryPropertyListsToo)
{
    QFile xmlFile(test::shippedSizeTable());
    ASSERT_TRUE(xmlFile.open(QIODevice::ReadOnly));
    const QByteArray xml = xmlFile.readAll();
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
    ASSERT_NE(root, nullptr);
    char *binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &binary, &length);
    plist_free(root);
    const QByteArray bytes(binary, qsizetype(length));
    std::free(binary);

    const SizeTable fromBinary = *SizeTable::fromData(bytes, u"binary.plist"_s);
    const SizeTable fromXml = *SizeTable::fromData(xml, u"xml.plist"_s);
    EXPECT_TRUE(fromBinary.problems().isEmpty());
    for (const SizeTable::Idiom idiom : {SizeTable::IPhone, SizeTable::IPad, SizeTable::Watch})
        EXPECT_EQ(namesOf(fromBinary.dictionary(idiom)), namesOf(fromXml.dictionary(idiom)));
}

TEST(SizeTable, AMissingOrMalformedTableIsAFailureThatNamesTheFile)
{
    const QByteArray notAList[] = {
        QByteArray(), QByteArray("not a plist at all"), QByteArray("<?xml version=\"1.0\"?><plist><dict/></plist>"),
        QByteArray("<?xml version=\"1.0\"?><plist><array><dict>"), QByteArray("bplist00\xff\xff", 10)};
    for (const QByteArray &data : notAList) {
        const Result<SizeTable> table = SizeTable::fromData(data, u"broken.plist"_s);
        EXPECT_TRUE(table.error().contains(u"broken.plist"_s)) << data.toStdString();
    }
    const Result<SizeTable> missing = SizeTable::read(u"/nonexistent/SizeFile.plist"_s);
    EXPECT_TRUE(missing.error().contains(u"/nonexistent/SizeFile.plist"_s));
}

TEST(SizeTable, HostileBinaryListsEndInAFailureNotACrashOrAHang)
{
    // A dictionary key with a NUL in it once made the property-list library abort.
    const Result<SizeTable> nulKey = SizeTable::read(test::testData(u"nul-key.bplist"_s));
    ASSERT_TRUE(nulKey) << nulKey.error().toStdString();
    EXPECT_FALSE(nulKey->problems().isEmpty());

    // Forty arrays, each naming the next one twice: a few hundred bytes that unfold into 2^40 values.
    constexpr int levels = 40;
    QByteArray bytes = BinaryPropertyList::magic;
    QByteArray offsets;
    for (int i = 0; i <= levels; ++i) {
        offsets += char(bytes.size() >> 8);
        offsets += char(bytes.size() & 0xFF);
        bytes += i < levels ? QByteArray{"\xA2"} + char(i + 1) + char(i + 1) : QByteArray("\x51x");
    }
    const qsizetype table = bytes.size();
    bytes += offsets;
    const auto bigEndian64 = [&bytes](quint64 value) {
        for (int shift = 56; shift >= 0; shift -= 8)
            bytes += char(value >> shift);
    };
    bytes += QByteArray(6, '\0') + char(2) + char(1);
    bigEndian64(levels + 1);
    bigEndian64(0);
    bigEndian64(quint64(table));
    const Result<SizeTable> bomb = SizeTable::fromData(bytes, u"bomb.plist"_s);
    EXPECT_TRUE(bomb.error().contains(u"more values"_s)) << bomb.error().toStdString();
}

TEST(SizeTable, ASecondRowOfANameIsLeftOutAndReported)
{
    QTemporaryDir dir;
    const SizeTable table = *SizeTable::read(test::writeSizeTable(
        dir.path(),
        {{{u"Same"_s, u"{10, 10}"_s}, {u"Icon-20@2x"_s, u"{40, 40}"_s}, {u"Same"_s, u"{30, 30}"_s}}, {}, {}}));
    const SizeDictionary &iphone = table.dictionary(SizeTable::IPhone);
    EXPECT_EQ(namesOf(iphone), (QStringList{u"Same"_s, u"Icon-20@2x"_s}));
    EXPECT_EQ(iphone.entries.first().dimensions, QSizeF(10, 10));
    EXPECT_TRUE(table.problems().first().contains(u"second row named \"Same\""_s))
        << table.problems().join(u'\n').toStdString();
}

TEST(SizeTable, UnusableRowsAndMissingDictionariesAreLeftOutAndReported)
{
    QTemporaryDir dir;
    const QString path = test::writeSizeTable(dir.path(), {{{u"Icon-20@2x"_s, u"{40, 40}"_s},
                                                            {u"Icon-bad"_s, u"forty"_s},
                                                            {u"Icon-zero"_s, u"{0, 40}"_s},
                                                            {u"Icon-60@3x"_s, u"{180,180}"_s}}});
    const SizeTable table = *SizeTable::read(path);
    EXPECT_EQ(namesOf(table.dictionary(SizeTable::IPhone)), (QStringList{u"Icon-20@2x"_s, u"Icon-60@3x"_s}));
    // Two bad rows, plus no ipad and no watch dictionary.
    EXPECT_EQ(table.problems().size(), 4);
}

TEST(SizeTable, DimensionsReadWidthThenHeight)
{
    EXPECT_EQ(SizeTable::parseDimensions(u"{120, 120}"_s), QSizeF(120, 120));
    EXPECT_EQ(SizeTable::parseDimensions(u"{100, 50}"_s), QSizeF(100, 50));
    EXPECT_EQ(SizeTable::parseDimensions(u" { 83.5 ,83.5 } "_s), QSizeF(83.5, 83.5));
    EXPECT_TRUE(SizeTable::parseDimensions(u"{120}"_s).isEmpty());
    EXPECT_TRUE(SizeTable::parseDimensions(u"{-1, 5}"_s).isEmpty());
    EXPECT_TRUE(SizeTable::parseDimensions(u"{1e9, 5}"_s).isEmpty());
    EXPECT_TRUE(SizeTable::parseDimensions(u"{100000, 5}"_s).isEmpty());
    EXPECT_TRUE(SizeTable::parseDimensions(QString()).isEmpty());
}

} // namespace
} // namespace iconsmith
