#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace iconsmith {

class CheckScope;

/**
 * Checks a browser extension's icons as Chrome reads them: its manifest.json (or the
 * manifest-icons.json Iconsmith writes to paste into one) maps sizes to files in "icons" and in
 * the toolbar button's "default_icon" (action, or browser_action); each is a PNG file of the
 * folder that measures that size, square. The 128-pixel icon is noted when its 16-pixel margin is
 * not transparent: the Chrome Web Store asks for the art in the central 96 pixels.
 */
class ExtensionCheck
{
    Q_DECLARE_TR_FUNCTIONS(ExtensionCheck)

public:
    /** Checks the folder of @p scope. */
    static void check(CheckScope &scope);
    /** Whether the folder @p path, holding @p files, is an extension's: it has manifest-icons.json or an extension's
     * manifest.json. */
    static bool isExtensionFolder(const QString &path, const QStringList &files);

    /** The document Iconsmith writes beside the icons. */
    static constexpr QStringView iconsDocument = u"manifest-icons.json";
    /** The transparent margin of the 128-pixel icon. */
    static constexpr int storeMargin = 16;
};

} // namespace iconsmith
