#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * An Android Gradle module: a folder holding src/main/AndroidManifest.xml and src/main/res (the
 * app module of an Android Studio project, and the android/app of Capacitor, React Native and
 * Flutter projects). Its launcher icon is what the manifest's <application> names with
 * android:icon and android:roundIcon ("@mipmap/ic_launcher"); a module whose manifest names none
 * (a library) is not an app.
 *
 * The update writes, in the module's res/: the legacy and round icons per density under the
 * names the manifest gives, the adaptive foreground and monochrome layers "<icon>_foreground"
 * and "<icon>_monochrome" as mipmaps, the background colour "<icon>_background" (or a layer
 * picture), and the adaptive-icon XML the module has in "mipmap-anydpi*" (or, without one,
 * mipmap-anydpi-v26/), pointing at the new layers. The renders and their placement are the
 * android target's. A resource of the same name in another format, and a layer the old XML
 * named that nothing else names, are moved away; no other file of res/ is touched. A launch
 * picture the module already has (drawable*\/splash.png, as Capacitor's) is made again at its
 * own size: the launch screens' logo on their background, dark in a night folder.
 */
class AndroidProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(AndroidProject)

public:
    /** A resource reference such as "@mipmap/ic_launcher". */
    struct Resource
    {
        QString type;
        QString name;
        friend bool operator==(const Resource &, const Resource &) = default;
    };

    /**
     * The module in @p folder (relative to @p root), or none; @p notes receives why a module
     * that looks like one cannot be updated (a manifest that names its icon by a placeholder).
     */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("android"); }
    [[nodiscard]] QString title() const override { return tr("Android module"); }
    [[nodiscard]] QStringList platforms() const override { return {QStringLiteral("Android")}; }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan &plan) const override;

private:
    AndroidProject(QString root, QString folder) : m_root(std::move(root)), m_folder(std::move(folder)) {}
    /** res/, relative to the project folder. */
    [[nodiscard]] QString res() const;
    [[nodiscard]] QString absolute(const QString &relative) const { return m_root + u'/' + relative; }
    /** The adaptive-icon XML files the module has for @p icon, relative to the project folder. */
    [[nodiscard]] QStringList adaptiveXmls(const Resource &icon) const;
    /** The name of the background colour: "<icon>_background", unless another values file declares that. */
    [[nodiscard]] QString colourName() const;
    /** The launch pictures the module already has (drawable*\/splash.png), each at its own size. */
    void planSplashScreens(const TargetContext &context, TargetPlan &plan) const;
    /** Whether some file of res/ or the manifest, other than @p except, names @p resource. */
    [[nodiscard]] bool namedElsewhere(const Resource &resource, const QSet<QString> &except) const;

    QString m_root;
    QString m_folder;
    Resource m_icon;
    std::optional<Resource> m_round;
    /** What the module's adaptive-icon XML files name as their layers. */
    QList<Resource> m_oldLayers;
};

} // namespace iconsmith
