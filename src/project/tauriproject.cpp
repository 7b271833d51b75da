#include "project/tauriproject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "generation/targets/mactarget.h"
#include "generation/targets/windowstarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 longestConfiguration = qint64{4} * 1024 * 1024;

} // namespace

int TauriProject::sizeOfName(const QString &file)
{
    const QString name = QFileInfo(file).fileName();
    static const QRegularExpression sized(u"^(\\d{1,4})x(\\d{1,4})(?:@([1-4])x)?\\.png$"_s);
    static const QRegularExpression logo(u"^Square(\\d{1,4})x(\\d{1,4})Logo\\.png$"_s);
    for (const QRegularExpression *pattern : {&sized, &logo}) {
        const QRegularExpressionMatch match = pattern->match(name);
        if (match.hasMatch() && match.captured(1) == match.captured(2)) {
            const int scale = match.captured(3).isEmpty() ? 1 : match.captured(3).toInt();
            return match.captured(1).toInt() * scale;
        }
    }
    if (name == u"StoreLogo.png")
        return 50;
    // What Tauri's own tooling writes as the large picture.
    if (name == u"icon.png")
        return 512;
    return 0;
}

std::unique_ptr<ProjectKind> TauriProject::at(const QString &root, const QString &folder, QStringList &notes)
{
    const QString configuration = joined(folder, u"tauri.conf.json"_s);
    QFile file(root + u'/' + configuration);
    const QFileInfo info(file.fileName());
    if (!info.isFile() || info.isSymLink())
        return nullptr;
    QJsonParseError error{};
    const QJsonDocument document = info.size() <= longestConfiguration && file.open(QIODevice::ReadOnly)
                                       ? QJsonDocument::fromJson(file.readAll(), &error)
                                       : QJsonDocument();
    if (!document.isObject()) {
        notes << tr("%1 cannot be read (%2), so the app was left out.").arg(configuration, error.errorString());
        return nullptr;
    }
    QJsonValue icons = document.object().value(u"bundle"_s).toObject().value(u"icon"_s);
    if (icons.isUndefined())
        icons = document.object().value(u"tauri"_s).toObject().value(u"bundle"_s).toObject().value(u"icon"_s);
    if (!icons.isArray() || icons.toArray().isEmpty()) {
        notes << tr("%1 lists no icons (bundle.icon), so the app was left out.").arg(configuration);
        return nullptr;
    }
    std::unique_ptr<TauriProject> project(new TauriProject(root, folder));
    QStringList folders;
    for (const QJsonValue entry : icons.toArray()) {
        const QString path = QDir::cleanPath(entry.toString());
        // Only files of the app: nothing above its folder, nothing absolute.
        if (path.isEmpty() || QDir::isAbsolutePath(path) || path.startsWith(u"..") || path.contains(u'\\')) {
            notes << tr("%1: the icon \"%2\" is not a file of the app, so it was left as it is.")
                         .arg(configuration, entry.toString());
            continue;
        }
        project->m_files << joined(folder, path);
        const QString where = QFileInfo(joined(folder, path)).path();
        if (!folders.contains(where))
            folders << where;
    }
    // The Windows Store logos and the large picture Tauri's tooling keeps beside the listed icons.
    for (const QString &where : std::as_const(folders)) {
        for (const QString &name :
             QDir(root + u'/' + where)
                 .entryList({u"Square*Logo.png"_s, u"StoreLogo.png"_s, u"icon.png"_s}, QDir::Files)) {
            const QString logo = where + u'/' + name;
            if (sizeOfName(name) > 0 && !project->m_files.contains(logo))
                project->m_files << logo;
        }
    }
    return project;
}

TargetPlan TauriProject::plan(const TargetContext &context) const
{
    TargetPlan plan;
    plan.name = kind();
    const TargetPlan mac = MacTarget::plan(context);
    const TargetPlan windows = WindowsTarget::plan(context);
    for (const QString &file : m_files) {
        const QString suffix = QFileInfo(file).suffix().toLower();
        if (suffix == u"icns") {
            plan.images << containerEntries(mac, u".icns"_s, file);
        } else if (suffix == u"ico") {
            plan.images << containerEntries(windows, u".ico"_s, file);
        } else if (suffix == u"png") {
            int size = sizeOfName(file);
            if (size == 0)
                size = presentSquareSize(m_root + u'/' + file);
            if (size > 0 && size <= 1024)
                plan.images.append(PlannedImage(file, size));
            else
                plan.notes.append(
                    {tr("%1: its name gives no size and it is not a square PNG, so it was left as it is.").arg(file),
                     std::nullopt});
        } else {
            plan.notes.append({tr("%1: Iconsmith does not write .%2 files, so it was left as it is.").arg(file, suffix),
                               std::nullopt});
        }
    }
    return plan;
}

} // namespace iconsmith
