#include "codec/imagelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <gmodule.h>
#include <vips/vips8>

#include <mutex>

#if defined(Q_OS_UNIX)
#include <dlfcn.h>
#endif

namespace iconsmith {

Q_LOGGING_CATEGORY(lcImageLibrary, "iconsmith.imagelibrary", QtCriticalMsg)

namespace {

bool g_modulesDeferred = false;

// The library looks for its modules under the prefix this variable names; a prefix without
// any keeps them out of start-up.
constexpr char prefixVariable[] = "VIPSHOME";
constexpr char prefixWithoutModules[] = "/nonexistent/iconsmith-deferred-modules";

// The library's modules live beside its shared object, wherever that was installed:
// <libdir>/vips-modules-<major>.<minor>.
QString moduleFolder()
{
    QString libraryFolder;
#if defined(Q_OS_UNIX)
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&vips_version), &info) != 0 && info.dli_fname != nullptr)
        libraryFolder = QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
#endif
    if (libraryFolder.isEmpty())
        libraryFolder = QDir(QString::fromLocal8Bit(vips_guess_libdir("iconsmith", "VIPSHOME"))).absolutePath();
    return libraryFolder + QStringLiteral("/vips-modules-%1.%2").arg(vips_version(0)).arg(vips_version(1));
}

void logMessage(const gchar *domain, GLogLevelFlags level, const gchar *message)
{
    const QString text = QStringLiteral("%1: %2").arg(QString::fromUtf8(domain != nullptr ? domain : "GLib"),
                                                      QString::fromUtf8(message != nullptr ? message : ""));
    // Never above warning, so that the category stays silent unless asked for.
    if ((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) != 0)
        qCWarning(lcImageLibrary).noquote() << text;
    else
        qCDebug(lcImageLibrary).noquote() << text;
}

void logHandler(const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer /*data*/)
{
    logMessage(domain, level, message);
}

// Libraries that log through GLib's structured interface.
GLogWriterOutput logWriter(GLogLevelFlags level, const GLogField *fields, gsize count, gpointer /*data*/)
{
    const gchar *domain = nullptr;
    const gchar *message = nullptr;
    for (gsize i = 0; i < count; ++i) {
        if (g_strcmp0(fields[i].key, "GLIB_DOMAIN") == 0 && fields[i].length < 0)
            domain = static_cast<const gchar *>(fields[i].value);
        else if (g_strcmp0(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0)
            message = static_cast<const gchar *>(fields[i].value);
    }
    logMessage(domain, level, message);
    return G_LOG_WRITER_HANDLED;
}

// Messages that would go to standard error (VIPS-WARNING, GLib-GObject-WARNING, a format
// library's complaint about a damaged file) go to lcImageLibrary instead.
void routeLibraryMessages()
{
    const auto levels = GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
    for (const char *domain : {"VIPS", "GLib", "GLib-GObject", "GLib-GIO", "GModule", "Poppler"})
        g_log_set_handler(domain, levels, logHandler, nullptr);
    g_log_set_default_handler(logHandler, nullptr);
    g_log_set_writer_func(logWriter, nullptr, nullptr);
}

} // namespace

void ImageLibrary::ensureStarted()
{
    static std::once_flag once;
    std::call_once(once, [] {
        routeLibraryMessages();
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
        const QDir folder(moduleFolder());
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

QString ImageLibrary::version()
{
    return QString::fromLatin1(vips_version_string());
}

void ImageLibrary::setWarningsShown(bool shown)
{
    static guint handler = 0;
    if (handler != 0) {
        g_log_remove_handler("VIPS", handler);
        handler = 0;
    }
    if (!shown) {
        const auto quiet = GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO |
                                          G_LOG_LEVEL_DEBUG | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
        handler = g_log_set_handler(
            "VIPS", quiet, [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {}, nullptr);
    }
}

} // namespace iconsmith
