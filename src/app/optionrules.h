#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "generation/generationrequest.h"

class QAbstractButton;
class QCheckBox;
class QRadioButton;
class QWidget;

namespace iconsmith {

class MainWindow;
class RedBorderImageView;
class TargetsPanel;
class WarningLine;

/**
 * The rules of the form: which options each Make choice offers, the well showing the picture as
 * the icons will be, and the lines under the well about what will show in them.
 *
 * The classic options stay in place for every classic choice, each enabled where it applies
 * and keeping its state: rounded corners for everything that draws images, fit or stretch for
 * the icon sets, the zoom pair for the scaled image set; an empty catalog draws nothing and
 * needs no image. At the targets the targets panel takes their place.
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

    /** Offers the options that fit the Make choice; their states are kept. */
    void platformSelected();
    /** Makes the two zoom buttons a pair: @p sender ends up on, the other off. */
    void zoomCheck(QAbstractButton *sender);
    /** Mirrors the rounded-corner box onto the image well. */
    void roundedChecked();
    /** Says under the well what about the source will show in what Generate makes. */
    void showSourceWarnings();

    /** Whether what Make is at draws no image (an empty catalog), so that Generate needs none. */
    [[nodiscard]] static bool needsNoImage(const std::optional<Platform> &platform);

private:
    void updateOptions();
    void updateWellShape();

    QPointer<MainWindow> m_window;
    QPointer<RedBorderImageView> m_well;
    QPointer<QCheckBox> m_rounded;
    QPointer<QRadioButton> m_fit;
    QPointer<QRadioButton> m_stretch;
    QPointer<QRadioButton> m_zoomIn;
    QPointer<QRadioButton> m_zoomOut;
    QPointer<QWidget> m_classicOptions;
    QPointer<TargetsPanel> m_targetsPanel;
    QPointer<WarningLine> m_warningLine;
    RequestSource m_request;
};

} // namespace iconsmith
