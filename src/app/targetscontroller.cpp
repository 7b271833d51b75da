#include "app/targetscontroller.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

#include "app/preferences.h"
#include "generation/runplan.h"
#include "ui/splashpanel.h"
#include "ui/targetspanel.h"

namespace iconsmith {

TargetsController::TargetsController(QObject *parent) : QObject(parent) {}

void TargetsController::connectPanel(TargetsPanel *panel, QWidget *window, const QStringList &nameFilters)
{
    m_panel = panel;
    m_window = window;
    m_nameFilters = nameFilters;
    if (!m_panel)
        return;
    connect(m_panel, &TargetsPanel::chooseRequested, this, &TargetsController::choosePicture);
    connect(m_panel, &TargetsPanel::choicesEdited, this, &TargetsController::remember);
}

void TargetsController::restore()
{
    if (!m_panel)
        return;
    // Set from code, so nothing is written back while the stored values are read.
    const QSignalBlocker blocker(m_panel);
    m_panel->setTargets(Preferences::targets());
    m_panel->setAndroidInset(Preferences::androidInset());
    m_panel->setPadding(Preferences::padding());
    m_panel->setMacShape(Preferences::macShape());
}

void TargetsController::sourceChanged(const SourceImage &source)
{
    if (!m_panel)
        return;
    GenerationRequest request;
    request.source = source;
    m_panel->setDefaultName(source.isNull() ? QString() : RunPlan::fileNameFor(request));
}

QStringList TargetsController::missingInput() const
{
    if (m_panel && m_panel->targets().isEmpty())
        return {tr("No target is ticked: tick at least one under Targets.")};
    if (m_panel && m_panel->targets().contains(QStringLiteral("splash"))) {
        if (const QString problem = m_panel->splashPanel()->colourProblem(); !problem.isEmpty())
            return {problem};
    }
    return {};
}

void TargetsController::fillRequest(GenerationRequest &request) const
{
    if (!m_panel)
        return;
    request.targets = m_panel->targets();
    request.pictures = m_panel->pictures();
    request.macShape = m_panel->macShape();
    request.androidInset = m_panel->androidInset();
    request.padding = m_panel->padding();
    request.name = m_panel->nameText();
    request.splashBackground = m_panel->splashPanel()->background();
    request.splashDarkBackground = m_panel->splashPanel()->darkBackground();
}

void TargetsController::choosePicture(SourceRole role)
{
    QString folder = Preferences::imageFolder().value_or(QString());
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0, QDir::homePath());
    auto *dialog = new QFileDialog(m_window, tr("Choose the %1 Picture").arg(TargetsPanel::pictureName(role)), folder);
    dialog->setObjectName(QStringLiteral("pictureChooser"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(m_nameFilters);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // finished comes before the dialog is deleted, so its selection can still be read.
    connect(dialog, &QDialog::finished, this,
            [this, dialog, role](int result) { pictureChosen(role, result, dialog->selectedFiles().value(0)); });
    dialog->open();
}

void TargetsController::pictureChosen(SourceRole role, int result, const QString &path)
{
    if (result != QDialog::Accepted || path.isEmpty() || !m_panel)
        return;
    if (QLineEdit *field = m_panel->pictureField(role)) {
        field->setText(QDir::toNativeSeparators(path));
        field->setFocus();
    }
}

void TargetsController::remember() const
{
    if (!m_panel)
        return;
    Preferences::setTargets(m_panel->targets());
    Preferences::setAndroidInset(m_panel->androidInset());
    Preferences::setPadding(m_panel->padding());
    Preferences::setMacShape(m_panel->macShape());
}

} // namespace iconsmith
