#include "preferences.h"

#include <QDir>
#include <QSettings>

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

} // namespace iconsmith
