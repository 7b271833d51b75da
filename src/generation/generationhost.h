#pragma once

#include <QString>

#include <optional>

#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * What a generation reads from its front end and asks of the desktop.
 *
 * The desktop window implements it over its widgets, the command-line tool and the tests over
 * plain values. Generation reads every value at the moment it needs it and never keeps a copy,
 * so a front end may change a value between two calls.
 */
class GenerationHost
{
public:
    virtual ~GenerationHost() = default;

    /** The selected platform: 0 to 6, or -1 when nothing is selected. */
    [[nodiscard]] virtual int platformChoice() const = 0;
    /** The save folder exactly as the user typed or chose it. */
    [[nodiscard]] virtual QString saveFolderText() const = 0;
    /** Whether rendered images are clipped to a rounded rectangle. */
    [[nodiscard]] virtual bool isRoundedCornerOn() const = 0;
    /** Whether the scaled image set zooms in (source size at @1x) rather than out (source size at @3x). */
    [[nodiscard]] virtual bool isZoomInOn() const = 0;
    /** Device pixels per drawing unit of the screen the window is on; 1 without a screen. */
    [[nodiscard]] virtual double backingScaleFactor() const = 0;
    /** A colour that replaces transparency in every output, or none to keep transparency. */
    [[nodiscard]] virtual std::optional<RgbColor> backgroundColor() const { return std::nullopt; }

    /** Shows a folder in the desktop's file browser without waiting for it. */
    virtual void showFolder(const QString &folder) = 0;
    /** Writes one diagnostic line; it never reaches the user. */
    virtual void logLine(const QString &line) = 0;

protected:
    GenerationHost() = default;
    GenerationHost(const GenerationHost &) = default;
    GenerationHost &operator=(const GenerationHost &) = default;
};

} // namespace iconsmith
