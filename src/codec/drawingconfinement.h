#pragma once

namespace iconsmith {

/**
 * What the drawing helper may do, set by the helper on itself before it reads a byte of the
 * picture: a document that takes over a format library then meets these walls too.
 *
 * - memory (address space) and processor time as InputLimits says, and no core file;
 * - no file written: files can grow by no byte (RLIMIT_FSIZE 0, with SIGXFSZ ignored, so that a
 *   write fails rather than kills), and where Linux offers Landlock, no file or folder can be
 *   opened for writing, created, removed or renamed at all. Reading (fonts, the library's
 *   modules) stays allowed, and so do the descriptors the helper was given.
 */
class DrawingConfinement
{
public:
    /** Confines the calling process, for good. Returns whether the file system was closed to writing (Landlock). */
    static bool apply();
    /** Closes every descriptor from @p first up: for where the launcher could not leave them behind. */
    static void closeDescriptorsFrom(int first);
};

} // namespace iconsmith
