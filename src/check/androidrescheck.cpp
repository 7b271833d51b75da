#include "check/androidrescheck.h"

#include <cmath>

#include "check/androidxml.h"
#include "check/checkscope.h"
#include "check/pixelfacts.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int legacyDp = 48;
constexpr int layerDp = 108;
constexpr int notificationDp = 24;
// The TV launcher's banner: 160 × 90 dp.
constexpr QSize bannerDp(160, 90);

QString joined(const QString &parent, const QString &child)
{
    return parent.isEmpty() ? child : parent + u'/' + child;
}

// A resource's name is its file name up to the first dot ("ic_launcher.9.png" is "ic_launcher").
QString resourceName(const QString &file)
{
    return file.section(u'.', 0, 0);
}

bool isBitmap(const QString &file)
{
    return file.endsWith(u".png", Qt::CaseInsensitive) || file.endsWith(u".webp", Qt::CaseInsensitive);
}

// Android Studio's name for a notification icon, and Iconsmith's.
bool isNotificationIcon(const QString &name)
{
    return name.startsWith(u"ic_stat_");
}

bool isAnyDensity(const QString &folder)
{
    return folder.startsWith(u"mipmap-anydpi") || folder.startsWith(u"drawable-anydpi");
}

// One check of one res folder.
class ResCheck
{
public:
    ResCheck(CheckScope &scope, QString res, const AndroidResCheck::Project &project)
        : m_scope(scope), m_res(std::move(res)), m_project(project)
    {}

    void run();

private:
    void readLauncherNames();
    void checkXml(const QString &folder, const QString &file);
    void resolve(const QString &file, const AndroidXml::Reference &reference);
    void checkBitmaps(const QString &folder);
    void checkNotificationIcon(const QString &path, const QString &density, double scale);

    CheckScope &m_scope;
    QString m_res;
    const AndroidResCheck::Project &m_project;
    QStringList m_folders;
    AndroidResCheck::Names m_names;
    // The launcher icons' names, and the names the adaptive icons use as layers.
    QSet<QString> m_launchers;
    QSet<QString> m_layers;
};

void ResCheck::readLauncherNames()
{
    const QString manifest = u"AndroidManifest.xml"_s;
    if (!m_res.isEmpty() && m_scope.exists(manifest)) {
        const Result<QByteArray> bytes = m_scope.read(manifest, InputLimits::maxDocumentBytes);
        const AndroidXml::ManifestIcons icons =
            bytes ? AndroidXml::readManifest(*bytes) : AndroidXml::ManifestIcons{{}, false, bytes.error()};
        if (!icons.error.isEmpty())
            m_scope.problem(manifest, icons.error);
        for (const AndroidXml::Reference &icon : icons.icons) {
            if (icon.otherPackage)
                continue;
            m_launchers.insert(icon.name);
            resolve(manifest, icon);
        }
        if (!icons.icons.isEmpty() && !icons.placeholders)
            return;
    }
    // Without a manifest that names them: the names Android Studio and Flutter give them.
    m_launchers.insert(u"ic_launcher"_s);
    m_launchers.insert(u"ic_launcher_round"_s);
    m_launchers.insert(u"launcher_icon"_s);
}

void ResCheck::resolve(const QString &file, const AndroidXml::Reference &reference)
{
    if (reference.otherPackage || m_names.value(reference.type).contains(reference.name))
        return;
    const QString where = u"<%1>"_s.arg(reference.element);
    if (m_project.elsewhere.value(reference.type).contains(reference.name))
        return;
    // Launcher mipmaps belong to the app; a drawable or a colour may come from a library or
    // another module, which only the whole project shows.
    if (reference.type == u"mipmap" && !m_project.whole)
        m_scope.problem(
            file, AndroidResCheck::tr("%1 refers to %2, which the folder does not hold").arg(where, reference.text));
    else if (m_project.whole)
        m_scope.problem(
            file,
            AndroidResCheck::tr("%1 refers to %2, which nothing in the project declares").arg(where, reference.text));
    else
        m_scope.note(file, AndroidResCheck::tr("%1 refers to %2, which is not in this folder; it may come from a "
                                               "library or another module")
                               .arg(where, reference.text));
}

void ResCheck::checkXml(const QString &folder, const QString &file)
{
    const QString path = joined(joined(m_res, folder), file);
    const Result<QByteArray> bytes = m_scope.read(path, InputLimits::maxDocumentBytes);
    if (!bytes) {
        m_scope.problem(path, bytes.error());
        return;
    }
    const AndroidXml::Drawable drawable = AndroidXml::readDrawable(*bytes);
    if (!drawable.error.isEmpty()) {
        m_scope.problem(path, drawable.error);
        return;
    }
    if (drawable.root.isEmpty()) {
        m_scope.problem(path, AndroidResCheck::tr("holds no element"));
        return;
    }
    const bool launcher = m_launchers.contains(resourceName(file));
    if (drawable.root != u"adaptive-icon") {
        if (launcher)
            m_scope.problem(path, AndroidResCheck::tr("is a <%1>, not an <adaptive-icon>, though it is the launcher "
                                                      "icon")
                                      .arg(drawable.root));
        return; // another drawable (a vector, a layer list) that happens to live here
    }
    for (const QString &layer : drawable.emptyLayers)
        m_scope.problem(path, AndroidResCheck::tr("<%1> gives no drawable (neither android:drawable nor a drawable "
                                                  "inside); Android fails to load the icon")
                                  .arg(layer));
    for (const AndroidXml::Reference &reference : drawable.references) {
        resolve(path, reference);
        if (reference.type != u"color")
            m_layers.insert(reference.name);
    }
}

void ResCheck::checkBitmaps(const QString &folder)
{
    const double scale = AndroidResCheck::densityScale(folder);
    const bool mipmap = folder.startsWith(u"mipmap-");
    const QString density = folder.section(u'-', 1);
    for (const QString &file : m_scope.entries(joined(m_res, folder), CheckScope::Entries::Files)) {
        if (!isBitmap(file))
            continue;
        const QString path = joined(joined(m_res, folder), file);
        const QString name = resourceName(file);
        const bool layer = m_layers.contains(name);
        const bool launcher = m_launchers.contains(name);
        if (!mipmap && scale > 0 && isNotificationIcon(name) && !layer && !launcher) {
            checkNotificationIcon(path, density, scale);
            continue;
        }
        if (scale > 0 && name == u"banner") {
            m_scope.measure(path, (QSizeF(bannerDp) * scale).toSize(),
                            AndroidResCheck::tr("a TV banner at %1 (160 × 90 dp)").arg(density),
                            CheckScope::Formats::PngOrWebp);
            continue;
        }
        if (scale <= 0 || (!layer && !launcher) || file.endsWith(u".9.png", Qt::CaseInsensitive)) {
            // Not an icon of the launcher's: it must only be whole (aapt fails on a damaged one).
            if (mipmap) {
                m_scope.countImages();
                if (const Result<CheckedImage> image = m_scope.image(path, CheckScope::Formats::PngOrWebp); !image)
                    m_scope.problem(path, image.error());
            }
            continue;
        }
        const int layerPixels = int(std::lround(layerDp * scale));
        const int legacyPixels = int(std::lround(legacyDp * scale));
        const int dp = layer ? layerDp : legacyDp;
        const int pixels = layer ? layerPixels : legacyPixels;
        const QString what = layer ? AndroidResCheck::tr("an adaptive-icon layer at %1 (%2 dp)").arg(density).arg(dp)
                                   : AndroidResCheck::tr("a launcher icon at %1 (%2 dp)").arg(density).arg(dp);
        if (layer && launcher) {
            // Named both ways: the PNG serves old launchers at 48 dp and the adaptive icon at 108 dp.
            m_scope.countImages();
            const Result<CheckedImage> image = m_scope.image(path, CheckScope::Formats::PngOrWebp);
            if (!image)
                m_scope.problem(path, image.error());
            else if (image->size != QSize(layerPixels, layerPixels) && image->size != QSize(legacyPixels, legacyPixels))
                m_scope.problem(path, AndroidResCheck::tr("is %1 × %2 pixels, but a launcher icon and layer at %3 "
                                                          "needs %4 × %4 (48 dp) or %5 × %5 (108 dp)")
                                          .arg(image->size.width())
                                          .arg(image->size.height())
                                          .arg(density)
                                          .arg(legacyPixels)
                                          .arg(layerPixels));
            continue;
        }
        m_scope.measure(path, QSize(pixels, pixels), what, CheckScope::Formats::PngOrWebp);
    }
}

// The status bar draws only a notification icon's alpha: it must be white on transparency, or it
// shows as a white square (an opaque icon) or not as drawn (a coloured one).
void ResCheck::checkNotificationIcon(const QString &path, const QString &density, double scale)
{
    const int pixels = int(std::lround(notificationDp * scale));
    const std::optional<CheckedImage> image =
        m_scope.measure(path, QSize(pixels, pixels),
                        AndroidResCheck::tr("a notification icon at %1 (%2 dp)").arg(density).arg(notificationDp),
                        CheckScope::Formats::PngOrWebp);
    if (!image)
        return;
    const Result<QByteArray> bytes = m_scope.read(path, InputLimits::maxCheckedImageBytes);
    const Result<PixelFacts> facts = bytes ? PixelFacts::read(*bytes) : Result<PixelFacts>(Failure{bytes.error()});
    if (!facts)
        return; // the measure filed what keeps it from being read
    if (!facts->transparent)
        m_scope.problem(path,
                        AndroidResCheck::tr("has no transparent pixel; the status bar draws only its alpha, so it "
                                            "shows as a white square"));
    else if (facts->coloured)
        m_scope.problem(path, AndroidResCheck::tr("is not white on transparency; the status bar draws only its alpha, "
                                                  "so its colours are lost"));
}

void ResCheck::run()
{
    m_folders = m_scope.entries(m_res, CheckScope::Entries::Folders);
    m_names = AndroidResCheck::namesIn(m_scope, m_res, m_folders, true);
    readLauncherNames();
    for (const QString &folder : m_folders) {
        if (!isAnyDensity(folder))
            continue;
        for (const QString &file : m_scope.entries(joined(m_res, folder), CheckScope::Entries::Files)) {
            if (file.endsWith(u".xml", Qt::CaseInsensitive))
                checkXml(folder, file);
        }
    }
    for (const QString &folder : m_folders) {
        if (folder.startsWith(u"mipmap-") || folder.startsWith(u"drawable-"))
            checkBitmaps(folder);
    }
    const QString play = u"play-store-512.png"_s;
    if (!m_res.isEmpty() && m_scope.exists(play))
        m_scope.measure(play, QSize(512, 512), AndroidResCheck::tr("the Play Store icon"));
    const QString tvBanner = u"play-tv-banner-1280x720.png"_s;
    if (m_res.isEmpty() || !m_scope.exists(tvBanner))
        return;
    const std::optional<CheckedImage> banner =
        m_scope.measure(tvBanner, QSize(1280, 720), AndroidResCheck::tr("the Play Store TV banner"));
    if (banner && banner->alpha)
        m_scope.problem(tvBanner, AndroidResCheck::tr("has an alpha channel; Google Play takes the TV banner only "
                                                      "without one"));
}

} // namespace

double AndroidResCheck::densityScale(const QString &folder)
{
    static const QHash<QString, double> scales{{u"ldpi"_s, 0.75},  {u"mdpi"_s, 1.0},  {u"tvdpi"_s, 213.0 / 160.0},
                                               {u"hdpi"_s, 1.5},   {u"xhdpi"_s, 2.0}, {u"xxhdpi"_s, 3.0},
                                               {u"xxxhdpi"_s, 4.0}};
    const QStringList qualifiers = folder.split(u'-');
    for (qsizetype i = 1; i < qualifiers.size(); ++i) {
        if (const double scale = scales.value(qualifiers[i], 0.0); scale > 0)
            return scale;
    }
    return scales.value(folder, 0.0); // a bare qualifier ("xxhdpi")
}

AndroidResCheck::Names AndroidResCheck::namesIn(CheckScope &scope, const QString &res, bool fileProblems)
{
    return namesIn(scope, res, scope.entries(res, CheckScope::Entries::Folders), fileProblems);
}

AndroidResCheck::Names AndroidResCheck::namesIn(CheckScope &scope, const QString &res, const QStringList &folders,
                                                bool fileProblems)
{
    Names names;
    for (const QString &folder : folders) {
        const QString type = folder.section(u'-', 0, 0);
        const QString path = joined(res, folder);
        if (type == u"mipmap" || type == u"drawable" || type == u"color") {
            for (const QString &file : scope.entries(path, CheckScope::Entries::Files))
                names[type].insert(resourceName(file));
            continue;
        }
        if (type != u"values")
            continue;
        for (const QString &file : scope.entries(path, CheckScope::Entries::Files)) {
            if (!file.endsWith(u".xml", Qt::CaseInsensitive))
                continue;
            const QString xml = joined(path, file);
            const Result<QByteArray> bytes = scope.read(xml, InputLimits::maxDocumentBytes);
            if (!bytes) {
                if (fileProblems)
                    scope.problem(xml, bytes.error());
                continue;
            }
            const AndroidXml::Values values = AndroidXml::readValues(*bytes);
            for (const auto &[kind, name] : values.declared)
                names[kind].insert(name);
            if (!fileProblems)
                continue;
            for (const QString &colour : values.badColours)
                scope.problem(xml, colour);
            if (!values.error.isEmpty())
                scope.problem(xml, values.error);
        }
    }
    return names;
}

void AndroidResCheck::check(CheckScope &scope, const QString &res)
{
    check(scope, res, Project{});
}

void AndroidResCheck::check(CheckScope &scope, const QString &res, const Project &project)
{
    scope.found(u"android"_s);
    ResCheck(scope, res, project).run();
}

} // namespace iconsmith
