#include "imagelibrary.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <gmodule.h>
#include <vips/vips8>

#include <mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace iconsmith {

namespace {

bool g_modulesDeferred = false;

// The library looks for its modules under the prefix this variable names; a prefix without
// any keeps them out of start-up.
constexpr char prefixVariable[] = "VIPSHOME";
constexpr char prefixWithoutModules[] = "/nonexistent/iconsmith-deferred-modules";

} // namespace

void ImageLibrary::ensureStarted()
{
    static std::once_flag once;
    std::call_once(once, [] {
        g_modulesDeferred = !qEnvironmentVariableIsSet(prefixVariable) && g_module_supported();
        if (g_modulesDeferred)
            qputenv(prefixVariable, prefixWithoutModules);
        const int failed = VIPS_INIT("iconsmith");
        if (g_modulesDeferred)
            qunsetenv(prefixVariable);
        if (failed != 0)
            vips_error_exit("the imaging library could not start");
        // Every generation decodes its source exactly once, so a cache of operations would only
        // hold on to memory and to files the user may want to replace.
        vips_cache_set_max(0);
#if defined(__GLIBC__)
        // Pictures come and go in buffers of megabytes. By default each is a fresh mapping,
        // returned to the system when freed, and the next one pays a page fault for every
        // 4 KiB again; on a virtual machine that costs more than the work done in the buffer.
        // Keeping large blocks in the heap lets one render reuse the memory of the last.
        mallopt(M_MMAP_THRESHOLD, 256 << 20);
        mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
    });
}

bool ImageLibrary::loadDeferredModules()
{
    ensureStarted();
    static std::once_flag once;
    static bool loaded = false;
    std::call_once(once, [] {
        if (!g_modulesDeferred)
            return;
        const QDir folder(
            QStringLiteral(ICONSMITH_VIPS_LIBDIR "/vips-modules-%1.%2").arg(vips_version(0)).arg(vips_version(1)));
        for (const QString &name :
             folder.entryList({QStringLiteral("*.so"), QStringLiteral("*.dylib"), QStringLiteral("*.dll")}, QDir::Files,
                              QDir::Name)) {
            // Opening a module runs its initialiser, which registers its formats.
            GModule *module = g_module_open(QFile::encodeName(folder.filePath(name)).constData(), G_MODULE_BIND_LAZY);
            if (module == nullptr)
                continue;
            g_module_make_resident(module);
            loaded = true;
        }
    });
    return loaded;
}

} // namespace iconsmith
