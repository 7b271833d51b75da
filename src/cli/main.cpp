#include <QCoreApplication>

#include <cstdio>

#include "clirunner.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("iconsmith-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ICONSMITH_VERSION));
    return iconsmith::CliRunner(stdout, stderr).run(QCoreApplication::arguments());
}
