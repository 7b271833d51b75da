#include "app/helpdialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>
#include <QtGlobal>

#include "app/alerts.h"
#include "codec/imagelibrary.h"

namespace iconsmith {

QString HelpDialogs::aboutText()
{
    return tr("<p><b>%1 %2</b></p>"
              "<p>Turns one image into the icon files an app project needs.</p>"
              "<p>Qt %3<br>libvips %4</p>")
        .arg(QGuiApplication::applicationDisplayName().toHtmlEscaped(),
             QCoreApplication::applicationVersion().toHtmlEscaped(), QString::fromLatin1(qVersion()),
             ImageLibrary::version().toHtmlEscaped());
}

void HelpDialogs::showAbout(QWidget *window)
{
    Alerts::information(window, QStringLiteral("aboutDialog"), aboutText());
}

QString HelpDialogs::readmePath()
{
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/doc/iconsmith/README.md"));
    if (QFileInfo(installed).isFile())
        return QDir::cleanPath(installed);
    QString sourceTree = QStringLiteral(ICONSMITH_SOURCE_DIR "/README.md");
    if (QFileInfo(sourceTree).isFile())
        return sourceTree;
    return {};
}

void HelpDialogs::openReadme(QWidget *window)
{
    const QString path = readmePath();
    if (path.isEmpty()) {
        Alerts::information(window, QStringLiteral("readmeMissing"), tr("The README is not installed."),
                            tr("It is installed with Iconsmith as share/doc/iconsmith/README.md."));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        Alerts::information(window, QStringLiteral("readmeNotOpened"),
                            tr("No program could be started to show the README."),
                            tr("It is at %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace iconsmith
