#include "app/helpdialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QtGlobal>

#include "app/alerts.h"
#include "app/desktopopener.h"
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

void HelpDialogs::openReadme(QWidget *window, DesktopOpener &opener)
{
    const QString path = readmePath();
    if (path.isEmpty()) {
        Alerts::information(window, QStringLiteral("readmeMissing"), tr("The README is not installed."),
                            tr("It is installed with Iconsmith as share/doc/iconsmith/README.md."));
        return;
    }
    opener.open(path);
}

void HelpDialogs::readmeNotOpened(QWidget *window, const QString &path, const QString &reason)
{
    Alerts::notOpened(window, tr("No program could show the README."), path, reason);
}

} // namespace iconsmith
