#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "project/projectfinder.h"
#include "project/projectupdate.h"

namespace iconsmith {

/** What was found in a project folder and what an update of it changes, as people read it. */
class ProjectSummary
{
    Q_DECLARE_TR_FUNCTIONS(ProjectSummary)

public:
    /**
     * The app the projects @p found in @p folder make up and the systems it runs on: "Flutter
     * app: Android, iOS, macOS, web, Windows". The app is named by its framework's own file in the
     * folder (pubspec.yaml, capacitor.config.*, a package.json depending on react-native), else
     * by its one project's kind.
     */
    static QString describe(const QString &folder, const ProjectFinder::Found &found);

    /** The number of files of each action in @p plans. */
    struct Counts
    {
        int written = 0;
        int replaced = 0;
        int edited = 0;
        int movedAway = 0;
        int unchanged = 0;

        /** The files the update changes: all but the unchanged. */
        [[nodiscard]] int changed() const { return written + replaced + edited + movedAway; }
    };
    static Counts count(const QList<ProjectPlan> &plans);

    /** An action as the lists for people name it: "write", "replace", "edit", "move away", "unchanged". */
    static QString actionText(ProjectChange::Action action);
};

} // namespace iconsmith
