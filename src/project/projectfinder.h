#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * Finds the app projects under a folder by the files their tooling writes (see each kind's
 * class): the folder itself and the folders below it, at most six deep and 20000 folders in
 * all. Hidden folders, links and the folders of dependencies and build output
 * (node_modules, build, Pods, target, dist) are not looked into.
 */
class ProjectFinder
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFinder)

public:
    struct Found
    {
        /** In the order their folders are found: shallower first, then by name. */
        std::vector<std::shared_ptr<const ProjectKind>> projects;
        /** Projects that were recognised but left out, and why. */
        QStringList notes;
    };

    /** The projects under @p folder (an absolute path, as the file system names it). */
    static Found find(const QString &folder);
};

} // namespace iconsmith
