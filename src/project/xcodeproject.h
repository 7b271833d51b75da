#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

#include "project/projectkind.h"

namespace iconsmith {

/**
 * An Xcode project: a folder holding NAME.xcodeproj/project.pbxproj (an Xcode app, and the ios/
 * and macos/ of Capacitor, React Native and Flutter projects). Its app icon is the set that the
 * build setting ASSETCATALOG_COMPILER_APPICON_NAME names ("AppIcon"), found as SET.appiconset in
 * an .xcassets catalog below that folder (at most four folders deep; build output, Pods and
 * hidden folders are not looked into).
 *
 * The update fills the set the project has, slot by slot, keeping its file names: each slot's
 * picture is rendered at its size times its scale, for the surface its idiom is shown on (an
 * iPhone or iPad home screen, the Mac's body, the watch's circle), in its appearance (dark,
 * tinted). A slot without a file gets one ("AppIcon-iphone-60x60@2x.png"). A single-size iOS set
 * stays single-size and gains the dark and tinted entries when those pictures are given.
 * Contents.json is written again (in Xcode's layout) only when a file name or an entry was added.
 * A launch picture set in the same catalog (Splash.imageset, as Capacitor's) has each of its
 * pictures made again at its own size: the launch screens' logo on their background, in the
 * entry's appearance.
 */
class XcodeProject : public ProjectKind
{
    Q_DECLARE_TR_FUNCTIONS(XcodeProject)

public:
    /** The project in @p folder (relative to @p root), or none; @p notes receives why a project was left out. */
    static std::unique_ptr<ProjectKind> at(const QString &root, const QString &folder, QStringList &notes);

    [[nodiscard]] QString kind() const override { return QStringLiteral("xcode"); }
    [[nodiscard]] QString title() const override;
    [[nodiscard]] QStringList platforms() const override
    {
        return {m_platform == u"macosx" ? QStringLiteral("macOS") : QStringLiteral("iOS")};
    }
    [[nodiscard]] QString folder() const override { return m_folder; }
    [[nodiscard]] TargetPlan plan(const TargetContext &context) const override;
    [[nodiscard]] QStringList movedAway(const TargetPlan & /*plan*/) const override { return {}; }

    /** The icon-set names a project.pbxproj's build settings give, each once, in order. */
    static QStringList iconSetNames(const QByteArray &pbxproj);

private:
    struct IconSet
    {
        /** The set's folder, relative to the project folder. */
        QString folder;
        QString name;
        QJsonObject contents;
    };

    XcodeProject(QString folder, QString platform) : m_folder(std::move(folder)), m_platform(std::move(platform)) {}
    void planSet(const IconSet &set, const TargetContext &context, TargetPlan &plan) const;
    /** Takes in the launch picture set of @p catalog (relative to @p root), when it has one. */
    void addSplashSet(const QString &root, const QString &catalog);

    QString m_folder;
    /** "macosx", "iphoneos", ... as SDKROOT says; empty when it says nothing. */
    QString m_platform;
    QList<IconSet> m_sets;
    /** A picture of a launch picture set (Splash.imageset) of a catalog that holds an icon set. */
    struct SplashPicture
    {
        /** Relative to the project folder. */
        QString file;
        QSize pixels;
        bool dark = false;
    };
    QList<SplashPicture> m_splashPictures;
};

} // namespace iconsmith
