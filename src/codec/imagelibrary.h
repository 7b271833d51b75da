#pragma once

#include <QLoggingCategory>
#include <QString>

namespace iconsmith {

/**
 * The category of what the imaging library and the libraries under it (GLib, the format
 * libraries) would otherwise print on standard error: warnings about damaged files, mostly.
 * Off by default, since every such problem also fails the call that met it with a reason;
 * QT_LOGGING_RULES="iconsmith.imagelibrary.debug=true" shows the lines.
 */
Q_DECLARE_LOGGING_CATEGORY(lcImageLibrary)

/** Start-up of the imaging library, shared by every part that decodes pictures. */
class ImageLibrary
{
public:
    /**
     * Starts the imaging library once per process; safe to call any number of times. Call it
     * early in main(), before other threads exist: it briefly sets an environment variable.
     * It routes the messages of the imaging library and GLib into lcImageLibrary.
     *
     * The library's optional format modules (HEIF/AVIF, PDF, JPEG XL, ImageMagick's formats)
     * pull in dozens of shared libraries, which costs more than a whole small generation; they
     * are loaded only when a file needs them (loadDeferredModules()).
     */
    static void ensureStarted();
    /**
     * Loads the format modules that start-up left out. Returns whether any new loader became
     * available, so that a caller can try again a file nothing could read.
     */
    static bool loadDeferredModules();
    /** The imaging library's version, such as "8.14.1". */
    static QString version();
    /**
     * Whether the imaging library's own warnings reach standard error (they do by default);
     * a desktop program keeps them out unless asked for diagnostics.
     */
    static void setWarningsShown(bool shown);
};

} // namespace iconsmith
