// An icon set made of fuzzed bytes: the input up to its first NUL is Contents.json, the rest the
// first bytes of a PNG file that the catalog may list as "Icon.png".
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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
    static const QTemporaryDir folder;
    static const QString set = folder.filePath(QStringLiteral("AppIcon.appiconset"));
    static const bool made = QDir().mkpath(set);
    if (!made)
        std::abort();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    write(set + QStringLiteral("/Contents.json"), split < 0 ? bytes : bytes.left(split));
    write(set + QStringLiteral("/Icon.png"), split < 0 ? QByteArray() : bytes.mid(split + 1));
    // Every problem says what it is.
    for (const iconsmith::IconSetCheck::Problem &problem : iconsmith::IconSetCheck::check(set).problems) {
        if (problem.message.isEmpty())
            __builtin_trap();
    }
    return 0;
}
