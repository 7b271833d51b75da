#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonValue>
#include <QList>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/**
 * What a web app manifest says about its icons, read from its text without touching any file:
 * the reader behind the web folder check, kept apart so that it can be fuzzed on its own.
 */
struct WebManifest
{
    Q_DECLARE_TR_FUNCTIONS(WebManifest)

public:
    /** One entry of "icons", as the manifest gives it. */
    struct Icon
    {
        /** Empty when the entry has no src, or one that is not text. */
        QString src;
        QString sizes;
        QJsonValue purpose;
        /** Why the entry cannot be an icon at all (not an object); empty when it can. */
        QString problem;
    };

    QList<Icon> icons;
    /** Whether "icons" is a list at all. */
    bool listsIcons = false;

    /** Reads the manifest @p json; fails when it is not JSON or not an object. */
    static Result<WebManifest> parse(const QByteArray &json);
    /**
     * Whether @p json reads as a web app manifest (an object with icons, a start URL, a display
     * mode or a name) rather than another file called manifest.json, such as a browser
     * extension's, which has "manifest_version".
     */
    static bool looksLikeWebManifest(const QByteArray &json);
};

/** A `<link>` of a web page, with the attributes the check reads. */
struct PageLink
{
    /** The rel tokens, in lower case ("icon", "apple-touch-icon", "manifest", ...). */
    QStringList rel;
    QString href;
    QString sizes;

    /** Whether the link names an icon or a manifest, whose file must exist. */
    [[nodiscard]] bool namesIconFile() const;

    /** The `<link>` elements of the page @p html, in order (comments are skipped). */
    static QList<PageLink> linksOf(const QString &html);
};

/** Where the URLs of a web folder's documents lead, taking the folder for the site's root. */
struct WebUrl
{
    /**
     * The file of the folder that @p url names when it appears in a document in the folder
     * @p base ("" for the root): relative URLs resolve against @p base, "/x" against the root;
     * "?query" and "#fragment" are dropped and escapes decoded; the placeholders that
     * create-react-app (%PUBLIC_URL%) and Vue (<%= BASE_URL %>) put for the site's root are read
     * as the root. Empty for a URL that is no file of the folder (another site, a data: URL); a
     * path climbing above the root keeps its ".." so that the scope refuses it.
     */
    static QString fileOf(const QString &url, const QString &base = {});
    /** Whether @p url is filled in by a template engine ({{ }}, {% %}, <% %>, $VARIABLE) and cannot be followed. */
    static bool isTemplated(const QString &url);
};

} // namespace iconsmith
