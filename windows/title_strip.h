#pragma once

#include <QWidget>

class QAbstractButton;

namespace windows {

// The title bar of a window on Wayland. Qt's own client-side title bar there
// always offers maximize and minimize, whatever the window allows, and
// maximizing a window of fixed size breaks the protocol and ends the program.
// So on Wayland the windows go without it and carry this strip instead: the
// icon, the caption, minimize where the window has it, close, and a drag to
// move. Nothing in it maximizes or resizes.
class TitleStrip final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 30;
    TitleStrip(QWidget* window, bool minimizeButton);

    QAbstractButton* minimizeButton() const { return minimize_; }
    QAbstractButton* closeButton() const { return close_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* minimize_ = nullptr;
    QAbstractButton* close_ = nullptr;
};

// On Wayland, turns off the platform's title bar of a window not yet shown and
// puts a strip above its layout: the controls move down by the strip's
// height and the window grows by as much. Elsewhere it does nothing.
void addTitleStripOnWayland(QWidget* window, bool minimizeButton);

// How far a window's layout lies below its top edge: the strip's height, or 0.
int layoutTop(const QWidget* window);

}  // namespace windows
