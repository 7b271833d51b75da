#pragma once

#include <QCoreApplication>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * An Android TV app's home-screen banner: res/drawable-<density>/banner.png at 160 × 90 dp (320 ×
 * 180 pixels at xhdpi, the one Android TV asks for when there is only one), the logo centred on
 * the background colour and never stretched; and the 1280 × 720 banner Google Play lists a TV app
 * with, opaque (without an alpha channel). Given the app's name, each shows the logo and the name
 * beside it, as Android TV asks a banner to show the app's name in text.
 */
class AndroidTvTarget
{
    Q_DECLARE_TR_FUNCTIONS(AndroidTvTarget)

public:
    static TargetPlan plan(const TargetContext &context);

    /** The Play listing's banner, beside res/. */
    static constexpr QStringView playBanner = u"play-tv-banner-1280x720.png";
};

} // namespace iconsmith
