#include "app/choosers.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QToolButton>

#include "app/preferences.h"
#include "ui/colorswatchbutton.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"

namespace iconsmith {

namespace {

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

Choosers::Choosers(QObject *parent) : QObject(parent) {}

void Choosers::connectWindow(MainWindow &window, const QStringList &imageFilters)
{
    m_window = &window;
    m_pathField = window.pathFiled();
    m_well = window.BigIcon();
    m_backgroundButton = window.backgroundButton();
    m_noBackgroundButton = window.noBackgroundButton();
    m_imageFilters = imageFilters;
}

void Choosers::selectSavePath()
{
    auto *dialog = new QFileDialog(m_window, tr("Choose a Save Folder"), QDir::homePath());
    dialog->setObjectName(QStringLiteral("savePathChooser"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    openSheet(dialog, &Choosers::savePathChosen);
}

void Choosers::savePathChosen(int result, const QString &folder)
{
    if (result != QDialog::Accepted || folder.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (m_pathField)
        m_pathField->setText(path);
    Preferences::setSavePath(path);
}

void Choosers::openImage()
{
    QString folder = Preferences::imageFolder().value_or(QString());
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0, QDir::homePath());
    auto *dialog = new QFileDialog(m_window, tr("Open Image"), folder);
    dialog->setObjectName(QStringLiteral("imageChooser"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(m_imageFilters);
    openSheet(dialog, &Choosers::imageChosen);
}

void Choosers::imageChosen(int result, const QString &path)
{
    if (result == QDialog::Accepted && !path.isEmpty() && m_well)
        m_well->open(path);
}

void Choosers::selectBackgroundColor()
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

void Choosers::backgroundColorChosen(int result, const QColor &color)
{
    if (result != QDialog::Accepted || !color.isValid())
        return;
    const RgbColor chosen = toRgbColor(color);
    Preferences::setBackgroundColor(chosen);
    setBackgroundColor(chosen);
}

void Choosers::removeBackgroundColor()
{
    Preferences::setBackgroundColor(std::nullopt);
    setBackgroundColor(std::nullopt);
}

void Choosers::setBackgroundColor(const std::optional<RgbColor> &color)
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
    if (m_well)
        m_well->setFillColor(toQColor(color));
    Q_EMIT backgroundColorChanged();
}

QString Choosers::absoluteSaveFolder(const QString &text)
{
    if (text.trimmed().isEmpty() || text.startsWith(u'~') || !QDir::isRelativePath(text))
        return text;
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::home().filePath(text)));
}

void Choosers::openSheet(QFileDialog *dialog, void (Choosers::*completion)(int, const QString &))
{
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // finished comes before the dialog is deleted, so its selection can still be read.
    connect(dialog, &QDialog::finished, this,
            [this, dialog, completion](int result) { (this->*completion)(result, dialog->selectedFiles().value(0)); });
    dialog->open();
}

} // namespace iconsmith
