#include "project/projectfinder.h"

#include <QDir>

#include "project/androidproject.h"
#include "project/electronproject.h"
#include "project/extensionproject.h"
#include "project/flutterwindowsproject.h"
#include "project/tauriproject.h"
#include "project/webappproject.h"
#include "project/windowsappproject.h"
#include "project/xcodeproject.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int deepest = 6;
constexpr int mostFolders = 20000;

using Recognise = std::unique_ptr<ProjectKind> (*)(const QString &root, const QString &folder, QStringList &notes);

// Every kind of project, each asked of every folder.
constexpr Recognise kinds[] = {&AndroidProject::at,        &XcodeProject::at,     &TauriProject::at,
                               &FlutterWindowsProject::at, &WebAppProject::at,    &ElectronProject::at,
                               &ExtensionProject::at,      &WindowsAppProject::at};

bool lookedInto(const QString &name)
{
    static const QStringList skipped{u"node_modules"_s, u"build"_s, u"Pods"_s, u"target"_s, u"dist"_s};
    return !name.startsWith(u'.') && !skipped.contains(name);
}

} // namespace

ProjectFinder::Found ProjectFinder::find(const QString &folder)
{
    Found found;
    QList<std::pair<QString, int>> queue{{QString(), 0}};
    int seen = 0;
    for (qsizetype next = 0; next < queue.size() && seen < mostFolders; ++next, ++seen) {
        const auto [relative, depth] = queue.at(next);
        for (const Recognise recognise : kinds) {
            if (std::unique_ptr<ProjectKind> project = recognise(folder, relative, found.notes))
                found.projects.push_back(std::move(project));
        }
        if (depth == deepest)
            continue;
        const QDir dir(relative.isEmpty() ? folder : folder + u'/' + relative);
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
            if (lookedInto(name))
                queue.append({relative.isEmpty() ? name : relative + u'/' + name, depth + 1});
        }
    }
    return found;
}

} // namespace iconsmith
