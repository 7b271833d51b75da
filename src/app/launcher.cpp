#include "app/launcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/preferences.h"
#include "app/windowplacement.h"
#include "codec/sourceimage.h"
#include "imaging/bitmap.h"
#include "ui/mainwindow.h"

namespace iconsmith {

namespace {

// Loads the translation for the user's language, falling back to the English table, which
// holds the texts that the code only names by a key.
void installTranslator(QApplication &application, const QString &name, const QString &folder, bool englishFallback)
{
    auto *translator = new QTranslator(&application);
    const bool loaded = translator->load(QLocale(), name, QStringLiteral("_"), folder) ||
                        (englishFallback && translator->load(name + QStringLiteral("_en"), folder));
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Qt's image plugins do not read SVG; the generation's own loader does, at any size.
QIcon applicationIcon()
{
    QFile file(QStringLiteral(":/icons/iconsmith.svg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const Result<SourceImage> svg = SourceImage::fromData(file.readAll(), file.fileName());
    if (!svg)
        return {};
    QIcon icon;
    for (const int edge : {16, 24, 32, 48, 64, 128, 256}) {
        const Result<SourceImage::Preview> preview = svg->preview(edge);
        if (!preview || preview->bitmap.isNull() || !preview->bitmap.hasAlpha())
            continue;
        const Bitmap &bitmap = preview->bitmap;
        const QImage image(bitmap.row(0), bitmap.width(), bitmap.height(), qsizetype(bitmap.bytesPerRow()),
                           QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

} // namespace

void Launcher::configure(QApplication &application)
{
    QCoreApplication::setOrganizationName(Preferences::organizationName.toString());
    QCoreApplication::setApplicationName(Preferences::applicationName.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(ICONSMITH_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Iconsmith"));
    QGuiApplication::setDesktopFileName(QStringLiteral("iconsmith"));
    QGuiApplication::setWindowIcon(applicationIcon());
    // Closing the one window ends the application.
    QGuiApplication::setQuitOnLastWindowClosed(true);

    installTranslator(application, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), false);
    installTranslator(application, QStringLiteral("iconsmith"), QStringLiteral(":/i18n"), true);
}

Launcher::Launcher() : m_window(std::make_unique<MainWindow>())
{
    m_delegate.connectOutlets(*m_window);
    new WindowPlacement(*m_window);
}

Launcher::~Launcher() = default;

void Launcher::launch(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Turns one image into the icon files an app project needs."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("image"), tr("The image to show in the well."),
                                 QStringLiteral("[image]"));
    // Read by main() before the window exists (see Diagnostics); listed here for --help.
    parser.addOption(QCommandLineOption(QStringLiteral("verbose"),
                                        tr("Write diagnostic lines to standard error (as ICONSMITH_VERBOSE=1 does).")));
    parser.process(arguments);

    m_window->show();
    m_delegate.applicationDidFinishLaunching();
    // Several files (from "Open with") work like a drop of several files: the last one counts.
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        m_delegate.openImageFile(files.constLast());
}

} // namespace iconsmith
