#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "cli/clioptions.h"
#include "common/result.h"

namespace iconsmith {

/**
 * A project file (iconsmith.json): the icon recipe a repository keeps beside its code, read into
 * the options the command line would give and checked by the same rules.
 *
 * The file is one recipe, or several under "recipes" with the keys at the top level as their
 * shared defaults. Every key is the long name of a command-line option ("output", "dark",
 * "android-inset", ...), except "targets" (a list, or a comma list) and "strict" (a flag of the
 * run). Relative paths are taken relative to the file's folder. Anything wrong is reported with
 * the file and the key ("iconsmith.json: recipes.pro.targets[1]: ...").
 */
class ProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)

public:
    struct Recipe
    {
        /** The recipe's name under "recipes"; empty for a file that is one recipe. */
        QString name;
        CliOptions options;
    };

    /**
     * The recipes of the file @p path in the order of their names, only those named in @p only
     * when it is not empty. Every recipe is checked; the pictures of those that run must exist.
     */
    static Result<QList<Recipe>> read(const QString &path, const QStringList &only = {});
    /** The same for a file's contents, named @p fileName in messages, its relative paths taken from @p folder. */
    static Result<QList<Recipe>> parse(const QByteArray &contents, const QString &fileName, const QString &folder,
                                       const QStringList &only = {});
};

} // namespace iconsmith
