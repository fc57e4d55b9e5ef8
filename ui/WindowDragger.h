#pragma once

#include <QPoint>

#include <functional>

class QMouseEvent;
class QWidget;
class QWindow;

namespace tonvexa {

// Moves a caption-less window when the user drags its background with the left button: the
// window system moves it where it can, elsewhere the window follows the pointer.
class WindowDragger {
public:
    explicit WindowDragger(QWidget* window) : window_(window) {}

    // How the window system is asked to move a window; true when it took the move.
    using SystemMove = std::function<bool(QWindow& window)>;
    // Tests watch the request through this; the default asks QWindow::startSystemMove.
    static void setSystemMove(SystemMove move);

    // Each returns true when it took the event.
    bool press(QMouseEvent* event);
    bool move(QMouseEvent* event);
    bool release(QMouseEvent* event);

private:
    QWidget* window_;
    QPoint offset_;  // the window's corner relative to the pointer
    bool dragging_ = false;
};

}  // namespace tonvexa
