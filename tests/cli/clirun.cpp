#include "clirun.h"

#include <QByteArray>

#include <cstdio>

#include "cli/clirunner.h"

namespace iconsmith::test {

namespace {

QString drain(FILE *file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, qsizetype(n));
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

} // namespace

CliRun runCli(const QStringList &arguments)
{
    FILE *out = std::tmpfile();
    FILE *err = std::tmpfile();
    CliRun result;
    {
        CliRunner runner(out, err);
        result.status = runner.run(QStringList{QStringLiteral("iconsmith-cli")} + arguments);
    }
    result.out = drain(out);
    result.err = drain(err);
    return result;
}

} // namespace iconsmith::test
