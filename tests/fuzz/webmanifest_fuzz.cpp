// A web folder made of fuzzed bytes: the input up to its first NUL is the manifest, the rest the
// page that links it. The readers (WebManifest, PageLink, WebUrl) see the text first, then the
// folder check follows it to files, none of which may lead out of the folder.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "check/iconsetcheck.h"
#include "check/webmanifest.h"

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
    static const QString web = folder.filePath(QStringLiteral("web"));
    static const bool made = QDir().mkpath(web);
    if (!made)
        std::abort();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray manifest = split < 0 ? bytes : bytes.left(split);
    const QByteArray page = split < 0 ? QByteArray() : bytes.mid(split + 1);

    if (const Result<WebManifest> parsed = WebManifest::parse(manifest)) {
        for (const WebManifest::Icon &icon : parsed->icons) {
            // A file of the folder never climbs out of it unless it says so with "..".
            const QString file = WebUrl::fileOf(icon.src, QStringLiteral("static"));
            if (file.startsWith(u'/'))
                __builtin_trap();
        }
    }
    for (const PageLink &link : PageLink::linksOf(QString::fromUtf8(page))) {
        if (link.rel.contains(QString()))
            __builtin_trap();
    }
    write(web + QStringLiteral("/manifest.webmanifest"), manifest);
    write(web + QStringLiteral("/index.html"), page);
    // Every problem says what it is, and none is about a file outside the folder.
    for (const CheckReport::Problem &problem : IconSetCheck::check(web).problems) {
        if (problem.message.isEmpty() || problem.file.startsWith(u'/'))
            __builtin_trap();
    }
    return 0;
}
