#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * A web app: a web app manifest (manifest.json, manifest.webmanifest or site.webmanifest) that a
 * page beside it or one folder up (index.html) links with rel="manifest" — Flutter's web/, a
 * React or Vite app's public/. A manifest no page links, or one that reads as another kind of
 * manifest (a browser extension's), is not taken for one.
 *
 * The update writes each PNG icon the manifest lists at the size its "sizes" says (else its
 * present size), for its purpose ("maskable": inside the maskable safe zone; "monochrome": the
 * shape in white), and the icons the page links (rel "icon", "apple-touch-icon"): a PNG at its
 * "sizes" or present size, an ICO with the favicon's sizes. Paths are taken from the manifest's
 * folder, the site's root as such apps serve it; a path above it, an address, a template and an
 * SVG are left alone.
 * The manifest and the page are not changed.
 */
class WebAppProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(WebAppProject)

public:
    /** The app whose manifest is in @p folder (relative to @p root), or none. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("web"); }
    [[nodiscard]] QString title() const override { return tr("Web app"); }
    [[nodiscard]] QStringList platforms() const override { return {QStringLiteral("web")}; }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

    /** An icon the manifest lists or the page links, as found. */
    struct Icon
    {
        /** Relative to the project folder. */
        QString file;
        /** The size its "sizes" says; 0 when it says none. */
        int pixels = 0;
        /** "maskable", "monochrome", "apple-touch-icon", or empty. */
        QString purpose;
    };

    /** The icons @p manifest (JSON) lists, each src resolved against @p folder (relative to the project folder). */
    static QList<Icon> manifestIcons(const QByteArray &manifest, const QString &folder, QStringList &refused);
    /** The icons the page @p html links, resolved against the site's root @p folder (relative to the project folder).
     */
    static QList<Icon> pageIcons(const QString &html, const QString &folder, QStringList &refused);

private:
    WebAppProject(QString root, QString folder) : m_root(std::move(root)), m_folder(std::move(folder)) {}

    QString m_root;
    QString m_folder;
    QList<Icon> m_icons;
    /** The paths named that are left alone, for the notes. */
    QStringList m_refused;
};

} // namespace iconsmith
