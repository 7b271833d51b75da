#include "generation/sourcecheck.h"

#include <algorithm>

#include "catalog/catalogentry.h"
#include "codec/inputlimits.h"
#include "codec/sourceimage.h"

namespace iconsmith {

QList<SourceWarning> SourceCheck::check(const Facts &source, const OutputPlan &plan)
{
    QList<SourceWarning> warnings;
    if (source.size.isEmpty())
        return warnings;

    // The App Store turns away a marketing icon that has any transparency. Rounded corners make
    // it transparent whatever the source; a background colour makes it opaque whatever the source.
    const bool square = source.size.width() == source.size.height();
    const bool margins = plan.fitted && !square;
    if (!plan.background && (source.transparent || plan.rounded || margins)) {
        for (const OutputPlan::Output &output : plan.outputs) {
            if (!CatalogEntry::isMarketingIcon(output.name))
                continue;
            QString cause = tr("The image has transparent areas, so the App Store icon (%1.png) would be transparent "
                               "too, and the App Store rejects icons with transparency.");
            if (!source.transparent && margins)
                cause = tr("The image is not square, so fitting it leaves transparent margins in the App Store icon "
                           "(%1.png), and the App Store rejects icons with transparency.");
            else if (!source.transparent)
                cause = tr("Rounded corners make the App Store icon (%1.png) transparent at its corners, and the App "
                           "Store rejects icons with transparency.");
            warnings.append({SourceWarning::Kind::TransparentMarketingIcon,
                             cause.arg(output.name) + u' ' + tr("Choose a background colour to fill it.")});
            break;
        }
    }

    QSize largest;
    for (const OutputPlan::Output &output : plan.outputs)
        largest = largest.expandedTo(output.pixels);
    // A stretched icon is enlarged along any side shorter than its own; a fitted one when even
    // the source's longer side is.
    const bool enlarged = plan.stretched
                              ? source.size.width() < largest.width() || source.size.height() < largest.height()
                              : plan.fitted && std::max(source.size.width(), source.size.height()) <
                                                   std::max(largest.width(), largest.height());
    if (!source.vector && enlarged) {
        warnings.append({SourceWarning::Kind::Enlarged,
                         tr("The image is %1 × %2 pixels, smaller than the largest icon (%3 × %4): it will be "
                            "enlarged and look soft. An image of at least %3 × %4 pixels gives sharp icons.")
                             .arg(source.size.width())
                             .arg(source.size.height())
                             .arg(largest.width())
                             .arg(largest.height())});
    }

    for (const OutputPlan::Output &output : plan.outputs) {
        const QSize pixels = output.pixels;
        if (pixels.width() <= InputLimits::maxOutputSide && pixels.height() <= InputLimits::maxOutputSide &&
            qint64(pixels.width()) * pixels.height() <= SourceImage::maxPixels)
            continue;
        warnings.append({SourceWarning::Kind::TooLarge,
                         tr("%1.png would be %2 × %3 pixels, larger than Iconsmith makes (at most %4 pixels a side "
                            "and %5 megapixels), so nothing would be written. Choose Zoom out or a smaller image.")
                             .arg(output.name)
                             .arg(pixels.width())
                             .arg(pixels.height())
                             .arg(InputLimits::maxOutputSide)
                             .arg(SourceImage::maxPixels / (1 << 20))});
        break;
    }

    if (plan.stretched && !square) {
        warnings.append({SourceWarning::Kind::NotSquare,
                         tr("The image is not square (%1 × %2 pixels): every icon will be stretched to a "
                            "square. Crop it to a square to keep its proportions.")
                             .arg(source.size.width())
                             .arg(source.size.height())});
    }
    return warnings;
}

bool SourceCheck::blocksGeneration(const QList<SourceWarning> &warnings)
{
    return std::any_of(warnings.cbegin(), warnings.cend(),
                       [](const SourceWarning &warning) { return warning.kind == SourceWarning::Kind::TooLarge; });
}

} // namespace iconsmith
