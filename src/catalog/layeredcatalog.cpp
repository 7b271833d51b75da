#include "catalog/layeredcatalog.h"

#include "catalog/xcodejson.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

QJsonObject LayeredCatalog::info()
{
    return QJsonObject{{u"author"_s, u"xcode"_s}, {u"version"_s, 1}};
}

QByteArray LayeredCatalog::stack(const QStringList &layerFolders)
{
    QJsonArray layers;
    for (const QString &folder : layerFolders)
        layers.append(QJsonObject{{u"filename"_s, folder}});
    return XcodeJson::write(QJsonObject{{u"info"_s, info()}, {u"layers"_s, layers}});
}

QByteArray LayeredCatalog::layer()
{
    return XcodeJson::write(QJsonObject{{u"info"_s, info()}});
}

QByteArray LayeredCatalog::imageSet(const QJsonArray &images)
{
    return XcodeJson::write(QJsonObject{{u"images"_s, images}, {u"info"_s, info()}});
}

QJsonObject LayeredCatalog::image(const QString &file, const QString &idiom, const QString &scale)
{
    QJsonObject entry{{u"idiom"_s, idiom}, {u"scale"_s, scale}};
    if (!file.isEmpty())
        entry.insert(u"filename"_s, file);
    return entry;
}

} // namespace iconsmith
