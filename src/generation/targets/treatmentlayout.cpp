#include "generation/targets/treatmentlayout.h"

#include "imaging/appearance.h"

namespace iconsmith {

double TreatmentLayout::adaptiveMarginForInset(double inset)
{
    // The circle's radius is 0.5 - inset of the layer; the mask's side is its visible share.
    const double side = Surface::androidAdaptive().maskFrame.width();
    return (side / 2.0 - (0.5 - inset / 100.0)) / side;
}

RenderRequest TreatmentLayout::request(const PlannedImage &image, const PictureFacts &picture,
                                       const TargetContext &context)
{
    RenderRequest request = squareRequest(image, picture, context);
    if (!image.canvas)
        return request;
    return image.caption.isEmpty() ? Placement::onCanvas(request, *image.canvas)
                                   : Placement::besideCaption(request, *image.canvas, image.caption);
}

RenderRequest TreatmentLayout::squareRequest(const PlannedImage &image, const PictureFacts &picture,
                                             const TargetContext &context)
{
    const ContentExtent &extent = picture.extent;
    const ArtworkKind kind = extent.kind();
    PlacementChoices choices;
    if (image.margin)
        choices.margin = image.margin;
    else if (context.options.padding)
        choices.margin = *context.options.padding / 100.0;
    choices.plate = image.plate.value_or(context.plateFor(extent));
    choices.drawBody = context.options.macShape;
    // A picture given for the appearance is the user's own: it is placed, never re-toned.
    const bool derived = image.source == SourceRole::Main;

    switch (image.look) {
    case Look::Colour:
        return Placement::place(image.surface, image.pixels, picture.size, extent, choices);
    case Look::Dark: {
        // The system draws the dark backdrop behind a logo; full-bleed artwork brings its own.
        const Surface surface =
            kind == ArtworkKind::FullBleed ? image.surface : image.surface.finishedAs(SurfaceFinish::Layer);
        RenderRequest request = Placement::place(surface, image.pixels, picture.size, extent, choices);
        if (derived)
            request.levels = Appearance::darkLevels(extent);
        return request;
    }
    case Look::Tinted: {
        choices.plate = Appearance::darkBackdrop;
        RenderRequest request = Placement::place(image.surface, image.pixels, picture.size, extent, choices);
        request.tone = Tone::Greyscale;
        request.background = Appearance::darkBackdrop;
        if (derived)
            request.levels = Appearance::tintedLevels(extent);
        return request;
    }
    case Look::Shape: {
        RenderRequest request = Placement::place(image.surface.finishedAs(SurfaceFinish::Layer), image.pixels,
                                                 picture.size, extent, choices);
        switch (kind) {
        case ArtworkKind::Logo:
            request.tone = Tone::Monochrome;
            break;
        case ArtworkKind::PlatedLogo:
            // The plate is the logo's silhouette; the logo on it shows as a cut-out.
            request.tone = Tone::Stencil;
            request.contrastWith = extent.outlineColour;
            break;
        case ArtworkKind::FullBleed:
            // What differs from the artwork's own background makes the shape.
            request.tone = Tone::Monochrome;
            request.contrastWith = extent.edgeColour;
            break;
        }
        return request;
    }
    }
    return Placement::place(image.surface, image.pixels, picture.size, extent, choices);
}

} // namespace iconsmith
