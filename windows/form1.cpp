#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "accessibility.h"
#include "form2.h"
#include "frame/guard.h"
#include "frame/main_module.h"
#include "title_strip.h"

namespace windows {

namespace {
using frame::Guard;
namespace where = frame::where;
}  // namespace

Form1::Form1(const frame::Seams& seams) : QWidget(nullptr), seams_(seams), pointer_(this) {
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    wireEvents();
    inkTexts();
    describeMainWindow(*this);
    addTitleStripOnWayland(this, true);
    board_ = std::make_unique<MainBoard>(*this);
    game_ = std::make_unique<engine::Game>(*board_, *board_, seams_.random);
}

Form1::~Form1() = default;

// The controls' events, each to its procedure.
void Form1::wireEvents() {
    txtanswer->keyPress = [this](int& code) { txtanswer_KeyPress(code); };
    connect(PushButton1, &PushButton::clickEvent, this, &Form1::PushButton1_Click);
    connect(PushButton8, &PushButton::clickEvent, this, &Form1::PushButton8_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    const auto ops = operatorBoxes();
    for (int i = 0; i < 4; ++i)
        connect(ops[i], &QAbstractButton::clicked, this, [this, i] { game_->OperatorBox_Click(i); });
    const auto levels = levelBoxes();
    for (int i = 0; i < 3; ++i)
        connect(levels[i], &QAbstractButton::clicked, this, [this, i] { game_->LevelBox_Click(i); });
    for (PushButton* b : {PushButton1, PushButton8})
        connect(b, &PushButton::mouseMoved, this,
                [this] { pointer_.moveOver(frame::PointerMode::Custom); });
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

// ------------------------------------------------------------ window events

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    // The program showed the window (start-up or Play Again): that is when
    // it becomes the active window of the game. Activations the platform
    // sends later (switching applications, a message box closing) are not.
    activationPending_ = true;
    activateWindow();
    // A problem left open by End Game comes back ready for the keyboard,
    // wherever the click on End Game had put the focus.
    if (txtanswer->isEnabled() && !PushButton1->isEnabled()) txtanswer->setFocus(Qt::OtherFocusReason);
    QMetaObject::invokeMethod(this, &Form1::runPendingActivation, Qt::QueuedConnection);
}

void Form1::runPendingActivation() {
    if (!activationPending_ || isHidden()) return;
    activationPending_ = false;
    Form_Activate();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload() { seams_.ending.end(); }

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (onBackground(this, event)) pointer_.moveOver(frame::PointerMode::Default);
    QWidget::mouseMoveEvent(event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // A key a control ignored comes up here as well; the window has seen it
    // already. Otherwise no control had the focus and this is its arrival.
    if (!redelivering_) {
        if (heldEnter_.repeats(event)) return event->accept();
        previewKey(event);
    }
    QWidget::keyPressEvent(event);
}

void Form1::keyReleaseEvent(QKeyEvent* event) {
    // Also a release a control ignored, seen twice then, which changes nothing.
    heldEnter_.repeats(event);
    QWidget::keyReleaseEvent(event);
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) heldEnter_.forget();
    QWidget::changeEvent(event);
}

void Form1::previewKey(QKeyEvent* event) {
    if (const auto code = characterCode(event)) {
        int c = *code;
        Form_KeyPress(c);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        for (CheckBox* box : optionBoxes())
            if (watched == box) pointer_.moveOver(frame::PointerMode::Custom);
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        heldEnter_.repeats(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (event->type() == QEvent::KeyPress && !redelivering_) {
        // Swallowed before the window or the control sees it.
        if (heldEnter_.repeats(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        // Key preview: the window's handler sees the key first, then the key
        // goes to the control that had the focus when it arrived, and stops
        // there, so that nothing sees it twice.
        previewKey(static_cast<QKeyEvent*>(event));
        if (seams_.ending.ended()) return true;
        redelivering_ = true;
        QCoreApplication::sendEvent(watched, event);
        redelivering_ = false;
        event->accept();
        return true;
    }
    return false;
}

void Form1::showCentred() {
    centreOnScreen(this);
    show();
}

Form2& Form1::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this, seams_);
        form2_->Form_Load();
    }
    return *form2_;
}

// ------------------------------------------------------- event procedures

void Form1::Form_Load() {
    Guard::run(where::kForm1Load, seams_.boxes, seams_.ending, [&](Guard& g) {
        g.step(100, [&] {
            frame::applySkin(this, seams_.appFolder);
            inkTexts();
        });
        g.step(106, [&] { setWindowTitle(frame::kProductName); });
        g.step(106, [&] { setWindowIcon(applicationIcon()); });
        g.step(106, [&] { frame::SetAppTitle(frame::kProductName); });
        const QString hand = frame::handPointerPath(seams_.appFolder);
        if (g.test(108, [&] { return frame::FileExists(hand); }))
            g.step(110, [&] { pointer_.setCustomImage(frame::loadHandPointer(hand)); });
        g.step(130, [&] { seams_.random.reseed(seams_.secondsSinceMidnight()); });
        game_->load(g);
    });
}

void Form1::Form_Activate() {
    Guard::run(where::kForm1Activate, seams_.boxes, seams_.ending, [&](Guard& g) {
        if (g.test(100, [&] { return PushButton1->isEnabled() && !PushButton1->value(); }))
            g.step(102, [&] { PushButton1->setValue(1); });
    });
}

void Form1::Form_KeyPress(int& keyAscii) {
    if (seams_.ending.ended()) return;
    if (keyAscii == 13 && PushButton1->isEnabled() && !PushButton1->value()) PushButton1->setValue(1);
}

void Form1::PushButton8_Click() {
    Guard::run(where::kForm1EndGame, seams_.boxes, seams_.ending, [&](Guard& g) {
        g.step(100, [&] { hide(); });
        g.step(102, [&] { form2().show(); });
    });
}

}  // namespace windows
