#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include "common/result.h"
#include "imaging/bitmap.h"

namespace iconsmith {

/** One chunk of an `.icns` file as IcnsReader found it. */
struct IcnsChunk
{
    enum class Kind { Png, Argb, Toc, Other };

    /** The four-character type, e.g. "ic07" or "TOC ". */
    QByteArray type;
    /** The width and height the type stands for; 0 for types Iconsmith does not write. */
    int pixels = 0;
    Kind kind = Kind::Other;
    /** Where the chunk's data (after its 8-byte header) lie in the file. */
    qsizetype offset = 0;
    qsizetype length = 0;
    /** Why the data do not hold what the type promises; empty when they do. */
    QString problem;

    [[nodiscard]] bool wellFormed() const { return problem.isEmpty(); }
};

/**
 * Reads the structure of an `.icns` file without trusting any of it: the header's length must be
 * the file's, every chunk at least its own header and inside the file. The data of the types
 * Iconsmith writes are checked too: a PNG measuring the type's size, ARGB data that expand to
 * exactly its four planes, a table of contents matching the chunks that follow it.
 */
class IcnsReader
{
    Q_DECLARE_TR_FUNCTIONS(IcnsReader)

public:
    /**
     * The most chunks a file may hold. macOS knows a few dozen types and reads each once, so a
     * longer file is broken anyway; stopping there bounds the time and memory a hostile file
     * (millions of empty chunks) can cost.
     */
    static constexpr int maxChunks = 1024;

    /**
     * The chunks of the `.icns` file @p file, or why its structure is broken. Reasons and problems
     * are phrased to follow the file's name ("AppIcon.icns: chunk 3 … goes past the end of the file").
     */
    static Result<QList<IcnsChunk>> read(QByteArrayView file);

    /**
     * The pixels of ARGB chunk data @p data for an image of @p pixels × @p pixels, as RGBA. At
     * most one byte may follow the coded planes (the padding some writers add).
     */
    static Result<Bitmap> decodeArgb(QByteArrayView data, int pixels);
};

} // namespace iconsmith
