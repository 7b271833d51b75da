#include "app/formmemory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/preferences.h"
#include "ui/mainwindow.h"

namespace iconsmith {

FormMemory::FormMemory(QObject *parent) : QObject(parent) {}

void FormMemory::connectWindow(MainWindow &window)
{
    m_window = &window;
    // What the user does, not what the start-up sets: activated, clicked and editingFinished.
    connect(window.platformSelection(), &QComboBox::activated, this, [this] {
        if (const std::optional<Platform> platform = m_window->platform())
            Preferences::setPlatform(platform->choice());
    });
    connect(window.pathFiled(), &QLineEdit::editingFinished, this, &FormMemory::rememberSaveFolder);
    for (QAbstractButton *option : std::initializer_list<QAbstractButton *>{
             window.roundedCheckButton(), window.fitRadioButton(), window.stretchRadioButton(),
             window.zoomInCheckButton(), window.zoomOutCheckButton()})
        connect(option, &QAbstractButton::clicked, this, &FormMemory::rememberOptions);
}

void FormMemory::restore()
{
    if (!m_window)
        return;
    m_window->pathFiled()->setText(Preferences::savePath().value_or(Preferences::defaultSavePath()));
    const std::optional<int> choice = Preferences::platform();
    const std::optional<Platform> platform =
        choice == Platform::Targets ? std::optional(Platform::targets()) : Platform::fromChoice(choice.value_or(0));
    m_window->selectPlatform(platform.value_or(*Platform::fromChoice(0)));
    m_window->roundedCheckButton()->setChecked(Preferences::rounded());
    (Preferences::fit() ? m_window->fitRadioButton() : m_window->stretchRadioButton())->setChecked(true);
    (Preferences::zoomIn() ? m_window->zoomInCheckButton() : m_window->zoomOutCheckButton())->setChecked(true);
}

void FormMemory::rememberSaveFolder()
{
    if (m_window && !m_window->pathFiled()->text().trimmed().isEmpty())
        Preferences::setSavePath(m_window->pathFiled()->text());
}

void FormMemory::rememberOptions()
{
    if (!m_window)
        return;
    Preferences::setRounded(m_window->roundedCheckButton()->isChecked());
    Preferences::setFit(m_window->fitRadioButton()->isChecked());
    Preferences::setZoomIn(m_window->zoomInCheckButton()->isChecked());
}

} // namespace iconsmith
