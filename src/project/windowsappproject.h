#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * A packaged Windows app (MSIX/AppX: a WinUI or UWP app, a packaging project): a folder holding
 * Package.appxmanifest. Its logos are what the manifest names: <Properties><Logo> (the store
 * logo), <uap:VisualElements>'s Square150x150Logo and Square44x44Logo, <uap:DefaultTile>'s
 * Wide310x150Logo, Square71x71Logo and Square310x310Logo, and <uap:SplashScreen>'s Image, each
 * by a base name ("Assets\Square44x44Logo.png") whose files carry qualifiers
 * ("Square44x44Logo.scale-200.png", "Square44x44Logo.targetsize-24_altform-unplated.png").
 * The update makes each of those files that is there again, at the size its qualifier says
 * (no qualifier: scale 100), drawn as the windows-store target draws that logo; the manifest is
 * not changed.
 */
class WindowsAppProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(WindowsAppProject)

public:
    /** The app in @p folder (relative to @p root), or none; @p notes receives what was left alone. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("windows-app"); }
    [[nodiscard]] QString title() const override { return tr("Windows app package"); }
    [[nodiscard]] QStringList platforms() const override { return {QStringLiteral("Windows")}; }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

private:
    struct Asset
    {
        /** Relative to the project folder. */
        QString file;
        /** Which logo it is a file of: "Square44x44Logo", "SplashScreen". */
        QString logo;
        /** Its canvas. */
        QSize pixels;
    };

    explicit WindowsAppProject(QString folder) : m_folder(std::move(folder)) {}
    /** Takes in the files there are of @p logo, named by @p path in the manifest. */
    void addFiles(const QString &root, const QString &logo, const QString &path, QStringList &notes);

    QString m_folder;
    QList<Asset> m_assets;
};

} // namespace iconsmith
