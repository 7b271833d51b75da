#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QSize>
#include <QString>

#include "generation/targets/targetplan.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

/**
 * The visual assets of an MSIX/AppX package, as Assets/ of the project: each logo at the five
 * scales (Square44x44Logo.scale-200.png), the app icon also at the target sizes Windows asks for
 * directly (Square44x44Logo.targetsize-24.png) with the unplated variants that keep the taskbar
 * from drawing the accent-coloured plate behind it (_altform-unplated, _altform-lightunplated),
 * and VisualElements.xml, the <uap:VisualElements> element of Package.appxmanifest naming them.
 * Windows draws every tile's plate in the background colour the element gives.
 */
class WindowsStoreTarget
{
public:
    /** One logo of the package: its base name and its size at scale 100. */
    struct Logo
    {
        QString name;
        QSize base;
    };

    static TargetPlan plan(const TargetContext &context);

    /** Every logo, in the order they are written. */
    static const QList<Logo> &logos();
    /** The scale qualifiers, in percent. */
    static constexpr int scales[] = {100, 125, 150, 200, 400};
    /** The target sizes of the app icon, in pixels. */
    static constexpr int targetSizes[] = {16, 24, 32, 48, 256};
    /** The variants of each target size beside the plated one. */
    static constexpr const char16_t *unplated[] = {u"_altform-unplated", u"_altform-lightunplated"};

    /** @p base at @p scale percent, rounded as Visual Studio's asset generator rounds (half away from zero). */
    static QSize scaled(QSize base, int scale);
    /** The VisualElements fragment naming the logos of @p written (paths relative to the target's folder). */
    static QByteArray visualElements(const QString &name, RgbColor background, const QSet<QString> &written);
};

} // namespace iconsmith
