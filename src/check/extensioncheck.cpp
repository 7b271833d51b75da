#include "check/extensioncheck.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "check/checkscope.h"
#include "check/pixelfacts.h"
#include "codec/inputlimits.h"
#include "codec/regularfile.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The manifest the folder's icons are named in.
QString manifestOf(CheckScope &scope)
{
    return scope.exists(ExtensionCheck::iconsDocument.toString()) ? ExtensionCheck::iconsDocument.toString()
                                                                  : u"manifest.json"_s;
}

// Each size of @p icons ("16": "icons/icon-16.png") is a file that measures it.
void checkIcons(CheckScope &scope, const QString &manifest, const QJsonObject &icons, const QString &member,
                QSet<QString> &measured)
{
    for (auto it = icons.begin(); it != icons.end(); ++it) {
        bool ok = false;
        const int size = it.key().toInt(&ok);
        const QString file = it.value().toString();
        if (!ok || size <= 0) {
            scope.problem(manifest,
                          ExtensionCheck::tr("%1 has the key \"%2\", which is not a size").arg(member, it.key()));
            continue;
        }
        if (!CheckScope::isInsideName(file)) {
            scope.problem(manifest,
                          ExtensionCheck::tr("%1 names \"%2\", which is not a file of the folder").arg(member, file));
            continue;
        }
        if (!measured.contains(file + u'@' + it.key())) {
            measured.insert(file + u'@' + it.key());
            scope.measure(file, QSize(size, size), ExtensionCheck::tr("%1 at %2").arg(member, it.key()));
        }
    }
}

// The store icon's art keeps to its central 96 pixels.
void checkStoreMargin(CheckScope &scope, const QJsonObject &icons)
{
    const QString file = icons.value(u"128").toString();
    if (file.isEmpty() || !CheckScope::isInsideName(file))
        return;
    const Result<QByteArray> bytes = scope.read(file, InputLimits::maxCheckedImageBytes);
    if (!bytes)
        return; // filed by the measure
    const Result<PixelFacts> facts = PixelFacts::read(*bytes, ExtensionCheck::storeMargin);
    if (facts && facts->showsInMargin)
        scope.note(file,
                   ExtensionCheck::tr("shows art in its outer %1 pixels; the Chrome Web Store asks for the art in "
                                      "the central 96 × 96 and transparency around it")
                       .arg(ExtensionCheck::storeMargin));
}

} // namespace

bool ExtensionCheck::isExtensionFolder(const QString &path, const QStringList &files)
{
    if (files.contains(iconsDocument.toString()))
        return true;
    if (!files.contains(u"manifest.json"_s))
        return false;
    const Result<QByteArray> json = RegularFile::read(path + u"/manifest.json"_s, InputLimits::maxDocumentBytes);
    return json && QJsonDocument::fromJson(*json).object().contains(u"manifest_version");
}

void ExtensionCheck::check(CheckScope &scope)
{
    scope.found(u"extension"_s);
    const QString manifest = manifestOf(scope);
    const Result<QByteArray> bytes = scope.read(manifest, InputLimits::maxDocumentBytes);
    if (!bytes) {
        scope.problem(manifest, bytes.error());
        return;
    }
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(*bytes, &error).object();
    if (error.error != QJsonParseError::NoError) {
        scope.problem(manifest, tr("is not valid JSON: %1").arg(error.errorString()));
        return;
    }
    const QJsonObject icons = root.value(u"icons").toObject();
    if (icons.isEmpty())
        scope.problem(manifest, tr("names no icons"));
    QSet<QString> measured;
    checkIcons(scope, manifest, icons, u"icons"_s, measured);
    checkStoreMargin(scope, icons);
    for (const QString &button : {u"action"_s, u"browser_action"_s}) {
        const QJsonValue icon = root.value(button).toObject().value(u"default_icon");
        if (icon.isObject())
            checkIcons(scope, manifest, icon.toObject(), button + u".default_icon"_s, measured);
        else if (icon.isString() && !scope.exists(icon.toString()))
            scope.problem(manifest, tr("%1.default_icon names %2, which is missing").arg(button, icon.toString()));
    }
}

} // namespace iconsmith
