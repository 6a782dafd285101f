#include "check_box.h"

#include <QFontMetrics>
#include <algorithm>
#include <QPainter>
#include <QStyleOptionButton>

#include "frame/ink.h"

namespace windows {

QSize captionNeed(const QFont& font, const QString& caption, int width, Qt::LayoutDirection direction) {
    const QFontMetrics fm(font);
    QSize need = fm.boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::TextWordWrap, caption).size();
    // Right to left, Qt sets the blank a line was wrapped at on the line's
    // right, its leading edge: the words move over by a blank's width.
    if (direction == Qt::RightToLeft && need.height() > fm.height())
        need.rwidth() += fm.horizontalAdvance(QLatin1Char(' '));
    return need;
}

QFont captionFontToFit(const QFont& font, const QString& caption, QSize room, Qt::LayoutDirection direction) {
    constexpr double kSmallest = kSmallestCaptionPoints;
    QFont f = font;
    auto fits = [&] {
        const QSize need = captionNeed(f, caption, room.width(), direction);
        return need.width() <= room.width() && need.height() <= room.height();
    };
    while (f.pointSizeF() > kSmallest && !fits()) f.setPointSizeF(std::max(kSmallest, f.pointSizeF() * 0.94));
    return f;
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    setMouseTracking(true);
    // A button paints with the button colour by default; a check box of the
    // game has the window's background behind it.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setAutoFillBackground(true);
}

void CheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    QStyleOptionButton box = opt;
    box.rect = indicator;
    // The square and tick follow the caption's rule (frame/ink.h): on a
    // colour the layout fixes, the light scheme it was drawn in, whatever the
    // desktop's; on one the desktop gives, the desktop's own look.
    if (!frame::systemGives(palette().color(backgroundRole()))) {
        const QPalette::ColorGroup group = box.palette.currentColorGroup();
        box.palette = frame::lightScheme(box.palette);
        box.palette.setCurrentColorGroup(group);
    }
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &p, this);

    // The style puts the square on the right in a right-to-left layout; the
    // caption takes the other side, from the square's edge, aligned to it
    // (Qt::AlignLeft is the leading edge there: the right).
    const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this);
    const QRect square = QStyle::visualRect(opt.direction, rect(), indicator);
    const QRect textRect = QStyle::visualRect(
        opt.direction, rect(),
        QRect(square.right() + 1 + gap, 0, width() - square.right() - 1 - gap, height()));
    p.setFont(captionFontToFit(font(), text(), textRect.size(), opt.direction));
    style()->drawItemText(&p, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                          palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = p.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                    text())
                         .adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

}  // namespace windows
