#include "project/projectsummary.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The framework whose files @p folder holds, as people name its apps; empty when none is known.
QString frameworkOf(const QString &folder)
{
    const auto has = [&folder](const QString &file, const QByteArray &saying) {
        const QByteArray text = ProjectKind::readSmallFile(folder + u'/' + file);
        return !text.isEmpty() && (saying.isEmpty() || text.contains(saying));
    };
    if (has(u"pubspec.yaml"_s, "\nflutter:") || has(u"pubspec.yaml"_s, "flutter:\n"))
        return ProjectSummary::tr("Flutter app");
    for (const QString &config : {u"capacitor.config.ts"_s, u"capacitor.config.js"_s, u"capacitor.config.json"_s}) {
        if (has(config, {}))
            return ProjectSummary::tr("Capacitor app");
    }
    if (has(u"package.json"_s, "\"react-native\""))
        return ProjectSummary::tr("React Native app");
    return {};
}

} // namespace

QString ProjectSummary::describe(const QString &folder, const ProjectFinder::Found &found)
{
    if (found.projects.empty())
        return {};
    QString app = frameworkOf(folder);
    if (app.isEmpty())
        app = found.projects.size() == 1 ? found.projects.front()->title()
                                         : tr("%n app project(s)", nullptr, int(found.projects.size()));
    // The systems in the order people list them, each once.
    static const QStringList order{u"Android"_s, u"iOS"_s, u"macOS"_s, u"web"_s, u"Windows"_s, u"Linux"_s};
    QStringList platforms;
    for (const std::shared_ptr<const ProjectKind> &project : found.projects) {
        for (const QString &platform : project->platforms()) {
            if (!platforms.contains(platform))
                platforms << platform;
        }
    }
    std::stable_sort(platforms.begin(), platforms.end(), [](const QString &a, const QString &b) {
        const auto rank = [](const QString &name) {
            const qsizetype at = order.indexOf(name);
            return at < 0 ? order.size() : at;
        };
        return rank(a) < rank(b);
    });
    for (QString &platform : platforms) {
        if (platform == u"web")
            platform = tr("web");
    }
    return tr("%1: %2").arg(app, platforms.join(u", "_s));
}

ProjectSummary::Counts ProjectSummary::count(const QList<ProjectPlan> &plans)
{
    Counts counts;
    for (const ProjectPlan &plan : plans) {
        for (const ProjectChange &change : plan.changes) {
            switch (change.action) {
            case ProjectChange::Action::Write:
                ++counts.written;
                break;
            case ProjectChange::Action::Replace:
                ++counts.replaced;
                break;
            case ProjectChange::Action::Edit:
                ++counts.edited;
                break;
            case ProjectChange::Action::MoveAway:
                ++counts.movedAway;
                break;
            case ProjectChange::Action::Unchanged:
                ++counts.unchanged;
                break;
            }
        }
    }
    return counts;
}

QString ProjectSummary::actionText(ProjectChange::Action action)
{
    switch (action) {
    case ProjectChange::Action::Write:
        return tr("write");
    case ProjectChange::Action::Replace:
        return tr("replace");
    case ProjectChange::Action::Edit:
        return tr("edit");
    case ProjectChange::Action::MoveAway:
        return tr("move away");
    case ProjectChange::Action::Unchanged:
        return tr("unchanged");
    }
    return {};
}

} // namespace iconsmith
