#include "codec/libraryerror.h"

#include <QRegularExpression>
#include <QStringList>

#include <vips/vips.h>

#include <array>

namespace iconsmith {

namespace {

// The format a loader reads, as users know it.
QString formatOf(const QString &loader)
{
    static constexpr std::array<std::pair<const char *, const char *>, 11> formats{{
        {"pngload", "PNG"},
        {"jpegload", "JPEG"},
        {"webpload", "WebP"},
        {"tiffload", "TIFF"},
        {"gifload", "GIF"},
        {"heifload", "HEIF"},
        {"svgload", "SVG"},
        {"pdfload", "PDF"},
        {"jxlload", "JPEG XL"},
        {"jp2kload", "JPEG 2000"},
        {"magickload", "BMP"},
    }};
    for (const auto &[prefix, name] : formats) {
        if (loader.startsWith(QLatin1StringView(prefix)))
            return QString::fromLatin1(name);
    }
    return {};
}

// The line of the library's text that says most: the last one, unless it only lists bytes
// ("Bytes: 0x8F 0x73 ...", after the XML parser's complaint about the encoding).
QString tellingLine(const char *text)
{
    QStringList lines = QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    while (lines.size() > 1 && lines.last().startsWith(QLatin1StringView("Bytes:")))
        lines.removeLast();
    return lines.isEmpty() ? QString() : lines.last();
}

// Drops the names of internal operations and error domains in front ("heif: ", "glib: ",
// "VipsJpeg: ", "gifload_buffer: ").
QString withoutPrefixes(QString line)
{
    static const QRegularExpression prefix(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*: "));
    for (QRegularExpressionMatch match = prefix.match(line); match.hasMatch(); match = prefix.match(line))
        line.remove(0, match.capturedLength());
    return line.trimmed();
}

bool mentions(const QString &detail, const char *words)
{
    return detail.contains(QLatin1StringView(words), Qt::CaseInsensitive);
}

} // namespace

QString LibraryError::explain(const QString &loader, const char *text)
{
    QString detail = withoutPrefixes(tellingLine(text));
    const QString format = formatOf(loader);
    const QString file = format.isEmpty() ? tr("the file") : tr("the %1 file").arg(format);

    // The HEIF library's codes: (error.suberror), after its own words, which may be empty.
    static const QRegularExpression heifCode(QStringLiteral("\\s*\\((\\d+)\\.(\\d+)\\)$"));
    int code = 0;
    int subcode = 0;
    if (const QRegularExpressionMatch match = heifCode.match(detail); match.hasMatch()) {
        code = match.captured(1).toInt();
        subcode = match.captured(2).toInt();
        detail.chop(match.capturedLength());
        // Its words start with the name of the code ("Invalid input: "), which the sentence says.
        if (const qsizetype named = detail.indexOf(u": "); named >= 0)
            detail = detail.mid(named + 2).trimmed();
    }
    // A parser's position and error code say nothing to a reader; where in the file does.
    static const QRegularExpression xml(
        QStringLiteral("^XML parse error: Error domain \\d+ code \\d+ on line (\\d+) column (\\d+) of data: (.*)$"));
    if (const QRegularExpressionMatch match = xml.match(detail); match.hasMatch())
        return tr("it is not well-formed XML: %1 (line %2, column %3)")
            .arg(match.captured(3).trimmed(), match.captured(1), match.captured(2));
    if (mentions(detail, "proper UTF-8") || mentions(detail, "encoding error"))
        return tr("its text is not in the encoding it declares (UTF-8 unless it says otherwise)");

    const auto withDetail = [&detail](const QString &sentence) {
        // A detail that is only a code or a field number is left out.
        static const QRegularExpression words(QStringLiteral("[A-Za-z]{3,}"));
        if (detail.isEmpty() || !detail.contains(words) || mentions(detail, "required field") ||
            detail.compare(QLatin1StringView("Unspecified"), Qt::CaseInsensitive) == 0)
            return sentence;
        return tr("%1 (%2)").arg(sentence, detail);
    };
    if (subcode == 1000 || mentions(detail, "security limit") || mentions(detail, "exceeded more than"))
        return withDetail(tr("it is larger or more complex than the %1 decoder accepts").arg(format));
    if (code == 6 || mentions(detail, "out of memory"))
        return withDetail(tr("the %1 decoder ran out of memory reading it").arg(format));
    if (code == 4 || (code == 0 && mentions(detail, "unsupported")))
        return withDetail(tr("it uses a feature of %1 that this system cannot decode").arg(format));
    if (code == 7)
        return withDetail(tr("the %1 decoder could not decode its picture (damaged, or made in a way it does not "
                             "support)")
                              .arg(format));
    if (mentions(detail, "premature end") || mentions(detail, "unexpected end") || mentions(detail, "end of data") ||
        mentions(detail, "truncated"))
        return tr("%1 ends before the picture is complete").arg(file);
    if (detail.isEmpty())
        return tr("%1 is damaged or is not a complete picture").arg(file);
    return withDetail(tr("%1 is damaged or is not a complete picture").arg(file));
}

} // namespace iconsmith
