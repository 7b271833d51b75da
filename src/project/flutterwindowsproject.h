#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * A Flutter app's Windows runner: a folder holding pubspec.yaml (a Flutter app's) and
 * windows/runner/resources/app_icon.ico, which the runner's resource script embeds. The update
 * writes that icon with the Windows sizes. The app's other platforms are projects of their own
 * kinds: android/app an Android module, ios/ and macos/ Xcode projects, web/ a web app.
 */
class FlutterWindowsProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(FlutterWindowsProject)

public:
    /** The app in @p folder (relative to @p root), or none. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("flutter-windows"); }
    [[nodiscard]] QString title() const override { return tr("Flutter app (Windows)"); }
    [[nodiscard]] QStringList platforms() const override { return {QStringLiteral("Windows")}; }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

private:
    explicit FlutterWindowsProject(QString folder) : m_folder(std::move(folder)) {}

    QString m_folder;
};

} // namespace iconsmith
