#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "check_box.h"
#include "controls.h"
#include "engine/game.h"
#include "frame/pointer.h"
#include "frame/seams.h"
#include "held_enter.h"
#include "main_board.h"

namespace windows {

class Form2;

// The main quiz window: its controls, their layout and their events. The
// game itself, its state and its procedures, is `game()`.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const frame::Seams& seams);
    ~Form1() override;

    engine::Game& game() { return *game_; }
    const engine::Game& game() const { return *game_; }

    // Event procedures.
    void Form_Load();
    void Form_Activate();
    void Form_KeyPress(int& keyAscii);
    void PushButton1_Click() { game_->PushButton1_Click(); }
    void PushButton8_Click();
    void txtanswer_KeyPress(int& keyAscii) { game_->txtanswer_KeyPress(keyAscii); }
    void Timer1_Timer() { game_->Timer1_Timer(); }

    // Play Again's reset of the game, under the summary's guard.
    void resetGame(engine::Steps& s) { game_->playAgain(s); }

    // The summary window, created hidden and loaded on first use.
    Form2& form2();
    Form2* loadedForm2() const { return form2_.get(); }

    // Shows the window centred on its screen, as at start-up.
    void showCentred();

    frame::WindowPointer& pointer() { return pointer_; }
    const frame::Seams& seams() const { return seams_; }
    bool activationPending() const { return activationPending_; }

    // Controls, by the names the game knows them by.
    AnswerBox* txtanswer;
    CheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7;
    PushButton* PushButton1;
    ProgressBar* ProgressBar1;
    QTimer* Timer1;
    PushButton* PushButton8;
    QLabel *lblQuestion, *Label5, *lblMultiOp, *Label3, *Label2, *lblmessage, *lblscore, *Label1;
    OperatorPicture *imgMul, *imgSub, *imgDiv;
    QLabel *lblNum1, *lblNum2, *Label4;
    OperatorPicture* imgAdd;

    std::array<CheckBox*, 4> operatorBoxes() const { return {Check1, Check2, Check3, Check4}; }
    std::array<CheckBox*, 3> levelBoxes() const { return {Check5, Check6, Check7}; }
    std::array<CheckBox*, 7> optionBoxes() const {
        return {Check1, Check2, Check3, Check4, Check5, Check6, Check7};
    }
    std::array<OperatorPicture*, 4> pictures() const { return {imgAdd, imgSub, imgMul, imgDiv}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Unload();
    void runPendingActivation();
    void buildControls();
    void wireEvents();
    // Text colours from what is painted behind each text; again whenever the
    // backgrounds change.
    void inkTexts();
    QColor paintedBehind(const QWidget* w) const;
    void previewKey(QKeyEvent* event);

    frame::Seams seams_;
    frame::WindowPointer pointer_;
    std::unique_ptr<Form2> form2_;
    // Both made once the controls stand.
    std::unique_ptr<MainBoard> board_;
    std::unique_ptr<engine::Game> game_;

    HeldEnter heldEnter_;
    bool activationPending_ = false;
    bool redelivering_ = false;
};

// "Visible" as the game means it: the control's own flag, whether or not the
// window that holds it is shown at the moment.
inline bool shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace windows
