#include "check/checkscope.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "codec/regularfile.h"

namespace iconsmith {

CheckScope::CheckScope(QString canonicalRoot, QString shownAs, CheckReport &report)
    : m_root(std::move(canonicalRoot)), m_shownAs(std::move(shownAs)), m_report(report)
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

Result<ImageHeader> CheckScope::pngHeader(const QString &relative) const
{
    const Result<QString> path = resolve(relative);
    if (!path)
        return Failure{path.error()};
    if (!QFileInfo::exists(*path))
        return Failure{tr("is missing")};
    Result<ImageHeader> header = ImageHeader::read(*path);
    if (!header)
        return Failure{tr("cannot be read as an image: %1").arg(header.error())};
    return header;
}

std::optional<ImageHeader> CheckScope::measurePng(const QString &relative, QSize expected, const QString &what)
{
    countImages();
    const Result<ImageHeader> header = pngHeader(relative);
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

void CheckScope::problem(const QString &relative, const QString &message)
{
    m_report.problems.append({QDir::toNativeSeparators(shown(relative)), message});
}

void CheckScope::note(const QString &relative, const QString &message)
{
    m_report.notes.append({QDir::toNativeSeparators(shown(relative)), message});
}

void CheckScope::found(const QString &kind, const QString &relative)
{
    m_report.found.append({QDir::toNativeSeparators(shown(relative)), kind});
}

} // namespace iconsmith
