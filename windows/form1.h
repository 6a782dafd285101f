#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "check_box.h"
#include "controls.h"
#include "frame/guard.h"
#include "frame/pointer.h"
#include "frame/seams.h"
#include "summary_row.h"

namespace windows {

class Form2;

// The main quiz window. Its fields are the game state and its controls are
// the game's display; the event procedures below are the whole game.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const frame::Seams& seams);
    ~Form1() override;

    // Public counters of the game state; the summary window resets them.
    std::int16_t NumProb = 0;
    std::int16_t NumRight = 0;
    std::int16_t NumWrong = 0;

    // Event procedures.
    void Form_Load();
    void Form_Activate();
    void Form_KeyPress(int& keyAscii);
    void PushButton1_Click();
    void PushButton8_Click();
    void txtanswer_KeyPress(int& keyAscii);
    void Timer1_Timer();
    void OperatorBox_Click(int index);  // Check1..Check4 as 0..3
    void LevelBox_Click(int index);     // Check5..Check7 as 0..2

    // The summary window, created hidden and loaded on first use.
    Form2& form2();
    Form2* loadedForm2() const { return form2_.get(); }

    // Shows the window centred on its screen, as at start-up.
    void showCentred();

    // Read access to the private game state, for the summary, tools and tests.
    std::int32_t correctAnswer() const { return CorrectAnswer; }
    const std::string& problemText() const { return ProblemText; }
    std::int16_t timeLimit() const { return TimeLimit; }
    std::int16_t secondsElapsed() const { return SecondsElapsed; }
    bool multiOpMode() const { return MultiOpMode; }
    SummaryRow resultRow() const { return ResultRow; }
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Step numbers of one branch of a judgement.
    struct BranchSteps {
        int counter, message, row, firstSubItem, scoreLine;
    };
    void Answer();
    void judge(frame::Guard& g, std::int32_t typed, int compareStep, BranchSteps right,
               BranchSteps wrong);
    void writeRow(frame::Guard& g, const BranchSteps& steps, std::int32_t typed, const char* verdict);
    void randomPick(frame::Guard& g, std::int32_t first, std::int32_t second);
    void fixedPick(frame::Guard& g, std::int32_t first, std::int32_t second);
    void showOperator(frame::Guard& g, int index, int firstStep, std::int32_t first,
                      std::int32_t second);
    void Form_Unload();
    void runPendingActivation();
    void buildControls();
    // Text colours from what is painted behind each text; again whenever the
    // backgrounds change.
    void inkTexts();
    QColor paintedBehind(const QWidget* w) const;
    void previewKey(QKeyEvent* event);

    frame::Seams seams_;
    frame::WindowPointer pointer_;
    std::unique_ptr<Form2> form2_;

    // Private game state.
    std::int32_t CorrectAnswer = 0;
    std::int16_t TimeLimit = 0;
    std::int16_t SecondsElapsed = 0;
    bool MultiOpMode = false;
    std::string ProblemText;
    SummaryRow ResultRow;

    bool activationPending_ = false;
    bool redelivering_ = false;
};

// "Visible" as the game means it: the control's own flag, whether or not the
// window that holds it is shown at the moment.
inline bool shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace windows
