#pragma once

#include <QCoreApplication>

namespace iconsmith {

class CheckScope;

/**
 * Checks an Icon Composer document (`AppIcon.icon/`): `icon.json` parses as an object with a
 * "groups" list, every layer's image (`image-name`, or each value of `image-name-specializations`)
 * is a file in `Assets/`, and a list of specialisations has its base entry, without which Xcode
 * silently drops the overrides.
 */
class IconComposerCheck
{
    Q_DECLARE_TR_FUNCTIONS(IconComposerCheck)

public:
    /** Checks the document whose folder is @p scope's. */
    static void check(CheckScope &scope);
};

} // namespace iconsmith
