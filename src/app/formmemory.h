#pragma once

#include <QObject>
#include <QPointer>

namespace iconsmith {

class MainWindow;

/**
 * Remembers the form's choices as they are made and puts them back at start-up: what Make is
 * at, the save folder and the options of the classic sets. The background colour and the
 * targets are kept by the classes that choose them (Choosers, TargetsController).
 */
class FormMemory : public QObject
{
    Q_OBJECT

public:
    explicit FormMemory(QObject *parent = nullptr);

    /** Takes the window's controls as outlets and remembers each choice the user makes with them. */
    void connectWindow(MainWindow &window);
    /**
     * Puts the remembered choices back without running the controls' actions: the save folder
     * (the home folder when none is stored), Make (its first choice when none is stored) and the
     * options.
     */
    void restore();
    /** Remembers the save folder as the field holds it now, when it names one. */
    void rememberSaveFolder();

private:
    void rememberOptions();

    QPointer<MainWindow> m_window;
};

} // namespace iconsmith
