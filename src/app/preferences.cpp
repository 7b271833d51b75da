#include "app/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariantMap>

#include <algorithm>
#include <optional>

#include "generation/platform.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

namespace {

// Whether every file QSettings would read for the user is a regular file or not there. A FIFO
// (or a device) would make the first read wait for a writer that never comes, and the window
// would never open.
bool settingsFilesAreRegular()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString organization = Preferences::organizationName.toString();
    const QStringList files{folder + u'/' + organization + u'/' + Preferences::applicationName.toString() +
                                QStringLiteral(".conf"),
                            folder + u'/' + organization + QStringLiteral(".conf")};
    return std::ranges::all_of(files, [](const QString &file) {
        const QFileInfo info(file);
        return !info.exists() || info.isFile();
    });
}

// The user's settings file, or, when it is not a regular file, values kept for as long as the
// program runs: the preferences then work for the session and the file is never touched.
class Store
{
public:
    // Named explicitly rather than through the application's names, so that every reader and
    // writer finds the same file whoever set up the application object.
    Store()
    {
        if (settingsFilesAreRegular())
            m_settings.emplace(Preferences::organizationName.toString(), Preferences::applicationName.toString());
        else
            qWarning("The settings file is not a regular file; settings are kept only until Iconsmith quits.");
    }

    [[nodiscard]] bool contains(QStringView key) const
    {
        return m_settings ? m_settings->contains(key.toString()) : memory().contains(key.toString());
    }
    [[nodiscard]] QVariant value(QStringView key, const QVariant &fallback = {}) const
    {
        return m_settings ? m_settings->value(key.toString(), fallback) : memory().value(key.toString(), fallback);
    }
    void setValue(QStringView key, const QVariant &value)
    {
        if (m_settings)
            m_settings->setValue(key.toString(), value);
        else
            memory().insert(key.toString(), value);
    }
    void remove(QStringView key)
    {
        if (m_settings)
            m_settings->remove(key.toString());
        else
            memory().remove(key.toString());
    }

private:
    static QVariantMap &memory()
    {
        static QVariantMap values;
        return values;
    }

    std::optional<QSettings> m_settings;
};

} // namespace

std::optional<QString> Preferences::savePath()
{
    const Store settings;
    if (!settings.contains(savePathKey))
        return std::nullopt;
    return settings.value(savePathKey).toString();
}

void Preferences::setSavePath(const QString &path)
{
    Store settings;
    settings.setValue(savePathKey, path);
}

QString Preferences::defaultSavePath()
{
    return QDir::toNativeSeparators(QDir::homePath());
}

std::optional<RgbColor> Preferences::backgroundColor()
{
    // A hand-edited or damaged value reads as no background rather than as black.
    return RgbColor::fromText(Store().value(backgroundColorKey).toString());
}

void Preferences::setBackgroundColor(const std::optional<RgbColor> &color)
{
    Store settings;
    if (color)
        settings.setValue(backgroundColorKey, color->name());
    else
        settings.remove(backgroundColorKey);
}

std::optional<QString> Preferences::imageFolder()
{
    const Store settings;
    if (!settings.contains(imageFolderKey))
        return std::nullopt;
    return settings.value(imageFolderKey).toString();
}

void Preferences::setImageFolder(const QString &folder)
{
    Store settings;
    settings.setValue(imageFolderKey, folder);
}

QStringList Preferences::targets()
{
    const Store settings;
    if (!settings.contains(targetsKey)) {
        QStringList every;
        for (const TargetCatalog::Entry &entry : TargetCatalog::all())
            every << entry.name;
        return every;
    }
    return settings.value(targetsKey).toStringList();
}

void Preferences::setTargets(const QStringList &names)
{
    Store settings;
    settings.setValue(targetsKey, names);
}

std::optional<double> Preferences::androidInset()
{
    bool ok = false;
    const double percent = Store().value(androidInsetKey).toDouble(&ok);
    if (!ok || !(percent >= 0 && percent <= 45))
        return std::nullopt;
    return percent;
}

void Preferences::setAndroidInset(std::optional<double> percent)
{
    Store settings;
    if (percent)
        settings.setValue(androidInsetKey, *percent);
    else
        settings.remove(androidInsetKey);
}

std::optional<double> Preferences::padding()
{
    bool ok = false;
    const double percent = Store().value(paddingKey).toDouble(&ok);
    if (!ok || !(percent >= 0 && percent <= TargetOptions::maxPadding))
        return std::nullopt;
    return percent;
}

void Preferences::setPadding(std::optional<double> percent)
{
    Store settings;
    if (percent)
        settings.setValue(paddingKey, *percent);
    else
        settings.remove(paddingKey);
}

bool Preferences::macShape()
{
    return Store().value(macShapeKey, true).toBool();
}

void Preferences::setMacShape(bool shape)
{
    Store settings;
    settings.setValue(macShapeKey, shape);
}

std::optional<int> Preferences::platform()
{
    bool ok = false;
    const int choice = Store().value(platformKey).toInt(&ok);
    if (!ok || choice < 0 || choice > Platform::Targets)
        return std::nullopt;
    return choice;
}

void Preferences::setPlatform(int choice)
{
    Store settings;
    settings.setValue(platformKey, choice);
}

bool Preferences::fit()
{
    return Store().value(fitKey, true).toBool();
}

void Preferences::setFit(bool fit)
{
    Store settings;
    settings.setValue(fitKey, fit);
}

bool Preferences::zoomIn()
{
    return Store().value(zoomInKey, true).toBool();
}

void Preferences::setZoomIn(bool zoomIn)
{
    Store settings;
    settings.setValue(zoomInKey, zoomIn);
}

bool Preferences::rounded()
{
    return Store().value(roundedKey, false).toBool();
}

void Preferences::setRounded(bool rounded)
{
    Store settings;
    settings.setValue(roundedKey, rounded);
}

QByteArray Preferences::windowGeometry()
{
    return Store().value(windowGeometryKey).toByteArray();
}

void Preferences::setWindowGeometry(const QByteArray &geometry)
{
    Store settings;
    settings.setValue(windowGeometryKey, geometry);
}

} // namespace iconsmith
