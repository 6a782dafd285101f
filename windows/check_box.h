#pragma once

#include <QCheckBox>

namespace windows {

// A check box whose caption wraps inside its fixed size, as the level boxes'
// long captions need two lines. Its value is 1 when ticked and 0 when not.
class CheckBox final : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString& caption, QWidget* parent);
    int value() const { return isChecked() ? 1 : 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// What the caption needs, wrapped into `width` and drawn in `direction`.
QSize captionNeed(const QFont& font, const QString& caption, int width, Qt::LayoutDirection direction);

// The caption's font: the box's own, or, where the caption wrapped in it is
// taller or wider than `room` (a script whose lines stand taller, a long
// word), the largest smaller one in which it fits, down to 9 points.
inline constexpr double kSmallestCaptionPoints = 9.0;
QFont captionFontToFit(const QFont& font, const QString& caption, QSize room, Qt::LayoutDirection direction);

}  // namespace windows
