#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "generation/generationrequest.h"

class QAbstractButton;
class QCheckBox;

namespace iconsmith {

class MainWindow;
class RedBorderImageView;
class TargetsPanel;
class WarningLine;

/**
 * The rules of the form: which options each Make choice shows, the zoom boxes as a pair, the
 * rounded corners mirrored on the well, the well showing the picture as the icons will be, and
 * the warnings about the source under the well.
 */
class OptionRules : public QObject
{
    Q_OBJECT

public:
    /** What the window would ask for now; the warnings are about it. */
    using RequestSource = std::function<GenerationRequest()>;

    explicit OptionRules(QObject *parent = nullptr);

    /** Takes the form's controls as outlets and follows every change that the rules depend on. */
    void connectWindow(MainWindow &window, RequestSource request);

    /** Shows the option boxes that fit the Make choice and turns the rounded corners off. */
    void platformSelected();
    /** Makes the two zoom boxes a pair of radio buttons: @p sender ends up on, the other off. */
    void zoomCheck(QAbstractButton *sender);
    /** Mirrors the rounded-corner box onto the image well. */
    void roundedChecked();
    /** Says under the well what about the source will show in what Generate makes. */
    void showSourceWarnings();

private:
    void updateTargetsPanel();
    void updateWellShape();

    QPointer<MainWindow> m_window;
    QPointer<RedBorderImageView> m_well;
    QPointer<QCheckBox> m_rounded;
    QPointer<QCheckBox> m_zoomIn;
    QPointer<QCheckBox> m_zoomOut;
    QPointer<TargetsPanel> m_targetsPanel;
    QPointer<WarningLine> m_warningLine;
    RequestSource m_request;
};

} // namespace iconsmith
