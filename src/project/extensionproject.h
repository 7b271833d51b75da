#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * A browser extension: a folder holding a manifest.json with a "manifest_version" (Chrome's,
 * Firefox's and Edge's WebExtensions). Its icons are the PNGs its "icons" member names by size
 * ({"16": "icons/16.png", ...}) and those of the toolbar button ("action", or Manifest V2's
 * "browser_action" and "page_action", "default_icon": one path or one per size). The update
 * writes each at the size its key says (a lone default_icon at its present size), the 128 one
 * with its art in the central 96 pixels as the Chrome Web Store asks; manifest.json is not
 * changed. Paths out of the extension's folder and pictures of other formats are left alone,
 * with a note.
 */
class ExtensionProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(ExtensionProject)

public:
    /** The extension in @p folder (relative to @p root), or none; @p notes receives what was left alone. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("extension"); }
    [[nodiscard]] QString title() const override { return tr("Browser extension"); }
    [[nodiscard]] QStringList platforms() const override
    {
        return {QStringLiteral("Chrome"), QStringLiteral("Firefox"), QStringLiteral("Edge")};
    }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

private:
    struct Icon
    {
        /** Relative to the project folder. */
        QString file;
        int pixels = 0;
    };

    explicit ExtensionProject(QString folder) : m_folder(std::move(folder)) {}
    /** Takes in @p path (as the manifest names it) at @p pixels, or notes why it is left alone. */
    void add(const QString &root, const QString &path, int pixels, QStringList &notes);

    QString m_folder;
    QList<Icon> m_icons;
};

} // namespace iconsmith
