#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QImage>
#include <QProgressBar>
#include <QStyle>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "engine/quiz.h"

class QKeyEvent;
class QStyleOptionProgressBar;

namespace windows {

// The quiz rules speak UTF-8.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// A marked text of the game (engine/texts.h) in the player's language, the
// numbers in place of its %1, %2 or its %n, in plain ASCII digits. Without a
// catalogue for the language it is the English source.
QString gameText(const char* source, std::initializer_list<long long> numbers = {});

// Positions and sizes of the window layouts are in twips; 15 twips make one
// logical pixel, and Qt's high-DPI scaling takes it from there.
inline int twips(int t) { return (t + 7) / 15; }

// Where a rectangle of a window's layout, in twips, stands on the window, in
// pixels. A window laid out right to left (Arabic, Hebrew) shows the mirror
// image of its layout: Qt mirrors what it lays out itself, never a fixed
// geometry, so every fixed place is mirrored here. Arithmetic is written left
// to right in those languages too: what lies in `leftToRightBlock` goes with
// the block's mirrored place and keeps its own place inside the block. The
// direction is the window's when this is asked, that is, when it is built.
QRect placedTwips(const QWidget* window, const QRect& twipsRect,
                  const QRect& leftToRightBlock = {});
void placeTwips(QWidget* w, int left, int top, int width, int height,
                const QRect& leftToRightBlock = {});

QFont fontOf(const char* family, double points, bool bold);

// Where a window's frame of `frame` size goes on a screen's free `area`: in
// the middle where it fits; where it does not, against the area's top or
// left edge, so that the title bar stays on the screen and the window can be
// moved. Each direction on its own.
QPoint placedFrameTopLeft(const QRect& area, const QSize& frame);

// What both windows are: a fixed size (in twips) with a title bar, a close
// box and the given further buttons, white, Arial 9 bold, and a pointer that
// follows the mouse over the bare window.
void setUpFixedWindow(QWidget* window, int widthTwips, int heightTwips, Qt::WindowFlags buttons);

// Moves a window so placed on the free area of the screen it is on (or will
// be on). The frame counts where Qt knows it, after the window was first shown.
void centreOnScreen(QWidget* window);

// Whether a mouse move that reached a window lies on its bare background. A
// move over a control without a pointer handler of its own (a label, a
// picture, the answer box, the bar) is passed up to the window too, and so is
// one over a control outside the client area: neither is the background.
bool onBackground(const QWidget* window, const QMouseEvent* event);

// The character code a key press carries (Enter 13, Backspace 8, Escape 27,
// else the first character of its text), or none for keys that type nothing.
std::optional<int> characterCode(const QKeyEvent* event);

// The command button. Its value reads false at rest; setting it to 1 presses
// it, and the click handler has run to its end when setValue() returns. A
// disabled button, or one already being pressed, takes no press.
class PushButton final : public QPushButton {
    Q_OBJECT
public:
    PushButton(const QString& caption, QWidget* parent);

    bool value() const { return pressing_; }
    void setValue(int value);

    // A button the player never sees must not be pressed by Space either.
    void setKeyboardPress(bool on) { keyboardPress_ = on; }

signals:
    void clickEvent();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void runClick();
    bool pressing_ = false;
    bool keyboardPress_ = true;
};

// A progress bar whose text is its own: shown as set whatever the range and
// value (QProgressBar would empty it at a range of 0..0 and expand %p, %v, %m).
class ProgressBar final : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent);
    QString text() const override { return text_; }
    void setText(const QString& text);
    // As QProgressBar's, but painted with the next update instead of at once.
    void setValue(int value);

signals:
    void textChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawBar(QPainter& p, const QStyleOptionProgressBar& opt, qreal dpr);

    struct GrooveKey {
        QSize size;
        qreal dpr = 0;
        qint64 palette = 0;
        QStyle::State state;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool operator==(const GrooveKey&) const = default;
    };
    QString text_;
    QImage groove_;
    GrooveKey grooveKey_;
};

// The answer box. Only ASCII digits may stand in it, whatever route the text
// takes (keys, pasting, dropping, input methods); the key handler decides
// about each typed character before the box sees it.
class AnswerBox final : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 6;
    explicit AnswerBox(QWidget* parent);

    // Called with each typed character code; setting it to 0 discards the key.
    std::function<void(int& code)> keyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Six digits are wider than the box at its font: shrink to fit them.
    void fitText();
    std::optional<QFont> designFont_;
    bool fitting_ = false;
};

// A label that keeps its font but draws a text too wide for it smaller, so
// that a long verdict ("Wrong! Answer: 998001") or score is never cut off.
class FittingLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The largest font no bigger than `font` in which `text` fits `width` pixels.
QFont fontToFit(const QFont& font, const QString& text, int width);

// An operator's picture, drawn as vectors so that it is sharp at any scale.
class OperatorPicture final : public QWidget {
    Q_OBJECT
public:
    OperatorPicture(engine::Operator op, QWidget* parent);
    engine::Operator op() const { return op_; }
    static void paintSign(QPainter& p, const QRectF& box, engine::Operator op);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    engine::Operator op_;
};

// The application icon and the Start/Next button's picture, drawn in code.
QIcon applicationIcon();
QIcon nextButtonIcon();

}  // namespace windows
