#include "check/iconcomposercheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "check/checkscope.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString document = u"icon.json"_s;

// The image a layer names must be a file in Assets/; a PNG must read as one.
void checkImage(CheckScope &scope, const QString &name, const QString &where)
{
    if (!CheckScope::isPlainName(name)) {
        scope.problem(document,
                      IconComposerCheck::tr("%1 names \"%2\", which is not a file name in Assets/").arg(where, name));
        return;
    }
    const QString file = u"Assets/"_s + name;
    if (name.endsWith(u".png", Qt::CaseInsensitive)) {
        scope.countImages();
        if (const Result<CheckedImage> header = scope.image(file); !header)
            scope.problem(file, header.error());
        return;
    }
    const Result<QByteArray> head = scope.readHead(file, 1);
    if (!head)
        scope.problem(file, head.error());
}

void checkLayer(CheckScope &scope, const QJsonValue &value, const QString &where)
{
    if (!value.isObject()) {
        scope.problem(document, IconComposerCheck::tr("%1 is not an object").arg(where));
        return;
    }
    const QJsonObject layer = value.toObject();
    // Icon Composer names every layer; a name that is not text stops actool reading the document.
    if (const QJsonValue name = layer.value(u"name"); !name.isUndefined() && !name.isString())
        scope.problem(document, IconComposerCheck::tr("%1 has a name that is not text").arg(where));
    const QJsonValue single = layer.value(u"image-name");
    const QJsonValue specialised = layer.value(u"image-name-specializations");
    if (!single.isUndefined() && !specialised.isUndefined())
        scope.problem(document, IconComposerCheck::tr("%1 has both image-name and image-name-specializations; Xcode "
                                                      "reads only one")
                                    .arg(where));
    if (!single.isUndefined()) {
        if (!single.isString())
            scope.problem(document, IconComposerCheck::tr("%1 has an image-name that is not text").arg(where));
        else
            checkImage(scope, single.toString(), where);
    }
    if (specialised.isUndefined())
        return;
    bool base = false;
    for (const auto &specialisation : specialised.toArray()) {
        const QJsonObject entry = specialisation.toObject();
        base = base || !entry.contains(u"appearance");
        if (!entry.value(u"value").isString())
            scope.problem(document, IconComposerCheck::tr("%1 has a specialisation without an image").arg(where));
        else
            checkImage(scope, entry.value(u"value").toString(), where);
    }
    if (!base)
        scope.problem(document, IconComposerCheck::tr("%1 has image-name-specializations without a base entry; "
                                                      "Xcode drops such a list")
                                    .arg(where));
}

} // namespace

void IconComposerCheck::check(CheckScope &scope)
{
    scope.found(u"icon"_s);
    const Result<QByteArray> bytes = scope.read(document, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(document, bytes.error());
        return;
    }
    QJsonParseError parseError{};
    const QJsonDocument json = QJsonDocument::fromJson(*bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !json.isObject()) {
        scope.problem(document, parseError.error != QJsonParseError::NoError
                                    ? tr("is not valid JSON: %1").arg(parseError.errorString())
                                    : tr("is not a JSON object"));
        return;
    }
    const QJsonValue groups = json.object().value(u"groups");
    if (!groups.isArray()) {
        scope.problem(document, tr("has no \"groups\" list"));
        return;
    }
    int groupNumber = 0;
    for (const auto &group : groups.toArray()) {
        ++groupNumber;
        if (const QJsonValue name = group.toObject().value(u"name"); !name.isUndefined() && !name.isString())
            scope.problem(document, tr("group %1 has a name that is not text").arg(groupNumber));
        const QJsonValue layers = group.toObject().value(u"layers");
        if (!layers.isArray()) {
            scope.problem(document, tr("group %1 has no \"layers\" list").arg(groupNumber));
            continue;
        }
        int layerNumber = 0;
        for (const auto &layer : layers.toArray()) {
            ++layerNumber;
            checkLayer(scope, layer, tr("layer %1 of group %2").arg(layerNumber).arg(groupNumber));
        }
    }
}

} // namespace iconsmith
