#include "generation/filename.h"

namespace iconsmith {

bool FileName::isPlain(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

} // namespace iconsmith
