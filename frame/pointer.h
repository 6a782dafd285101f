#pragma once

#include <QCursor>
#include <optional>

class QWidget;

namespace frame {

enum class PointerMode { Default = 0, Hourglass = 11, Custom = 99 };

// One pointer mode per window, shown over the window and every control in it.
// In custom mode the window shows its custom image, or the arrow without one.
class WindowPointer {
public:
    explicit WindowPointer(QWidget* window) : window_(window) {}

    PointerMode mode() const { return mode_; }
    void setMode(PointerMode mode);
    void setCustomImage(const QCursor& cursor);
    bool hasCustomImage() const { return custom_.has_value(); }

    // What every pointer-move handler does: switch, unless the hourglass shows.
    void moveOver(PointerMode target) {
        if (mode_ != PointerMode::Hourglass) setMode(target);
    }

    // Applies the mode again, e.g. to controls created after it was set.
    void refresh();

private:
    QWidget* window_;
    PointerMode mode_ = PointerMode::Default;
    std::optional<QCursor> custom_;
};

}  // namespace frame
