#include "check/iconsetfinder.h"

#include <QDir>
#include <QFileInfo>

#include "catalog/contentsdocument.h"
#include "check/checkscope.h"
#include "check/containercheck.h"
#include "check/hicolorcheck.h"
#include "check/scaledsetcheck.h"
#include "check/webfoldercheck.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QStringList subfolders(const QDir &dir)
{
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
}

bool holdsMipmapFolders(const QDir &dir)
{
    return !dir.entryList({u"mipmap-*"_s}, QDir::Dirs | QDir::NoSymLinks).isEmpty();
}

bool isHicolorTree(const QDir &dir)
{
    if (dir.dirName() == u"hicolor")
        return true;
    const QStringList folders = subfolders(dir);
    return !folders.isEmpty() && std::all_of(folders.cbegin(), folders.cend(), &HicolorCheck::isThemeFolder);
}

QString joined(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? name : folder + u'/' + name;
}

// The state of one walk: what it found and how much it has seen.
struct Walk
{
    CheckScope &scope;
    QList<IconSetFinder::Found> found;
    int entries = 0;
    bool stopped = false;

    void visit(const QString &relative, int depth);
    void visitFiles(const QDir &dir, const QString &relative);
};

void Walk::visitFiles(const QDir &dir, const QString &relative)
{
    QStringList pngs;
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
        const QString name = info.fileName();
        if (info.isSymLink()) {
            if (ContainerCheck::isContainer(name))
                scope.note(joined(relative, name), IconSetFinder::tr("is a link; it was not followed"));
            continue;
        }
        if (name.endsWith(u".icns", Qt::CaseInsensitive))
            found.append({IconSetFinder::Kind::Icns, joined(relative, name), {}});
        else if (name.endsWith(u".ico", Qt::CaseInsensitive))
            found.append({IconSetFinder::Kind::Ico, joined(relative, name), {}});
        else if (name.endsWith(u".png"))
            pngs << name;
    }
    for (const QString &base : ScaledSetCheck::families(pngs))
        found.append({IconSetFinder::Kind::Scaled, relative, base});
}

void Walk::visit(const QString &relative, int depth)
{
    const QDir dir(joined(scope.root(), relative));
    const QStringList all = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    entries += int(all.size());
    if (entries > IconSetFinder::maxEntries) {
        stopped = true;
        return;
    }
    visitFiles(dir, relative);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString child = joined(relative, info.fileName());
        if (info.isSymLink()) {
            scope.note(child, IconSetFinder::tr("is a link to a folder; it was not followed"));
            continue;
        }
        const IconSetFinder::Kind kind = IconSetFinder::kindOf(info.filePath(), false);
        if (kind != IconSetFinder::Kind::None) {
            found.append({kind, child, {}});
        } else if (depth + 1 >= IconSetFinder::maxDepth) {
            scope.note(
                child,
                IconSetFinder::tr("is more than %1 folders deep; it was not searched").arg(IconSetFinder::maxDepth));
        } else {
            visit(child, depth + 1);
            if (stopped)
                return;
        }
    }
}

} // namespace

IconSetFinder::Kind IconSetFinder::kindOf(const QString &path, bool given)
{
    const QDir dir(path);
    const auto holdsFile = [&dir](const QString &name) { return QFileInfo(dir.filePath(name)).isFile(); };
    const QString name = dir.dirName();
    if (name.endsWith(u".appiconset") || (given && holdsFile(ContentsDocument::fileName.toString())))
        return Kind::AppIconSet;
    if (name.endsWith(u".icon") || holdsFile(u"icon.json"_s))
        return Kind::IconComposer;
    if (holdsFile(WebFolderCheck::manifestName.toString()))
        return Kind::Web;
    if (holdsMipmapFolders(dir))
        return Kind::AndroidRes;
    if (const QFileInfo res(dir.filePath(u"res"_s));
        res.isDir() && !res.isSymLink() && holdsMipmapFolders(QDir(res.filePath())))
        return Kind::AndroidTarget;
    if (isHicolorTree(dir))
        return Kind::Hicolor;
    return Kind::None;
}

QList<IconSetFinder::Found> IconSetFinder::find(CheckScope &scope)
{
    if (const Kind kind = kindOf(scope.root(), true); kind != Kind::None)
        return {{kind, {}, {}}};
    Walk walk{scope, {}, 0, false};
    walk.visit({}, 0);
    if (walk.stopped)
        scope.problem({}, tr("holds more than %1 files and folders; the check stopped there").arg(maxEntries));
    return walk.found;
}

} // namespace iconsmith
