#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

#include "common/result.h"

namespace iconsmith {

/**
 * The run-length code of the ARGB planes in `.icns` files. It is not TIFF's PackBits: a control
 * byte c below 0x80 is followed by c + 1 literal bytes (1…128); a control byte c of 0x80 or more
 * is followed by one byte that repeats c − 125 times (3…130). A run of two costs as much as two
 * literals, so it is written as literals.
 */
class IcnsPackBits
{
    Q_DECLARE_TR_FUNCTIONS(IcnsPackBits)

public:
    static constexpr int longestLiteral = 128;
    static constexpr int shortestRun = 3;
    static constexpr int longestRun = 130;

    /** Appends the code of @p length bytes at @p data to @p out. */
    static void compress(const std::uint8_t *data, std::size_t length, QByteArray &out);

    /** What expand() produced. */
    struct Expanded
    {
        QByteArray bytes;
        /** How many bytes of the input the code took up. */
        qsizetype consumed = 0;
    };

    /**
     * Expands the code at the start of @p code into exactly @p length bytes. Fails when the code
     * ends too early or a run or literal would go past @p length; bytes after the last one needed
     * are left alone (see Expanded::consumed).
     */
    static Result<Expanded> expand(QByteArrayView code, qsizetype length);
};

} // namespace iconsmith
