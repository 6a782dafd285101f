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

}  // namespace windows
