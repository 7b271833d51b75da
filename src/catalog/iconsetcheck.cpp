#include "catalog/iconsetcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

#include "catalog/catalogentry.h"
#include "catalog/contentsdocument.h"
#include "codec/imageheader.h"
#include "codec/inputlimits.h"
#include "codec/regularfile.h"

namespace iconsmith {

int IconSetCheck::pixelsFor(const QString &points, const QString &scale)
{
    bool pointsOk = false;
    bool scaleOk = false;
    const double length = points.toDouble(&pointsOk);
    const double factor = scale.endsWith(u'x') ? scale.chopped(1).toDouble(&scaleOk) : 0.0;
    if (!pointsOk || !scaleOk || length <= 0 || factor <= 0)
        return -1;
    const double pixels = length * factor;
    return std::abs(pixels - std::round(pixels)) < 1e-9 ? int(std::lround(pixels)) : -1;
}

namespace {

// A name that stays inside the folder: no separator, no parent, nothing absolute, no NUL.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u"..") &&
           !name.contains(QChar(0));
}

} // namespace

Result<QString> IconSetCheck::fileInSet(const QString &canonicalFolder, const QString &name)
{
    if (!isPlainName(name))
        return Failure{tr("is not the name of a file inside the set; it was not opened")};
    const QString path = canonicalFolder + u'/' + name;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // Followed only to a file of the set itself: a link could otherwise make the check
        // read, or reveal the existence of, any file on the system.
        const QString target = info.canonicalFilePath();
        if (target.isEmpty() || !target.startsWith(canonicalFolder + u'/'))
            return Failure{tr("is a link that leads outside the set; it was not opened")};
        return target;
    }
    return path;
}

IconSetCheck::Report IconSetCheck::check(const QString &folder)
{
    Report result;
    const auto problem = [&result](const QString &file, const QString &message) {
        result.problems.append({file, message});
    };
    const QString contentsName = ContentsDocument::fileName.toString();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (!QFileInfo(folder).isDir() || canonicalFolder.isEmpty()) {
        problem(QDir::toNativeSeparators(folder), tr("is not a folder"));
        return result;
    }
    const QDir dir(canonicalFolder);
    const Result<QString> contentsPath = fileInSet(canonicalFolder, contentsName);
    if (!contentsPath) {
        problem(contentsName, contentsPath.error());
        return result;
    }
    const Result<QByteArray> contents = RegularFile::read(*contentsPath, InputLimits::maxDocumentBytes);
    if (!contents) {
        problem(contentsName, tr("cannot be read: %1").arg(contents.error()));
        return result;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(*contents, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object().value(u"images").isArray()) {
        problem(contentsName, parseError.error != QJsonParseError::NoError
                                  ? tr("is not valid JSON: %1").arg(parseError.errorString())
                                  : tr("has no \"images\" list"));
        return result;
    }

    QSet<QString> listed;
    QSet<QString> slots;
    for (const auto &value : document.object().value(u"images").toArray()) {
        const QJsonObject image = value.toObject();
        const QString file = image.value(u"filename").toString();
        if (file.isEmpty())
            continue; // an empty slot, as Xcode leaves them
        ++result.imagesChecked;
        listed.insert(file);
        const QString idiom = image.value(u"idiom").toString();
        const QString size = image.value(u"size").toString();
        const QString scale = image.value(u"scale").toString();

        // Watch entries tell their slots apart by role and subtype too.
        const QString slot =
            QStringList{idiom, size, scale, image.value(u"role").toString(), image.value(u"subtype").toString()}.join(
                u'|');
        if (slots.contains(slot))
            problem(file, tr("fills a slot that another entry fills too (%1, %2, %3)").arg(idiom, size, scale));
        slots.insert(slot);

        const Result<QString> path = fileInSet(canonicalFolder, file);
        if (!path) {
            problem(file, path.error());
            continue;
        }
        if (!QFileInfo::exists(*path)) {
            problem(file, tr("is listed but missing"));
            continue;
        }
        const Result<ImageHeader> header = ImageHeader::read(*path);
        if (!header) {
            problem(file, tr("cannot be read as an image: %1").arg(header.error()));
            continue;
        }
        const int expectedWidth = pixelsFor(size.section(u'x', 0, 0), scale);
        const int expectedHeight = pixelsFor(size.section(u'x', 1, 1), scale);
        if (expectedWidth < 0 || expectedHeight < 0) {
            problem(file, tr("has no valid size and scale (\"%1\" at \"%2\")").arg(size, scale));
        } else if (header->size != QSize(expectedWidth, expectedHeight)) {
            problem(file, tr("is %1 × %2 pixels, but %3 at %4 needs %5 × %6")
                              .arg(header->size.width())
                              .arg(header->size.height())
                              .arg(size, scale)
                              .arg(expectedWidth)
                              .arg(expectedHeight));
        }
        if (CatalogEntry::isMarketingIcon(idiom) && header->alpha)
            problem(file, tr("is the App Store icon and has an alpha channel, which the App Store rejects"));
    }

    const QStringList pngs = dir.entryList({QStringLiteral("*.png"), QStringLiteral("*.PNG")}, QDir::Files, QDir::Name);
    for (const QString &png : pngs) {
        if (!listed.contains(png))
            problem(png, tr("is not listed in %1 (Xcode shows it as unassigned)").arg(contentsName));
    }
    return result;
}

} // namespace iconsmith
