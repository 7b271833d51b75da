#include "app/windowplacement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "app/preferences.h"

namespace iconsmith {

WindowPlacement::WindowPlacement(QWidget &window) : QObject(&window), m_window(window)
{
    if (const QByteArray geometry = Preferences::windowGeometry(); !geometry.isEmpty())
        m_window.restoreGeometry(geometry);
    // Before it is shown the frame is not known; the client area is fitted now, the whole
    // window once it is on screen.
    if (const QScreen *screen = m_window.screen(); screen != nullptr) {
        const QRect fittedArea = fitted(m_window.geometry(), screen->availableGeometry());
        m_window.resize(fittedArea.size().expandedTo(m_window.minimumSizeHint()).boundedTo(fittedArea.size()));
    }
    m_window.installEventFilter(this);
}

QRect WindowPlacement::fitted(const QRect &frame, const QRect &available)
{
    if (available.isEmpty())
        return frame;
    QRect result(frame.topLeft(), frame.size().boundedTo(available.size()));
    result.moveLeft(std::clamp(result.left(), available.left(), available.right() - result.width() + 1));
    result.moveTop(std::clamp(result.top(), available.top(), available.bottom() - result.height() + 1));
    return result;
}

void WindowPlacement::keepOnScreen()
{
    const QScreen *screen = m_window.screen();
    if (screen == nullptr || m_window.isMaximized() || m_window.isFullScreen())
        return;
    const QRect frame = m_window.frameGeometry();
    // Once the window manager's frame is known, the window has settled where it will stay.
    if (frame != m_window.geometry())
        m_settling = false;
    const QRect target = fitted(frame, screen->availableGeometry());
    if (target == frame)
        return;
    // The frame's own margins stay as they are; only the client area shrinks.
    const QSize margins = frame.size() - m_window.size();
    m_window.resize(target.size() - margins);
    m_window.move(target.topLeft());
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            m_settling = true;
            QTimer::singleShot(0, this, &WindowPlacement::keepOnScreen);
        } else if (m_settling && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            // The window manager frames and places a new window after it is shown; each step
            // arrives as a move or a resize.
            QTimer::singleShot(0, this, &WindowPlacement::keepOnScreen);
        } else if (event->type() == QEvent::Close) {
            Preferences::setWindowGeometry(m_window.saveGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace iconsmith
