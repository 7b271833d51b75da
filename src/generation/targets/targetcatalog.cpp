#include "generation/targets/targetcatalog.h"

#include "generation/targets/androidnotificationtarget.h"
#include "generation/targets/androidtarget.h"
#include "generation/targets/androidtvtarget.h"
#include "generation/targets/extensiontarget.h"
#include "generation/targets/iconcomposertarget.h"
#include "generation/targets/iostarget.h"
#include "generation/targets/linuxtarget.h"
#include "generation/targets/mactarget.h"
#include "generation/targets/splashtarget.h"
#include "generation/targets/tvtarget.h"
#include "generation/targets/visiontarget.h"
#include "generation/targets/watchtarget.h"
#include "generation/targets/webtarget.h"
#include "generation/targets/windowsstoretarget.h"
#include "generation/targets/windowstarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

const QList<TargetCatalog::Entry> &TargetCatalog::all()
{
    static const QList<Entry> entries{
        {u"ios"_s, tr("single-size iOS icon with dark and tinted appearances"), &IosTarget::plan},
        {u"macos"_s, tr("macOS AppIcon.appiconset and AppIcon.icns"), &MacTarget::plan},
        {u"watchos"_s, tr("single-size watchOS icon"), &WatchTarget::plan},
        {u"icon-composer"_s, tr("Xcode 26 Icon Composer document AppIcon.icon"), &IconComposerTarget::plan},
        {u"tvos"_s, tr("tvOS brand assets: layered app icons and Top Shelf images"), &TvTarget::plan},
        {u"visionos"_s, tr("visionOS AppIcon.solidimagestack with back, middle and front layers"), &VisionTarget::plan},
        {u"android"_s, tr("Android res/ with adaptive, round, monochrome and Play Store icons"), &AndroidTarget::plan},
        {u"android-notification"_s, tr("Android res/drawable-*/ic_stat_NAME.png, white on transparency"),
         &AndroidNotificationTarget::plan},
        {u"android-tv"_s, tr("Android TV banners and the 1280 x 720 Play Store TV banner"), &AndroidTvTarget::plan},
        {u"windows"_s, tr("Windows app.ico"), &WindowsTarget::plan},
        {u"windows-store"_s, tr("MSIX/AppX Assets/ tiles and logos at every scale, VisualElements.xml"),
         &WindowsStoreTarget::plan},
        {u"web"_s, tr("favicon.ico, touch, manifest and maskable icons, head.html"), &WebTarget::plan},
        {u"extension"_s, tr("browser extension icons 16 to 128 and manifest-icons.json"), &ExtensionTarget::plan},
        {u"linux"_s, tr("freedesktop hicolor icon theme folders"), &LinuxTarget::plan},
        {u"splash"_s, tr("launch screens for iOS, Android 12+ and older, and the web, light and dark"),
         &SplashTarget::plan},
    };
    return entries;
}

const TargetCatalog::Entry *TargetCatalog::find(const QString &name)
{
    for (const Entry &entry : all()) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

QStringList TargetCatalog::apple()
{
    return {u"ios"_s, u"macos"_s, u"watchos"_s, u"icon-composer"_s};
}

Result<QStringList> TargetCatalog::parse(const QString &list)
{
    QStringList asked;
    for (const QString &part : list.split(u',')) {
        const QString name = part.trimmed().toLower();
        if (name.isEmpty())
            continue;
        if (name == u"apple") {
            asked << apple();
        } else if (name == u"everything" || name == u"all") {
            for (const Entry &entry : all())
                asked << entry.name;
        } else if (find(name) != nullptr) {
            asked << name;
        } else {
            QStringList names{u"apple"_s, u"everything"_s};
            for (const Entry &entry : all())
                names << entry.name;
            return Failure{tr("Unknown target \"%1\"; the targets are %2.").arg(part.trimmed(), names.join(u", "_s))};
        }
    }
    if (asked.isEmpty())
        return Failure{tr("No target was named.")};
    QStringList ordered;
    for (const Entry &entry : all()) {
        if (asked.contains(entry.name))
            ordered << entry.name;
    }
    return ordered;
}

QString TargetCatalog::pictureName(SourceRole role)
{
    switch (role) {
    case SourceRole::Dark:
        return tr("Dark");
    case SourceRole::Tinted:
        return tr("Tinted");
    case SourceRole::Monochrome:
        return tr("Monochrome");
    case SourceRole::AndroidForeground:
        return tr("Android foreground");
    case SourceRole::AndroidBackground:
        return tr("Android background");
    case SourceRole::LayerMiddle:
        return tr("Middle layer");
    case SourceRole::SplashLogo:
        return tr("Splash logo");
    case SourceRole::SplashDarkLogo:
        return tr("Splash dark logo");
    case SourceRole::Main:
        break;
    }
    return tr("Source");
}

} // namespace iconsmith
