#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace iconsmith {

struct CliOptions;
struct RunOutcome;

/**
 * The command-line tool: reads its arguments, runs the generation, the recipes of a project file
 * or the check, prints (lines for people, or one JSON document), and answers the exit status.
 * Nothing is ever coloured, so the output reads the same in a terminal, a log or a pipe.
 */
class CliRunner
{
    Q_DECLARE_TR_FUNCTIONS(CliRunner)

public:
    /** Exit statuses. */
    enum Status { Success = 0, Failure = 1, UsageError = 2, StrictWarnings = 3 };

    CliRunner(FILE *out, FILE *err);

    /** Runs one command line (the program name first) and returns the exit status. */
    int run(const QStringList &arguments);

private:
    int usageError(const QString &message, bool json);
    int runProject(const CliOptions &options);
    RunOutcome generate(const CliOptions &options, const QString &recipe);
    int finish(const CliOptions &options, const QList<RunOutcome> &runs);
    void print(const CliOptions &options, const RunOutcome &run);
    int check(const CliOptions &options);
    static QString existingSetWarning(const QString &folder, const QStringList &leftOvers);

    QTextStream m_out;
    QTextStream m_err;
};

} // namespace iconsmith
