#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

namespace iconsmith {

/**
 * Whether a whole PNG file held in memory is complete, without decoding it: every chunk lies
 * inside the file and its CRC matches, the image data are there, and the file ends with IEND.
 *
 * A PNG whose header is intact but whose data were cut short or damaged still shows its size to
 * a reader of the header, yet Xcode's actool, Android's aapt and browsers fail on it ("Unable to
 * create image"); the check runs this on every PNG it measures, loose or inside a container.
 */
class PngStructure
{
    Q_DECLARE_TR_FUNCTIONS(PngStructure)

public:
    /**
     * What is wrong with the PNG @p png (which starts with the signature), phrased to follow the
     * file's name; empty when its chunks are whole. Bytes after IEND are ignored, as readers do.
     */
    static QString damage(QByteArrayView png);
};

} // namespace iconsmith
