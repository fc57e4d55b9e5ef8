#include "ui/WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tonvexa {

bool WindowDragger::press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    event->accept();
    if (QWindow* handle = window_->windowHandle(); handle != nullptr && handle->startSystemMove()) {
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
