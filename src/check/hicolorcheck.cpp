#include "check/hicolorcheck.h"

#include <QRegularExpression>

#include "check/checkscope.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression &sizeFolder()
{
    static const QRegularExpression pattern(u"^([1-9][0-9]{0,3})x([1-9][0-9]{0,3})(?:@([1-9]))?$"_s);
    return pattern;
}

} // namespace

bool HicolorCheck::isThemeFolder(const QString &folder)
{
    return folder == u"scalable" || sizeFolder().match(folder).hasMatch();
}

void HicolorCheck::check(CheckScope &scope)
{
    scope.found(u"hicolor"_s);
    int icons = 0;
    for (const QString &folder : scope.entries({}, CheckScope::Entries::Folders)) {
        const QRegularExpressionMatch size = sizeFolder().match(folder);
        if (!size.hasMatch() && folder != u"scalable")
            continue;
        for (const QString &context : scope.entries(folder, CheckScope::Entries::Folders)) {
            const QString where = folder + u'/' + context;
            for (const QString &file : scope.entries(where, CheckScope::Entries::Files)) {
                const QString relative = where + u'/' + file;
                ++icons;
                if (!size.hasMatch()) {
                    if (const Result<QByteArray> head = scope.readHead(relative, 1); !head)
                        scope.problem(relative, head.error());
                    continue;
                }
                if (!file.endsWith(u".png", Qt::CaseInsensitive))
                    continue; // XPM and others are legacy; their size is not read
                const int scale = size.captured(3).isEmpty() ? 1 : size.captured(3).toInt();
                scope.measure(relative, QSize(size.captured(1).toInt() * scale, size.captured(2).toInt() * scale),
                              tr("the folder %1").arg(folder));
            }
        }
    }
    if (icons == 0)
        scope.problem({}, tr("holds no icons"));
}

} // namespace iconsmith
