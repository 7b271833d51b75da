#pragma once

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * A website's icons: favicon.ico (16, 32, 48), the opaque 180-pixel apple-touch-icon, the web
 * app manifest's 192 and 512 icons and a separate padded maskable 512 (a single "any maskable"
 * icon is either cropped or too small), icon.svg for a vector source, manifest.webmanifest and
 * head.html with the tags for the page's head. Given a dark picture, favicon-dark PNGs that the
 * page links for a dark colour scheme, and for a vector source and dark picture an icon.svg that
 * switches between them with a prefers-color-scheme style.
 */
class WebTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    /** The manifest listing the icons of @p written (file names relative to the target's folder). */
    static QByteArray manifest(const QString &name, const QSet<QString> &written, RgbColor background);
    /** The link tags for the icons of @p written. */
    static QByteArray headTags(const QSet<QString> &written);
    /** An SVG that shows @p light, or @p dark (both SVG documents) in a dark colour scheme. */
    static QByteArray switchingSvg(const QByteArray &light, const QByteArray &dark);
    /** The dark favicon of @p size pixels. */
    static QString darkFavicon(int size);

    /** The sizes of the dark favicon, largest first. */
    static constexpr int darkFaviconSizes[] = {48, 32, 16};
};

} // namespace iconsmith
