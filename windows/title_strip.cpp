#include "title_strip.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QWindow>

#include "frame/ink.h"

namespace windows {

namespace {

enum class Glyph { Minimize, Close };

// The desktop's colours for the strip, in the group of the window's state:
// an inactive window's bar is dimmed, as the desktop's own bars are.
QPalette::ColorGroup groupOf(const QWidget* w) {
    return w->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

// The caption and the signs. Where the desktop's palette gives an inactive
// window no text colour of its own (Qt's default palette does not), its
// switched-off grey stands in, held readable on the bar.
QColor inkOf(const QWidget* w) {
    const QPalette pal = QGuiApplication::palette();
    const QColor active = pal.color(QPalette::Active, QPalette::WindowText);
    if (groupOf(w) == QPalette::Active) return active;
    const QColor inactive = pal.color(QPalette::Inactive, QPalette::WindowText);
    if (inactive.rgb() != active.rgb()) return inactive;
    return frame::readableOn(pal.color(QPalette::Inactive, QPalette::Window),
                             {pal.color(QPalette::Disabled, QPalette::WindowText)},
                             frame::kDisabledContrast);
}

// A flat button drawn as a vector sign, in the desktop's colours.
class StripButton final : public QAbstractButton {
public:
    StripButton(Glyph glyph, const QString& name, QWidget* parent) : QAbstractButton(parent), glyph_(glyph) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(name);
        setToolTip(name);
        setAttribute(Qt::WA_Hover);
    }
    QSize sizeHint() const override { return {TitleStrip::kHeight, TitleStrip::kHeight}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPalette pal = QGuiApplication::palette();
        const QPalette::ColorGroup group = groupOf(this);
        if (isDown() || underMouse()) {
            p.setPen(Qt::NoPen);
            p.setBrush(glyph_ == Glyph::Close && isDown() ? pal.color(group, QPalette::Highlight)
                                                          : pal.color(group, QPalette::Midlight));
            p.drawEllipse(QRectF(rect()).adjusted(4, 4, -4, -4));
        }
        const QColor ink = glyph_ == Glyph::Close && isDown()
                               ? pal.color(group, QPalette::HighlightedText)
                               : inkOf(this);
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = QRectF(rect()).center();
        const double r = 4.5;
        if (glyph_ == Glyph::Minimize) {
            p.drawLine(QPointF(c.x() - r, c.y() + r * 0.6), QPointF(c.x() + r, c.y() + r * 0.6));
        } else {
            p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
            p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        }
    }

private:
    Glyph glyph_;
};

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

TitleStrip::TitleStrip(QWidget* window, bool minimizeButton) : QWidget(window) {
    setObjectName(QStringLiteral("titleStrip"));
    setFont(QGuiApplication::font());
    if (minimizeButton) {
        minimize_ = new StripButton(Glyph::Minimize, QCoreApplication::translate("Title strip", "Minimize"), this);
        connect(minimize_, &QAbstractButton::clicked, window, &QWidget::showMinimized);
    }
    close_ = new StripButton(Glyph::Close, QCoreApplication::translate("Title strip", "Close"), this);
    connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
    window->installEventFilter(this);
}

void TitleStrip::resizeEvent(QResizeEvent*) {
    // Close at the outer end, as the desktop's own bars put it: the right, or
    // the left in a right-to-left layout, with the icon at the other end.
    int right = width();
    for (QAbstractButton* b : {close_, minimize_}) {
        if (!b) continue;
        right -= kHeight;
        b->setGeometry(
            QStyle::visualRect(layoutDirection(), rect(), QRect(right, 0, kHeight, kHeight)));
    }
}

bool TitleStrip::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::WindowIconChange ||
        event->type() == QEvent::ActivationChange)
        update();
    return false;
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The desktop's colours, not the white of the window's layout.
    const QPalette pal = QGuiApplication::palette();
    const QPalette::ColorGroup group = groupOf(this);
    p.fillRect(rect(), pal.color(group, QPalette::Window));
    p.setPen(pal.color(group, QPalette::Mid));
    p.drawLine(0, height() - 1, width(), height() - 1);
    const int iconSize = 16;
    const int margin = (height() - iconSize) / 2;
    const QRect icon(margin + 2, margin, iconSize, iconSize);
    window()->windowIcon().paint(&p, QStyle::visualRect(layoutDirection(), rect(), icon));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(inkOf(this));
    const int buttons = (minimize_ ? 2 : 1) * kHeight;
    const QRect text(0, 0, width(), height() - 1);
    // Centred over the whole strip unless the buttons are in the way.
    const QString caption =
        QFontMetrics(f).elidedText(window()->windowTitle(), Qt::ElideRight, width() - 2 * buttons);
    p.drawText(text, Qt::AlignCenter, caption);
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window()->windowHandle()) {
        window()->windowHandle()->startSystemMove();
        return event->accept();
    }
    QWidget::mousePressEvent(event);
}

void addTitleStripOnWayland(QWidget* window, bool minimizeButton) {
    if (!onWayland()) return;
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    const int h = TitleStrip::kHeight;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() + QPoint(0, h));
    const QSize layout = window->size();
    window->setFixedSize(layout.width(), layout.height() + h);
    auto* strip = new TitleStrip(window, minimizeButton);
    strip->setGeometry(0, 0, layout.width(), h);
    strip->raise();
}

int layoutTop(const QWidget* window) {
    const auto* strip = window->findChild<TitleStrip*>(QString(), Qt::FindDirectChildrenOnly);
    return strip ? strip->height() : 0;
}

}  // namespace windows
