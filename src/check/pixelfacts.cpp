#include "check/pixelfacts.h"

#include <exception>

#include "codec/imageerror.h"
#include "codec/sourceimage.h"

namespace iconsmith {

Result<PixelFacts> PixelFacts::read(const QByteArray &bytes, int margin)
{
    const Result<SourceImage> image = SourceImage::fromData(bytes, QString());
    if (!image)
        return Failure{image.error()};
    PixelFacts facts;
    const QSize size = image->decodedSize(image->size());
    const auto inMargin = [size, margin](int x, int y) {
        return x < margin || y < margin || x >= size.width() - margin || y >= size.height() - margin;
    };
    try {
        image->decode(image->size(), [&facts, &inMargin, size](int y, const std::uint8_t *rgba) {
            for (int x = 0; x < size.width(); ++x) {
                const std::uint8_t *pixel = rgba + std::ptrdiff_t(x) * 4;
                facts.translucent = facts.translucent || pixel[3] < 255;
                facts.transparent = facts.transparent || pixel[3] == 0;
                if (pixel[3] <= visibleAlpha)
                    continue;
                facts.coloured =
                    facts.coloured || pixel[0] < whiteLevel || pixel[1] < whiteLevel || pixel[2] < whiteLevel;
                facts.showsInMargin = facts.showsInMargin || inMargin(x, y);
            }
        });
    } catch (const ImageError &e) {
        return Failure{e.reason()};
    } catch (const std::exception &e) {
        return Failure{QString::fromLocal8Bit(e.what())};
    }
    return facts;
}

} // namespace iconsmith
