#include <QCoreApplication>

#include <cstdio>

#include "clirunner.h"
#include "imagelibrary.h"

int main(int argc, char *argv[])
{
    // Before anything else runs: start-up briefly sets an environment variable.
    iconsmith::ImageLibrary::ensureStarted();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("iconsmith-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ICONSMITH_VERSION));
    return iconsmith::CliRunner(stdout, stderr).run(QCoreApplication::arguments());
}
