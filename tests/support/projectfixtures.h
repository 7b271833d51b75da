#pragma once

#include <QSize>
#include <QString>

namespace iconsmith::test {

/**
 * App projects as their tools lay them out, made in a test folder with small placeholder
 * pictures: what --project is run on.
 */
namespace fixtures {

/**
 * An Android app module at @p module (an Android Studio app/, or the android/app of a Capacitor,
 * React Native or Flutter project): a manifest naming @mipmap/ic_launcher and
 * @mipmap/ic_launcher_round, legacy launcher icons as .webp in every density, the adaptive-icon
 * XML in mipmap-anydpi-v26 naming vector drawables for its layers, and res files of the app's
 * own (strings, a vector used by a layout, the layout).
 */
void androidModule(const QString &module);

/** A Tauri app's src-tauri at @p folder: tauri.conf.json listing its icons, the icons and the Store logos. */
void tauriApp(const QString &folder);

/**
 * An Xcode project at @p folder named @p name (NAME.xcodeproj/project.pbxproj naming the app icon
 * "AppIcon" and the SDK @p sdk), with its AppIcon.appiconset in @p catalog (relative to
 * @p folder) described by @p contents; each file the document names is a placeholder PNG of
 * its slot's size.
 */
void xcodeProject(const QString &folder, const QString &name, const QString &catalog, const QByteArray &contents,
                  const QString &sdk = QStringLiteral("iphoneos"));

/** Capacitor's ios/ at @p folder: App/App.xcodeproj and a single-size set with the file "AppIcon-512@2x.png". */
void capacitorIos(const QString &folder);

/** React Native's ios/ at @p folder: Demo.xcodeproj and Demo/Images.xcassets, iPhone slots without files. */
void reactNativeIos(const QString &folder);

/** Flutter's macos/ at @p folder: Runner.xcodeproj and a Mac set whose files serve two slots each. */
void flutterMacos(const QString &folder);

/**
 * A Flutter app at @p folder: pubspec.yaml, android/app, ios/ and macos/ (Runner.xcodeproj),
 * web/ (index.html linking manifest.json, which lists two icons and two maskable ones, and
 * favicon.png) and windows/runner/resources/app_icon.ico.
 */
void flutterApp(const QString &folder);

/** An Electron app at @p folder packaged by electron-builder, with build/icon.png and build/icons/. */
void electronApp(const QString &folder);

/** A WebP picture of @p size, written to @p path. */
void writeWebp(const QString &path, QSize size);

} // namespace fixtures

} // namespace iconsmith::test
