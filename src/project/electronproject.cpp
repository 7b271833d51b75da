#include "project/electronproject.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "generation/targets/mactarget.h"
#include "generation/targets/windowstarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int linuxIcon = 1024;

} // namespace

std::unique_ptr<ProjectKind> ElectronProject::at(const QString &root, const QString &folder, QStringList &notes)
{
    const QString packagePath = joined(root, joined(folder, u"package.json"_s));
    if (!QFileInfo(packagePath).isFile())
        return nullptr;
    const QJsonObject package = QJsonDocument::fromJson(readSmallFile(packagePath)).object();
    const QJsonValue build = package.value(u"build"_s);
    if (!build.isObject() && !package.value(u"devDependencies"_s).toObject().contains(u"electron-builder"_s))
        return nullptr;
    const QString configured =
        build.toObject().value(u"directories"_s).toObject().value(u"buildResources"_s).toString(u"build"_s);
    const QString resources = QDir::cleanPath(configured);
    if (resources.isEmpty() || resources.startsWith(u"..") || QDir::isAbsolutePath(resources) ||
        resources.contains(u'\\')) {
        notes << tr("%1: the build resources folder \"%2\" is not a folder of the app, so the app was left out.")
                     .arg(joined(folder, u"package.json"_s), configured);
        return nullptr;
    }
    return std::unique_ptr<ProjectKind>(new ElectronProject(root, folder, joined(folder, resources)));
}

TargetPlan ElectronProject::plan(const TargetContext &context) const
{
    TargetPlan plan;
    plan.name = kind();
    plan.images << containerEntries(MacTarget::plan(context), u".icns"_s, m_resources + u"/icon.icns"_s);
    plan.images << containerEntries(WindowsTarget::plan(context), u".ico"_s, m_resources + u"/icon.ico"_s);
    const QString png = m_resources + u"/icon.png"_s;
    const int present = presentSquareSize(joined(m_root, png));
    plan.images.append(PlannedImage(png, present >= 256 && present <= linuxIcon ? present : linuxIcon));
    static const QRegularExpression sized(u"^(\\d{1,4})x\\1\\.png$"_s);
    const QString icons = m_resources + u"/icons"_s;
    for (const QString &name : QDir(joined(m_root, icons)).entryList({u"*.png"_s}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = sized.match(name);
        const int pixels = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (pixels > 0 && pixels <= linuxIcon)
            plan.images.append(PlannedImage(icons + u'/' + name, pixels));
    }
    return plan;
}

} // namespace iconsmith
