#include "app/appdelegate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QToolButton>

#include <utility>

#include "app/alerts.h"
#include "app/helpdialogs.h"
#include "app/preferences.h"
#include "generation/generationlog.h"
#include "ui/colorswatchbutton.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"
#include "ui/targetspanel.h"

namespace iconsmith {

namespace {

QStringList imageNameFilters()
{
    return {AppDelegate::tr("Images (%1)")
                .arg(QStringLiteral("*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.heic *.heif *.avif *.svg *.pdf "
                                    "*.bmp *.jxl *.jp2")),
            AppDelegate::tr("All files (*)")};
}

} // namespace

AppDelegate::AppDelegate(QObject *parent) : QObject(parent) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::connectOutlets(MainWindow &window)
{
    m_window = &window;
    m_platformSelection = window.platformSelection();
    m_BigIcon = window.BigIcon();
    m_pathFiled = window.pathFiled();
    m_roundedCheckButton = window.roundedCheckButton();
    m_zoomInCheckButton = window.zoomInCheckButton();
    m_zoomOutCheckButton = window.zoomOutCheckButton();
    m_resultLabel = window.resultLabel();

    m_rules.connectWindow(window, [this] { return request(); });
    m_choosers.connectWindow(window, imageNameFilters());
    m_targets.connectPanel(window.targetsPanel(), &window, imageNameFilters());
    m_flow.connectWindow(window);
    m_project.connectWindow(window, [this] { return request(); });
    connect(window.targetsPanel(), &TargetsPanel::choicesEdited, &m_project, &ProjectFlow::refreshPlan);
    m_memory.connectWindow(window);
    connect(&m_flow, &GenerationFlow::finished, this, &AppDelegate::generationFinished);
    connect(&m_flow, &GenerationFlow::chooseFolderRequested, this, &AppDelegate::selectSavePath);
    connect(&m_choosers, &Choosers::backgroundColorChanged, &m_rules, &OptionRules::showSourceWarnings);

    connect(window.chooseButton(), &QPushButton::clicked, this, &AppDelegate::selectSavePath);
    connect(window.backgroundButton(), &QToolButton::clicked, this, &AppDelegate::selectBackgroundColor);
    connect(window.noBackgroundButton(), &QToolButton::clicked, this, &AppDelegate::removeBackgroundColor);
    connect(window.generateButton(), &QPushButton::clicked, this, &AppDelegate::Generate);
    connect(m_BigIcon, &RedBorderImageView::chooseRequested, this, &AppDelegate::openImage);
    connect(m_BigIcon, &RedBorderImageView::loadingChanged, this, [this](bool loading) {
        if (!loading && std::exchange(m_generateWhenLoaded, false))
            Generate();
    });
    connect(m_BigIcon, &RedBorderImageView::imageChanged, this, &AppDelegate::wellLoaded);

    connect(window.openAction(), &QAction::triggered, this, &AppDelegate::openImage);
    connect(window.chooseFolderAction(), &QAction::triggered, this, &AppDelegate::selectSavePath);
    // Through the button, so that the keyboard shortcut shows the button being pressed.
    connect(window.generateAction(), &QAction::triggered, window.generateButton(), &QPushButton::animateClick);
    connect(window.closeAction(), &QAction::triggered, &window, &QWidget::close);
    // Closing the window cancels a running generation (see eventFilter()), so quitting does too.
    connect(window.quitAction(), &QAction::triggered, qApp, &QApplication::closeAllWindows);
    connect(window.pasteAction(), &QAction::triggered, m_BigIcon, &RedBorderImageView::paste);
    connect(window.aboutAction(), &QAction::triggered, this, [this] { HelpDialogs::showAbout(m_window); });
    connect(window.readmeAction(), &QAction::triggered, this,
            [this] { HelpDialogs::openReadme(m_window, m_readmeOpener); });
    connect(&m_readmeOpener, &DesktopOpener::failed, this, [this](const QString &path, const QString &reason) {
        HelpDialogs::readmeNotOpened(m_window, path, reason);
    });
    window.installEventFilter(this);
}

void AppDelegate::applicationDidFinishLaunching()
{
    m_memory.restore();
    m_choosers.setBackgroundColor(Preferences::backgroundColor());
    m_targets.restore();
}

QComboBox *AppDelegate::platformSelection() const
{
    return m_platformSelection;
}

RedBorderImageView *AppDelegate::BigIcon() const
{
    return m_BigIcon;
}

QLineEdit *AppDelegate::pathFiled() const
{
    return m_pathFiled;
}

QCheckBox *AppDelegate::roundedCheckButton() const
{
    return m_roundedCheckButton;
}

QRadioButton *AppDelegate::zoomInCheckButton() const
{
    return m_zoomInCheckButton;
}

QRadioButton *AppDelegate::zoomOutCheckButton() const
{
    return m_zoomOutCheckButton;
}

QMainWindow *AppDelegate::window() const
{
    return m_window;
}

void AppDelegate::openImageFile(const QString &path)
{
    if (m_BigIcon)
        m_BigIcon->open(path);
}

GenerationRequest AppDelegate::request() const
{
    GenerationRequest request;
    if (m_BigIcon)
        request.source = m_BigIcon->image();
    request.platform = m_window ? m_window->platform() : std::nullopt;
    request.saveFolder = m_pathFiled ? Choosers::absoluteSaveFolder(m_pathFiled->text()) : QString();
    // An option that does not apply to the choice (shown disabled) does not reach the files.
    request.rounded = m_roundedCheckButton && m_roundedCheckButton->isChecked() && m_roundedCheckButton->isEnabled();
    request.fit = m_window && m_window->fitRadioButton()->isChecked();
    request.zoomIn = m_zoomInCheckButton && m_zoomInCheckButton->isChecked();
    request.scaleFactor = m_window ? m_window->devicePixelRatioF() : qApp->devicePixelRatio();
    request.background = m_choosers.backgroundColor();
    if (request.platform && request.platform->isTargets())
        m_targets.fillRequest(request);
    return request;
}

void AppDelegate::showFolder(const QString &folder)
{
    m_flow.showFolder(folder);
}

void AppDelegate::logLine(const QString &line)
{
    qCInfo(lcGeneration).noquote() << line;
}

QStringList AppDelegate::missingInput() const
{
    QStringList missing;
    const GenerationRequest asked = request();
    if (asked.source.isNull() && !OptionRules::needsNoImage(asked.platform))
        missing << tr("There is no image in the well: drop one there, paste one, or choose File ▸ Open Image.");
    if (!asked.platform)
        missing << tr("Nothing is chosen to make: choose it under Make.");
    else if (asked.platform->isTargets())
        missing << m_targets.missingInput();
    // An empty (or blank) folder field would make the generation write relative to wherever
    // the program happens to run, or at the root of the file system.
    if (asked.saveFolder.trimmed().isEmpty())
        missing << tr("There is no save folder: type one or press Choose.");
    return missing;
}

void AppDelegate::Generate()
{
    if (m_flow.isBusy() || m_project.isBusy())
        return;
    // Pressed while the image is still being read: Generate goes ahead once it is.
    if (m_BigIcon && m_BigIcon->isLoading()) {
        m_generateWhenLoaded = true;
        if (m_resultLabel)
            m_resultLabel->setText(tr("Generate starts as soon as the image is read…"));
        return;
    }
    if (m_project.isActive()) {
        // The project says which files are made and where.
        if (request().source.isNull())
            Alerts::missingInput(m_window, tr("Alert"),
                                 {tr("There is no image in the well: drop one there, paste one, or choose File ▸ "
                                     "Open Image.")});
        else
            m_project.start(request());
        return;
    }
    if (const QStringList missing = missingInput(); !missing.isEmpty()) {
        Alerts::missingInput(m_window, tr("Alert"), missing);
        return;
    }
    // The field shows the folder that is written to, and it is remembered as it stands.
    if (m_pathFiled && m_pathFiled->text() != Choosers::absoluteSaveFolder(m_pathFiled->text()))
        m_pathFiled->setText(Choosers::absoluteSaveFolder(m_pathFiled->text()));
    m_memory.rememberSaveFolder();
    // What the window shows now is what is made, whatever changes while the files are written.
    m_flow.start(request());
}

void AppDelegate::generationFinished(const GenerationReport &report)
{
    if (report.catalog && !report.cancelled)
        m_contents = *report.catalog;
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the window (Ctrl+W, Ctrl+Q, the window manager) stops a running generation; the
    // window closes at once and the run throws its files away.
    // The event type first: while the window is being destroyed it still sends events, and
    // m_window must not be read as a MainWindow then.
    if (event->type() == QEvent::Close && watched == m_window)
        m_flow.cancel();
    return QObject::eventFilter(watched, event);
}

void AppDelegate::wellLoaded()
{
    if (!m_BigIcon)
        return;
    m_targets.sourceChanged(m_BigIcon->image());
    m_project.refreshPlan();
    // File ▸ Open starts where the last image came from; pasted pictures live in the cache.
    if (m_BigIcon->image().isNull())
        return;
    const QFileInfo origin(m_BigIcon->image().origin());
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (origin.isFile() && !origin.absolutePath().startsWith(cache))
        Preferences::setImageFolder(origin.absolutePath());
}

} // namespace iconsmith
