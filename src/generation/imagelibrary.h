#pragma once

#include <QString>

namespace iconsmith {

/** Start-up and messages of the imaging library, shared by every part that decodes pictures. */
class ImageLibrary
{
public:
    /** Starts the imaging library once per process; safe to call from any thread, any number of times. */
    static void ensureStarted();
    /** Takes the library's last error text, cleaned up for a message to a user. */
    static QString takeError(const char *fallback = nullptr);
};

} // namespace iconsmith
