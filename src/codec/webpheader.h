#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QSize>

#include "common/result.h"

namespace iconsmith {

/**
 * What a WebP file held in memory says about itself, read from its RIFF container and the
 * header of its image, never by decoding: its size, whether it has alpha, and that the
 * container is whole. Android launchers and browsers take WebP where they take PNG (Android
 * Studio writes its launcher icons as WebP), so the check measures both.
 *
 * Lossy ("VP8 "), lossless ("VP8L") and extended ("VP8X") files are read.
 */
struct WebpHeader
{
    Q_DECLARE_TR_FUNCTIONS(WebpHeader)

public:
    enum class Kind { Lossy, Lossless, Extended };

    QSize size;
    bool alpha = false;
    Kind kind = Kind::Lossy;

    /** Whether @p bytes start as a WebP file ("RIFF", a length, "WEBP"). */
    static bool isWebp(QByteArrayView bytes);
    /**
     * Reads the WebP file @p file (all of it): fails, phrased to follow the file's name, when its
     * container is cut short or its image header is not sound.
     */
    static Result<WebpHeader> parse(QByteArrayView file);
};

} // namespace iconsmith
