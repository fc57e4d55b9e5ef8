#include "WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tonvexa {

namespace {

WindowDragger::SystemMove& systemMove() {
    static WindowDragger::SystemMove move = [](QWindow& window) { return window.startSystemMove(); };
    return move;
}

}  // namespace

void WindowDragger::setSystemMove(SystemMove move) {
    systemMove() = move ? std::move(move) : [](QWindow& window) { return window.startSystemMove(); };
}

bool WindowDragger::press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    event->accept();
    // Where the window system moves windows itself (Wayland, X11 with a window manager), it
    // does so; a client cannot even place its own window on Wayland.
    if (QWindow* handle = window_->windowHandle(); handle != nullptr && systemMove()(*handle)) {
        return true;
    }
    dragging_ = true;
    offset_ = window_->pos() - event->globalPosition().toPoint();
    return true;
}

bool WindowDragger::move(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return false;
    window_->move(event->globalPosition().toPoint() + offset_);
    event->accept();
    return true;
}

bool WindowDragger::release(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return false;
    dragging_ = false;
    return true;
}

}  // namespace tonvexa
