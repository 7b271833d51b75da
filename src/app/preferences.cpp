#include "app/preferences.h"

#include <QDir>
#include <QSettings>

#include "generation/platform.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

namespace {

// Named explicitly rather than through the application's names, so that every reader and
// writer finds the same file whoever set up the application object.
QSettings userSettings()
{
    return QSettings(Preferences::organizationName.toString(), Preferences::applicationName.toString());
}

} // namespace

std::optional<QString> Preferences::savePath()
{
    const QSettings settings = userSettings();
    if (!settings.contains(savePathKey.toString()))
        return std::nullopt;
    return settings.value(savePathKey.toString()).toString();
}

void Preferences::setSavePath(const QString &path)
{
    QSettings settings = userSettings();
    settings.setValue(savePathKey.toString(), path);
}

QString Preferences::defaultSavePath()
{
    return QDir::toNativeSeparators(QDir::homePath());
}

std::optional<RgbColor> Preferences::backgroundColor()
{
    // A hand-edited or damaged value reads as no background rather than as black.
    return RgbColor::fromText(userSettings().value(backgroundColorKey.toString()).toString());
}

void Preferences::setBackgroundColor(const std::optional<RgbColor> &color)
{
    QSettings settings = userSettings();
    if (color)
        settings.setValue(backgroundColorKey.toString(), color->name());
    else
        settings.remove(backgroundColorKey.toString());
}

std::optional<QString> Preferences::imageFolder()
{
    const QSettings settings = userSettings();
    if (!settings.contains(imageFolderKey.toString()))
        return std::nullopt;
    return settings.value(imageFolderKey.toString()).toString();
}

void Preferences::setImageFolder(const QString &folder)
{
    QSettings settings = userSettings();
    settings.setValue(imageFolderKey.toString(), folder);
}

QStringList Preferences::targets()
{
    const QSettings settings = userSettings();
    if (!settings.contains(targetsKey.toString())) {
        QStringList every;
        for (const TargetCatalog::Entry &entry : TargetCatalog::all())
            every << entry.name;
        return every;
    }
    return settings.value(targetsKey.toString()).toStringList();
}

void Preferences::setTargets(const QStringList &names)
{
    QSettings settings = userSettings();
    settings.setValue(targetsKey.toString(), names);
}

std::optional<double> Preferences::androidInset()
{
    bool ok = false;
    const double percent = userSettings().value(androidInsetKey.toString()).toDouble(&ok);
    if (!ok || !(percent >= 0 && percent <= 45))
        return std::nullopt;
    return percent;
}

void Preferences::setAndroidInset(std::optional<double> percent)
{
    QSettings settings = userSettings();
    if (percent)
        settings.setValue(androidInsetKey.toString(), *percent);
    else
        settings.remove(androidInsetKey.toString());
}

bool Preferences::macShape()
{
    return userSettings().value(macShapeKey.toString(), true).toBool();
}

void Preferences::setMacShape(bool shape)
{
    QSettings settings = userSettings();
    settings.setValue(macShapeKey.toString(), shape);
}

std::optional<int> Preferences::platform()
{
    bool ok = false;
    const int choice = userSettings().value(platformKey.toString()).toInt(&ok);
    if (!ok || choice < 0 || choice > Platform::Targets)
        return std::nullopt;
    return choice;
}

void Preferences::setPlatform(int choice)
{
    QSettings settings = userSettings();
    settings.setValue(platformKey.toString(), choice);
}

bool Preferences::fit()
{
    return userSettings().value(fitKey.toString(), true).toBool();
}

void Preferences::setFit(bool fit)
{
    QSettings settings = userSettings();
    settings.setValue(fitKey.toString(), fit);
}

bool Preferences::zoomIn()
{
    return userSettings().value(zoomInKey.toString(), true).toBool();
}

void Preferences::setZoomIn(bool zoomIn)
{
    QSettings settings = userSettings();
    settings.setValue(zoomInKey.toString(), zoomIn);
}

bool Preferences::rounded()
{
    return userSettings().value(roundedKey.toString(), false).toBool();
}

void Preferences::setRounded(bool rounded)
{
    QSettings settings = userSettings();
    settings.setValue(roundedKey.toString(), rounded);
}

QByteArray Preferences::windowGeometry()
{
    return userSettings().value(windowGeometryKey.toString()).toByteArray();
}

void Preferences::setWindowGeometry(const QByteArray &geometry)
{
    QSettings settings = userSettings();
    settings.setValue(windowGeometryKey.toString(), geometry);
}

} // namespace iconsmith
