#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * A Tauri app: a folder holding tauri.conf.json (src-tauri/ as Tauri's tooling makes it). The
 * bundler reads the files its "bundle.icon" lists ("tauri.bundle.icon" in Tauri 1), relative to
 * that folder; each is written in the format and size its name says: "32x32.png",
 * "128x128@2x.png" (256), "icon.png" (512), any other PNG at its present size, "icon.icns" (the
 * macOS chunks), "icon.ico" (the Windows sizes). The Windows Store logos and the large picture
 * already in the icons folder ("Square30x30Logo.png" ... "Square310x310Logo.png", "StoreLogo.png"
 * at 50, "icon.png" at 512) are written too, so that no picture of the old icon is left there.
 * Nothing else of the app changes, tauri.conf.json included.
 */
class TauriProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(TauriProject)

public:
    /** The app in @p folder (relative to @p root), or none; @p notes receives why a configuration cannot be used. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("tauri"); }
    [[nodiscard]] QString title() const override { return tr("Tauri app"); }
    [[nodiscard]] QStringList platforms() const override { return desktops(); }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

    /** The pixel size the name of @p file says ("128x128@2x.png": 256), or 0 when it says none. */
    static int sizeOfName(const QString &file);

private:
    TauriProject(QString root, QString folder) : m_root(std::move(root)), m_folder(std::move(folder)) {}

    QString m_root;
    QString m_folder;
    /** The files bundle.icon lists, relative to the project folder, and the Store logos found beside them. */
    QStringList m_files;
};

} // namespace iconsmith
