#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <set>

#include "generation/sourcecheck.h"
#include "imaging/contentextent.h"
#include "imaging/placement.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/** Which of the pictures a user gives an output is made from. */
enum class SourceRole {
    Main,              ///< the source image
    Dark,              ///< --dark: the dark appearance's foreground
    Tinted,            ///< --tinted: the tinted appearance's picture
    AndroidForeground, ///< --android-foreground: a ready adaptive-icon foreground layer
    AndroidBackground, ///< --android-background: a ready adaptive-icon background layer
    Monochrome,        ///< --monochrome: a ready themed-icon layer
    LayerMiddle,       ///< --layer-middle: the middle layer of a layered icon (visionOS, tvOS)
    SplashLogo,        ///< --splash-logo: the launch screens' logo instead of the source
    SplashDarkLogo,    ///< --splash-dark-logo: the dark launch screens' logo
};

/** Which appearance of its picture an image shows; where it lands is its surface's. */
enum class Look {
    Colour, ///< the picture as it is
    Dark,   ///< the dark appearance: on transparency for the system's dark backdrop, lightened where it would not show
    Tinted, ///< the tinted appearance: greys, opaque on black, which the system tints
    Shape,  ///< a themed-icon layer: white, the picture's shape in alpha (a plate's with its logo cut out)
};

/**
 * One image a target writes: a PNG file of its own, or an entry of a container file.
 *
 *     PlannedImage(u"AppIcon-dark.png"_s, 1024, Surface::iosHome()).as(Look::Dark).from(SourceRole::Dark)
 *
 * An image is the square its surface describes, unless it is given a canvas of its own: then the
 * square is centred on that canvas, and the canvas beyond it is what the surface's finish leaves
 * around its picture (the plate for an opaque surface, transparency for a layer).
 *
 *     PlannedImage(u"tile-wide.png"_s, 120, Surface::asIs()).onCanvas({310, 150}).onPlate(brandColour)
 */
struct PlannedImage
{
    PlannedImage() = default;
    PlannedImage(QString path, int size, const Surface &shownOn = Surface::asIs())
        : file(std::move(path)), pixels(size), surface(shownOn)
    {}
    PlannedImage &as(Look shown)
    {
        look = shown;
        return *this;
    }
    PlannedImage &from(SourceRole role)
    {
        source = role;
        return *this;
    }
    PlannedImage &asEntry(QString key)
    {
        entry = std::move(key);
        return *this;
    }
    PlannedImage &withMargin(std::optional<double> share)
    {
        margin = share;
        return *this;
    }
    /** Lays the image's square in the centre of a canvas of @p size, which may be of any proportions. */
    PlannedImage &onCanvas(QSize size)
    {
        canvas = size;
        return *this;
    }
    /**
     * Sets @p text beside the picture on its canvas, which must be wide: the picture then moves
     * to the canvas's start and the text takes the room after it (Placement::besideCaption).
     */
    PlannedImage &withCaption(QString text)
    {
        caption = std::move(text);
        return *this;
    }
    /** Fills what an opaque surface shows behind the picture with @p colour, not the target's background. */
    PlannedImage &onPlate(RgbColor colour)
    {
        plate = colour;
        return *this;
    }
    /** The size of the file's picture: its canvas, or the square of its surface. */
    [[nodiscard]] QSize canvasSize() const { return canvas.value_or(QSize(pixels, pixels)); }

    /** Relative to the target's folder. */
    QString file;
    /** The side of the square the surface describes: the whole image, unless it has a canvas. */
    int pixels = 0;
    /** The image's own size, when it is not the square of pixels: the square is centred on it. */
    std::optional<QSize> canvas;
    /** Where the system shows it, which decides where the picture lands (Placement). */
    Surface surface = Surface::asIs();
    Look look = Look::Colour;
    SourceRole source = SourceRole::Main;
    /** For a container file: the entry's key ("ic07" in an .icns, "ico" for an .ico entry); empty for a PNG file. */
    QString entry;
    /** A logo's margin that the target fixes (Android's inset), over the padding and the surface's own. */
    std::optional<double> margin;
    /** The colour behind the picture on an opaque surface; none: the target's background (TargetContext::plateFor). */
    std::optional<RgbColor> plate;
    /** Text set beside the picture on its canvas; empty for none. */
    QString caption;
};

/** A document a target writes, made once the images are written, from the files that were. */
struct PlannedDocument
{
    QString file;
    std::function<QByteArray(const QSet<QString> &writtenFiles)> contents;
};

/**
 * A source file copied as it is (the SVG of a vector source), or, with a second picture and a way
 * to join them, one file made of both (an SVG that switches to the dark picture in a dark theme).
 */
struct PlannedCopy
{
    QString file;
    SourceRole source = SourceRole::Main;
    /** The second picture joined to the first; none for a plain copy. */
    std::optional<SourceRole> with = std::nullopt;
    std::function<QByteArray(const QByteArray &first, const QByteArray &second)> join = {};
};

/**
 * Something the user should know about what a run made, such as an appearance left out. The
 * message states the fact without naming an option or a control; when a further picture would
 * change it, missingPicture names that picture, and each front end says in its own terms how to
 * give one (an option of the command line, a field of the window).
 */
struct RunNote
{
    QString message;
    std::optional<SourceRole> missingPicture;

    friend bool operator==(const RunNote &, const RunNote &) = default;
};

/** Everything one target writes into its folder. */
struct TargetPlan
{
    QString name;
    QList<PlannedImage> images;
    QList<PlannedDocument> documents;
    QList<PlannedCopy> copies;
    /** What the user should know about the plan (an appearance left out, say). */
    QList<RunNote> notes;
    /** What will show badly in what the plan makes (an appearance that would be hard to see). */
    QList<SourceWarning> warnings;
};

/** The choices that shape the targets, beyond the pictures themselves. */
struct TargetOptions
{
    /** The colour behind opaque outputs; none: the source's own edge colour, or white. */
    std::optional<RgbColor> background;
    /** Whether macOS artwork is given the body shape (full-bleed fitted into it, a logo on its plate). */
    bool macShape = true;
    /**
     * The margin between each platform's smallest mask and a logo, in percent of the mask's side;
     * none: each platform's own (Surface::logoMargin).
     */
    std::optional<double> padding;
    /** The largest padding: a logo then spans a fifth of its mask. */
    static constexpr double maxPadding = 40.0;
    /**
     * The margin between an adaptive icon's edge and its content's circle, in percent of the
     * layer; none: the content fills the 66 dp safe zone of the 108 dp layer.
     */
    std::optional<double> androidInset;
    /** The launch screens' background; none: the background colour, else white. */
    std::optional<RgbColor> splashBackground;
    /** The dark launch screens' background; none: black when a dark logo is given, else no dark launch screens. */
    std::optional<RgbColor> splashDarkBackground;
    /** The name of the app's icon files (Linux) and of the web manifest. */
    QString name = QStringLiteral("icon");
    /** The app's name as the user gave it, shown beside the logo where a system asks for both (a TV banner); empty:
     * none. */
    QString displayName;
};

/** What a target's plan depends on: the options and what is known of the pictures. */
struct TargetContext
{
    TargetOptions options;
    /** The main source's content and edge. */
    ContentExtent mainExtent;
    /** The content and edge of the other pictures given, by role. */
    std::map<SourceRole, ContentExtent> otherExtents;
    /** Whether the main source is an SVG, which some targets ship as it is. */
    bool mainIsSvg = false;
    /** The other pictures given that are SVGs. */
    std::set<SourceRole> svgPictures;
    /** The optional pictures the user gave. */
    std::set<SourceRole> given;

    [[nodiscard]] bool has(SourceRole role) const { return given.count(role) > 0; }
    /** What is known of @p role's picture; the main source's for a picture not given. */
    [[nodiscard]] const ContentExtent &extent(SourceRole role) const
    {
        const auto found = otherExtents.find(role);
        return found != otherExtents.end() ? found->second : mainExtent;
    }
    /** The colour behind opaque outputs. */
    [[nodiscard]] RgbColor background() const { return plateFor(mainExtent); }
    /**
     * The colour behind a picture described by @p extent: the one chosen, else full-bleed
     * artwork's own edge colour, else white.
     */
    [[nodiscard]] RgbColor plateFor(const ContentExtent &extent) const
    {
        if (options.background)
            return *options.background;
        return extent.kind() == ArtworkKind::FullBleed ? extent.edgeColour : RgbColor{255, 255, 255};
    }
};

} // namespace iconsmith
