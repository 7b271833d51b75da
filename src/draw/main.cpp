// iconsmith-draw: the process in which the format libraries read and draw one vector picture
// for Iconsmith (see DrawingProcess). Started by Iconsmith only:
//   iconsmith-draw --socket FD --parent PID
#include <QtGlobal>

#include <cstdlib>
#include <cstring>

#include "codec/drawingprocess.h"
#include "codec/imagelibrary.h"
#include "codec/inputlimits.h"
#include "codec/vectorsource.h"

#if defined(Q_OS_LINUX)
#include <sys/prctl.h>
#endif
#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define ICONSMITH_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ICONSMITH_SANITIZED 1
#endif

// The bounds on what one drawing may take, beyond the time its parent allows it.
void limitResources()
{
#if defined(Q_OS_UNIX)
#if !defined(ICONSMITH_SANITIZED)
    // Sanitizers reserve terabytes of address space for their shadow memory.
    const rlimit memory = {rlim_t(iconsmith::InputLimits::maxDrawingProcessBytes),
                           rlim_t(iconsmith::InputLimits::maxDrawingProcessBytes)};
    setrlimit(RLIMIT_AS, &memory);
#endif
    // Processor time, in case the parent could not stop it (its clock counts wall time).
    const rlimit processor = {rlim_t(iconsmith::InputLimits::maxDrawingProcessSeconds),
                              rlim_t(iconsmith::InputLimits::maxDrawingProcessSeconds + 10)};
    setrlimit(RLIMIT_CPU, &processor);
    const rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#endif
}

} // namespace

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
    // Dies with the program that started it, and not a moment later.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (parent > 0 && getppid() != pid_t(parent))
        return 1;
#else
    Q_UNUSED(parent);
#endif
    limitResources();
    iconsmith::ImageLibrary::ensureStarted();
    const iconsmith::DrawingProcess::Drawer drawer{&iconsmith::VectorSource::measure,
                                                   [](const QByteArray &bytes, bool pdf, double scale) {
                                                       return iconsmith::VectorSource::drawAt(bytes, pdf, scale);
                                                   }};
    return iconsmith::DrawingProcess::serve(channel, drawer);
}
