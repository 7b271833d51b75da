#include "app/appdelegate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>

#include <exception>
#include <utility>

#include "app/alerts.h"
#include "app/generationjob.h"
#include "app/helpdialogs.h"
#include "app/preferences.h"
#include "generation/existingset.h"
#include "generation/generationlog.h"
#include "generation/outputpaths.h"
#include "generation/platform.h"
#include "generation/sourcecheck.h"
#include "ui/colorswatchbutton.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"
#include "ui/resultspanel.h"
#include "ui/targetspanel.h"
#include "ui/warningline.h"

namespace iconsmith {

namespace {

constexpr qreal cornerRadiusShare = 0.125;

QString imageNameFilter()
{
    return AppDelegate::tr("Images (%1)")
        .arg(QStringLiteral("*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.heic *.heif *.avif *.svg *.pdf "
                            "*.bmp *.jxl *.jp2"));
}

QColor toQColor(const std::optional<RgbColor> &color)
{
    return color ? QColor(color->red, color->green, color->blue) : QColor();
}

// What the source is checked against for the targets: each has a 1024-pixel image, and none is
// stretched.
OutputPlan targetsCheckPlan()
{
    OutputPlan plan;
    plan.outputs.append({QStringLiteral("AppIcon"), QSize(1024, 1024)});
    plan.stretched = false;
    return plan;
}

RgbColor toRgbColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return {std::uint8_t(rgb.red()), std::uint8_t(rgb.green()), std::uint8_t(rgb.blue())};
}

} // namespace

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent), m_generator(*this), m_folderOpener(&AppDelegate::openInFileBrowser)
{}

AppDelegate::~AppDelegate()
{
    // The job's destructor cancels the run and waits for it; a cancelled run stops within a
    // row of its renders, so closing the window never waits for a whole generation.
    m_job.reset();
}

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
    m_backgroundButton = window.backgroundButton();
    m_noBackgroundButton = window.noBackgroundButton();
    m_warningLine = window.warningLine();
    m_progressBar = window.progressBar();
    m_cancelButton = window.cancelButton();
    m_generateButton = window.generateButton();
    m_resultsPanel = window.resultsPanel();
    m_targetsPanel = window.targetsPanel();
    m_targets.connectPanel(m_targetsPanel, &window, {imageNameFilter(), tr("All files (*)")});

    // activated and clicked come from the user only, so setting a control from code (as the
    // start-up does) never runs an action.
    connect(m_platformSelection, &QComboBox::activated, this, &AppDelegate::platformSelected);
    connect(m_roundedCheckButton, &QCheckBox::clicked, this, &AppDelegate::roundedChecked);
    connect(m_zoomInCheckButton, &QCheckBox::clicked, this, [this] { zoomCheck(m_zoomInCheckButton); });
    connect(m_zoomOutCheckButton, &QCheckBox::clicked, this, [this] { zoomCheck(m_zoomOutCheckButton); });
    connect(window.chooseButton(), &QPushButton::clicked, this, &AppDelegate::selectSavePath);
    connect(m_backgroundButton, &QToolButton::clicked, this, &AppDelegate::selectBackgroundColor);
    connect(m_noBackgroundButton, &QToolButton::clicked, this, &AppDelegate::removeBackgroundColor);
    connect(window.generateButton(), &QPushButton::clicked, this, &AppDelegate::Generate);
    connect(m_cancelButton, &QPushButton::clicked, this, &AppDelegate::cancelGeneration);
    connect(m_resultsPanel, &ResultsPanel::showFolderRequested, this, &AppDelegate::showInFiles);
    connect(m_resultsPanel, &ResultsPanel::closeRequested, m_resultsPanel, &QWidget::hide);
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
    connect(window.readmeAction(), &QAction::triggered, this, [this] { HelpDialogs::openReadme(m_window); });
    window.installEventFilter(this);

    // The warnings only describe what Generate would make, so they follow every change of it,
    // whether the user or the code made it.
    connect(m_BigIcon, &RedBorderImageView::imageChanged, this, &AppDelegate::showSourceWarnings);
    connect(m_platformSelection, &QComboBox::currentIndexChanged, this, &AppDelegate::showSourceWarnings);
    connect(m_platformSelection, &QComboBox::currentIndexChanged, this, &AppDelegate::updateWellShape);
    updateWellShape();
    // Shown with its item however it was chosen, so the panel never shows under a classic set.
    connect(m_platformSelection, &QComboBox::currentIndexChanged, this, &AppDelegate::updateTargetsPanel);
    connect(m_BigIcon, &RedBorderImageView::imageChanged, this,
            [this] { m_targets.sourceChanged(m_BigIcon ? m_BigIcon->image() : SourceImage()); });
    connect(m_roundedCheckButton, &QCheckBox::toggled, this, &AppDelegate::showSourceWarnings);
    connect(m_zoomInCheckButton, &QCheckBox::toggled, this, &AppDelegate::showSourceWarnings);
    // The result line speaks of the last Generate; once what it would make changes, it is old news.
    connect(m_BigIcon, &RedBorderImageView::imageChanged, this, &AppDelegate::clearResult);
    connect(m_platformSelection, &QComboBox::currentIndexChanged, this, &AppDelegate::clearResult);
    connect(m_pathFiled, &QLineEdit::textChanged, this, &AppDelegate::clearResult);
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_pathFiled)
        m_pathFiled->setText(Preferences::savePath().value_or(Preferences::defaultSavePath()));
    setBackgroundColor(Preferences::backgroundColor());
    m_targets.restore();
    if (m_platformSelection)
        m_platformSelection->setCurrentIndex(0);
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

QCheckBox *AppDelegate::zoomInCheckButton() const
{
    return m_zoomInCheckButton;
}

QCheckBox *AppDelegate::zoomOutCheckButton() const
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

void AppDelegate::setFolderOpener(FolderOpener opener)
{
    m_folderOpener = std::move(opener);
}

int AppDelegate::platformChoice() const
{
    return m_platformSelection ? m_platformSelection->currentIndex() : -1;
}

QString AppDelegate::saveFolderText() const
{
    return m_pathFiled ? m_pathFiled->text() : QString();
}

bool AppDelegate::isRoundedCornerOn() const
{
    return m_roundedCheckButton && m_roundedCheckButton->isChecked();
}

bool AppDelegate::isZoomInOn() const
{
    return m_zoomInCheckButton && m_zoomInCheckButton->isChecked();
}

double AppDelegate::backingScaleFactor() const
{
    return m_window ? m_window->devicePixelRatioF() : qApp->devicePixelRatio();
}

std::optional<RgbColor> AppDelegate::backgroundColor() const
{
    return m_backgroundColor;
}

void AppDelegate::showFolder(const QString &folder)
{
    // Only a folder that is there: the desktop opens any other path with its default program,
    // so a save "folder" that names a file (a script, a .desktop file) would be opened or run.
    if (!m_folderOpener || !QFileInfo(folder).isDir())
        return;
    if (!m_folderOpener(folder)) {
        m_folderNotShown = folder;
        if (m_resultsPanel)
            m_resultsPanel->setFolderNotShown(folder);
    }
}

void AppDelegate::showInFiles(const QString &folder)
{
    if (m_folderOpener && m_resultsPanel)
        m_resultsPanel->setFolderNotShown(m_folderOpener(folder) ? QString() : folder);
}

void AppDelegate::logLine(const QString &line)
{
    qCInfo(lcGeneration).noquote() << line;
}

bool AppDelegate::openInFileBrowser(const QString &folder)
{
    const QUrl url = QUrl::fromLocalFile(folder);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // What QDesktopServices does on a desktop without its own services, but with the opener's
    // chatter kept off standard error. Without xdg-open there is nothing to start, and the
    // user is told so.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    QProcess process;
    process.setProgram(opener);
    process.setArguments({QString::fromUtf8(url.toEncoded())});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
#else
    return QDesktopServices::openUrl(url);
#endif
}

void AppDelegate::platformSelected()
{
    const std::optional<Platform> platform = Platform::fromChoice(platformChoice());
    if (m_roundedCheckButton) {
        m_roundedCheckButton->setVisible(platform && platform->offersRoundedCorners());
        m_roundedCheckButton->setChecked(false);
    }
    if (m_BigIcon)
        m_BigIcon->setCornerRadius(0);
    const bool scaled = platform && platform->offersZoom();
    // Only shown or hidden: the zoom choice is kept across platform changes.
    if (m_zoomInCheckButton)
        m_zoomInCheckButton->setVisible(scaled);
    if (m_zoomOutCheckButton)
        m_zoomOutCheckButton->setVisible(scaled);
}

bool AppDelegate::isTargetsChoice() const
{
    return platformChoice() == MainWindow::targetsChoice;
}

void AppDelegate::updateTargetsPanel()
{
    if (!m_targetsPanel)
        return;
    const bool shown = isTargetsChoice();
    m_targetsPanel->setVisible(shown);
    // The classic options mean nothing to the targets; they come back with platformSelected().
    if (shown) {
        for (QWidget *option :
             {static_cast<QWidget *>(m_roundedCheckButton), static_cast<QWidget *>(m_zoomInCheckButton),
              static_cast<QWidget *>(m_zoomOutCheckButton)}) {
            if (option != nullptr)
                option->hide();
        }
    }
}

void AppDelegate::zoomCheck(QAbstractButton *sender)
{
    if (sender == nullptr)
        return;
    QAbstractButton *other = sender == m_zoomInCheckButton ? static_cast<QAbstractButton *>(m_zoomOutCheckButton)
                                                           : static_cast<QAbstractButton *>(m_zoomInCheckButton);
    if (other)
        other->setChecked(false);
    // A click on the box that is already on turned it off; it stays on.
    sender->setChecked(true);
}

void AppDelegate::roundedChecked()
{
    if (!m_roundedCheckButton || !m_BigIcon)
        return;
    const bool on = m_roundedCheckButton->isChecked();
    m_BigIcon->setRoundCorner(on);
    // Measured once, at the click; the radius does not follow later changes of the well's size.
    m_BigIcon->setCornerRadius(on ? m_BigIcon->width() * cornerRadiusShare : 0);
}

QStringList AppDelegate::missingInput() const
{
    QStringList missing;
    if (!m_BigIcon || m_BigIcon->image().isNull())
        missing << tr("There is no image in the well: drop one there, paste one, or choose File ▸ Open Image.");
    if (platformChoice() == -1)
        missing << tr("Nothing is chosen to make: choose it under Make.");
    if (isTargetsChoice())
        missing << m_targets.missingInput();
    // An empty (or blank) folder field would make the generation write relative to wherever
    // the program happens to run, or at the root of the file system.
    if (saveFolderText().trimmed().isEmpty())
        missing << tr("There is no save folder: type one or press Choose.");
    return missing;
}

void AppDelegate::Generate()
{
    if (m_job)
        return;
    // Pressed while the image is still being read: Generate goes ahead once it is.
    if (m_BigIcon && m_BigIcon->isLoading()) {
        m_generateWhenLoaded = true;
        if (m_resultLabel)
            m_resultLabel->setText(tr("Generate starts as soon as the image is read…"));
        return;
    }
    if (!missingInput().isEmpty()) {
        showMissingInputAlert();
        return;
    }
    // What the window shows now is what is made, whatever changes while the files are written.
    HostSnapshot host = HostSnapshot::of(*this);
    const SourceImage image = m_BigIcon->image();
    if (isTargetsChoice()) {
        generateTargets(image, host);
        return;
    }
    const IconGenerator planner(host);
    const OutputPlan plan = planner.outputPlan(image.size());
    const QList<SourceWarning> warnings = SourceCheck::check({image.size(), false, image.isVector()}, plan);
    if (SourceCheck::blocksGeneration(warnings)) {
        for (const SourceWarning &warning : warnings) {
            if (warning.kind == SourceWarning::Kind::TooLarge)
                Alerts::tooLarge(m_window, warning.message);
        }
        return;
    }

    const std::optional<Platform> platform = Platform::fromChoice(host.platformChoice());
    const bool iconSet = platform && !platform->isScaledImageSet();
    const int files = int(plan.outputs.size()) + (iconSet ? 1 : 0);
    const ExistingSet existing = ExistingSet::read(planner.appiconsetPathString());
    const ExistingSet::Conflict conflict =
        iconSet ? existing.conflictWith(ExistingSet::fileNames(plan)) : ExistingSet::Conflict();
    if (!conflict.any()) {
        startGeneration(image, host, false, files);
        return;
    }
    QMessageBox *question = Alerts::existingSet(m_window, existing.folder(), conflict);
    connect(question, &QDialog::finished, this, [this, question, image, host, files] {
        switch (Alerts::answer(*question)) {
        case Alerts::Answer::Replace:
            startGeneration(image, host, true, files);
            break;
        case Alerts::Answer::Keep:
            startGeneration(image, host, false, files);
            break;
        case Alerts::Answer::Cancel:
            break;
        }
    });
}

void AppDelegate::startGeneration(const SourceImage &image, const HostSnapshot &host, bool replace, int files)
{
    startJob(std::make_unique<GenerationJob>(image, host, replace), files);
}

void AppDelegate::generateTargets(const SourceImage &image, const HostSnapshot &host)
{
    const Result<TargetRequest> request =
        m_targets.request(image, OutputPaths::expandHome(host.saveFolderText()), host.backgroundColor());
    if (!request) {
        Alerts::targetInput(m_window, request.error());
        return;
    }
    // How many files the targets make is known only once the pictures are read, so the bar
    // shows that the run goes on rather than a count.
    startJob(std::make_unique<GenerationJob>(*request, host), 0);
}

void AppDelegate::startJob(std::unique_ptr<GenerationJob> job, int files)
{
    if (m_job)
        return;
    m_folderNotShown.clear();
    m_job = std::move(job);
    connect(m_job.get(), &GenerationJob::progressed, this, [this](int done) {
        if (m_progressBar)
            m_progressBar->setValue(std::min(done, m_progressBar->maximum()));
    });
    connect(m_job.get(), &GenerationJob::folderShown, this, &AppDelegate::showFolder);
    connect(m_job.get(), &GenerationJob::lineLogged, this, &AppDelegate::logLine);
    connect(m_job.get(), &GenerationJob::finished, this, &AppDelegate::generationFinished);
    setGenerating(true, files);
    m_job->start();
}

void AppDelegate::cancelGeneration()
{
    if (!m_job)
        return;
    m_job->cancel();
    if (m_cancelButton)
        m_cancelButton->setEnabled(false);
    if (m_resultLabel)
        m_resultLabel->setText(tr("Cancelling…"));
}

void AppDelegate::generationFinished()
{
    // Deleted later: this runs inside one of the job's own signals.
    GenerationJob *job = m_job.release();
    job->deleteLater();
    const GenerationJob::Outcome &outcome = job->outcome();
    if (outcome.iconSet && !outcome.report.cancelled) {
        m_contents = outcome.contents;
        m_images = outcome.images;
    }
    setGenerating(false);
    showResult(outcome.report);
    if (!outcome.report.cancelled && !outcome.report.failures.isEmpty())
        Alerts::failure(m_window, outcome.report);
}

void AppDelegate::setGenerating(bool generating, int files)
{
    if (m_progressBar) {
        // No count: a bar that shows the run is busy.
        m_progressBar->setRange(0, generating && files == 0 ? 0 : std::max(1, files));
        m_progressBar->setValue(0);
        m_progressBar->setVisible(generating);
    }
    if (m_cancelButton) {
        m_cancelButton->setEnabled(true);
        m_cancelButton->setVisible(generating);
        if (generating)
            m_cancelButton->setFocus();
    }
    if (generating && m_resultLabel)
        m_resultLabel->setText(tr("Writing the files…"));
    updateGenerateEnabled();
    if (!generating && m_generateButton && m_cancelButton && m_cancelButton->hasFocus())
        m_generateButton->setFocus();
}

void AppDelegate::updateGenerateEnabled()
{
    // One generation at a time.
    const bool enabled = !m_job;
    if (m_generateButton)
        m_generateButton->setEnabled(enabled);
    if (m_window)
        m_window->generateAction()->setEnabled(enabled);
}

void AppDelegate::showResult(const GenerationReport &report)
{
    const QString folder = QDir::toNativeSeparators(report.folder);
    const auto files = report.distinctFiles();
    QString summary;
    if (report.cancelled)
        summary = tr("Cancelled: nothing was written, and %1 is as it was.").arg(folder);
    else if (files.isEmpty())
        summary = tr("Nothing was written to %1.").arg(folder);
    else
        summary = tr("Wrote %n file(s) to %1.", nullptr, int(files.size())).arg(folder);
    if (m_resultLabel)
        m_resultLabel->setText(summary);
    if (report.cancelled || !m_resultsPanel || !m_window)
        return;
    m_resultsPanel->showReport(report, summary);
    m_resultsPanel->setFolderNotShown(m_folderNotShown);
    m_window->revealResultsPanel();
}

void AppDelegate::clearResult()
{
    if (m_resultLabel && !m_job)
        m_resultLabel->clear();
}

void AppDelegate::showMissingInputAlert()
{
    Alerts::missingInput(m_window, tr("Alert"), missingInput());
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the window (Ctrl+W, Ctrl+Q, the window manager) stops a running generation; the
    // window closes at once and the run throws its files away.
    // The event type first: while the window is being destroyed it still sends events, and
    // m_window must not be read as a MainWindow then.
    if (event->type() == QEvent::Close && m_job && watched == m_window)
        m_job->cancel();
    return QObject::eventFilter(watched, event);
}

void AppDelegate::selectSavePath()
{
    auto *dialog = new QFileDialog(m_window, tr("Choose a Save Folder"), QDir::homePath());
    dialog->setObjectName(QStringLiteral("savePathChooser"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    openSheet(dialog, &AppDelegate::savePathChosen);
}

void AppDelegate::savePathChosen(int result, const QString &folder)
{
    if (result != QDialog::Accepted || folder.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (m_pathFiled)
        m_pathFiled->setText(path);
    Preferences::setSavePath(path);
}

void AppDelegate::selectBackgroundColor()
{
    auto *dialog = new QColorDialog(m_backgroundColor ? toQColor(m_backgroundColor) : QColor(Qt::white), m_window);
    dialog->setObjectName(QStringLiteral("backgroundColorChooser"));
    dialog->setWindowTitle(tr("Background Colour"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // finished comes before the dialog is deleted, and selectedColor() is set by then.
    connect(dialog, &QDialog::finished, this,
            [this, dialog](int result) { backgroundColorChosen(result, dialog->selectedColor()); });
    dialog->open();
}

void AppDelegate::backgroundColorChosen(int result, const QColor &color)
{
    if (result != QDialog::Accepted || !color.isValid())
        return;
    const RgbColor chosen = toRgbColor(color);
    Preferences::setBackgroundColor(chosen);
    setBackgroundColor(chosen);
}

void AppDelegate::removeBackgroundColor()
{
    Preferences::setBackgroundColor(std::nullopt);
    setBackgroundColor(std::nullopt);
}

void AppDelegate::setBackgroundColor(const std::optional<RgbColor> &color)
{
    m_backgroundColor = color;
    if (m_noBackgroundButton) {
        // Hiding the focused button would drop the keyboard focus out of the row.
        if (!color && m_noBackgroundButton->hasFocus() && m_backgroundButton)
            m_backgroundButton->setFocus();
        m_noBackgroundButton->setVisible(color.has_value());
    }
    if (m_backgroundButton)
        m_backgroundButton->setColor(toQColor(color));
    if (m_BigIcon)
        m_BigIcon->setFillColor(toQColor(color));
    showSourceWarnings();
}

void AppDelegate::showSourceWarnings()
{
    if (!m_warningLine)
        return;
    QStringList messages;
    if (m_BigIcon && !m_BigIcon->image().isNull()) {
        const SourceImage &source = m_BigIcon->image();
        const SourceCheck::Facts facts{source.size(), m_BigIcon->hasTransparency(), source.isVector()};
        const OutputPlan plan = isTargetsChoice() ? targetsCheckPlan() : m_generator.outputPlan(source.size());
        for (const SourceWarning &warning : SourceCheck::check(facts, plan))
            messages << warning.message;
    }
    m_warningLine->setWarnings(messages);
}

void AppDelegate::openImage()
{
    const QStringList pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    QString folder = Preferences::imageFolder().value_or(QString());
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = pictures.value(0, QDir::homePath());
    auto *dialog = new QFileDialog(m_window, tr("Open Image"), folder);
    dialog->setObjectName(QStringLiteral("imageChooser"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({imageNameFilter(), tr("All files (*)")});
    openSheet(dialog, &AppDelegate::imageChosen);
}

void AppDelegate::imageChosen(int result, const QString &path)
{
    if (result == QDialog::Accepted && !path.isEmpty())
        openImageFile(path);
}

void AppDelegate::openSheet(QFileDialog *dialog, void (AppDelegate::*completion)(int, const QString &))
{
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // finished comes before the dialog is deleted, so its selection can still be read.
    connect(dialog, &QDialog::finished, this,
            [this, dialog, completion](int result) { (this->*completion)(result, dialog->selectedFiles().value(0)); });
    dialog->open();
}

void AppDelegate::wellLoaded()
{
    // File ▸ Open starts where the last image came from; pasted pictures live in the cache.
    if (!m_BigIcon || m_BigIcon->image().isNull())
        return;
    const QFileInfo origin(m_BigIcon->image().origin());
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (origin.isFile() && !origin.absolutePath().startsWith(cache))
        Preferences::setImageFolder(origin.absolutePath());
}

void AppDelegate::updateWellShape()
{
    // The icons of an icon set are squares whatever the image; the well shows the picture as
    // they will be. The scaled image set keeps the image's proportions.
    const std::optional<Platform> platform = Platform::fromChoice(platformChoice());
    if (m_BigIcon)
        m_BigIcon->setStretchToSquare(platform && !platform->passes().isEmpty());
}

} // namespace iconsmith
