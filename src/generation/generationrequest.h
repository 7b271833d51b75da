#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

#include "codec/sourceimage.h"
#include "generation/platform.h"
#include "generation/targets/targetplan.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * Everything one generation is asked to make, as a value: the window builds it from its widgets
 * when Generate is pressed, the command line from its options or a project file's recipe. Past
 * that point nothing reads a widget or an option again; RunPlan turns the request into the
 * decisions both front ends share.
 */
struct GenerationRequest
{
    /** The source image, already read. */
    SourceImage source;
    /** What to make; none when nothing is chosen, which RunPlan refuses. */
    std::optional<Platform> platform;
    /** The save folder exactly as the user typed or chose it; a leading "~" stands for the home folder. */
    QString saveFolder;

    /** The size table of the icon sets; empty for the one shipped with the program. */
    QString sizeTable;
    /** Whether the classic sets' images are clipped to a rounded rectangle. */
    bool rounded = false;
    /**
     * Whether an icon set keeps the source's proportions: the picture fitted into each square,
     * centred, the margins filled with the background colour (transparent without one), rather
     * than stretched over it. A square source comes out the same either way.
     */
    bool fit = false;
    /** Whether the scaled image set zooms in (source size at @1x) rather than out (source size at @3x). */
    bool zoomIn = true;
    /** Device pixels per drawing unit of the window's screen; 1 without one. */
    double scaleFactor = 1.0;
    /** A colour that replaces transparency in every output (and stands behind the targets' opaque ones). */
    std::optional<RgbColor> background;

    /** The targets to write, in catalog order, when the platform is the targets. */
    QStringList targets;
    /** The further pictures of the targets (dark, tinted, monochrome, Android layers) by role, as paths. */
    QMap<SourceRole, QString> pictures;
    /** The name of the targets' files (Linux) and of the web manifest; empty for the source's own. */
    QString name;
    /** Whether macOS artwork is given the body shape (full-bleed fitted into it, a logo on its plate). */
    bool macShape = true;
    /** The launch screens' background and their dark one; none: see TargetOptions. */
    std::optional<RgbColor> splashBackground;
    std::optional<RgbColor> splashDarkBackground;
    /** The margin between an adaptive icon's edge and its content's circle, in percent; none for the safe zone. */
    std::optional<double> androidInset;

    /**
     * Further files the request was read from (a project file): like the source and the other
     * pictures, the run refuses to write over them or to move them away.
     */
    QStringList inputs;
    /**
     * The margin between each platform's smallest mask and a logo, in percent of the mask's side;
     * none: each platform's own.
     */
    std::optional<double> padding;
};

} // namespace iconsmith
