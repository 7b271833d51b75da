#pragma once

#include <QCoreApplication>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * An Android app's small notification icon, res/drawable-<density>/ic_stat_<name>.png at 24 dp
 * (24 to 96 pixels): white on transparency, as the status bar draws only the alpha channel. It is
 * the monochrome picture's shape when one is given, else the source's silhouette; a silhouette
 * that is one solid blob (a disc, a filled square) says nothing in the status bar, so the plan
 * warns of it.
 */
class AndroidNotificationTarget
{
    Q_DECLARE_TR_FUNCTIONS(AndroidNotificationTarget)

public:
    static TargetPlan plan(const TargetContext &context);

    /** The resource name of the icon for the app called @p name ("ic_stat_my_app"). */
    static QString resourceName(const QString &name);

    /** A silhouette at least this solid (ContentExtent::solidity) is a blob without inner detail. */
    static constexpr double blobSolidity = 0.97;
};

} // namespace iconsmith
