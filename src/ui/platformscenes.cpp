#include "ui/platformscenes.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>
#include <functional>

#include "ui/iconfilereader.h"
#include "ui/iconpreviewstrip.h"

namespace iconsmith {

using Kind = PlatformScene::Kind;

namespace {

// The 108-unit adaptive layer shows its middle 72 units: the layer is 1.5 times the icon.
constexpr qreal adaptiveLayer = 108.0 / 72.0;
// The light and dark tones Android's themed icons take from a blue-toned wallpaper.
const QColor themedBackground(0xd6, 0xe3, 0xff);
const QColor themedForeground(0x1a, 0x36, 0x5d);

QString relativePath(const QDir &folder, const QString &path)
{
    return QDir::fromNativeSeparators(folder.relativeFilePath(path));
}

// Keeps @p path in @p slot when it is larger than what the slot holds.
void keepLargest(QString &slot, int &slotPixels, const GenerationReport::WrittenFile &file)
{
    if (file.pixels.width() > slotPixels) {
        slot = file.path;
        slotPixels = file.pixels.width();
    }
}

std::optional<QColor> colourOfDocument(const QString &path)
{
    QFile file(path);
    if (file.size() > 4096 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    static const QRegularExpression colour(QStringLiteral("#([0-9A-Fa-f]{6})\\b"));
    const QRegularExpressionMatch match = colour.match(QString::fromUtf8(file.readAll()));
    if (!match.hasMatch())
        return std::nullopt;
    return QColor(u'#' + match.captured(1));
}

QImage blank(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath maskOf(Kind kind, int pixels)
{
    const QRectF box(0, 0, pixels, pixels);
    switch (kind) {
    case Kind::IosLight:
    case Kind::IosDark:
    case Kind::IosTinted:
        return IconPreviewStrip::outline(DisplayMask::RoundedSquare, box);
    case Kind::AndroidSquircle:
        return IconPreviewStrip::outline(DisplayMask::Squircle, box);
    case Kind::AndroidCircle:
    case Kind::AndroidThemed:
    case Kind::WatchCircle:
        return IconPreviewStrip::outline(DisplayMask::Circle, box);
    case Kind::MacDockLight:
    case Kind::MacDockDark:
    case Kind::BrowserTab:
        break;
    }
    return IconPreviewStrip::outline(DisplayMask::None, box);
}

// The dark backdrop iOS puts behind dark and tinted icons.
void paintDarkBackdrop(QPainter &painter, int pixels)
{
    QLinearGradient backdrop(0, 0, 0, pixels);
    backdrop.setColorAt(0, QColor(0x3a, 0x3a, 0x3e));
    backdrop.setColorAt(1, QColor(0x12, 0x12, 0x14));
    painter.fillRect(QRect(0, 0, pixels, pixels), backdrop);
}

// The picture drawn over the whole icon, cut to the system's shape, on what @p backdrop paints.
QImage masked(Kind kind, const QImage &picture, int pixels, const std::function<void(QPainter &)> &backdrop = {})
{
    QImage icon = blank(pixels);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(maskOf(kind, pixels));
    if (backdrop)
        backdrop(painter);
    painter.drawImage(QRectF(0, 0, pixels, pixels), picture);
    return icon;
}

// Each grey level becomes the tint colour at that strength: black stays the backdrop, white is the full tint.
QImage tinted(const QImage &grey, const QColor &tint)
{
    QImage result = blank(grey.width());
    const QImage levels = grey.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < levels.height(); ++y) {
        const uchar *from = levels.constScanLine(y);
        auto *to = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < levels.width(); ++x) {
            const int level = from[x];
            to[x] = qRgba(tint.red() * level / 255, tint.green() * level / 255, tint.blue() * level / 255, level);
        }
    }
    return result;
}

// The adaptive icon: the layers at 108 units, their middle 72 units under the mask.
QImage adaptive(Kind kind, int pixels, const std::function<void(QPainter &, const QRectF &layer)> &layers)
{
    QImage icon = blank(pixels);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(maskOf(kind, pixels));
    const qreal side = pixels * adaptiveLayer;
    layers(painter, QRectF((pixels - side) / 2, (pixels - side) / 2, side, side));
    return icon;
}

// The shape of a layer in one colour.
QImage inColour(const QImage &layer, const QColor &colour)
{
    QImage shape = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shape);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), colour);
    return shape;
}

void addAndroid(QList<PlatformScene> &scenes, const PlatformScenes::Sources &sources, qreal ratio,
                const std::stop_token &stop)
{
    if (sources.androidForeground.isEmpty())
        return;
    const int pixels = int(std::ceil(PlatformScenes::iconPoints(Kind::AndroidCircle) * ratio));
    const int layerEdge = int(std::ceil(pixels * adaptiveLayer));
    const QImage foreground = IconFileReader::read(sources.androidForeground, layerEdge, stop);
    if (foreground.isNull())
        return;
    const QImage background = sources.androidBackground.isEmpty()
                                  ? QImage()
                                  : IconFileReader::read(sources.androidBackground, layerEdge, stop);
    const QColor colour = sources.androidBackgroundColour.value_or(QColor(Qt::white));
    for (const Kind kind : {Kind::AndroidCircle, Kind::AndroidSquircle}) {
        scenes.append({kind,
                       adaptive(kind, pixels,
                                [&](QPainter &painter, const QRectF &layer) {
                                    painter.fillRect(layer, colour);
                                    if (!background.isNull())
                                        painter.drawImage(layer, background);
                                    painter.drawImage(layer, foreground);
                                }),
                       sources.androidForeground, false});
    }
    if (sources.androidMonochrome.isEmpty())
        return;
    const QImage monochrome = IconFileReader::read(sources.androidMonochrome, layerEdge, stop);
    if (monochrome.isNull())
        return;
    const QImage shape = inColour(monochrome, themedForeground);
    scenes.append({Kind::AndroidThemed,
                   adaptive(Kind::AndroidThemed, pixels,
                            [&](QPainter &painter, const QRectF &layer) {
                                painter.fillRect(layer, themedBackground);
                                painter.drawImage(layer, shape);
                            }),
                   sources.androidMonochrome, false});
}

void addIos(QList<PlatformScene> &scenes, const PlatformScenes::Sources &sources, qreal ratio,
            const std::stop_token &stop)
{
    const int pixels = int(std::ceil(PlatformScenes::iconPoints(Kind::IosLight) * ratio));
    const QImage light = IconFileReader::read(sources.iosLight, pixels, stop);
    if (light.isNull())
        return;
    scenes.append({Kind::IosLight, masked(Kind::IosLight, light, pixels), sources.iosLight, false});
    const auto backdrop = [pixels](QPainter &painter) { paintDarkBackdrop(painter, pixels); };
    const QImage dark = sources.iosDark.isEmpty() ? QImage() : IconFileReader::read(sources.iosDark, pixels, stop);
    if (dark.isNull())
        scenes.append({Kind::IosDark, masked(Kind::IosDark, light, pixels), sources.iosLight, true});
    else
        scenes.append({Kind::IosDark, masked(Kind::IosDark, dark, pixels, backdrop), sources.iosDark, false});
    const QImage grey = sources.iosTinted.isEmpty() ? QImage() : IconFileReader::read(sources.iosTinted, pixels, stop);
    if (!grey.isNull())
        scenes.append({Kind::IosTinted,
                       masked(Kind::IosTinted, tinted(grey, PlatformScenes::tintColour()), pixels, backdrop),
                       sources.iosTinted, false});
}

} // namespace

bool PlatformScenes::Sources::isEmpty() const
{
    return iosLight.isEmpty() && androidForeground.isEmpty() && mac.isEmpty() && watch.isEmpty() && favicon.isEmpty();
}

int PlatformScenes::iconPoints(PlatformScene::Kind kind)
{
    switch (kind) {
    case Kind::IosLight:
    case Kind::IosDark:
    case Kind::IosTinted:
        return 60;
    case Kind::AndroidCircle:
    case Kind::AndroidSquircle:
    case Kind::AndroidThemed:
        return 56;
    case Kind::MacDockLight:
    case Kind::MacDockDark:
        return 64;
    case Kind::WatchCircle:
        return 56;
    case Kind::BrowserTab:
        return 16;
    }
    return 60;
}

QColor PlatformScenes::tintColour()
{
    return {0xff, 0xb3, 0x40};
}

PlatformScenes::Sources PlatformScenes::find(const QList<GenerationReport::WrittenFile> &files, const QString &folder)
{
    Sources sources;
    const QDir dir(folder);
    int classic = 0;
    int foreground = 0;
    int background = 0;
    int monochrome = 0;
    int mac = 0;
    QString classicIcon;
    for (const GenerationReport::WrittenFile &file : files) {
        const QString path = relativePath(dir, file.path);
        const QString name = path.section(u'/', -1);
        if (path == u"ios/AppIcon.appiconset/AppIcon.png")
            sources.iosLight = file.path;
        else if (path == u"ios/AppIcon.appiconset/AppIcon-dark.png")
            sources.iosDark = file.path;
        else if (path == u"ios/AppIcon.appiconset/AppIcon-tinted.png")
            sources.iosTinted = file.path;
        else if (path == u"watchos/AppIcon.appiconset/AppIcon.png")
            sources.watch = file.path;
        else if (path == u"web/favicon.ico")
            sources.favicon = file.path;
        else if (path == u"android/res/values/ic_launcher_background.xml")
            sources.androidBackgroundColour = colourOfDocument(file.path);
        else if (path.startsWith(u"android/res/mipmap-") && name == u"ic_launcher_foreground.png")
            keepLargest(sources.androidForeground, foreground, file);
        else if (path.startsWith(u"android/res/mipmap-") && name == u"ic_launcher_background.png")
            keepLargest(sources.androidBackground, background, file);
        else if (path.startsWith(u"android/res/mipmap-") && name == u"ic_launcher_monochrome.png")
            keepLargest(sources.androidMonochrome, monochrome, file);
        else if (path.startsWith(u"macos/AppIcon.appiconset/") && name.endsWith(u".png"))
            keepLargest(sources.mac, mac, file);
        else if (file.mask == DisplayMask::RoundedSquare)
            keepLargest(classicIcon, classic, file);
    }
    // A classic icon set is shown on the home screen too; it has no dark or tinted icon.
    if (sources.iosLight.isEmpty())
        sources.iosLight = classicIcon;
    return sources;
}

QList<PlatformScene> PlatformScenes::build(const Sources &sources, qreal ratio, const std::stop_token &stop)
{
    QList<PlatformScene> scenes;
    if (!sources.iosLight.isEmpty())
        addIos(scenes, sources, ratio, stop);
    addAndroid(scenes, sources, ratio, stop);
    if (!sources.mac.isEmpty()) {
        const int pixels = int(std::ceil(iconPoints(Kind::MacDockLight) * ratio));
        // The Dock shows the icon as it is: its shape and shadow are part of the file.
        if (const QImage icon = IconFileReader::read(sources.mac, pixels, stop); !icon.isNull()) {
            const QImage shown = icon.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            scenes.append({Kind::MacDockLight, shown, sources.mac, false});
            scenes.append({Kind::MacDockDark, shown, sources.mac, false});
        }
    }
    if (!sources.watch.isEmpty()) {
        const int pixels = int(std::ceil(iconPoints(Kind::WatchCircle) * ratio));
        if (const QImage icon = IconFileReader::read(sources.watch, pixels, stop); !icon.isNull())
            scenes.append({Kind::WatchCircle, masked(Kind::WatchCircle, icon, pixels), sources.watch, false});
    }
    if (!sources.favicon.isEmpty()) {
        if (const QImage icon = IconFileReader::icoEntry(sources.favicon, 16); !icon.isNull())
            scenes.append({Kind::BrowserTab, icon, sources.favicon, false});
    }
    if (stop.stop_requested())
        return {};
    return scenes;
}

} // namespace iconsmith
