#include "pointer.h"

#include <QWidget>

namespace frame {

void WindowPointer::setMode(PointerMode mode) {
    mode_ = mode;
    refresh();
}

void WindowPointer::setCustomImage(const QCursor& cursor) {
    custom_ = cursor;
    refresh();
}

void WindowPointer::refresh() {
    QCursor cursor(Qt::ArrowCursor);
    if (mode_ == PointerMode::Hourglass)
        cursor = QCursor(Qt::WaitCursor);
    else if (mode_ == PointerMode::Custom && custom_)
        cursor = *custom_;
    // Controls such as the answer box bring their own cursor; the window's
    // mode covers them too.
    window_->setCursor(cursor);
    for (QWidget* child : window_->findChildren<QWidget*>()) child->setCursor(cursor);
}

}  // namespace frame
