#include "check/iconsetfinder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "catalog/contentsdocument.h"
#include "check/androidrescheck.h"
#include "check/checkscope.h"
#include "check/containercheck.h"
#include "check/extensioncheck.h"
#include "check/hicolorcheck.h"
#include "check/scaledsetcheck.h"
#include "check/splashfoldercheck.h"
#include "check/webfoldercheck.h"
#include "check/windowsassetscheck.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The names in a folder, read with an iterator up to the walk's bound: a folder of a million
// files costs no more than one of maxEntries.
struct Listing
{
    QStringList files;
    QStringList folders;
};

Listing listingOf(const QString &path)
{
    Listing listing;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (int seen = 0; it.hasNext() && seen < IconSetFinder::maxEntries; ++seen) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !info.isSymLink())
            listing.folders << info.fileName();
        else if (!info.isDir())
            listing.files << info.fileName();
    }
    return listing;
}

// Launcher icons live in mipmap folders; notification icons in drawable folders of a density.
bool holdsMipmapFolders(const QStringList &folders)
{
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString &name) {
        return name.startsWith(u"mipmap-") ||
               (name.startsWith(u"drawable-") && AndroidResCheck::densityScale(name) > 0);
    });
}

bool isHicolorTree(const QString &name, const QStringList &folders)
{
    if (name == u"hicolor")
        return true;
    return !folders.isEmpty() && std::all_of(folders.cbegin(), folders.cend(), &HicolorCheck::isThemeFolder);
}

QString joined(const QString &parent, const QString &child)
{
    return parent.isEmpty() ? child : parent + u'/' + child;
}

// The state of one walk: what it found and how much it has seen.
struct Walk
{
    CheckScope &scope;
    IconSetFinder::Findings findings;
    int entries = 0;
    bool stopped = false;

    void visit(const QString &relative, int depth);
    void visitFiles(const QString &relative, const QStringList &files);
};

void Walk::visitFiles(const QString &relative, const QStringList &files)
{
    QStringList pngs;
    for (const QString &name : files) {
        const QString path = joined(relative, name);
        if (const QFileInfo info(joined(scope.root(), path)); ContainerCheck::isContainer(name) && info.isSymLink()) {
            const QString target = info.canonicalFilePath();
            if (target.isEmpty() || !IconSetFinder::isWithin(target, scope.checkedRoot()))
                scope.problem(path, IconSetFinder::tr("is a link that leads outside the checked folder; it was not "
                                                      "followed"));
            else
                scope.note(path, IconSetFinder::tr("is a link; it was not followed"));
            continue;
        }
        if (name.endsWith(u".icns", Qt::CaseInsensitive))
            findings.found.append({IconSetFinder::Kind::Icns, path, {}});
        else if (name.endsWith(u".ico", Qt::CaseInsensitive))
            findings.found.append({IconSetFinder::Kind::Ico, path, {}});
        else if (name.endsWith(u".png"))
            pngs << name;
        else if (name == u"settings.gradle" || name == u"settings.gradle.kts")
            findings.gradleRoots << relative;
    }
    for (const QString &base : ScaledSetCheck::families(pngs))
        findings.found.append({IconSetFinder::Kind::Scaled, relative, base});
}

void Walk::visit(const QString &relative, int depth)
{
    const QStringList files = scope.entries(relative, CheckScope::Entries::Files);
    const QStringList folders = scope.entries(relative, CheckScope::Entries::Folders);
    entries += int(files.size() + folders.size());
    if (entries > IconSetFinder::maxEntries) {
        stopped = true;
        return;
    }
    if (QFileInfo(relative).fileName() == u"res")
        findings.androidResources << relative;
    visitFiles(relative, files);
    for (const QString &name : folders) {
        const QString child = joined(relative, name);
        const IconSetFinder::Kind kind = IconSetFinder::kindOf(joined(scope.root(), child), false);
        if (kind != IconSetFinder::Kind::None) {
            findings.found.append({kind, child, {}});
            if (kind == IconSetFinder::Kind::AndroidRes)
                findings.androidResources << child;
            else if (kind == IconSetFinder::Kind::AndroidTarget)
                findings.androidResources << joined(child, u"res"_s);
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

bool IconSetFinder::isWithin(const QString &relative, const QString &folder)
{
    return folder.isEmpty() || relative == folder || relative.startsWith(folder + u'/');
}

IconSetFinder::Kind IconSetFinder::kindOf(const QString &path, bool given)
{
    const QString name = QFileInfo(path).fileName();
    if (name.endsWith(u".appiconset"))
        return Kind::AppIconSet;
    if (name.endsWith(u".icon"))
        return Kind::IconComposer;
    if (name.endsWith(u".solidimagestack"))
        return Kind::SolidImageStack;
    if (name.endsWith(u".brandassets"))
        return Kind::BrandAssets;
    const Listing listing = listingOf(path);
    if (given && listing.files.contains(ContentsDocument::fileName.toString()))
        return Kind::AppIconSet;
    if (listing.files.contains(u"icon.json"_s))
        return Kind::IconComposer;
    if (ExtensionCheck::isExtensionFolder(path, listing.files))
        return Kind::Extension;
    if (WindowsAssetsCheck::isAssetsFolder(name, listing.files, listing.folders))
        return Kind::WindowsAssets;
    if (SplashFolderCheck::isSplashFolder(path))
        return Kind::Splash;
    if (WebFolderCheck::isWebFolder(path, listing.files))
        return Kind::Web;
    if (holdsMipmapFolders(listing.folders))
        return Kind::AndroidRes;
    if (listing.folders.contains(u"res"_s) && holdsMipmapFolders(listingOf(path + u"/res"_s).folders))
        return Kind::AndroidTarget;
    if (isHicolorTree(name, listing.folders))
        return Kind::Hicolor;
    return Kind::None;
}

IconSetFinder::Findings IconSetFinder::find(CheckScope &scope)
{
    if (const Kind kind = kindOf(scope.root(), true); kind != Kind::None) {
        Findings findings;
        findings.found.append({kind, {}, {}});
        if (kind == Kind::AndroidRes)
            findings.androidResources << QString();
        return findings;
    }
    Walk walk{scope, {}, 0, false};
    walk.visit({}, 0);
    if (walk.stopped)
        scope.problem({}, tr("holds more than %1 files and folders; the check stopped there").arg(maxEntries));
    return walk.findings;
}

} // namespace iconsmith
