#pragma once

#include <QCoreApplication>
#include <QTextStream>

namespace iconsmith {

struct CliOptions;

/**
 * iconsmith-cli SOURCE --project FOLDER: finds the app projects in the folder, prints what will
 * change in each (and with --dry-run stops there), updates them and prints what changed; or one
 * JSON document with --json.
 */
class ProjectCommand
{
    Q_DECLARE_TR_FUNCTIONS(ProjectCommand)

public:
    /** Runs @p options (Mode::IntoProject) and answers the exit status. */
    static int run(const CliOptions &options, QTextStream &out, QTextStream &err);
};

} // namespace iconsmith
