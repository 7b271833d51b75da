#include "codec/drawingconfinement.h"

#include <QtGlobal>

#include "codec/inputlimits.h"

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <linux/landlock.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif

#include <cstdint>

namespace iconsmith {

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define ICONSMITH_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ICONSMITH_SANITIZED 1
#endif

#if defined(Q_OS_LINUX) && defined(SYS_landlock_create_ruleset)

// Newer kernels know more rights than the headers this was built against may name.
constexpr std::uint64_t truncateRight = std::uint64_t(1) << 14;

// Takes every right to change the file system from this process; false where Landlock is off.
bool closeFileSystemToWriting()
{
    const long abi = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1)
        return false;
    landlock_ruleset_attr ruleset{};
    ruleset.handled_access_fs = LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_REMOVE_DIR |
                                LANDLOCK_ACCESS_FS_REMOVE_FILE | LANDLOCK_ACCESS_FS_MAKE_CHAR |
                                LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
                                LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO |
                                LANDLOCK_ACCESS_FS_MAKE_BLOCK | LANDLOCK_ACCESS_FS_MAKE_SYM;
    if (abi >= 2)
        ruleset.handled_access_fs |= LANDLOCK_ACCESS_FS_REFER;
    if (abi >= 3)
        ruleset.handled_access_fs |= truncateRight;
    // No rule grants any of them back, anywhere.
    const long rules = syscall(SYS_landlock_create_ruleset, &ruleset, sizeof ruleset, 0);
    if (rules < 0)
        return false;
    const bool confined =
        prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && syscall(SYS_landlock_restrict_self, int(rules), 0) == 0;
    close(int(rules));
    return confined;
}

#else

bool closeFileSystemToWriting()
{
    return false;
}

#endif

} // namespace

bool DrawingConfinement::apply()
{
#if defined(Q_OS_UNIX)
#if !defined(ICONSMITH_SANITIZED)
    // Sanitizers reserve terabytes of address space for their shadow memory.
    const rlimit memory = {rlim_t(InputLimits::maxDrawingProcessBytes), rlim_t(InputLimits::maxDrawingProcessBytes)};
    setrlimit(RLIMIT_AS, &memory);
#endif
    // Processor time, in case the program could not stop it (its clock counts wall time).
    const rlimit processor = {rlim_t(InputLimits::maxDrawingProcessSeconds),
                              rlim_t(InputLimits::maxDrawingProcessSeconds + 10)};
    setrlimit(RLIMIT_CPU, &processor);
    const rlimit nothing = {0, 0};
    setrlimit(RLIMIT_CORE, &nothing);
    // A write past the limit would otherwise end the helper with SIGXFSZ; now it fails with EFBIG.
    // Standard error stays usable where it is a terminal or a pipe.
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &nothing);
#endif
    return closeFileSystemToWriting();
}

void DrawingConfinement::closeDescriptorsFrom(int first)
{
#if defined(Q_OS_LINUX) && defined(SYS_close_range)
    if (syscall(SYS_close_range, unsigned(first), ~0U, 0U) == 0)
        return;
#endif
#if defined(Q_OS_UNIX)
    const long most = sysconf(_SC_OPEN_MAX);
    for (long descriptor = first; descriptor < (most > 0 ? most : 1024); ++descriptor)
        close(int(descriptor));
#else
    Q_UNUSED(first);
#endif
}

} // namespace iconsmith
