#include "controls.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QStyleOptionProgressBar>

#include "frame/ink.h"

namespace windows {

QString gameText(const char* source, std::initializer_list<long long> numbers) {
    const bool counted = std::string_view(source).find("%n") != std::string_view::npos;
    const int count = counted && numbers.size() > 0 ? int(*numbers.begin()) : -1;
    QString text = QCoreApplication::translate(engine::texts::kContext, source, nullptr, count);
    if (!counted)
        for (long long n : numbers) text = text.arg(n);
    return text;
}

QRect placedTwips(const QWidget* window, const QRect& r, const QRect& leftToRightBlock) {
    auto pixels = [](const QRect& t) {
        return QRect(twips(t.x()), twips(t.y()), twips(t.width()), twips(t.height()));
    };
    QRect placed = pixels(r);
    if (window->layoutDirection() != Qt::RightToLeft) return placed;
    // Mirrored in pixels, not twips: the rounding to pixels would otherwise
    // shift some controls by one against their neighbours.
    const int width = window->width();
    if (leftToRightBlock.isNull()) {
        placed.moveLeft(width - placed.x() - placed.width());
    } else {
        const QRect block = pixels(leftToRightBlock);
        const int mirroredBlockX = width - block.x() - block.width();
        placed.translate(mirroredBlockX - block.x(), 0);
    }
    return placed;
}

void placeTwips(QWidget* w, int left, int top, int width, int height,
                const QRect& leftToRightBlock) {
    w->setGeometry(
        placedTwips(w->parentWidget(), QRect(left, top, width, height), leftToRightBlock));
}

QFont fontOf(const char* family, double points, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QPoint placedFrameTopLeft(const QRect& area, const QSize& frame) {
    auto place = [](int start, int room, int length) {
        return length <= room ? start + (room - length) / 2 : start;
    };
    return {place(area.left(), area.width(), frame.width()),
            place(area.top(), area.height(), frame.height())};
}

void setUpFixedWindow(QWidget* window, int widthTwips, int heightTwips, Qt::WindowFlags buttons) {
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | buttons |
                           Qt::WindowCloseButtonHint);
    window->setFixedSize(twips(widthTwips), twips(heightTwips));
    window->setFont(fontOf("Arial", 9, true));
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, Qt::white);
    window->setPalette(pal);
    window->setMouseTracking(true);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Before the first showing the frame is not known yet and is the window
    // itself; move() places the frame's corner either way.
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    window->move(placedFrameTopLeft(screen->availableGeometry(), frame));
}

bool onBackground(const QWidget* window, const QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    return window->rect().contains(at) && !window->childAt(at);
}

std::optional<int> characterCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;  // focus navigation, not a character
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty()) return std::nullopt;
    return int(text.at(0).unicode());
}

// ---------------------------------------------------------------- PushButton

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setMouseTracking(true);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, &PushButton::runClick);
}

void PushButton::setValue(int value) {
    if (value == 0 || pressing_ || !isEnabled()) return;
    click();
}

void PushButton::runClick() {
    pressing_ = true;
    emit clickEvent();
    pressing_ = false;
}

void PushButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (!keyboardPress_) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::keyReleaseEvent(QKeyEvent* event) {
    if (!keyboardPress_) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

// --------------------------------------------------------------- ProgressBar

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(true);
    setFocusPolicy(Qt::NoFocus);
}

void ProgressBar::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
    emit textChanged(text_);
}

void ProgressBar::setValue(int value) {
    // QProgressBar repaints at once when the bar moves, and the text set in
    // the same tick would paint it again: the bar paints once, for both.
    if (value == this->value()) return;
    setUpdatesEnabled(false);
    QProgressBar::setValue(value);
    setUpdatesEnabled(true);
    update();
}

void ProgressBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        groove_ = {};
    QProgressBar::changeEvent(event);
}

// The groove is drawn from a copy made once for the bar's size and look:
// styles draw it with antialiased strokes that Qt's raster painter hands to
// its thread pool, which woke two more threads on every tick. Only the
// contents move with the countdown. Styles that draw the whole bar as one
// (none of Qt's own) would lose their own CE_ProgressBar here.
void ProgressBar::drawBar(QPainter& p, const QStyleOptionProgressBar& opt, qreal dpr) {
    // The groove in the bar's own direction, whatever way round an empty
    // bar's filling is drawn: it is drawn again only when that changes.
    QStyleOptionProgressBar part = opt;
    part.direction = layoutDirection();
    part.rect = style()->subElementRect(QStyle::SE_ProgressBarGroove, &part, this);
    const GrooveKey key{size(), dpr, palette().cacheKey(), part.state, part.direction};
    if (groove_.isNull() || !(grooveKey_ == key)) {
        groove_ = QImage(size() * dpr, QImage::Format_ARGB32_Premultiplied);
        groove_.setDevicePixelRatio(dpr);
        groove_.fill(Qt::transparent);
        QPainter gp(&groove_);
        style()->drawControl(QStyle::CE_ProgressBarGroove, &part, &gp, this);
        grooveKey_ = key;
    }
    p.drawImage(QPoint(0, 0), groove_);
    QStyleOptionProgressBar contents = opt;
    contents.rect = style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, this);
    style()->drawControl(QStyle::CE_ProgressBarContents, &contents, &p, this);
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QStyleOptionProgressBar opt;
    initStyleOption(&opt);
    opt.textVisible = false;
    opt.text.clear();
    if (opt.maximum <= opt.minimum) {
        // An empty range would draw the busy animation; show an empty bar.
        opt.minimum = 0;
        opt.maximum = 1;
        opt.progress = 0;
    }
    // An empty bar is the same either way round, but Fusion draws the edge of
    // the filling two pixels inside the right end of an empty right-to-left
    // bar, as if time had begun to run.
    if (opt.progress <= opt.minimum) opt.direction = Qt::LeftToRight;
    // The bar is drawn once, into a picture that goes on the screen and that
    // the text's colours are chosen against.
    const qreal dpr = devicePixelRatio();
    QImage look(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    look.setDevicePixelRatio(dpr);
    look.fill(Qt::transparent);
    {
        QPainter lp(&look);
        drawBar(lp, opt, dpr);
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), look);
#ifdef Q_OS_WIN
    // Windows' native style draws the filling through the system, which
    // leaves it black in a picture: on the screen it is drawn again, as the
    // style draws it on a window.
    QStyleOptionProgressBar filling = opt;
    filling.rect = style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, this);
    style()->drawControl(QStyle::CE_ProgressBarContents, &filling, &p, this);
#endif
    // The text crosses the filled part and the empty groove, which a dark
    // theme colours very differently, often with a gradient: each part gets
    // a colour of its own, chosen against what the style really painted
    // (over the window's colour, where the style left it showing through).
    const QRect contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, this);
    const double part = double(opt.progress - opt.minimum) / double(opt.maximum - opt.minimum);
    QRect filled = contents;
    filled.setWidth(int(contents.width() * std::clamp(part, 0.0, 1.0)));
    if (layoutDirection() == Qt::RightToLeft) filled.moveRight(contents.right());
    const QColor window = palette().color(QPalette::Window);
    const QRect line = fontMetrics().boundingRect(rect(), Qt::AlignCenter, text_) & contents;
    auto samples = [&](const QRect& area) {
        QList<QColor> out;
        const int x = int(area.center().x() * dpr);
        for (int y = line.top(); y <= line.bottom() && area.width() > 4; ++y) {
            const QPoint at(x, int(y * dpr));
            if (!look.rect().contains(at)) continue;
            const QColor c = look.pixelColor(at);
            const double a = c.alphaF();
            out.append(QColor::fromRgbF(float(c.redF() * a + window.redF() * (1 - a)),
                                        float(c.greenF() * a + window.greenF() * (1 - a)),
                                        float(c.blueF() * a + window.blueF() * (1 - a))));
        }
        return out;
    };
    QRect groove = contents;
    if (layoutDirection() == Qt::RightToLeft)
        groove.setRight(filled.left() - 1);
    else
        groove.setLeft(filled.right() + 1);
    const QPalette& pal = palette();
    const QColor text = pal.color(QPalette::WindowText);
    const QColor onBar = frame::readableOn(
        samples(filled), {text, pal.color(QPalette::HighlightedText)}, frame::kTextContrast);
    const QColor onGroove =
        frame::readableOn(samples(groove), {text, pal.color(QPalette::Text)}, frame::kTextContrast);
    p.setFont(font());
    const QRegion grooveArea = QRegion(rect()) - QRegion(filled);
    for (const auto& [area, colour] :
         {std::pair{QRegion(filled), onBar}, std::pair{grooveArea, onGroove}}) {
        if (area.isEmpty()) continue;
        p.setClipRegion(area);
        p.setPen(colour);
        p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
    }
}

// ----------------------------------------------------------------- AnswerBox

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxLength);
    // [0-9] is ASCII only: digits of other scripts are refused as well.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setAlignment(Qt::AlignCenter);
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::fitText);
}

void AnswerBox::fitText() {
    if (fitting_) return;
    fitting_ = true;
    if (!designFont_) designFont_ = font();
    // The frame and the line edit's own margins take about 8 pixels.
    const QFont fitted = fontToFit(*designFont_, text(), contentsRect().width() - 8);
    if (fitted != font()) setFont(fitted);
    fitting_ = false;
}

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    if (const auto code = characterCode(event); code && keyPress) {
        int c = *code;
        keyPress(c);
        if (c == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// -------------------------------------------------------------- FittingLabel

QFont fontToFit(const QFont& font, const QString& text, int width) {
    QFont f = font;
    constexpr double kSmallest = 6.0;
    while (f.pointSizeF() > kSmallest && QFontMetricsF(f).horizontalAdvance(text) > width)
        f.setPointSizeF(std::max(kSmallest, f.pointSizeF() * 0.94));
    return f;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFont fitted = fontToFit(font(), text(), area.width());
    if (fitted == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setFont(fitted);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.drawText(area, int(alignment()) | Qt::TextSingleLine, text());
}

// ----------------------------------------------------------- OperatorPicture

OperatorPicture::OperatorPicture(engine::Operator op, QWidget* parent) : QWidget(parent), op_(op) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void OperatorPicture::paintSign(QPainter& p, const QRectF& box, engine::Operator op) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(box.width(), box.height());
    const QPointF c = box.center();
    const double arm = s * 0.36;
    const double stroke = s * 0.16;
    QPen pen(QColor(20, 40, 120), stroke, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    using engine::Operator;
    switch (op) {
    case Operator::Addition:
        p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
        break;
    case Operator::Subtraction:
        p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
        break;
    case Operator::Multiplication: {
        const double d = arm * 0.78;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case Operator::Division: {
        p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
        p.setPen(Qt::NoPen);
        p.setBrush(pen.color());
        const double r = stroke * 0.62;
        p.drawEllipse(QPointF(c.x(), c.y() - arm * 0.7), r, r);
        p.drawEllipse(QPointF(c.x(), c.y() + arm * 0.7), r, r);
        break;
    }
    }
    p.restore();
}

void OperatorPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintSign(p, QRectF(rect()), op_);
}

// --------------------------------------------------------------------- icons

namespace {
QPixmap drawIcon(int size, const std::function<void(QPainter&, double)>& draw) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size);
    return pm;
}
}  // namespace

QIcon applicationIcon() {
    // Drawn once for the run, for both windows. Never freed: its pixmaps
    // must not outlive the application, and the process ends with it.
    static const QIcon* const cached = [] {
        auto* icon = new QIcon;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            icon->addPixmap(drawIcon(size, [](QPainter& p, double s) {
                // A green flash card with a blue plus, as on the game's panel.
                const QRectF card(s * 0.06, s * 0.14, s * 0.88, s * 0.72);
                p.setPen(QPen(QColor(40, 90, 40), std::max(1.0, s / 32)));
                p.setBrush(QColor(128, 255, 128));
                p.drawRoundedRect(card, s * 0.1, s * 0.1);
                OperatorPicture::paintSign(p, card.adjusted(s * 0.2, s * 0.1, -s * 0.2, -s * 0.1),
                                           engine::Operator::Addition);
            }));
        }
        return icon;
    }();
    return *cached;
}

QIcon nextButtonIcon() {
    QIcon icon;
    for (int size : {32, 64}) {
        icon.addPixmap(drawIcon(size, [](QPainter& p, double s) {
            QPainterPath arrow;
            arrow.moveTo(s * 0.25, s * 0.15);
            arrow.lineTo(s * 0.85, s * 0.5);
            arrow.lineTo(s * 0.25, s * 0.85);
            arrow.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 120, 30));
            p.drawPath(arrow);
        }));
    }
    return icon;
}

}  // namespace windows
