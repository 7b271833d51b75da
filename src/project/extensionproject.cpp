#include "project/extensionproject.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int largestIcon = 1024;
constexpr int storeIcon = 128;

} // namespace

std::unique_ptr<ProjectKind> ExtensionProject::at(const QString &root, const QString &folder, QStringList &notes)
{
    const QString manifestPath = joined(root, joined(folder, u"manifest.json"_s));
    const QJsonObject manifest = QJsonDocument::fromJson(readSmallFile(manifestPath)).object();
    if (!manifest.value(u"manifest_version"_s).isDouble())
        return nullptr;
    std::unique_ptr<ExtensionProject> extension(new ExtensionProject(folder));
    const auto addAll = [&](const QJsonValue &icons) {
        if (icons.isString()) {
            extension->add(root, icons.toString(), 0, notes);
            return;
        }
        const QJsonObject bySize = icons.toObject();
        for (auto it = bySize.begin(); it != bySize.end(); ++it)
            extension->add(root, it.value().toString(), it.key().toInt(), notes);
    };
    addAll(manifest.value(u"icons"_s));
    for (const QString &button : {u"action"_s, u"browser_action"_s, u"page_action"_s})
        addAll(manifest.value(button).toObject().value(u"default_icon"_s));
    if (extension->m_icons.isEmpty())
        return nullptr;
    return extension;
}

void ExtensionProject::add(const QString &root, const QString &path, int pixels, QStringList &notes)
{
    const QString clean = QDir::cleanPath(path.startsWith(u'/') ? path.mid(1) : path);
    const QString manifest = joined(m_folder, u"manifest.json"_s);
    if (clean.isEmpty() || clean.startsWith(u"..") || clean.contains(u'\\') || clean.contains(u':')) {
        notes << tr("%1: the icon \"%2\" is not a file of the extension, so it was left alone.").arg(manifest, path);
        return;
    }
    if (!clean.endsWith(u".png"_s, Qt::CaseInsensitive)) {
        notes << tr("%1: the icon \"%2\" is not a PNG, so it was left alone.").arg(manifest, path);
        return;
    }
    const QString file = joined(m_folder, clean);
    if (pixels <= 0)
        pixels = presentSquareSize(joined(root, file));
    if (pixels <= 0 || pixels > largestIcon) {
        notes << tr("%1: the icon \"%2\" has no size Iconsmith makes, so it was left alone.").arg(manifest, path);
        return;
    }
    // One file named at two sizes is made at the larger.
    const auto same =
        std::find_if(m_icons.begin(), m_icons.end(), [&file](const Icon &icon) { return icon.file == file; });
    if (same == m_icons.end())
        m_icons.append({file, pixels});
    else
        same->pixels = std::max(same->pixels, pixels);
}

TargetPlan ExtensionProject::plan(const TargetContext & /*context*/) const
{
    TargetPlan plan;
    plan.name = kind();
    for (const Icon &icon : m_icons)
        plan.images.append(PlannedImage(icon.file, icon.pixels,
                                        icon.pixels == storeIcon ? Surface::webStoreExtension() : Surface::asIs()));
    return plan;
}

} // namespace iconsmith
