#include "check/scaledsetcheck.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

#include "check/checkscope.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QString fileFor(const QString &base, int scale)
{
    return scale == 1 ? base + u".png"_s : u"%1@%2x.png"_s.arg(base).arg(scale);
}

// Whether one base length, rounded at each scale, gives all the measured lengths.
bool oneBase(const QList<std::pair<int, int>> &lengthByScale)
{
    double low = 0;
    double high = 1e12;
    for (const auto &[scale, length] : lengthByScale) {
        low = std::max(low, (length - 0.5) / scale);
        high = std::min(high, (length + 0.5) / scale);
    }
    return low <= high + 1e-9;
}

} // namespace

QStringList ScaledSetCheck::families(const QStringList &pngs)
{
    const QSet<QString> names(pngs.cbegin(), pngs.cend());
    QStringList bases;
    for (const QString &png : pngs) {
        if (png.contains(u'@') || !png.endsWith(u".png"))
            continue;
        const QString base = png.chopped(4);
        if (names.contains(fileFor(base, 2)) || names.contains(fileFor(base, 3)))
            bases << base;
    }
    return bases;
}

void ScaledSetCheck::check(CheckScope &scope, const QString &base)
{
    scope.found(u"scaled"_s);
    QList<std::pair<int, int>> widths;
    QList<std::pair<int, int>> heights;
    QStringList files;
    for (const int scale : {1, 2, 3}) {
        const QString file = fileFor(base, scale);
        if (!scope.exists(file))
            continue;
        scope.countImages();
        const Result<CheckedImage> header = scope.image(file);
        if (!header) {
            scope.problem(file, header.error());
            return;
        }
        widths.append({scale, header->size.width()});
        heights.append({scale, header->size.height()});
        files << u"%1 × %2"_s.arg(header->size.width()).arg(header->size.height());
    }
    if (!oneBase(widths) || !oneBase(heights))
        scope.problem(fileFor(base, 1), tr("and its @2x and @3x images (%1) are not one picture at one, two and three "
                                           "times its size")
                                            .arg(files.join(u", "_s)));
}

} // namespace iconsmith
