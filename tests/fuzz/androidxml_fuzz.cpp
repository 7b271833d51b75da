// An Android res folder made of fuzzed bytes: the input up to its first NUL is the launcher's
// adaptive icon, up to the next the values file, the rest the module's AndroidManifest.xml. The
// reader (AndroidXml) sees each text first, then the folder check resolves what they name.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "check/androidxml.h"
#include "check/iconsetcheck.h"

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace iconsmith;
    static const QTemporaryDir folder;
    static const QString module = folder.filePath(QStringLiteral("main"));
    static const bool made = QDir().mkpath(module + QStringLiteral("/res/mipmap-anydpi-v26")) &&
                             QDir().mkpath(module + QStringLiteral("/res/values")) &&
                             QDir().mkpath(module + QStringLiteral("/res/mipmap-mdpi"));
    if (!made)
        std::abort();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\0');
    const QByteArray icon = parts.value(0);
    const QByteArray values = parts.value(1);
    const QByteArray manifest = parts.mid(2).join('\0');

    const AndroidXml::Drawable drawable = AndroidXml::readDrawable(icon);
    for (const AndroidXml::Reference &reference : drawable.references) {
        if (reference.name.isEmpty() || reference.type.isEmpty())
            __builtin_trap();
    }
    (void)AndroidXml::readValues(values);
    (void)AndroidXml::readManifest(manifest);

    write(module + QStringLiteral("/res/mipmap-anydpi-v26/ic_launcher.xml"), icon);
    write(module + QStringLiteral("/res/values/colors.xml"), values);
    write(module + QStringLiteral("/AndroidManifest.xml"), manifest);
    for (const CheckReport::Problem &problem : IconSetCheck::check(module).problems) {
        if (problem.message.isEmpty())
            __builtin_trap();
    }
    return 0;
}
