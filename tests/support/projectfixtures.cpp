#include "support/projectfixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

void xcodeProject(const QString &folder, const QString &name, const QString &catalog, const QByteArray &contents,
                  const QString &sdk)
{
    write(folder + u'/' + name + u".xcodeproj/project.pbxproj"_s, QStringLiteral(R"(// !$*UTF8*$!
{
	objects = {
		13B07F941A680F5B00A75B9A /* Debug */ = {
			isa = XCBuildConfiguration;
			buildSettings = {
				ASSETCATALOG_COMPILER_APPICON_NAME = AppIcon;
				PRODUCT_NAME = %1;
				SDKROOT = %2;
			};
			name = Debug;
		};
	};
}
)")
                                                                      .arg(name, sdk)
                                                                      .toUtf8());
    const QString set = folder + u'/' + catalog + u"/AppIcon.appiconset"_s;
    write(set + u"/Contents.json"_s, contents);
    write(folder + u'/' + catalog + u"/Contents.json"_s, R"({ "info" : { "author" : "xcode", "version" : 1 } })");
    for (const QJsonValue &value : QJsonDocument::fromJson(contents).object().value(u"images"_s).toArray()) {
        const QJsonObject image = value.toObject();
        const QString file = image.value(u"filename"_s).toString();
        if (file.isEmpty())
            continue;
        const double points = image.value(u"size"_s).toString().section(u'x', 0, 0).toDouble();
        const int scale = image.value(u"scale"_s).toString(u"1x"_s).chopped(1).toInt();
        const int pixels = qRound(points * scale);
        writeTestPicture(set + u'/' + file, QSize(pixels, pixels), false);
    }
}

void capacitorIos(const QString &folder)
{
    xcodeProject(folder + u"/App"_s, u"App"_s, u"App/Assets.xcassets"_s, R"({
  "images" : [
    {
      "filename" : "AppIcon-512@2x.png",
      "idiom" : "universal",
      "platform" : "ios",
      "size" : "1024x1024"
    }
  ],
  "info" : {
    "author" : "xcode",
    "version" : 1
  }
}
)");
}

void reactNativeIos(const QString &folder)
{
    QJsonArray images;
    for (const auto &[size, scale] :
         {std::pair("20x20", "2x"), std::pair("20x20", "3x"), std::pair("29x29", "2x"), std::pair("29x29", "3x"),
          std::pair("40x40", "2x"), std::pair("40x40", "3x"), std::pair("60x60", "2x"), std::pair("60x60", "3x")})
        images.append(QJsonObject{{u"idiom"_s, u"iphone"_s},
                                  {u"size"_s, QString::fromLatin1(size)},
                                  {u"scale"_s, QString::fromLatin1(scale)}});
    images.append(QJsonObject{{u"idiom"_s, u"ios-marketing"_s}, {u"size"_s, u"1024x1024"_s}, {u"scale"_s, u"1x"_s}});
    const QJsonObject contents{{u"images"_s, images},
                               {u"info"_s, QJsonObject{{u"author"_s, u"xcode"_s}, {u"version"_s, 1}}}};
    xcodeProject(folder, u"Demo"_s, u"Demo/Images.xcassets"_s, QJsonDocument(contents).toJson());
}

void flutterMacos(const QString &folder)
{
    QJsonArray images;
    for (const auto &[points, scale, file] :
         {std::tuple(16, 1, 16), std::tuple(16, 2, 32), std::tuple(32, 1, 32), std::tuple(32, 2, 64),
          std::tuple(128, 1, 128), std::tuple(128, 2, 256), std::tuple(256, 1, 256), std::tuple(256, 2, 512),
          std::tuple(512, 1, 512), std::tuple(512, 2, 1024)})
        images.append(QJsonObject{{u"filename"_s, u"app_icon_%1.png"_s.arg(file)},
                                  {u"idiom"_s, u"mac"_s},
                                  {u"size"_s, u"%1x%1"_s.arg(points)},
                                  {u"scale"_s, u"%1x"_s.arg(scale)}});
    const QJsonObject contents{{u"images"_s, images},
                               {u"info"_s, QJsonObject{{u"author"_s, u"xcode"_s}, {u"version"_s, 1}}}};
    xcodeProject(folder, u"Runner"_s, u"Runner/Assets.xcassets"_s, QJsonDocument(contents).toJson(), u"macosx"_s);
}

void flutterApp(const QString &folder)
{
    write(folder + u"/pubspec.yaml"_s, "name: demo\nenvironment:\n  sdk: '>=3.0.0 <4.0.0'\nflutter:\n  "
                                       "uses-material-design: true\n");
    androidModule(folder + u"/android/app"_s);
    xcodeProject(folder + u"/ios"_s, u"Runner"_s, u"Runner/Assets.xcassets"_s, R"({
  "images" : [
    { "size" : "20x20", "idiom" : "iphone", "filename" : "Icon-App-20x20@2x.png", "scale" : "2x" },
    { "size" : "60x60", "idiom" : "iphone", "filename" : "Icon-App-60x60@3x.png", "scale" : "3x" },
    { "size" : "20x20", "idiom" : "ipad", "filename" : "Icon-App-20x20@2x.png", "scale" : "2x" },
    { "size" : "83.5x83.5", "idiom" : "ipad", "filename" : "Icon-App-83.5x83.5@2x.png", "scale" : "2x" },
    { "size" : "1024x1024", "idiom" : "ios-marketing", "filename" : "Icon-App-1024x1024@1x.png", "scale" : "1x" }
  ],
  "info" : { "version" : 1, "author" : "xcode" }
}
)");
    flutterMacos(folder + u"/macos"_s);
    const QString web = folder + u"/web"_s;
    write(web + u"/index.html"_s, R"(<!DOCTYPE html>
<html>
<head>
  <base href="$FLUTTER_BASE_HREF">
  <meta charset="UTF-8">
  <link rel="apple-touch-icon" href="icons/Icon-192.png">
  <link rel="icon" type="image/png" href="favicon.png"/>
  <link rel="manifest" href="manifest.json">
</head>
<body><script src="flutter_bootstrap.js" async></script></body>
</html>
)");
    write(web + u"/manifest.json"_s, R"({
    "name": "demo",
    "start_url": ".",
    "display": "standalone",
    "icons": [
        { "src": "icons/Icon-192.png", "sizes": "192x192", "type": "image/png" },
        { "src": "icons/Icon-512.png", "sizes": "512x512", "type": "image/png" },
        { "src": "icons/Icon-maskable-192.png", "sizes": "192x192", "type": "image/png", "purpose": "maskable" },
        { "src": "icons/Icon-maskable-512.png", "sizes": "512x512", "type": "image/png", "purpose": "maskable" }
    ]
}
)");
    for (const auto &[name, pixels] :
         {std::pair(u"favicon.png"_s, 16), std::pair(u"icons/Icon-192.png"_s, 192),
          std::pair(u"icons/Icon-512.png"_s, 512), std::pair(u"icons/Icon-maskable-192.png"_s, 192),
          std::pair(u"icons/Icon-maskable-512.png"_s, 512)}) {
        QDir().mkpath(QFileInfo(web + u'/' + name).path());
        writeTestPicture(web + u'/' + name, QSize(pixels, pixels), true);
    }
    write(folder + u"/windows/runner/resources/app_icon.ico"_s, "placeholder");
    write(folder + u"/windows/runner/Runner.rc"_s, "IDI_APP_ICON ICON \"resources\\\\app_icon.ico\"\n");
}

void electronApp(const QString &folder)
{
    write(folder + u"/package.json"_s, R"({
  "name": "demo",
  "main": "main.js",
  "devDependencies": { "electron": "^33.0.0", "electron-builder": "^25.0.0" },
  "build": { "appId": "com.example.demo", "mac": { "category": "public.app-category.utilities" } }
}
)");
    QDir().mkpath(folder + u"/build/icons"_s);
    writeTestPicture(folder + u"/build/icon.png"_s, QSize(512, 512), true);
    writeTestPicture(folder + u"/build/icons/256x256.png"_s, QSize(256, 256), true);
    writeTestPicture(folder + u"/build/icons/notes.png"_s, QSize(30, 20), true);
    write(folder + u"/main.js"_s, "require('electron');\n");
}

} // namespace iconsmith::test::fixtures
