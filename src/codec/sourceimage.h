#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>

#include "codec/inputlimits.h"
#include "common/result.h"
#include "imaging/bitmap.h"
#include "imaging/pixelbuffer.h"
#include "imaging/resampler.h"

namespace iconsmith {

class VectorDrawings;

/**
 * The source image of a generation: the bytes of an image file, checked to be a picture and
 * kept unchanged, so that every generation sees the picture as it was when it was loaded.
 *
 * Raster formats (PNG, JPEG, WebP, TIFF, GIF, HEIF/AVIF, ...) are decoded on demand, once per
 * use, as a stream of rows; vector formats (SVG, PDF) are rendered at each size asked for.
 * Copies share the same bytes. Every member is safe to call from several threads at once.
 */
class SourceImage
{
    Q_DECLARE_TR_FUNCTIONS(SourceImage)

public:
    /** Receives each decoded row, top to bottom, as 8-bit RGBA with straight alpha. */
    using RowSink = std::function<void(int y, const std::uint8_t *rgba)>;

    /** A picture of the source for display, and whether the source has any transparency. */
    struct Preview
    {
        Bitmap bitmap;
        bool transparent = false;
    };

    SourceImage() = default;

    /**
     * Loads an image file: a regular file of at most InputLimits::maxSourceFileBytes (a FIFO or
     * a device is refused unread).
     */
    static Result<SourceImage> load(const QString &path);
    /** Loads an image from the bytes of a file; @p origin names it in messages. */
    static Result<SourceImage> fromData(const QByteArray &bytes, const QString &origin);

    [[nodiscard]] bool isNull() const { return !d; }
    /** Size in pixels (for a vector image, its natural size). */
    [[nodiscard]] QSize size() const;
    [[nodiscard]] bool hasAlpha() const;
    [[nodiscard]] bool isVector() const;
    /** The file the image came from. */
    [[nodiscard]] QString origin() const;
    /** Whether the image is an SVG document, which some outputs ship as it is. */
    [[nodiscard]] bool isSvg() const;
    /** The bytes of the file as it was loaded. */
    [[nodiscard]] QByteArray bytes() const;

    /**
     * The size decode() delivers when the caller needs at least @p atLeast pixels: the full
     * size, or smaller where the format can shrink while decoding (JPEG, WebP) and still
     * leave ample detail for @p atLeast.
     */
    [[nodiscard]] QSize decodedSize(QSize atLeast) const;
    /**
     * Decodes a raster image once, passing its rows to @p sink in order; decoding runs beside
     * the caller when a worker is free, so that the caller's work on each row overlaps it.
     * Throws ImageError when the file turns out damaged or truncated.
     */
    void decode(QSize atLeast, const RowSink &sink) const;
    /** Renders a vector image at exactly @p target pixels, in one drawing. Throws ImageError. */
    [[nodiscard]] PixelBuffer renderVector(QSize target) const;
    /**
     * The drawings of a vector image for one generation, which share drawings between sizes
     * and bound their number and time (VectorDrawings); nothing for a raster image.
     */
    [[nodiscard]] std::unique_ptr<VectorDrawings> vectorDrawings() const;
    /**
     * The picture at exactly @p target pixels, as premultiplied rows to @p sink: a raster image
     * decoded and reduced as it streams in, a vector image drawn at that size. Returns whether
     * any pixel of the source, as it was read, is less than opaque. Throws ImageError.
     */
    bool reduce(QSize target, const Resampler::RowSink &sink) const;
    /**
     * A picture for display, no larger than @p maxEdge on either side and never enlarged. It
     * reads the whole file as a generation does, so a source that previews is one that
     * generates. A stop requested through @p stop ends the reading early, as a failure.
     */
    [[nodiscard]] Result<Preview> preview(int maxEdge, const std::stop_token &stop = {}) const;

    /** Sources larger than this many pixels are refused rather than risk exhausting memory. */
    static constexpr qint64 maxPixels = InputLimits::maxPixels;

    /** The shared, immutable state; opaque outside the implementation. */
    struct Data;

private:
    std::shared_ptr<const Data> d;
};

} // namespace iconsmith
