#include "project/androidproject.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "check/androidxml.h"
#include "generation/targets/androidtarget.h"
#include "generation/targets/splashtarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The folders of res/ (relative names) whose type is @p type: "mipmap", "mipmap-hdpi", ...
QStringList folderOf(const QString &res, const QString &type)
{
    QStringList folders;
    for (const QString &name : QDir(res).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (name == type || name.startsWith(type + u'-'))
            folders << name;
    }
    return folders;
}

// The resource name of a file of res/ ("ic_launcher" of "ic_launcher.webp", "x" of "x.9.png").
QString resourceName(const QString &fileName)
{
    return fileName.section(u'.', 0, 0);
}

QByteArray adaptiveXml(const QString &background, const QString &foreground, const QString &monochrome)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                     "<adaptive-icon xmlns:android=\"http://schemas.android.com/apk/res/android\">\n";
    xml += "    <background android:drawable=\"" + background.toUtf8() + "\"/>\n";
    xml += "    <foreground android:drawable=\"" + foreground.toUtf8() + "\"/>\n";
    if (!monochrome.isEmpty())
        xml += "    <monochrome android:drawable=\"" + monochrome.toUtf8() + "\"/>\n";
    xml += "</adaptive-icon>\n";
    return xml;
}

} // namespace

std::unique_ptr<ProjectKind> AndroidProject::at(const QString &root, const QString &folder, QStringList &notes)
{
    const QString main = joined(folder, u"src/main"_s);
    const QString manifestPath = root + u'/' + main + u"/AndroidManifest.xml"_s;
    if (!QFileInfo(manifestPath).isFile() || !QFileInfo(root + u'/' + main + u"/res"_s).isDir())
        return nullptr;
    const AndroidXml::ManifestIcons icons = AndroidXml::readManifest(readSmallFile(manifestPath));
    std::unique_ptr<AndroidProject> project(new AndroidProject(root, folder));
    bool named = false;
    for (const AndroidXml::Reference &reference : icons.icons) {
        if (reference.element != u"application" || reference.otherPackage ||
            (reference.type != u"mipmap" && reference.type != u"drawable"))
            continue;
        if (reference.attribute.endsWith(u"roundIcon")) {
            project->m_round = Resource{reference.type, reference.name};
        } else {
            project->m_icon = {reference.type, reference.name};
            named = true;
        }
    }
    if (!named) {
        // A library module names no launcher icon; one filled in by the build cannot be followed.
        if (icons.placeholders)
            notes << tr("%1: the manifest's icon is filled in by the build, so the module was left out.")
                         .arg(main + u"/AndroidManifest.xml"_s);
        return nullptr;
    }
    for (const std::optional<Resource> &icon : {std::optional(project->m_icon), project->m_round}) {
        if (!icon)
            continue;
        for (const QString &xml : project->adaptiveXmls(*icon)) {
            for (const AndroidXml::Reference &layer :
                 AndroidXml::readDrawable(readSmallFile(root + u'/' + xml)).references)
                if (!layer.otherPackage)
                    project->m_oldLayers.append({layer.type, layer.name});
        }
    }
    return project;
}

QString AndroidProject::res() const
{
    return joined(m_folder, u"src/main/res"_s);
}

QStringList AndroidProject::adaptiveXmls(const Resource &icon) const
{
    QStringList files;
    for (const QString &folder : folderOf(absolute(res()), icon.type)) {
        if (folder.split(u'-').contains(u"anydpi"_s) &&
            QFileInfo(absolute(res() + u'/' + folder + u'/' + icon.name + u".xml"_s)).isFile())
            files << res() + u'/' + folder + u'/' + icon.name + u".xml"_s;
    }
    return files;
}

QString AndroidProject::colourName() const
{
    QString name = m_icon.name + u"_background"_s;
    const QString ownFile = u"values/"_s + name + u".xml"_s;
    for (const QString &folder : folderOf(absolute(res()), u"values"_s)) {
        for (const QString &file : QDir(absolute(res() + u'/' + folder)).entryList({u"*.xml"_s}, QDir::Files)) {
            const AndroidXml::Values values =
                AndroidXml::readValues(readSmallFile(absolute(res() + u'/' + folder + u'/' + file)));
            const bool declares = values.declared.contains({u"color"_s, name});
            // The file Iconsmith writes is its own to replace, when it declares nothing else.
            if (declares && !(folder + u'/' + file == ownFile && values.declared.size() == 1))
                return u"iconsmith_"_s + name;
        }
    }
    return name;
}

TargetPlan AndroidProject::plan(const TargetContext &context) const
{
    const TargetPlan base = AndroidTarget::plan(context);
    TargetPlan plan;
    plan.name = kind();
    plan.notes = base.notes;
    plan.warnings = base.warnings;
    bool monochrome = false;
    bool backgroundImage = false;
    // The android target's renders under the module's own names.
    for (PlannedImage image : base.images) {
        const QStringList parts = image.file.split(u'/');
        if (parts.size() != 3 || parts[0] != u"res")
            continue; // the Play Store icon is not part of the module
        const QString density = parts[1].section(u'-', 1);
        const QString stem = resourceName(parts[2]);
        QString type = u"mipmap"_s;
        QString name;
        if (stem == u"ic_launcher") {
            type = m_icon.type;
            name = m_icon.name;
        } else if (stem == u"ic_launcher_round") {
            if (!m_round)
                continue;
            type = m_round->type;
            name = m_round->name;
        } else {
            name = m_icon.name + stem.mid(QStringView(u"ic_launcher").size());
            monochrome = monochrome || stem.endsWith(u"_monochrome");
            backgroundImage = backgroundImage || stem.endsWith(u"_background");
        }
        image.file = res() + u'/' + type + u'-' + density + u'/' + name + u".png"_s;
        plan.images.append(image);
    }

    const QString colour = colourName();
    QByteArray xml =
        adaptiveXml(backgroundImage ? u"@mipmap/"_s + m_icon.name + u"_background"_s : u"@color/"_s + colour,
                    u"@mipmap/"_s + m_icon.name + u"_foreground"_s,
                    monochrome ? u"@mipmap/"_s + m_icon.name + u"_monochrome"_s : QString());
    for (const std::optional<Resource> &icon : {std::optional(m_icon), m_round}) {
        if (!icon)
            continue;
        QStringList files = adaptiveXmls(*icon);
        if (files.isEmpty())
            files << res() + u'/' + icon->type + u"-anydpi-v26/"_s + icon->name + u".xml"_s;
        for (const QString &file : std::as_const(files))
            plan.documents.append({file, [xml](const QSet<QString> &) { return xml; }});
    }
    planSplashScreens(context, plan);
    if (!backgroundImage) {
        const QByteArray value = context.background().name().toUpper().toLatin1();
        const QByteArray name = colour.toUtf8();
        plan.documents.append({res() + u"/values/"_s + colour + u".xml"_s, [value, name](const QSet<QString> &) {
                                   return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<resources>\n"
                                          "    <color name=\"" +
                                          name + "\">" + value + "</color>\n</resources>\n";
                               }});
    }
    return plan;
}

void AndroidProject::planSplashScreens(const TargetContext &context, TargetPlan &plan) const
{
    for (const QString &folder : folderOf(absolute(res()), u"drawable"_s)) {
        const QString file = res() + u'/' + folder + u"/splash.png"_s;
        const QSize pixels = presentSize(absolute(file));
        if (pixels.isEmpty())
            continue;
        const bool night = folder.split(u'-').contains(u"night"_s);
        plan.images.append(SplashTarget::wholeScreen(file, pixels, night, context));
    }
}

bool AndroidProject::namedElsewhere(const Resource &resource, const QSet<QString> &except) const
{
    const QRegularExpression named(u"@\\+?%1/%2(?![A-Za-z0-9_.])"_s.arg(QRegularExpression::escape(resource.type),
                                                                        QRegularExpression::escape(resource.name)));
    const QString manifest = joined(m_folder, u"src/main/AndroidManifest.xml"_s);
    QStringList files{manifest};
    QDirIterator it(absolute(res()), {u"*.xml"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << res() + u'/' + QDir(absolute(res())).relativeFilePath(it.next());
    return std::any_of(files.begin(), files.end(), [&](const QString &file) {
        return !except.contains(file) && QString::fromUtf8(readSmallFile(absolute(file))).contains(named);
    });
}

QStringList AndroidProject::movedAway(const TargetPlan &plan) const
{
    QSet<QString> planned;
    for (const PlannedImage &image : plan.images)
        planned.insert(image.file);
    for (const PlannedDocument &document : plan.documents)
        planned.insert(document.file);

    QStringList moved;
    const auto move = [&moved, &planned](const QString &file) {
        if (!planned.contains(file) && !moved.contains(file))
            moved << file;
    };
    // A resource is one name per folder: any other format of a planned file's name clashes with it.
    for (const QString &file : std::as_const(planned)) {
        const QFileInfo info(absolute(file));
        const QString folder = file.section(u'/', 0, -2);
        for (const QString &other : info.dir().entryList(QDir::Files | QDir::System | QDir::Hidden)) {
            if (resourceName(other) == resourceName(info.fileName()))
                move(folder + u'/' + other);
        }
    }
    // The layers the old XML named that the new one does not, unless something else still names them.
    for (const Resource &layer : m_oldLayers) {
        if (layer.type != u"mipmap" && layer.type != u"drawable")
            continue;
        bool kept = false;
        for (const PlannedDocument &document : plan.documents)
            kept =
                kept || QString::fromUtf8(document.contents({})).contains(u'@' + layer.type + u'/' + layer.name + u'"');
        if (kept || namedElsewhere(layer, planned))
            continue;
        for (const QString &folder : folderOf(absolute(res()), layer.type)) {
            for (const QString &other : QDir(absolute(res() + u'/' + folder)).entryList(QDir::Files)) {
                if (resourceName(other) == layer.name)
                    move(res() + u'/' + folder + u'/' + other);
            }
        }
    }
    moved.sort();
    return moved;
}

} // namespace iconsmith
