#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * An Electron app packaged with electron-builder: a package.json with a "build" section or
 * electron-builder among its development dependencies. electron-builder reads the icons from
 * its build resources folder ("build", or what build.directories.buildResources says): icon.icns
 * for macOS, icon.ico for Windows, icon.png for Linux (1024 pixels, or the size the file there
 * has), and the PNGs of icons/ that are named by their size ("256x256.png"). The update writes
 * those three and the icons/ PNGs there are; package.json is not changed.
 */
class ElectronProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(ElectronProject)

public:
    /** The app in @p folder (relative to @p root), or none. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("electron"); }
    [[nodiscard]] QString title() const override { return tr("Electron app"); }
    [[nodiscard]] QStringList platforms() const override { return desktops(); }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

private:
    ElectronProject(QString root, QString folder, QString resources)
        : m_root(std::move(root)), m_folder(std::move(folder)), m_resources(std::move(resources))
    {}

    QString m_root;
    QString m_folder;
    /** The build resources folder, relative to the project folder. */
    QString m_resources;
};

} // namespace iconsmith
