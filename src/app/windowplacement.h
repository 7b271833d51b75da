#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace iconsmith {

/**
 * Keeps a window where the user left it: restores its size and position from the preferences,
 * keeps it inside the screen's available area (a size remembered on a larger screen, or a
 * default size at a large scale factor, would overflow it), and stores them when it closes.
 */
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    /** Watches @p window (which it belongs to) and restores its remembered size and position. */
    explicit WindowPlacement(QWidget &window);

    /** @p frame moved and shrunk, as little as needed, to lie inside @p available. */
    static QRect fitted(const QRect &frame, const QRect &available);
    /** Fits the window, frame included, inside the available area of its screen. */
    void keepOnScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    bool m_shown = false;
    bool m_settling = false;
};

} // namespace iconsmith
