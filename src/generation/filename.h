#pragma once

#include <QString>

namespace iconsmith {

/**
 * The rule a name must follow to become a file inside a folder Iconsmith writes: an icon name
 * of the size table, the name of a target's files. One rule, so that every front end refuses
 * the same names.
 */
class FileName
{
public:
    /** Whether @p name names a file directly inside a folder: not empty, not "." or "..", no separator, no NUL. */
    [[nodiscard]] static bool isPlain(const QString &name);
};

} // namespace iconsmith
