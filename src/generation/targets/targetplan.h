#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <set>

#include "imaging/contentextent.h"
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
};

/** How a picture becomes one output image; TreatmentLayout turns it into a render request. */
enum class Treatment {
    Plain,         ///< fitted into the square, proportions and transparency kept
    Opaque,        ///< fitted and flattened onto the background colour
    Tinted,        ///< greyscale, flattened onto black
    Round,         ///< on the background colour, cut to a circle
    SafeZone,      ///< its content fitted inside the adaptive icon's safe zone, on transparency
    SafeZoneShape, ///< the same as a white shape: a themed-icon layer
    LayerShape,    ///< a ready layer as a white shape, over the whole square
    MacShape,      ///< full-bleed artwork fitted into the macOS body shape with a shadow; a body on
                   ///< transparency as it is
    Maskable,      ///< its content inside the maskable circle, on the background colour
};

/** One image a target writes: a PNG file of its own, or an entry of a container file. */
struct PlannedImage
{
    /** Relative to the target's folder. */
    QString file;
    int pixels = 0;
    Treatment treatment = Treatment::Plain;
    SourceRole source = SourceRole::Main;
    /** For a container file: the entry's key ("ic07" in an .icns, "ico" for an .ico entry); empty for a PNG file. */
    QString entry;
};

/** A document a target writes, made once the images are written, from the files that were. */
struct PlannedDocument
{
    QString file;
    std::function<QByteArray(const QSet<QString> &writtenFiles)> contents;
};

/** A source file copied as it is (the SVG of a vector source). */
struct PlannedCopy
{
    QString file;
    SourceRole source = SourceRole::Main;
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
};

/** The choices that shape the targets, beyond the pictures themselves. */
struct TargetOptions
{
    /** The colour behind opaque outputs; none: the source's own edge colour, or white. */
    std::optional<RgbColor> background;
    /** Whether full-bleed artwork is fitted into the macOS body shape. */
    bool macShape = true;
    /**
     * The margin between an adaptive icon's edge and its content's circle, in percent of the
     * layer; none: the content fills the 66 dp safe zone of the 108 dp layer.
     */
    std::optional<double> androidInset;
    /** The name of the app's icon files (Linux) and of the web manifest. */
    QString name = QStringLiteral("icon");
};

/** What a target's plan depends on: the options and what is known of the pictures. */
struct TargetContext
{
    TargetOptions options;
    /** The main source's content and edge. */
    ContentExtent mainExtent;
    /** Whether the main source is an SVG, which some targets ship as it is. */
    bool mainIsSvg = false;
    /** The optional pictures the user gave. */
    std::set<SourceRole> given;

    [[nodiscard]] bool has(SourceRole role) const { return given.count(role) > 0; }
    /** The colour behind opaque outputs. */
    [[nodiscard]] RgbColor background() const
    {
        if (options.background)
            return *options.background;
        return mainExtent.transparentMargin ? RgbColor{255, 255, 255} : mainExtent.edgeColour;
    }
};

} // namespace iconsmith
