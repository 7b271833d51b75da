#include "codec/textsetter.h"

#include <fontconfig/fontconfig.h>
#include <vips/vips8>

#include <algorithm>
#include <cmath>
#include <memory>

#include "codec/imagelibrary.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The font the text is set in, as fontconfig's pattern and as the text library's description.
// It is set at one large size and scaled down: every text then needs the same few fonts, which
// the text library caches. Asked for a new size each time, it keeps finding fonts for sizes on a
// thread of its own, and one version (Pango 1.50) crashes when that thread drops the last use
// of such a search while the next text is set.
constexpr const char *fontPattern = "sans:bold";

// The size @p text is set at: large, unless its longest line would then outgrow what the
// rasteriser draws (32767 pixels), at about a point's width and a half a character at most.
int referencePoints(const QString &text)
{
    constexpr qsizetype largest = 160;
    constexpr qsizetype widest = 20000;
    qsizetype longest = 1;
    for (const QStringView line : QStringView(text).split(u'\n'))
        longest = std::max(longest, line.size());
    return int(std::clamp<qsizetype>(widest * 2 / (longest * 3), 8, largest));
}

// One layout set at its reference size, its ink cropped.
vips::VImage setLarge(const QString &layout, bool rightToLeft)
{
    // The text is markup to the library: escaped, each character is set as it is.
    const QByteArray markup = layout.toHtmlEscaped().toUtf8();
    const QByteArray font = "sans bold " + QByteArray::number(referencePoints(layout));
    return vips::VImage::text(markup.constData(), vips::VImage::option()
                                                      ->set("font", font.constData())
                                                      ->set("dpi", 72)
                                                      ->set("wrap", VIPS_TEXT_WRAP_NONE)
                                                      ->set("align", rightToLeft ? VIPS_ALIGN_HIGH : VIPS_ALIGN_LOW));
}

CoverageMap coverageOf(const vips::VImage &ink)
{
    const vips::VImage grey = ink.bands() > 1 ? ink.extract_band(0) : ink;
    const vips::VImage bytes = grey.format() == VIPS_FORMAT_UCHAR ? grey : grey.cast(VIPS_FORMAT_UCHAR);
    std::size_t length = 0;
    void *memory = bytes.write_to_memory(&length);
    const auto *values = static_cast<const std::uint8_t *>(memory);
    CoverageMap map(QSize(bytes.width(), bytes.height()));
    for (int y = 0; y < map.size().height(); ++y)
        for (int x = 0; x < map.size().width(); ++x)
            map.set(x, y, values[std::size_t(y) * std::size_t(map.size().width()) + std::size_t(x)]);
    g_free(memory);
    return map;
}

} // namespace

bool TextSetter::canShow(const QString &text)
{
    if (FcInit() == FcFalse)
        return false;
    // The characters the font and its fallbacks have, in the order the text library tries them.
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(
        FcNameParse(reinterpret_cast<const FcChar8 *>(fontPattern)), &FcPatternDestroy);
    if (!pattern)
        return false;
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcCharSet *covered = nullptr;
    FcResult result = FcResultMatch;
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontSort(nullptr, pattern.get(), FcTrue, &covered, &result), &FcFontSetDestroy);
    const std::unique_ptr<FcCharSet, decltype(&FcCharSetDestroy)> coverage(covered, &FcCharSetDestroy);
    if (!fonts || !coverage)
        return false;
    const QList<uint> characters = text.toUcs4();
    return std::ranges::all_of(characters, [&coverage](uint character) {
        return QChar::isSpace(character) || QChar::category(character) == QChar::Other_Format ||
               FcCharSetHasChar(coverage.get(), FcChar32(character)) == FcTrue;
    });
}

QStringList TextSetter::layouts(const QString &text)
{
    const QString simplified = text.simplified();
    QStringList result;
    if (simplified.isEmpty())
        return result;
    result << simplified;
    for (qsizetype at = simplified.indexOf(u' '); at >= 0 && result.size() <= maxBreaks;
         at = simplified.indexOf(u' ', at + 1))
        result << simplified.left(at) + u'\n' + simplified.mid(at + 1);
    return result;
}

Result<CoverageMap> TextSetter::set(const QString &text, QSize room)
{
    const QStringList candidates = layouts(text);
    if (candidates.isEmpty() || room.isEmpty())
        return CoverageMap();
    ImageLibrary::ensureStarted();
    const int lineHeight = std::max(1, int(std::lround(room.height() * lineShare)));
    const bool rightToLeft = text.isRightToLeft();
    try {
        vips::VImage best;
        double bestScale = 0.0;
        double bestScore = 0.0;
        for (const QString &layout : candidates) {
            const int lines = int(layout.count(u'\n')) + 1;
            vips::VImage ink = setLarge(layout, rightToLeft);
            const double fitsHeight = std::min(room.height(), lines * lineHeight);
            const double scale = std::min({double(room.width()) / ink.width(), fitsHeight / ink.height(), 1.0});
            // A break must make the text clearly larger to be worth a second line.
            constexpr double breakGain = 1.15;
            const double score = lines > 1 ? scale / breakGain : scale;
            if (best.is_null() || score > bestScore) {
                best = ink;
                bestScale = scale;
                bestScore = score;
            }
        }
        best = best.resize(bestScale, vips::VImage::option()->set("kernel", VIPS_KERNEL_LANCZOS3));
        if (best.width() > room.width() || best.height() > room.height())
            best = best.crop(0, 0, std::min(best.width(), room.width()), std::min(best.height(), room.height()));
        return coverageOf(best);
    } catch (const vips::VError &e) {
        return Failure{tr("The text \"%1\" could not be set: %2").arg(text, QString::fromUtf8(e.what()).trimmed())};
    }
}

} // namespace iconsmith
