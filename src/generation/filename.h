#pragma once

#include <QString>

namespace iconsmith {

/**
 * The rule a name must follow to become a file inside a folder Iconsmith writes: an icon name
 * of the size table, the name of a target's files, a recipe's default folder. One rule, so that
 * every front end refuses the same names, and refuses up front what the set check (--check)
 * would reject afterwards.
 */
class FileName
{
public:
    /** The longest name a file system takes (NAME_MAX), in bytes of its UTF-8 form. */
    static constexpr int maxBytes = 255;
    /** The longest extension Iconsmith puts after a name it is given (".png", ".svg"). */
    static constexpr int maxExtensionBytes = 4;

    /**
     * Whether @p name names a file directly inside a folder and is seen there by every reader:
     * not empty, at most maxBytes, no separator ("/", "\"), no control character (NUL, ESC, BEL,
     * ...), not hidden (a leading "."), and no ".." anywhere.
     */
    [[nodiscard]] static bool isPlain(const QString &name);
    /** Whether @p stem stays a plain name with any extension Iconsmith puts after it (isPlain(stem + ".png")). */
    [[nodiscard]] static bool isPlainStem(const QString &stem);
    /** Whether @p text holds a control character, which a terminal would act on rather than show. */
    [[nodiscard]] static bool hasControlCharacter(const QString &text);
};

} // namespace iconsmith
