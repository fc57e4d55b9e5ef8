#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace tonvexa {

// Moves a caption-less window when the user drags its background with the left button: the
// window system moves it where it can, elsewhere the window follows the pointer.
class WindowDragger {
public:
    explicit WindowDragger(QWidget* window) : window_(window) {}

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
