#include "support/projectfixtures.h"

#include <QDir>
#include <QFileInfo>

#include <vips/vips.h>

#include "support/testsupport.h"

namespace iconsmith::test::fixtures {

using namespace Qt::StringLiterals;

namespace {

const QByteArray vector = R"(<vector xmlns:android="http://schemas.android.com/apk/res/android"
    android:width="108dp" android:height="108dp" android:viewportWidth="108" android:viewportHeight="108">
    <path android:fillColor="#3DDC84" android:pathData="M0,0h108v108h-108z"/>
</vector>
)";

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
}

} // namespace

void writeWebp(const QString &path, QSize size)
{
    QDir().mkpath(QFileInfo(path).path());
    VipsImage *image = nullptr;
    if (vips_black(&image, size.width(), size.height(), "bands", 3, nullptr) == 0) {
        vips_webpsave(image, QFile::encodeName(path).constData(), "lossless", TRUE, nullptr);
        g_object_unref(image);
    }
}

void androidModule(const QString &module)
{
    const QString res = module + u"/src/main/res"_s;
    write(module + u"/src/main/AndroidManifest.xml"_s, R"(<?xml version="1.0" encoding="utf-8"?>
<manifest xmlns:android="http://schemas.android.com/apk/res/android" package="com.example.demo">
    <application
        android:allowBackup="true"
        android:icon="@mipmap/ic_launcher"
        android:label="@string/app_name"
        android:roundIcon="@mipmap/ic_launcher_round">
        <activity android:name=".MainActivity" android:exported="true" />
    </application>
</manifest>
)");
    const QByteArray adaptive = R"(<?xml version="1.0" encoding="utf-8"?>
<adaptive-icon xmlns:android="http://schemas.android.com/apk/res/android">
    <background android:drawable="@drawable/ic_launcher_background" />
    <foreground android:drawable="@drawable/ic_launcher_foreground" />
    <monochrome android:drawable="@drawable/ic_launcher_foreground" />
</adaptive-icon>
)";
    write(res + u"/mipmap-anydpi-v26/ic_launcher.xml"_s, adaptive);
    write(res + u"/mipmap-anydpi-v26/ic_launcher_round.xml"_s, adaptive);
    write(res + u"/drawable/ic_launcher_background.xml"_s, vector);
    write(res + u"/drawable-v24/ic_launcher_foreground.xml"_s, vector);
    const std::pair<const char16_t *, int> densities[] = {
        {u"mdpi", 48}, {u"hdpi", 72}, {u"xhdpi", 96}, {u"xxhdpi", 144}, {u"xxxhdpi", 192}};
    for (const auto &[density, pixels] : densities) {
        const QString folder = res + u"/mipmap-"_s + QString::fromUtf16(density);
        writeWebp(folder + u"/ic_launcher.webp"_s, QSize(pixels, pixels));
        writeWebp(folder + u"/ic_launcher_round.webp"_s, QSize(pixels, pixels));
    }
    // The app's own resources, which an update leaves alone.
    write(res + u"/values/strings.xml"_s, "<resources>\n    <string name=\"app_name\">Demo</string>\n</resources>\n");
    write(res + u"/drawable/badge.xml"_s, vector);
    write(res + u"/layout/activity_main.xml"_s, R"(<?xml version="1.0" encoding="utf-8"?>
<ImageView xmlns:android="http://schemas.android.com/apk/res/android"
    android:layout_width="wrap_content" android:layout_height="wrap_content" android:src="@drawable/badge" />
)");
}

void tauriApp(const QString &folder)
{
    write(folder + u"/tauri.conf.json"_s, R"({
  "$schema": "https://schema.tauri.app/config/2",
  "productName": "demo",
  "version": "0.1.0",
  "identifier": "com.example.demo",
  "build": { "frontendDist": "../dist" },
  "bundle": {
    "active": true,
    "targets": "all",
    "icon": ["icons/32x32.png", "icons/128x128.png", "icons/128x128@2x.png", "icons/icon.icns", "icons/icon.ico"]
  }
}
)");
    for (const auto &[name, pixels] :
         {std::pair(u"32x32.png"_s, 32), std::pair(u"128x128.png"_s, 128), std::pair(u"128x128@2x.png"_s, 256),
          std::pair(u"icon.png"_s, 512), std::pair(u"Square30x30Logo.png"_s, 30),
          std::pair(u"Square310x310Logo.png"_s, 310), std::pair(u"StoreLogo.png"_s, 50)}) {
        QDir().mkpath(folder + u"/icons"_s);
        writeTestPicture(folder + u"/icons/"_s + name, QSize(pixels, pixels), true);
    }
    write(folder + u"/icons/icon.icns"_s, "placeholder");
    write(folder + u"/icons/icon.ico"_s, "placeholder");
    write(folder + u"/src/main.rs"_s, "fn main() {}\n");
}

} // namespace iconsmith::test::fixtures
