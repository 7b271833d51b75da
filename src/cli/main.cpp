#include <QCoreApplication>

#include <cstdio>

#include "cli/clirunner.h"
#include "codec/imagelibrary.h"
#include "common/allocatortuning.h"

int main(int argc, char *argv[])
{
    // Before anything else runs: start-up briefly sets an environment variable.
    iconsmith::tuneAllocatorForLargeBuffers();
    iconsmith::ImageLibrary::ensureStarted();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("iconsmith-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ICONSMITH_VERSION));
    return iconsmith::CliRunner(stdout, stderr).run(QCoreApplication::arguments());
}
