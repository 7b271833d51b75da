#pragma once

#include <QString>
#include <QStringList>

namespace iconsmith::test {

/** What one in-process run of the command-line tool did: its exit status and what it printed. */
struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

/** Runs iconsmith-cli with @p arguments in this process, its standard output and error captured. */
CliRun runCli(const QStringList &arguments);

} // namespace iconsmith::test
