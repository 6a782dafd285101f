#include "main_board.h"

#include <QCoreApplication>

#include "accessibility.h"
#include "form1.h"
#include "form2.h"
#include "frame/guard.h"

namespace windows {

using engine::Control;

namespace {

std::string_view locationOf(engine::Procedure p) {
    switch (p) {
        case engine::Procedure::PushButton1_Click:
            return frame::where::kForm1Next;
        case engine::Procedure::txtanswer_KeyPress:
            return frame::where::kForm1KeyPress;
        case engine::Procedure::Timer1_Timer:
            return frame::where::kForm1Timer;
        case engine::Procedure::Answer:
            return frame::where::kForm1Answer;
    }
    return {};
}
}  // namespace

MainBoard::MainBoard(Form1& f)
    : form_(f), widgets_{f.Check1,     f.Check2,       f.Check3,    f.Check4,      f.Check5,
                         f.Check6,     f.Check7,       f.txtanswer, f.PushButton1, f.Label5,
                         f.lblMultiOp, f.lblmessage,   f.lblscore,  f.lblQuestion, f.lblNum1,
                         f.lblNum2,    f.ProgressBar1, f.imgAdd,    f.imgSub,      f.imgMul,
                         f.imgDiv} {}

std::string MainBoard::words(std::string_view source, std::initializer_list<long long> numbers) const {
    // Every marked text is a literal of engine/texts.h, so it ends in a NUL.
    return gameText(source.data(), numbers).toStdString();
}

bool MainBoard::ticked(Control box) const {
    return static_cast<CheckBox*>(widget(box))->value() == 1;
}
bool MainBoard::enabled(Control c) const {
    return widget(c)->isEnabled();
}
void MainBoard::setEnabled(Control c, bool enabled) {
    QWidget* w = widget(c);
    // Disabled with the focus, the Next button would hand it down the tab
    // chain to End Game, and a screen reader would say End Game before the
    // problem. It goes straight to the answer box, where the game puts it
    // once the problem stands; nothing is drawn in between. The box takes
    // it before it is emptied: a reader that hears the emptying of a box
    // that already holds the focus by the time it looks (as Qt reports it)
    // takes the box for its focus silently and then says nothing.
    if (c == Control::NextButton && !enabled && form_.focusWidget() == w) {
        if (form_.txtanswer->isEnabled())
            form_.txtanswer->setFocus(Qt::OtherFocusReason);
        else
            w->clearFocus();
    }
    w->setEnabled(enabled);
}
bool MainBoard::shown(Control c) const {
    return windows::shown(widget(c));
}
void MainBoard::setShown(Control c, bool shown) {
    widget(c)->setVisible(shown);
}

std::string MainBoard::text(Control c) const {
    if (c == Control::AnswerBox) return form_.txtanswer->text().toStdString();
    if (c == Control::NextButton) return form_.PushButton1->text().toStdString();
    if (c == Control::Countdown) return form_.ProgressBar1->text().toStdString();
    return static_cast<QLabel*>(widget(c))->text().toStdString();
}

void MainBoard::setText(Control c, std::string_view text) {
    if (c == Control::AnswerBox) return form_.txtanswer->setText(qs(text));
    if (c == Control::NextButton) return form_.PushButton1->setText(qs(text));
    if (c == Control::Countdown) return form_.ProgressBar1->setText(qs(text));
    static_cast<QLabel*>(widget(c))->setText(qs(text));
}

void MainBoard::clear(Control c) {
    if (c == Control::AnswerBox) return form_.txtanswer->clear();
    static_cast<QLabel*>(widget(c))->clear();
}

void MainBoard::focus(Control c) {
    if (c == Control::AnswerBox) sayProblem(form_);
    widget(c)->setFocus(Qt::OtherFocusReason);
}
void MainBoard::setCountdownLength(int seconds) {
    form_.ProgressBar1->setMaximum(seconds);
}
void MainBoard::setCountdown(int secondsGone) {
    form_.ProgressBar1->setValue(secondsGone);
}
void MainBoard::startClock() {
    form_.Timer1->start();
}
void MainBoard::stopClock() {
    form_.Timer1->stop();
}
void MainBoard::warn(std::string_view text) {
    form_.seams().boxes.warn(qs(text));
}
void MainBoard::letWaitingEventsRun() {
    QCoreApplication::processEvents();
}
void MainBoard::pointerAtRest() {
    form_.pointer().setMode(frame::PointerMode::Default);
}
engine::SummaryList& MainBoard::summary() {
    return form_.form2();
}
void MainBoard::problemJudged() {
    sayJudgement(form_);
}
void MainBoard::timeIsOver() {
    sayTimeOut(form_);
}

void MainBoard::run(engine::Procedure procedure, engine::FunctionRef<void(engine::Steps&)> body) {
    frame::Guard::run(locationOf(procedure), form_.seams().boxes, form_.seams().ending,
                      [&](frame::Guard& g) { body(g); });
}
bool MainBoard::ended() const {
    return form_.seams().ending.ended();
}
bool MainBoard::reportOpen() const {
    return frame::Guard::reportOpen();
}

}  // namespace windows
