#include "generation/targets/startupscreens.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

QString StartupScreen::mediaQuery(bool landscape, const QString &colourScheme) const
{
    QString query = u"screen and (device-width: %1px) and (device-height: %2px) and (-webkit-device-pixel-ratio: %3) "
                    u"and (orientation: %4)"_s.arg(width)
                        .arg(height)
                        .arg(scale)
                        .arg(landscape ? u"landscape"_s : u"portrait"_s);
    if (!colourScheme.isEmpty())
        query += u" and (prefers-color-scheme: %1)"_s.arg(colourScheme);
    return query;
}

const QList<StartupScreen> &StartupScreen::all()
{
    // Each row one screen size; devices that share one (iPhone 15 and 16, iPhone 14 Plus and
    // 13 Pro Max) share its image.
    static const QList<StartupScreen> screens{
        {440, 956, 3},   // iPhone 16 Pro Max
        {402, 874, 3},   // iPhone 16 Pro
        {430, 932, 3},   // iPhone 16 Plus, 15 Plus, 15 Pro Max, 14 Pro Max
        {393, 852, 3},   // iPhone 16, 15, 15 Pro, 14 Pro
        {428, 926, 3},   // iPhone 14 Plus, 13 Pro Max, 12 Pro Max
        {390, 844, 3},   // iPhone 14, 13, 13 Pro, 12, 12 Pro
        {375, 812, 3},   // iPhone 13 mini, 12 mini, 11 Pro, XS, X
        {414, 896, 3},   // iPhone 11 Pro Max, XS Max
        {414, 896, 2},   // iPhone 11, XR
        {414, 736, 3},   // iPhone 8 Plus
        {375, 667, 2},   // iPhone SE (2nd and 3rd generation), 8
        {320, 568, 2},   // iPhone SE (1st generation), iPod touch
        {1032, 1376, 2}, // iPad Pro 13-inch (M4)
        {1024, 1366, 2}, // iPad Pro 12.9-inch
        {834, 1210, 2},  // iPad Pro 11-inch (M4)
        {834, 1194, 2},  // iPad Pro 11-inch
        {820, 1180, 2},  // iPad Air 10.9-inch, iPad (10th generation)
        {834, 1112, 2},  // iPad Air 10.5-inch
        {810, 1080, 2},  // iPad 10.2-inch
        {744, 1133, 2},  // iPad mini (6th generation)
        {768, 1024, 2},  // iPad mini (5th generation), iPad 9.7-inch
    };
    return screens;
}

} // namespace iconsmith
