// iconsmith-draw: the process in which the format libraries read and draw one vector picture
// for Iconsmith (see DrawingProcess). Started by Iconsmith only:
//   iconsmith-draw --socket FD --parent PID
#include <QtGlobal>

#include <cstdlib>
#include <cstring>

#include "codec/drawingconfinement.h"
#include "codec/drawingservice.h"
#include "codec/helperlauncher.h"
#include "codec/imagelibrary.h"
#include "codec/vectorsource.h"

#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

int main(int argc, char *argv[])
{
    int channel = -1;
    long long parent = -1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--socket") == 0)
            channel = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--parent") == 0)
            parent = std::atoll(argv[i + 1]);
    }
    if (channel < 0)
        return 2;
#if defined(Q_OS_LINUX)
    // Dies with the program that started it, and not a moment later. The kernel sends the
    // signal when the thread that started the helper ends, so Iconsmith starts every helper
    // from a thread that lives as long as it does (HelperLauncher).
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (parent > 0 && getppid() != pid_t(parent))
        return 1;
#else
    Q_UNUSED(parent);
#endif
    // Where the launcher could not keep the program's other descriptors away, the helper
    // closes them before any library runs.
    if (!iconsmith::HelperLauncher::closesDescriptors)
        iconsmith::DrawingConfinement::closeDescriptorsFrom(channel + 1);
    iconsmith::DrawingConfinement::apply();
    iconsmith::ImageLibrary::ensureStarted();
    const iconsmith::DrawingService::Drawer drawer{&iconsmith::VectorSource::measure,
                                                   [](const QByteArray &bytes, bool pdf, double scale, QSize most) {
                                                       return iconsmith::VectorSource::drawAt(bytes, pdf, scale, most);
                                                   }};
    return iconsmith::DrawingService::serve(channel, drawer);
}
