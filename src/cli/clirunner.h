#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace iconsmith {

struct CliOptions;

/** The command-line tool: reads its arguments, runs the generation or the check, prints, and answers the exit status.
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
    int generate(const CliOptions &options);
    int check(const CliOptions &options);
    void warnAboutExistingSet(const QString &folder, const QStringList &leftOvers);

    QTextStream m_out;
    QTextStream m_err;
};

} // namespace iconsmith
