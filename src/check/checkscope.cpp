#include "check/checkscope.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

#include "codec/imageheader.h"
#include "codec/inputlimits.h"
#include "codec/pngstructure.h"
#include "codec/regularfile.h"
#include "codec/webpheader.h"

namespace iconsmith {

CheckScope::CheckScope(QString canonicalRoot, QString shownAs, CheckReport &report, QString checkedRoot)
    : m_root(std::move(canonicalRoot)), m_checkedRoot(checkedRoot.isEmpty() ? m_root : std::move(checkedRoot)),
      m_shownAs(std::move(shownAs)), m_report(report)
{}

QString CheckScope::shown(const QString &relative) const
{
    if (m_shownAs.isEmpty())
        return relative.isEmpty() ? QStringLiteral(".") : relative;
    return relative.isEmpty() ? m_shownAs : m_shownAs + u'/' + relative;
}

bool CheckScope::isPlainName(const QString &name)
{
    return isInsideName(name) && !name.contains(u'/');
}

bool CheckScope::isInsideName(const QString &relative)
{
    if (relative.isEmpty() || relative.contains(u'\\') || relative.contains(QChar(0)) || relative.startsWith(u'/'))
        return false;
    // A ".." anywhere, even inside a name, is refused: the old rule for set names, and no file
    // Iconsmith writes has one.
    if (relative.contains(u".."))
        return false;
    const QStringList segments = relative.split(u'/');
    return std::none_of(segments.cbegin(), segments.cend(),
                        [](const QString &segment) { return segment.isEmpty() || segment == u"."; });
}

Result<QString> CheckScope::resolve(const QString &relative) const
{
    if (!isInsideName(relative))
        return Failure{tr("is not the name of a file inside the folder; it was not opened")};
    const QString path = m_root + u'/' + relative;
    // Every folder on the way and the file itself must stay inside: a link could otherwise make
    // the check read, or reveal the existence of, any file on the system.
    const QString inside = m_root + u'/';
    const QFileInfo parent(QFileInfo(path).path());
    if (relative.contains(u'/')) {
        const QString parentTarget = parent.canonicalFilePath();
        if (!parentTarget.isEmpty() && parentTarget != m_root && !parentTarget.startsWith(inside))
            return Failure{tr("lies in a folder that is a link leading outside; it was not opened")};
        if (parentTarget.isEmpty() && parent.isSymLink())
            return Failure{tr("lies in a folder that is a dangling link; it was not opened")};
    }
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (target.isEmpty() || !target.startsWith(inside))
            return Failure{tr("is a link that leads outside the folder; it was not opened")};
        return target;
    }
    return path;
}

bool CheckScope::exists(const QString &relative) const
{
    const Result<QString> path = resolve(relative);
    return path && QFileInfo::exists(*path);
}

Result<QByteArray> CheckScope::read(const QString &relative, qint64 maxBytes) const
{
    const Result<QString> path = resolve(relative);
    if (!path)
        return Failure{path.error()};
    Result<QByteArray> bytes = RegularFile::read(*path, maxBytes);
    if (!bytes)
        return Failure{QFileInfo::exists(*path) ? tr("cannot be read: %1").arg(bytes.error()) : tr("is missing")};
    return bytes;
}

Result<QByteArray> CheckScope::readHead(const QString &relative, qint64 maxBytes) const
{
    const Result<QString> path = resolve(relative);
    if (!path)
        return Failure{path.error()};
    Result<QByteArray> bytes = RegularFile::readHead(*path, maxBytes);
    if (!bytes)
        return Failure{QFileInfo::exists(*path) ? tr("cannot be read: %1").arg(bytes.error()) : tr("is missing")};
    return bytes;
}

Result<CheckedImage> CheckScope::image(const QString &relative, Formats formats)
{
    auto known = m_images.constFind(relative);
    if (known == m_images.cend()) {
        const Result<CheckedImage> read = readImage(relative);
        known = m_images.insert(relative, read ? ImageVerdict{*read, {}} : ImageVerdict{{}, read.error()});
    }
    if (!known->error.isEmpty())
        return Failure{known->error};
    if (known->image.webp && formats == Formats::Png)
        return Failure{tr("is a WebP image; only PNG is read here")};
    return known->image;
}

Result<CheckedImage> CheckScope::readImage(const QString &relative) const
{
    const Result<QString> path = resolve(relative);
    if (!path)
        return Failure{path.error()};
    if (!QFileInfo::exists(*path))
        return Failure{tr("is missing")};
    const Result<QByteArray> bytes = RegularFile::read(*path, InputLimits::maxCheckedImageBytes);
    if (!bytes)
        return Failure{tr("cannot be read as an image: %1").arg(bytes.error())};
    if (WebpHeader::isWebp(*bytes)) {
        const Result<WebpHeader> webp = WebpHeader::parse(*bytes);
        if (!webp)
            return Failure{tr("cannot be read as an image: %1").arg(webp.error())};
        return CheckedImage{webp->size, webp->alpha, true};
    }
    const Result<ImageHeader> header = ImageHeader::fromPng(*bytes);
    if (!header)
        return Failure{tr("cannot be read as an image: %1").arg(header.error())};
    if (const QString damage = PngStructure::damage(*bytes); !damage.isEmpty())
        return Failure{tr("is a damaged PNG: %1").arg(damage)};
    return CheckedImage{header->size, header->alpha, false};
}

std::optional<CheckedImage> CheckScope::measure(const QString &relative, QSize expected, const QString &what,
                                                Formats formats)
{
    countImages();
    const Result<CheckedImage> header = image(relative, formats);
    if (!header) {
        problem(relative, header.error());
        return std::nullopt;
    }
    if (header->size != expected)
        problem(relative, tr("is %1 × %2 pixels, but %3 needs %4 × %5")
                              .arg(header->size.width())
                              .arg(header->size.height())
                              .arg(what)
                              .arg(expected.width())
                              .arg(expected.height()));
    return *header;
}

QStringList CheckScope::entries(const QString &relative, Entries which)
{
    const QString folder = relative.isEmpty() ? m_root : m_root + u'/' + relative;
    const QString checked = m_checkedRoot + u'/';
    QStringList names;
    int seen = 0;
    // An iterator, not a listing: a folder of a million files is read only up to the bound.
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (++seen > maxEntries) {
            problem(relative, tr("holds more than %1 entries; the check stopped listing it there").arg(maxEntries));
            break;
        }
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        const QString child = relative.isEmpty() ? name : relative + u'/' + name;
        // A linked folder is never followed (the walk could leave the folder or loop); a linked
        // file is listed, and resolve() refuses it when it leads out.
        if (info.isSymLink() && info.isDir()) {
            if (which == Entries::Folders) {
                const QString target = info.canonicalFilePath();
                if (target != m_checkedRoot && !target.startsWith(checked))
                    problem(child, tr("is a link that leads outside the checked folder; it was not followed"));
                else
                    note(child, tr("is a link to a folder; it was not followed"));
            }
            continue;
        }
        if ((which == Entries::Folders) == info.isDir())
            names << name;
    }
    names.sort();
    return names;
}

void CheckScope::problem(const QString &relative, const QString &message)
{
    m_report.addProblem(QDir::toNativeSeparators(shown(relative)), message);
}

void CheckScope::note(const QString &relative, const QString &message)
{
    m_report.addNote(QDir::toNativeSeparators(shown(relative)), message);
}

void CheckScope::found(const QString &kind, const QString &relative)
{
    m_report.found.append({QDir::toNativeSeparators(shown(relative)), kind});
}

} // namespace iconsmith
