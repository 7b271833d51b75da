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
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>

#include <exception>
#include <utility>

#include "app/preferences.h"
#include "codec/sourceimage.h"
#include "generation/generationlog.h"
#include "generation/platform.h"
#include "generation/sourcecheck.h"
#include "ui/colorswatchbutton.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"
#include "ui/warningline.h"

namespace iconsmith {

namespace {

constexpr qreal cornerRadiusShare = 0.125;

// The wait cursor for as long as the window cannot answer, taken down on every way out.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

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

RgbColor toRgbColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return {std::uint8_t(rgb.red()), std::uint8_t(rgb.green()), std::uint8_t(rgb.blue())};
}

} // namespace

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent), m_generator(*this), m_folderOpener(&AppDelegate::openInFileBrowser)
{}

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
    m_backgroundButton = window.backgroundButton();
    m_noBackgroundButton = window.noBackgroundButton();
    m_warningLine = window.warningLine();

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

    connect(window.openAction(), &QAction::triggered, this, &AppDelegate::openImage);
    connect(window.chooseFolderAction(), &QAction::triggered, this, &AppDelegate::selectSavePath);
    // Through the button, so that the keyboard shortcut shows the button being pressed.
    connect(window.generateAction(), &QAction::triggered, window.generateButton(), &QPushButton::animateClick);
    connect(window.closeAction(), &QAction::triggered, &window, &QWidget::close);
    connect(window.quitAction(), &QAction::triggered, qApp, &QApplication::closeAllWindows);

    // The warnings only describe what Generate would make, so they follow every change of it,
    // whether the user or the code made it.
    connect(m_BigIcon, &RedBorderImageView::imageChanged, this, &AppDelegate::showSourceWarnings);
    connect(m_platformSelection, &QComboBox::currentIndexChanged, this, &AppDelegate::showSourceWarnings);
    connect(m_roundedCheckButton, &QCheckBox::toggled, this, &AppDelegate::showSourceWarnings);
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_pathFiled)
        m_pathFiled->setText(Preferences::savePath().value_or(Preferences::defaultSavePath()));
    setBackgroundColor(Preferences::backgroundColor());
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

bool AppDelegate::openImageFile(const QString &path)
{
    return m_BigIcon && m_BigIcon->loadFile(path);
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
    if (m_folderOpener && QFileInfo(folder).isDir())
        m_folderOpener(folder);
}

void AppDelegate::logLine(const QString &line)
{
    qCInfo(lcGeneration).noquote() << line;
}

void AppDelegate::openInFileBrowser(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
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

bool AppDelegate::hasCompleteInput() const
{
    // An empty (or blank) folder field would make the generation write relative to wherever
    // the program happens to run, or at the root of the file system.
    return m_BigIcon && !m_BigIcon->image().isNull() && platformChoice() != -1 && !saveFolderText().trimmed().isEmpty();
}

void AppDelegate::Generate()
{
    if (!hasCompleteInput()) {
        showMissingInputAlert();
        return;
    }
    GenerationReport report;
    {
        const BusyCursor busy;
        report = runGeneration();
    }
    showResult(report);
    if (!report.succeeded())
        showFailureAlert(report);
}

GenerationReport AppDelegate::runGeneration()
{
    // The image is copied (it shares its bytes), so a drop while generating cannot pull it away.
    const SourceImage image = m_BigIcon->image();
    try {
        return m_generator.generate(image);
    } catch (const std::exception &error) {
        // The generator reports its own failures; this is only what escapes it, such as memory
        // running out. It must not leave through the event loop.
        GenerationReport report;
        report.folder = m_generator.appiconsetPathString();
        report.failures.append({report.folder, QString::fromLocal8Bit(error.what())});
        return report;
    }
}

void AppDelegate::showResult(const GenerationReport &report)
{
    if (!m_resultLabel)
        return;
    const auto files = report.distinctFiles();
    m_resultLabel->setText(
        tr("Wrote %n file(s) to %1.", nullptr, int(files.size())).arg(QDir::toNativeSeparators(report.folder)));
}

void AppDelegate::showMissingInputAlert()
{
    auto *alert = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), tr("Alert"),
                                  QMessageBox::Ok, m_window);
    alert->setObjectName(QStringLiteral("missingInputAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

void AppDelegate::showFailureAlert(const GenerationReport &report)
{
    const GenerationReport::Failure &first = report.failures.constFirst();
    const int count = int(report.failures.size());
    auto *alert =
        new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        tr("Not everything could be written to %1.").arg(QDir::toNativeSeparators(report.folder)),
                        QMessageBox::Ok, m_window);
    alert->setInformativeText(tr("%n file(s) failed. The first: %1 — %2", nullptr, count)
                                  .arg(QDir::toNativeSeparators(first.path), first.reason));
    alert->setObjectName(QStringLiteral("generationFailedAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
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
        for (const SourceWarning &warning : SourceCheck::check(facts, m_generator.outputPlan()))
            messages << warning.message;
    }
    m_warningLine->setWarnings(messages);
}

void AppDelegate::openImage()
{
    const QStringList pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    auto *dialog = new QFileDialog(m_window, tr("Open Image"), pictures.value(0, QDir::homePath()));
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

} // namespace iconsmith
