#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "generation/generationhost.h"
#include "imaging/bitmap.h"

namespace iconsmith::test {

/** A generation host that records what the generation asked of the desktop. */
class RecordingHost : public GenerationHost
{
public:
    QStringList shownFolders;
    QStringList logLines;

    void showFolder(const QString &path) override { shownFolders << path; }
    void logLine(const QString &line) override { logLines << line; }
};

/** An 8-bit picture read back from a file: width, height, bands and the interleaved bytes. */
struct DecodedImage
{
    int width = 0;
    int height = 0;
    int bands = 0;
    std::vector<std::uint8_t> bytes;

    [[nodiscard]] QSize size() const { return {width, height}; }
    [[nodiscard]] std::uint8_t at(int x, int y, int band) const
    {
        return bytes[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * std::size_t(bands) + std::size_t(band)];
    }
    /** Alpha of a pixel; 255 when the picture has no alpha band. */
    [[nodiscard]] int alpha(int x, int y) const { return bands == 4 || bands == 2 ? at(x, y, bands - 1) : 255; }
};

/** Reads a picture with the imaging library (independently of Iconsmith's own encoder). */
DecodedImage readImage(const QString &path);
/** Decodes an image file held in memory, as readImage() does. */
DecodedImage decodeImage(const QByteArray &bytes);

/**
 * A picture with flat runs, gradients and, in RGBA, a fully transparent band and one of partial
 * alpha: what container formats must carry through exactly.
 */
Bitmap patternBitmap(QSize size, int channels);
/** The pixel bytes of @p bitmap row after row, comparable with DecodedImage::bytes. */
std::vector<std::uint8_t> bitmapBytes(const Bitmap &bitmap);

/** Writes an RGBA PNG whose pixels come from @p pixel(x, y) → {r, g, b, a}. */
void writePng(const QString &path, QSize size, const std::function<std::array<std::uint8_t, 4>(int, int)> &pixel,
              bool withAlpha = true);
/** A colourful opaque or transparent test picture. */
void writeTestPicture(const QString &path, QSize size, bool withAlpha);

/** The path of a size table holding @p rows per idiom: {name, "{w, h}"}. */
QString writeSizeTable(const QString &folder, const QList<QList<std::pair<QString, QString>>> &idioms);

/** The size table shipped with the program. */
QString shippedSizeTable();

/** A file of tests/data: inputs that once made Iconsmith fail. */
QString testData(const QString &name);

/** Writes @p bytes to @p path, replacing any file there. */
void writeBytes(const QString &path, const QByteArray &bytes);

/**
 * Everything below @p folder, hidden entries included, by path relative to it: a file's bytes,
 * a link's target after "-> ", a folder's "/" . Two equal snapshots mean the folder was not
 * changed in any way a user could see.
 */
QMap<QString, QByteArray> snapshot(const QString &folder);

} // namespace iconsmith::test
