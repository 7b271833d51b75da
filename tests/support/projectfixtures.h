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

/** A WebP picture of @p size, written to @p path. */
void writeWebp(const QString &path, QSize size);

} // namespace fixtures

} // namespace iconsmith::test
