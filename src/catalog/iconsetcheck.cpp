#include "catalog/iconsetcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

#include "catalog/catalogentry.h"
#include "catalog/contentsdocument.h"
#include "codec/imageheader.h"

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

IconSetCheck::Report IconSetCheck::check(const QString &folder)
{
    Report result;
    const auto problem = [&result](const QString &file, const QString &message) {
        result.problems.append({file, message});
    };
    const QDir dir(folder);
    const QString contentsName = ContentsDocument::fileName.toString();
    if (!QFileInfo(folder).isDir()) {
        problem(QDir::toNativeSeparators(folder), tr("is not a folder"));
        return result;
    }
    QFile contents(dir.filePath(contentsName));
    if (!contents.open(QIODevice::ReadOnly)) {
        problem(contentsName, tr("cannot be read: %1").arg(contents.errorString()));
        return result;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(contents.readAll(), &parseError);
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

        const QString path = dir.filePath(file);
        if (!QFileInfo::exists(path)) {
            problem(file, tr("is listed but missing"));
            continue;
        }
        const Result<ImageHeader> header = ImageHeader::read(path);
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
