#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <new>

#include "cli/clirunner.h"
#include "codec/imagelibrary.h"
#include "common/allocatortuning.h"

namespace {

// The last line of defence: whatever escapes the run ends the program with status 1 and a
// sentence, never with an abort and a core dump.
int failed(const char *reason)
{
    std::fprintf(stderr, "iconsmith-cli: %s\n",
                 QCoreApplication::translate("main", "stopped by an unexpected error: %1")
                     .arg(QString::fromLocal8Bit(reason))
                     .toLocal8Bit()
                     .constData());
    return iconsmith::CliRunner::Failure;
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        // Before anything else runs: start-up briefly sets an environment variable.
        iconsmith::tuneAllocatorForLargeBuffers();
        iconsmith::ImageLibrary::ensureStarted();
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("iconsmith-cli"));
        QCoreApplication::setApplicationVersion(QStringLiteral(ICONSMITH_VERSION));
        return iconsmith::CliRunner(stdout, stderr).run(QCoreApplication::arguments());
    } catch (const std::bad_alloc &) {
        return failed("out of memory");
    } catch (const std::exception &error) {
        return failed(error.what());
    } catch (...) {
        return failed("unknown");
    }
}
