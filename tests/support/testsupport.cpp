#include "support/testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <vips/vips8>

#include <array>
#include <stdexcept>

#include "codec/imagelibrary.h"

namespace iconsmith::test {

namespace {

DecodedImage fromVips(const vips::VImage &image)
{
    if (image.format() != VIPS_FORMAT_UCHAR)
        throw std::runtime_error("test images are 8-bit");
    DecodedImage result;
    result.width = image.width();
    result.height = image.height();
    result.bands = image.bands();
    const auto *data = static_cast<const std::uint8_t *>(image.data());
    result.bytes.assign(data,
                        data + std::size_t(result.width) * std::size_t(result.height) * std::size_t(result.bands));
    return result;
}

} // namespace

DecodedImage readImage(const QString &path)
{
    ImageLibrary::ensureStarted();
    return fromVips(vips::VImage::new_from_file(QFile::encodeName(path).constData()).copy_memory());
}

DecodedImage decodeImage(const QByteArray &bytes)
{
    ImageLibrary::ensureStarted();
    return fromVips(vips::VImage::new_from_buffer(bytes.constData(), std::size_t(bytes.size()), "").copy_memory());
}

Bitmap patternBitmap(QSize size, int channels)
{
    Bitmap bitmap(size, channels);
    for (int y = 0; y < size.height(); ++y) {
        std::uint8_t *pixel = bitmap.row(y);
        for (int x = 0; x < size.width(); ++x, pixel += channels) {
            const bool flat = y < size.height() / 2; // long runs above, varied bytes below
            pixel[0] = flat ? 200 : std::uint8_t(x * 7 + y);
            pixel[1] = flat ? std::uint8_t(x / 5 * 40) : std::uint8_t(x ^ y);
            pixel[2] = std::uint8_t(x % 3 == 0 ? 17 : y * 3);
            if (channels == 4)
                pixel[3] = x < size.width() / 4 ? 0 : (x < size.width() / 2 ? std::uint8_t(64 + y % 128) : 255);
        }
    }
    return bitmap;
}

std::vector<std::uint8_t> bitmapBytes(const Bitmap &bitmap)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(bitmap.byteCount());
    for (int y = 0; y < bitmap.height(); ++y)
        bytes.insert(bytes.end(), bitmap.row(y), bitmap.row(y) + bitmap.bytesPerRow());
    return bytes;
}

void writePng(const QString &path, QSize size, const std::function<std::array<std::uint8_t, 4>(int, int)> &pixel,
              bool withAlpha)
{
    ImageLibrary::ensureStarted();
    const int bands = withAlpha ? 4 : 3;
    std::vector<std::uint8_t> bytes(std::size_t(size.width()) * std::size_t(size.height()) * std::size_t(bands));
    std::size_t at = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const auto p = pixel(x, y);
            for (int b = 0; b < bands; ++b)
                bytes[at++] = p[std::size_t(b)];
        }
    }
    vips::VImage image = vips::VImage::new_from_memory(bytes.data(), bytes.size(), size.width(), size.height(), bands,
                                                       VIPS_FORMAT_UCHAR);
    image.pngsave(QFile::encodeName(path).constData());
}

void writeTestPicture(const QString &path, QSize size, bool withAlpha)
{
    writePng(
        path, size,
        [size, withAlpha](int x, int y) {
            const auto r = std::uint8_t(x * 255 / std::max(1, size.width() - 1));
            const auto g = std::uint8_t(y * 255 / std::max(1, size.height() - 1));
            const auto b = std::uint8_t((x / 8 + y / 8) % 2 ? 200 : 40);
            // A transparent band along the left edge when alpha is asked for.
            const std::uint8_t a = withAlpha && x < size.width() / 4 ? 0 : 255;
            return std::array<std::uint8_t, 4>{r, g, b, a};
        },
        withAlpha);
}

QString writeSizeTable(const QString &folder, const QList<QList<std::pair<QString, QString>>> &idioms)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n";
    for (const auto &rows : idioms) {
        xml += "<dict>\n";
        for (const auto &[name, dimensions] : rows) {
            xml += "<key>" + name.toUtf8() + "</key><dict><key>Dimensions</key><string>" + dimensions.toUtf8() +
                   "</string><key>Name</key><string>" + name.toUtf8() + "</string></dict>\n";
        }
        xml += "</dict>\n";
    }
    xml += "</array>\n</plist>\n";
    const QString path = folder + QStringLiteral("/SizeFile.plist");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        throw std::runtime_error("could not write the size table");
    return path;
}

QString shippedSizeTable()
{
    return QStringLiteral(ICONSMITH_SOURCE_DIR "/resources/SizeFile.plist");
}

QString testData(const QString &name)
{
    return QStringLiteral(ICONSMITH_SOURCE_DIR "/tests/data/") + name;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("could not write a test file");
}

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString name = QDir(folder).relativeFilePath(path);
        if (info.isSymLink()) {
            entries.insert(name, "-> " + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isDir()) {
            entries.insert(name, "/");
        } else {
            QFile file(path);
            entries.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)"));
        }
    }
    return entries;
}

} // namespace iconsmith::test
