#include <QApplication>

#include "app/diagnostics.h"
#include "app/launcher.h"
#include "codec/imagelibrary.h"
#include "common/allocatortuning.h"

int main(int argc, char *argv[])
{
    // Before anything else runs: start-up briefly sets an environment variable.
    iconsmith::tuneAllocatorForLargeBuffers();
    iconsmith::ImageLibrary::ensureStarted();
    QApplication application(argc, argv);
    iconsmith::Diagnostics::apply(iconsmith::Diagnostics::requested(QCoreApplication::arguments()));
    iconsmith::Launcher::configure(application);
    iconsmith::Launcher launcher;
    launcher.launch(QCoreApplication::arguments());
    return QCoreApplication::exec();
}
