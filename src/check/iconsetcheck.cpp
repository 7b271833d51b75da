#include "check/iconsetcheck.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <optional>

#include "catalog/sizetable.h"
#include "check/androidrescheck.h"
#include "check/appiconsetcheck.h"
#include "check/checkscope.h"
#include "check/containercheck.h"
#include "check/extensioncheck.h"
#include "check/hicolorcheck.h"
#include "check/iconcomposercheck.h"
#include "check/iconsetfinder.h"
#include "check/imagestackcheck.h"
#include "check/scaledsetcheck.h"
#include "check/splashfoldercheck.h"
#include "check/webfoldercheck.h"
#include "check/windowsassetscheck.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

int IconSetCheck::pixelsFor(const QString &points, const QString &scale)
{
    return AppIconSetCheck::pixelsFor(points, scale);
}

Result<QString> IconSetCheck::fileInSet(const QString &canonicalFolder, const QString &name)
{
    if (!CheckScope::isPlainName(name))
        return Failure{tr("is not the name of a file inside the set; it was not opened")};
    CheckReport unused;
    return CheckScope(canonicalFolder, {}, unused).resolve(name);
}

namespace {

// The watch rows of the size table, read once and only when a set needs them. A table that
// cannot be read recognises no watch image: every unlisted PNG is then a problem, as it was.
class WatchRows
{
public:
    explicit WatchRows(QString path) : m_path(std::move(path)) {}
    const AppIconSetCheck::WatchImages &get()
    {
        if (!m_rows) {
            m_rows.emplace();
            const Result<SizeTable> table = SizeTable::read(m_path.isEmpty() ? SizeTable::locate() : m_path);
            if (table) {
                for (const SizeEntry &row : table->dictionary(SizeTable::Watch).entries)
                    m_rows->insert(row.name + u".png"_s, QSize(int(std::lround(row.dimensions.width())),
                                                               int(std::lround(row.dimensions.height()))));
            }
        }
        return *m_rows;
    }

private:
    QString m_path;
    std::optional<AppIconSetCheck::WatchImages> m_rows;
};

// What the rest of an Android project holds, for the res folder at @p path: the resources of every
// other res folder the walk saw, and whether the project's Gradle root was within the check.
AndroidResCheck::Project projectOf(const QString &path, const QString &res, const IconSetFinder::Findings &findings,
                                   const QString &root)
{
    AndroidResCheck::Project project;
    QString gradleRoot;
    for (const QString &candidate : findings.gradleRoots) {
        if (IconSetFinder::isWithin(path, candidate) && candidate.size() >= gradleRoot.size()) {
            gradleRoot = candidate;
            project.whole = true;
        }
    }
    if (!project.whole)
        return project;
    // Read without filing problems: each folder that is a set files its own.
    CheckReport unused;
    CheckScope all(root, {}, unused);
    for (const QString &other : findings.androidResources) {
        if (other == res || !IconSetFinder::isWithin(other, gradleRoot))
            continue;
        const AndroidResCheck::Names names = AndroidResCheck::namesIn(all, other, false);
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            project.elsewhere[it.key()] |= it.value();
    }
    return project;
}

void checkFound(const IconSetFinder::Found &found, const IconSetFinder::Findings &findings, const QString &root,
                CheckReport &report, WatchRows &watch)
{
    const bool isFile = found.kind == IconSetFinder::Kind::Icns || found.kind == IconSetFinder::Kind::Ico;
    const QString folder = isFile ? QFileInfo(found.path).path() : found.path;
    const QString shownAs = folder == u"." ? QString() : folder;
    CheckScope scope(shownAs.isEmpty() ? root : root + u'/' + shownAs, shownAs, report, root);
    const QString file = QFileInfo(found.path).fileName();
    switch (found.kind) {
    case IconSetFinder::Kind::AppIconSet:
        AppIconSetCheck::check(scope, watch.get());
        break;
    case IconSetFinder::Kind::IconComposer:
        IconComposerCheck::check(scope);
        break;
    case IconSetFinder::Kind::SolidImageStack:
        scope.found(u"solidimagestack"_s);
        ImageStackCheck::check(scope, {}, ImageStackCheck::vision());
        break;
    case IconSetFinder::Kind::BrandAssets:
        ImageStackCheck::checkBrandAssets(scope);
        break;
    case IconSetFinder::Kind::Extension:
        ExtensionCheck::check(scope);
        break;
    case IconSetFinder::Kind::WindowsAssets:
        WindowsAssetsCheck::check(scope);
        break;
    case IconSetFinder::Kind::AndroidTarget: {
        const QString res = shownAs.isEmpty() ? u"res"_s : shownAs + u"/res"_s;
        AndroidResCheck::check(scope, u"res"_s, projectOf(found.path, res, findings, root));
        break;
    }
    case IconSetFinder::Kind::AndroidRes:
        AndroidResCheck::check(scope, {}, projectOf(found.path, shownAs, findings, root));
        break;
    case IconSetFinder::Kind::Web:
        WebFolderCheck::check(scope);
        break;
    case IconSetFinder::Kind::Splash:
        SplashFolderCheck::check(scope);
        break;
    case IconSetFinder::Kind::Hicolor:
        HicolorCheck::check(scope);
        break;
    case IconSetFinder::Kind::Icns:
        scope.found(u"icns"_s, file);
        ContainerCheck::icns(scope, file);
        break;
    case IconSetFinder::Kind::Ico:
        scope.found(u"ico"_s, file);
        ContainerCheck::ico(scope, file);
        break;
    case IconSetFinder::Kind::Scaled:
        ScaledSetCheck::check(scope, found.base);
        break;
    case IconSetFinder::Kind::None:
        break;
    }
}

} // namespace

IconSetCheck::Report IconSetCheck::check(const QString &path)
{
    return check(path, Options{});
}

IconSetCheck::Report IconSetCheck::check(const QString &path, const Options &options)
{
    Report report;
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString shownPath = QDir::toNativeSeparators(path);
    if (canonical.isEmpty()) {
        report.problems.append({shownPath, tr("does not exist")});
        return report;
    }
    WatchRows watch(options.sizeTable);
    if (!info.isDir()) {
        // A single container: checked in its folder, shown by its own name.
        const QFileInfo file(canonical);
        if (!ContainerCheck::isContainer(file.fileName())) {
            report.problems.append({shownPath, tr("is neither a folder nor an .icns or .ico file")});
            return report;
        }
        CheckScope scope(file.path(), {}, report);
        if (file.fileName().endsWith(u".icns", Qt::CaseInsensitive)) {
            scope.found(u"icns"_s, file.fileName());
            ContainerCheck::icns(scope, file.fileName());
        } else {
            scope.found(u"ico"_s, file.fileName());
            ContainerCheck::ico(scope, file.fileName());
        }
        report.finish();
        return report;
    }
    CheckScope top(canonical, {}, report);
    IconSetFinder::Findings findings;
    if (options.kind != IconSetFinder::Kind::None && options.kind != IconSetFinder::Kind::Icns &&
        options.kind != IconSetFinder::Kind::Ico && options.kind != IconSetFinder::Kind::Scaled)
        findings.found.append({options.kind, {}, {}});
    else
        findings = IconSetFinder::find(top);
    for (const IconSetFinder::Found &item : findings.found)
        checkFound(item, findings, canonical, report, watch);
    if (findings.found.isEmpty() && report.problems.isEmpty())
        report.problems.append(
            {shownPath, tr("holds nothing to check: no .appiconset, .icon, .solidimagestack, .brandassets, "
                           ".icns, .ico, Android res, web manifest, extension, Windows assets, "
                           "hicolor tree or scaled image set")});
    report.finish();
    return report;
}

} // namespace iconsmith
