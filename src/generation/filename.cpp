#include "generation/filename.h"

#include <algorithm>

namespace iconsmith {

bool FileName::hasControlCharacter(const QString &text)
{
    // C0, DEL and C1: what a terminal takes for commands rather than text.
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool FileName::isPlain(const QString &name)
{
    // A hidden file is skipped by the set check and by file browsers, and a ".." inside a name
    // is refused by the check as a way out of the folder; neither is worth writing.
    return !name.isEmpty() && name.toUtf8().size() <= maxBytes && !name.startsWith(u'.') && !name.contains(u"..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !hasControlCharacter(name);
}

bool FileName::isPlainStem(const QString &stem)
{
    return isPlain(stem) && stem.toUtf8().size() + maxExtensionBytes <= maxBytes;
}

} // namespace iconsmith
