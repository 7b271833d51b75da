#include "codec/pdfstructure.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <optional>

#include "codec/sourceimage.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

// A one-page PDF (a red square, 64 points wide) with its cross-reference data either as a table
// or as a compressed stream with a PNG predictor, and with the chosen pointer bent.
class PdfFile
{
public:
    PdfFile()
    {
        object("<</Type/Catalog/Pages 2 0 R>>");
        object("<</Type/Pages/Kids[3 0 R]/Count 1>>");
        object("<</Type/Page/Parent 2 0 R/MediaBox[0 0 64 64]/Contents 4 0 R>>");
        object("<</Length 25>>stream\n1 0 0 rg 0 0 64 64 re f\nendstream");
    }

    QByteArray withTable(const QByteArray &trailerExtra = {}, std::optional<qint64> entryOffset = {},
                         std::optional<qint64> startxref = {}) const
    {
        QByteArray pdf = m_body;
        const qint64 table = pdf.size();
        pdf += "xref\n0 " + QByteArray::number(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
        for (qsizetype i = 0; i < m_offsets.size(); ++i)
            pdf += QByteArray::number(i == 1 && entryOffset ? *entryOffset : m_offsets[i]).rightJustified(10, '0') +
                   " 00000 n \n";
        pdf += "trailer\n<</Size 5/Root 1 0 R" + trailerExtra + ">>\n";
        return pdf + "startxref\n" + QByteArray::number(startxref.value_or(table)) + "\n%%EOF\n";
    }

    QByteArray withStream(std::optional<qint64> entryOffset = {}) const
    {
        // Rows of W [1 3 1], each behind the PNG "Up" filter byte.
        QByteArray rows;
        QByteArray previous(5, '\0');
        const auto row = [&](int type, qint64 field, int generation) {
            const char entry[] = {char(type), char(field >> 16), char(field >> 8), char(field), char(generation)};
            rows += '\x02';
            for (int i = 0; i < 5; ++i)
                rows += char(entry[i] - previous[i]);
            previous = QByteArray(entry, 5);
        };
        row(0, 0, 255);
        for (qsizetype i = 0; i < m_offsets.size(); ++i)
            row(1, i == 1 && entryOffset ? *entryOffset : m_offsets[i], 0);
        QByteArray pdf = m_body;
        const qint64 self = pdf.size();
        row(1, self, 0);
        QByteArray packed(int(compressBound(uLong(rows.size()))), '\0');
        uLongf length = uLongf(packed.size());
        compress(reinterpret_cast<Bytef *>(packed.data()), &length, reinterpret_cast<const Bytef *>(rows.constData()),
                 uLong(rows.size()));
        packed.truncate(qsizetype(length));
        pdf += "5 0 obj\n<</Type/XRef/Size 6/W[1 3 1]/Root 1 0 R/Filter/FlateDecode"
               "/DecodeParms<</Predictor 12/Columns 5>>/Length " +
               QByteArray::number(packed.size()) + ">>stream\n" + packed + "\nendstream\nendobj\n";
        return pdf + "startxref\n" + QByteArray::number(self) + "\n%%EOF\n";
    }

private:
    void object(const QByteArray &content)
    {
        m_offsets.append(m_body.size());
        m_body += QByteArray::number(m_offsets.size()) + " 0 obj\n" + content + "\nendobj\n";
    }

    QByteArray m_body = "%PDF-1.5\n";
    QList<qint64> m_offsets;
};

TEST(PdfStructure, SoundFilesPassAndAreDrawn)
{
    const PdfFile file;
    for (const QByteArray &pdf : {file.withTable(), file.withStream()}) {
        EXPECT_TRUE(PdfStructure::check(pdf)) << PdfStructure::check(pdf).error().toStdString();
        const Result<SourceImage> image = SourceImage::fromData(pdf, u"square.pdf"_s);
        ASSERT_TRUE(image) << image.error().toStdString();
        EXPECT_EQ(image->size(), QSize(64, 64));
    }
}

TEST(PdfStructure, PointersPastTheEndAndImpossibleObjectCountsAreRefused)
{
    const PdfFile file;
    const qint64 end = file.withTable().size();
    const std::pair<QByteArray, const char16_t *> refused[] = {
        {file.withTable({}, {}, end + 100), u"outside the file"},
        {file.withTable("/Prev 999999"), u"outside the file"},
        {file.withTable({}, end + 5), u"outside the file"},
        {file.withStream(70000), u"outside the file"},
        {file.withTable().replace("/Size 5", "/Size 2000000000"), u"more objects"},
        {file.withTable().replace("startxref", "startxxxx"), u"no cross-reference table"},
        {file.withTable().replace("xref\n0 5", "xref\n0 2000000000"), u"more objects"},
    };
    for (const auto &[pdf, reason] : refused) {
        const QString error = PdfStructure::check(pdf).error();
        EXPECT_TRUE(error.contains(QString::fromUtf16(reason))) << error.toStdString() << "\n" << pdf.toStdString();
    }
}

} // namespace
} // namespace iconsmith
