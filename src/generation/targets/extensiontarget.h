#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * A browser extension's icons: icons/icon-16, -32, -48 and -128.png, the 128 one with its art in
 * the central 96 × 96 pixels and 16 pixels of transparency around it, as the Chrome Web Store
 * asks; and manifest-icons.json, the manifest's "icons" and "action.default_icon" members to
 * paste into manifest.json.
 */
class ExtensionTarget
{
public:
    static TargetPlan plan(const TargetContext &context);

    /** The manifest members naming the icons of @p written (paths relative to the target's folder). */
    static QByteArray manifestIcons(const QSet<QString> &written);

    /** The icon sizes, smallest first. */
    static constexpr int sizes[] = {16, 32, 48, 128};
    /** The sizes the toolbar button is given. */
    static constexpr int actionSizes[] = {16, 32};
};

} // namespace iconsmith
