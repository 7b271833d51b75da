#include "project/xcodeproject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include "catalog/xcodejson.h"
#include "generation/targets/splashtarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 longestPbxproj = qint64{32} * 1024 * 1024;
constexpr qint64 longestContents = qint64{1024} * 1024;
constexpr int deepestCatalog = 4;
constexpr int largestSlot = 2048;

// The .xcassets catalogs below @p folder (absolute), as paths relative to it.
QStringList catalogsBelow(const QString &folder)
{
    QStringList catalogs;
    QList<std::pair<QString, int>> queue{{QString(), 0}};
    for (qsizetype next = 0; next < queue.size() && next < 4000; ++next) {
        const auto [relative, depth] = queue.at(next);
        const QDir dir(ProjectKind::joined(folder, relative));
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
            if (name.startsWith(u'.') || name == u"build" || name == u"Pods" || name.endsWith(u".xcodeproj"))
                continue;
            if (name.endsWith(u".xcassets"))
                catalogs << ProjectKind::joined(relative, name);
            else if (depth + 1 < deepestCatalog)
                queue.append({ProjectKind::joined(relative, name), depth + 1});
        }
    }
    return catalogs;
}

QString appearanceOf(const QJsonObject &image)
{
    for (const QJsonValue appearance : image.value(u"appearances"_s).toArray()) {
        const QJsonObject object = appearance.toObject();
        if (object.value(u"appearance"_s).toString() == u"luminosity")
            return object.value(u"value"_s).toString();
    }
    return {};
}

const Surface &surfaceOf(const QJsonObject &image)
{
    const QString idiom = image.value(u"idiom"_s).toString();
    const QString platform = image.value(u"platform"_s).toString();
    if (idiom == u"mac" || platform == u"macos")
        return Surface::macBody();
    if (idiom.startsWith(u"watch") || platform == u"watchos")
        return Surface::watch();
    return Surface::iosHome();
}

// The slot's pixel size ("60x60" at "3x": 180), or 0 when it names no square size Iconsmith makes.
int pixelsOf(const QJsonObject &image)
{
    const QStringList sides = image.value(u"size"_s).toString().split(u'x');
    if (sides.size() != 2 || sides.first() != sides.last())
        return 0;
    bool sized = false;
    const double points = sides.first().toDouble(&sized);
    const QString scaleText = image.value(u"scale"_s).toString(u"1x"_s);
    bool scaled = false;
    const int scale = scaleText.endsWith(u'x') ? scaleText.chopped(1).toInt(&scaled) : 0;
    const double pixels = points * scale;
    if (!sized || !scaled || pixels < 1 || pixels > largestSlot || pixels != std::round(pixels))
        return 0;
    return static_cast<int>(pixels);
}

// A file name of the set's own: one name, no folder, not hidden.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') && !name.contains(u'\\');
}

QString nameForSlot(const QString &setName, const QJsonObject &image)
{
    QString name = setName;
    const QString idiom = image.value(u"idiom"_s).toString();
    if (!idiom.isEmpty() && idiom != u"universal")
        name += u'-' + idiom;
    if (image.contains(u"scale"_s))
        name += u'-' + image.value(u"size"_s).toString() + u'@' + image.value(u"scale"_s).toString();
    const QString appearance = appearanceOf(image);
    if (!appearance.isEmpty())
        name += u'-' + appearance;
    return name + u".png"_s;
}

QJsonObject singleSizeEntry(const QString &appearance)
{
    QJsonObject entry{{u"idiom"_s, u"universal"_s}, {u"platform"_s, u"ios"_s}, {u"size"_s, u"1024x1024"_s}};
    if (!appearance.isEmpty())
        entry.insert(u"appearances"_s,
                     QJsonArray{QJsonObject{{u"appearance"_s, u"luminosity"_s}, {u"value"_s, appearance}}});
    return entry;
}

// A single-size iOS set gains the appearances whose pictures were given.
void addGivenAppearances(QJsonArray &images, const TargetContext &context)
{
    bool singleSize = false;
    QStringList appearances;
    for (const auto &value : std::as_const(images)) {
        const QJsonObject image = value.toObject();
        if (image.value(u"platform"_s).toString() != u"ios" || image.contains(u"scale"_s))
            continue;
        singleSize = true;
        appearances << appearanceOf(image);
    }
    if (!singleSize)
        return;
    for (const auto &[role, appearance] :
         {std::pair(SourceRole::Dark, u"dark"_s), std::pair(SourceRole::Tinted, u"tinted"_s)}) {
        if (context.has(role) && !appearances.contains(appearance))
            images.append(singleSizeEntry(appearance));
    }
}

} // namespace

QStringList XcodeProject::iconSetNames(const QByteArray &pbxproj)
{
    static const QRegularExpression setting(
        uR"re(ASSETCATALOG_COMPILER_APPICON_NAME\s*=\s*(?:"((?:[^"\\]|\\.)*)"|([^;\s"]+))\s*;)re"_s);
    QStringList names;
    for (const QRegularExpressionMatch &match : setting.globalMatch(QString::fromUtf8(pbxproj))) {
        const QString name = match.hasCaptured(1) ? match.captured(1) : match.captured(2);
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

QString XcodeProject::title() const
{
    return m_platform == u"macosx" ? tr("Xcode project (macOS)") : tr("Xcode project (iOS)");
}

std::unique_ptr<ProjectKind> XcodeProject::at(const QString &root, const QString &folder, QStringList &notes)
{
    const QString absolute = folder.isEmpty() ? root : root + u'/' + folder;
    const QStringList projects =
        QDir(absolute).entryList({u"*.xcodeproj"_s}, QDir::Dirs | QDir::NoSymLinks, QDir::Name);
    if (projects.isEmpty())
        return nullptr;
    QStringList names;
    QString platform;
    for (const QString &project : projects) {
        const QByteArray pbxproj = readSmallFile(absolute + u'/' + project + u"/project.pbxproj"_s, longestPbxproj);
        for (const QString &name : iconSetNames(pbxproj)) {
            if (!names.contains(name))
                names << name;
        }
        static const QRegularExpression sdk(uR"(SDKROOT\s*=\s*"?([A-Za-z.]+))"_s);
        if (const QRegularExpressionMatch match = sdk.match(QString::fromUtf8(pbxproj)); match.hasMatch())
            platform = match.captured(1);
    }
    std::unique_ptr<XcodeProject> found(new XcodeProject(folder, platform));
    const QStringList catalogs = catalogsBelow(absolute);
    for (const QString &name : std::as_const(names)) {
        if (name.contains(u"$(") || !isPlainName(name)) {
            notes << tr("%1: the app icon is named by \"%2\", which Iconsmith cannot resolve, so it was left as it is.")
                         .arg(joined(folder, projects.first()), name);
            continue;
        }
        bool seen = false;
        for (const QString &catalog : catalogs) {
            const QString set = joined(folder, catalog + u'/' + name + u".appiconset"_s);
            const QString contents = root + u'/' + set + u"/Contents.json"_s;
            if (!QFileInfo(contents).isFile())
                continue;
            seen = true;
            const QJsonDocument document = QJsonDocument::fromJson(readSmallFile(contents, longestContents));
            if (!document.isObject() || !document.object().value(u"images"_s).isArray()) {
                notes << tr("%1/Contents.json cannot be read, so the set was left as it is.").arg(set);
                continue;
            }
            found->m_sets.append({set, name, document.object()});
            found->addSplashSet(root, joined(folder, catalog));
        }
        if (!seen)
            notes << tr("%1 names the app icon \"%2\", but no asset catalog of the project holds %2.appiconset.")
                         .arg(joined(folder, projects.first()), name);
    }
    if (found->m_sets.isEmpty())
        return nullptr;
    return found;
}

void XcodeProject::addSplashSet(const QString &root, const QString &catalog)
{
    const QString set = catalog + u"/Splash.imageset/"_s;
    const QJsonDocument document =
        QJsonDocument::fromJson(readSmallFile(root + u'/' + set + u"Contents.json"_s, longestContents));
    for (const auto &value : document.object().value(u"images"_s).toArray()) {
        const QJsonObject image = value.toObject();
        const QString file = set + image.value(u"filename"_s).toString();
        const bool taken = std::any_of(m_splashPictures.cbegin(), m_splashPictures.cend(),
                                       [&file](const SplashPicture &picture) { return picture.file == file; });
        if (!isPlainName(image.value(u"filename"_s).toString()) || taken)
            continue;
        if (const QSize pixels = presentSize(root + u'/' + file); !pixels.isEmpty())
            m_splashPictures.append({file, pixels, appearanceOf(image) == u"dark"});
    }
}

TargetPlan XcodeProject::plan(const TargetContext &context) const
{
    TargetPlan plan;
    plan.name = kind();
    for (const IconSet &set : m_sets)
        planSet(set, context, plan);
    for (const SplashPicture &picture : m_splashPictures)
        plan.images.append(SplashTarget::wholeScreen(picture.file, picture.pixels, picture.dark, context));
    return plan;
}

void XcodeProject::planSet(const IconSet &set, const TargetContext &context, TargetPlan &plan) const
{
    QJsonArray images = set.contents.value(u"images"_s).toArray();
    addGivenAppearances(images, context);
    QMap<QString, int> sizeOfFile;
    for (const auto &value : std::as_const(images)) {
        const QString file = value.toObject().value(u"filename"_s).toString();
        if (isPlainName(file))
            sizeOfFile.insert(file, 0);
    }
    for (QJsonValueRef value : images) {
        QJsonObject image = value.toObject();
        const int pixels = pixelsOf(image);
        if (pixels == 0)
            continue;
        const QString appearance = appearanceOf(image);
        const Look look = appearance == u"dark" ? Look::Dark : appearance == u"tinted" ? Look::Tinted : Look::Colour;
        const SourceRole role = look == Look::Dark     ? SourceRole::Dark
                                : look == Look::Tinted ? SourceRole::Tinted
                                                       : SourceRole::Main;
        QString file = image.value(u"filename"_s).toString();
        if (!isPlainName(file)) {
            // An empty dark slot stays empty where the artwork brings its own background.
            if (look == Look::Dark && !context.has(SourceRole::Dark) &&
                context.mainExtent.kind() == ArtworkKind::FullBleed)
                continue;
            file = nameForSlot(set.name, image);
        }
        // Slots of one size may share a file; slots of different sizes never do.
        for (int copy = 2; sizeOfFile.value(file) != 0 && sizeOfFile.value(file) != pixels; ++copy)
            file = nameForSlot(set.name, image).replace(u".png"_s, u"-%1.png"_s.arg(copy));
        image.insert(u"filename"_s, file);
        value = image;
        if (sizeOfFile.value(file) == pixels)
            continue;
        sizeOfFile.insert(file, pixels);
        plan.images.append(PlannedImage(set.folder + u'/' + file, pixels, surfaceOf(image))
                               .as(look)
                               .from(context.has(role) ? role : SourceRole::Main));
    }
    QJsonObject contents = set.contents;
    contents.insert(u"images"_s, images);
    if (contents != set.contents)
        plan.documents.append({set.folder + u"/Contents.json"_s,
                               [contents](const QSet<QString> & /*written*/) { return XcodeJson::write(contents); }});
}

} // namespace iconsmith
