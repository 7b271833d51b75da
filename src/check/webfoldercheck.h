#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace iconsmith {

class CheckScope;

/**
 * Checks a web icon folder as browsers read it. The manifest is the one the pages link
 * (`<link rel="manifest">` in `index.html` or `head.html`), or else the first of the usual names:
 * `manifest.webmanifest`, `site.webmanifest`, `manifest.json` (Flutter's web/, create-react-app's
 * public/), any other `*.webmanifest`. It must parse; every icon's `src`, resolved against the
 * manifest's own place, is a file of the folder that measures each size it declares (PNG, WebP,
 * an `.ico`'s images; an SVG is "any"), whole to its last byte; every `purpose` is one browsers
 * know. Each icon or manifest a page links is a file of the folder; every `.ico` passes the
 * container check. The folder is taken for the site's root: "/icon.png" is its file. Each file
 * is read once, however often the documents name it.
 */
class WebFolderCheck
{
    Q_DECLARE_TR_FUNCTIONS(WebFolderCheck)

public:
    /** The manifest Iconsmith writes. */
    static constexpr QStringView manifestName = u"manifest.webmanifest";

    /** Checks the folder of @p scope. */
    static void check(CheckScope &scope);
    /**
     * Whether the folder @p path, holding the files @p files, is a web folder: it holds a
     * `*.webmanifest`, a `manifest.json` that reads as a web manifest, or a page linking a
     * manifest it holds.
     */
    static bool isWebFolder(const QString &path, const QStringList &files);
    /** The file of the folder a URL names (WebUrl::fileOf from the root). */
    static QString fileOf(const QString &url);
};

} // namespace iconsmith
