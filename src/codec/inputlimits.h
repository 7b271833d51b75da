#pragma once

#include <QtGlobal>

namespace iconsmith {

/**
 * The hard limits on everything Iconsmith reads from files it did not write: source images,
 * size tables, icon sets under check. Every reader takes its bounds from here, so that what one
 * part accepts another can handle, and a hostile file meets the same wall everywhere.
 *
 * Only regular files are ever read (never a FIFO, a device or a socket, which could block or
 * never end), and never more than the byte limits below; decoding and drawing are bounded in
 * pixels before they start, and drawing a vector picture in time while it runs.
 */
struct InputLimits
{
    /** The largest source image file, in bytes (256 MiB): far above any real icon source. */
    static constexpr qint64 maxSourceFileBytes = qint64(256) << 20;
    /**
     * The largest vector source (SVG or PDF), in bytes (32 MiB). A vector picture is parsed again
     * for every size it is drawn at, and parsing cannot be interrupted, so the bound is tighter.
     */
    static constexpr qint64 maxVectorFileBytes = qint64(32) << 20;
    /** The largest size table or Contents.json, in bytes (4 MiB; the shipped table has 5 KiB). */
    static constexpr qint64 maxDocumentBytes = qint64(4) << 20;
    /** How much of a PNG file the set check reads to learn its size and alpha (64 KiB). */
    static constexpr qint64 maxPngHeadBytes = qint64(64) << 10;
    /**
     * The largest image file the set check reads whole to see that its data are complete
     * (64 MiB: a 16384-pixel RGBA PNG stored without compression is 1 GiB, but no icon is that).
     */
    static constexpr qint64 maxCheckedImageBytes = qint64(64) << 20;

    /**
     * The most pixels of a decoded source, of a vector picture drawn at one size, and of an
     * output image (2^28: 1 GiB as 8-bit RGBA). Larger ones are refused before any is allocated.
     */
    static constexpr qint64 maxPixels = qint64(1) << 28;
    /**
     * The most memory a source's decoded pixels may take where its decoder must hold the whole
     * picture before it hands out a row (1 GiB: 2^28 pixels of 8-bit RGBA, half as many at 16
     * bits). Most sources decode in strips of a few rows and take far less; one that would take
     * more than this is refused from its header.
     */
    static constexpr qint64 maxWholeDecodeBytes = qint64(1) << 30;
    /** The longest side of an output image. */
    static constexpr int maxOutputSide = 16384;

    /**
     * The wall-clock time reading or drawing a vector source once may take (15 s). Its drawing
     * process (DrawingProcess) is killed when the time is up, and a source that ran out of time
     * once is not drawn again.
     */
    static constexpr int maxVectorDrawMilliseconds = 15000;
    /**
     * The wall-clock time all drawings of one vector source in one generation may take together
     * (30 s; VectorDrawings). A generation draws a picture at a dozen sizes or more, so a source
     * that takes seconds at each would otherwise take minutes.
     */
    static constexpr int maxVectorGenerationMilliseconds = 30000;
    /**
     * The address space of a drawing process (8 GiB): far above any drawing within maxPixels,
     * far below a runaway allocation. Not applied under sanitizers, which reserve terabytes.
     */
    static constexpr qint64 maxDrawingProcessBytes = qint64(8) << 30;
    /** The processor time of a drawing process, in case nothing else stopped it (120 s). */
    static constexpr int maxDrawingProcessSeconds = 120;

    /**
     * The most elements one drawing of an SVG may draw, each element that a reference repeats
     * counted every time (SvgStructure). The SVG library takes about 20 µs an element, so this
     * is some ten seconds a drawing.
     */
    static constexpr qint64 maxSvgElements = 500000;

    /** The deepest nesting of arrays and dictionaries in a property list. */
    static constexpr int maxDocumentDepth = 64;
    /** The most values a property list may hold, counting every reference to a shared one. */
    static constexpr int maxDocumentValues = 200000;
};

} // namespace iconsmith
