#pragma once

#include <QCoreApplication>
#include <QString>

namespace iconsmith {

class CheckScope;

/**
 * Checks a web icon folder: `manifest.webmanifest` parses, every icon's `src` is a file of the
 * folder that measures one of its declared `sizes` (an SVG is "any"), every `purpose` is one
 * browsers know; each `href` of `head.html` names a file of the folder; every `.ico` in it
 * passes the container check. The folder is taken for the site's root: "/icon.png" is its file.
 */
class WebFolderCheck
{
    Q_DECLARE_TR_FUNCTIONS(WebFolderCheck)

public:
    /** The name of the manifest that marks a web folder. */
    static constexpr QStringView manifestName = u"manifest.webmanifest";

    /** Checks the folder of @p scope. */
    static void check(CheckScope &scope);
    /**
     * The file of the folder a URL names, or an empty string for one that is not a file of it
     * (another site, a data: URL); "?query" and "#fragment" are dropped and escapes decoded.
     */
    static QString fileOf(const QString &url);
};

} // namespace iconsmith
