#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "accessibility.h"
#include "engine/quiz.h"
#include "form2.h"
#include "frame/ink.h"
#include "frame/main_module.h"
#include "title_strip.h"

namespace windows {

namespace {

using frame::Guard;
namespace where = frame::where;

const QColor kGreen(128, 255, 128);
const QColor kLightGrey(224, 224, 224);
// The problem panel and its drop shadow, in twips.
const QRect kPanel(120, 120, 8535, 1755);
const QRect kShadow(510, 330, 8610, 1755);

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString number(long long v) { return qs(engine::formatNumber(v)); }

template <class Label = QLabel>
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QFont font,
                  int l, int t, int w, int h) {
    auto* label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(false);
    placeTwips(label, l, t, w, h);
    return label;
}

void makeOpaque(QLabel* label, const QColor& back, bool border) {
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, back);
    label->setPalette(p);
    if (border) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
}

}  // namespace

Form1::Form1(const frame::Seams& seams) : QWidget(nullptr), seams_(seams), pointer_(this) {
    setObjectName(QStringLiteral("Form1"));
    buildControls();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(9240), twips(7800));
    setFont(fontOf("Arial", 9, true));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMouseTracking(true);

    const QFont boxFont = fontOf("Arial", 12, true);
    const QFont headingFont = fontOf("Arial", 14.25, true);

    txtanswer = new AnswerBox(this);
    txtanswer->setObjectName(QStringLiteral("txtanswer"));
    txtanswer->setFont(fontOf("Times New Roman", 48, false));
    {
        QPalette p = txtanswer->palette();
        p.setColor(QPalette::Base, kGreen);
        txtanswer->setPalette(p);
    }
    placeTwips(txtanswer, 5880, 360, 2625, 1335);
    txtanswer->keyPress = [this](int& code) { txtanswer_KeyPress(code); };

    auto makeBox = [&](const char* name, const char* caption, int l, int t, int w, int h,
                       bool ticked) {
        auto* box = new CheckBox(QString::fromLatin1(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setFont(boxFont);
        QPalette p = box->palette();
        p.setColor(QPalette::Window, Qt::white);
        box->setPalette(p);
        box->setChecked(ticked);
        placeTwips(box, l, t, w, h);
        return box;
    };
    Check7 = makeBox("Check7", "Display 3 digit numbers (Hard)", 4680, 4320, 2490, 570, false);
    Check6 = makeBox("Check6", "Display 2 digit numbers (Medium)", 4680, 3720, 2490, 570, false);
    Check5 = makeBox("Check5", "Display 1 digit numbers (Easy)", 4680, 3120, 2490, 570, true);
    Check4 = makeBox("Check4", "Division", 2280, 4560, 1290, 330, false);
    Check3 = makeBox("Check3", "Multiplication", 2280, 4080, 2010, 330, false);
    Check2 = makeBox("Check2", "Subtraction", 2280, 3600, 2010, 330, false);
    Check1 = makeBox("Check1", "Addition", 2280, 3120, 1290, 330, true);

    PushButton1 = new PushButton(QStringLiteral("Start"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setFont(fontOf("Arial", 20.25, true));
    PushButton1->setIcon(nextButtonIcon());
    PushButton1->setIconSize(QSize(32, 32));
    PushButton1->setKeyboardPress(false);
    placeTwips(PushButton1, 240, 8520, 3375, 975);

    ProgressBar1 = new ProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setText(QStringLiteral("Progress Bar"));
    placeTwips(ProgressBar1, 120, 2160, 9000, 405);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    PushButton8 = new PushButton(QStringLiteral("End Game"), this);
    PushButton8->setObjectName(QStringLiteral("PushButton8"));
    PushButton8->setFont(fontOf("Arial", 11.25, true));
    placeTwips(PushButton8, 120, 5640, 9000, 405);

    lblQuestion = makeLabel(this, "lblQuestion", QStringLiteral("Question "), headingFont, 2400,
                            6240, 6615, 375);
    Label5 = makeLabel(this, "Label5", QStringLiteral("Press Enter key to continue"), headingFont,
                       120, 5160, 9015, 495);
    lblMultiOp = makeLabel(this, "lblMultiOp", QStringLiteral("?"), fontOf("MS Sans Serif", 24, false),
                           2400, 720, 615, 615);
    makeOpaque(lblMultiOp, kGreen, false);
    lblMultiOp->hide();
    Label3 = makeLabel(this, "Label3", QStringLiteral("Game Level"), headingFont, 4680, 2640, 1935, 375);
    Label2 = makeLabel(this, "Label2", QStringLiteral("Operator"), headingFont, 2280, 2640, 1935, 375);
    lblmessage = makeLabel<FittingLabel>(this, "lblmessage", QString(), fontOf("Times New Roman", 36, true), 2400,
                           6600, 6615, 1095);
    makeOpaque(lblmessage, kLightGrey, true);
    lblmessage->setAlignment(Qt::AlignCenter);
    lblscore = makeLabel<FittingLabel>(this, "lblscore", QStringLiteral("0"), fontOf("Times New Roman", 41.25, true),
                         120, 6600, 1965, 1095);
    makeOpaque(lblscore, kLightGrey, true);
    lblscore->setAlignment(Qt::AlignCenter);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Your Score"), headingFont, 120, 6240, 1935, 375);

    auto makePicture = [&](const char* name, engine::Operator op, int l, int t, bool visible) {
        auto* pic = new OperatorPicture(op, this);
        pic->setObjectName(QString::fromLatin1(name));
        placeTwips(pic, l, t, 480, 480);
        pic->setVisible(visible);
        return pic;
    };
    imgMul = makePicture("imgMul", engine::Operator::Multiplication, 2520, 720, false);
    imgSub = makePicture("imgSub", engine::Operator::Subtraction, 2400, 720, false);
    imgDiv = makePicture("imgDiv", engine::Operator::Division, 2520, 720, false);
    lblNum1 = makeLabel(this, "lblNum1", QStringLiteral("0"), fontOf("Times New Roman", 48, true), 600,
                        360, 1455, 1215);
    lblNum2 = makeLabel(this, "lblNum2", QStringLiteral("0"), fontOf("Times New Roman", 48, true), 3360,
                        360, 1575, 1215);
    Label4 = makeLabel(this, "Label4", QStringLiteral("="), fontOf("MS Sans Serif", 41.25, true), 4920,
                       360, 855, 855);
    imgAdd = makePicture("imgAdd", engine::Operator::Addition, 2400, 720, true);

    // Earlier in the control list lies in front: raise from the last to the
    // first, then the window's real controls above all the drawing.
    const std::array<QWidget*, 15> drawn{lblQuestion, Label5, lblMultiOp, Label3, Label2,
                                         lblmessage,  lblscore, Label1,   imgMul, imgSub,
                                         imgDiv,      lblNum1, lblNum2,   Label4, imgAdd};
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it)
        (*it)->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{PushButton8, ProgressBar1, PushButton1, Check1,
                                                     Check2, Check3, Check4, Check5, Check6,
                                                     Check7, txtanswer})
        w->raise();

    QWidget::setTabOrder(Check1, Check2);
    QWidget::setTabOrder(Check2, Check3);
    QWidget::setTabOrder(Check3, Check4);
    QWidget::setTabOrder(Check4, Check5);
    QWidget::setTabOrder(Check5, Check6);
    QWidget::setTabOrder(Check6, Check7);
    QWidget::setTabOrder(Check7, txtanswer);
    QWidget::setTabOrder(txtanswer, PushButton1);
    QWidget::setTabOrder(PushButton1, PushButton8);

    // Wiring of the event procedures.
    connect(PushButton1, &PushButton::clickEvent, this, &Form1::PushButton1_Click);
    connect(PushButton8, &PushButton::clickEvent, this, &Form1::PushButton8_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    const auto ops = operatorBoxes();
    for (int i = 0; i < 4; ++i)
        connect(ops[i], &QAbstractButton::clicked, this, [this, i] { OperatorBox_Click(i); });
    const auto levels = levelBoxes();
    for (int i = 0; i < 3; ++i)
        connect(levels[i], &QAbstractButton::clicked, this, [this, i] { LevelBox_Click(i); });
    for (PushButton* b : {PushButton1, PushButton8})
        connect(b, &PushButton::mouseMoved, this,
                [this] { pointer_.moveOver(frame::PointerMode::Custom); });
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    inkTexts();
    describeMainWindow(*this);
    addTitleStripOnWayland(this, true);
}

QColor Form1::paintedBehind(const QWidget* w) const {
    if (w->autoFillBackground()) return w->palette().color(w->backgroundRole());
    const QRect panel(twips(kPanel.x()), twips(kPanel.y()) + layoutTop(this), twips(kPanel.width()),
                      twips(kPanel.height()));
    return panel.contains(w->geometry()) ? kGreen : palette().color(QPalette::Window);
}

void Form1::inkTexts() {
    for (QLabel* l : {lblQuestion, Label5, lblMultiOp, Label3, Label2, lblmessage, lblscore, Label1,
                      lblNum1, lblNum2, Label4})
        frame::inkOn(l, QPalette::WindowText, paintedBehind(l));
    // Only the captions: the tick inside the box is drawn in the box's own colours.
    for (CheckBox* box : optionBoxes()) frame::inkOn(box, QPalette::WindowText, paintedBehind(box));
    // The judged answer stays as dark as it was typed, next to its verdict.
    frame::inkOn(txtanswer, QPalette::Text, txtanswer->palette().color(QPalette::Base), false);
}

// ------------------------------------------------------------ window events

void Form1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(0, layoutTop(this));
    p.setPen(QPen(Qt::black, 1));
    auto shape = [&](int l, int t, int w, int h, const QColor& fill) {
        p.setBrush(fill);
        p.drawRect(QRect(twips(l), twips(t), twips(w) - 1, twips(h) - 1));
    };
    shape(kShadow.x(), kShadow.y(), kShadow.width(), kShadow.height(), kLightGrey);
    shape(kPanel.x(), kPanel.y(), kPanel.width(), kPanel.height(), kGreen);
    // The divider is drawn like the text beside it, so it shows on the
    // button face of a dark desktop as well.
    p.setPen(QPen(frame::inkFor(palette().color(QPalette::Window)), 1));
    p.drawLine(twips(4440), twips(2640), twips(4440), twips(4920));
}

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
    if (isHeldEnter(event)) return event->accept();
    // A key a control ignored comes up here as well; the window has seen it
    // already. Otherwise no control had the focus and this is its arrival.
    if (!redelivering_) previewKey(event);
    QWidget::keyPressEvent(event);
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
    if (event->type() == QEvent::KeyPress && !redelivering_) {
        // Swallowed before the window or the control sees it.
        if (isHeldEnter(static_cast<QKeyEvent*>(event))) {
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
        g.step(132, [&] { NumProb = 0; });
        g.step(134, [&] { NumRight = 0; });
        g.step(136, [&] { TimeLimit = 10; });
        g.step(138, [&] { SecondsElapsed = 0; });
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

void Form1::PushButton1_Click() {
    Guard::run(where::kForm1Next, seams_.boxes, seams_.ending, [&](Guard& g) {
        const auto ops = operatorBoxes();
        const auto levels = levelBoxes();
        if (g.test(100, [&] {
                return std::all_of(ops.begin(), ops.end(), [](CheckBox* b) { return b->value() == 0; });
            })) {
            g.step(102, [&] { seams_.boxes.warn(QStringLiteral("You must select at least one operator")); });
            return;
        }
        if (g.test(100, [&] {
                return std::none_of(levels.begin(), levels.end(),
                                    [](CheckBox* b) { return b->value() == 1; });
            })) {
            g.step(100, [&] { seams_.boxes.warn(QStringLiteral("You must select at least one game level")); });
            return;
        }
        g.step(104, [&] { txtanswer->setEnabled(true); });
        g.step(106, [&] { PushButton1->setEnabled(false); });
        g.step(108, [&] { PushButton1->setText(QStringLiteral("Next")); });
        const auto boxes = optionBoxes();
        for (int i = 0; i < 7; ++i) g.step(110 + 2 * i, [&] { boxes[i]->setEnabled(false); });
        g.step(124, [&] { txtanswer->clear(); });
        g.step(126, [&] { lblmessage->clear(); });
        g.step(128, [&] { engine::increment(NumProb); });
        g.step(130, [&] { lblQuestion->setText(QStringLiteral("Question ") + number(NumProb)); });

        engine::Range range;
        engine::levelRange(g, {Check5->value() == 1, Check6->value() == 1, Check7->value() == 1}, range);
        std::int32_t first = 0;
        std::int32_t second = 0;
        engine::drawPair(g, {Check2->value() == 1, Check3->value() == 1, Check4->value() == 1}, range,
                         seams_.random, first, second);

        g.step(210, [&] { Label5->hide(); });
        g.step(212, [&] { lblNum1->setText(number(first)); });
        g.step(214, [&] { lblNum2->setText(number(second)); });
        if (g.test(216, [&] { return shown(lblMultiOp); }))
            randomPick(g, first, second);
        else if (g.test(302, [&] { return !shown(lblMultiOp); }))
            fixedPick(g, first, second);
        g.step(328, [&] { txtanswer->setFocus(Qt::OtherFocusReason); });
        g.step(330, [&] {
            ProgressBar1->setText(QStringLiteral("You have ") + number(TimeLimit) +
                                  QStringLiteral(" seconds to answer this question."));
        });
        g.step(332, [&] { Timer1->start(); });
    });
}

void Form1::randomPick(Guard& g, std::int32_t first, std::int32_t second) {
    std::string pick;
    double position = 0;
    g.step(218, [&] { pick.clear(); });
    const auto ops = operatorBoxes();
    for (int i = 0; i < 4; ++i)
        if (g.test(220 + 4 * i, [&] { return ops[i]->value() == 1; }))
            g.step(222 + 4 * i, [&] { pick += engine::kOperators[i].sign; });
    g.step(236, [&] { position = engine::pickPosition(seams_.random.next(), pick.size()); });
    const auto signAt = [&] {
        const auto at = static_cast<std::size_t>(position);
        return at >= 1 && at <= pick.size() ? pick[at - 1] : '\0';
    };
    constexpr std::array<int, 4> tests{238, 254, 270, 286};
    for (int i = 0; i < 4; ++i) {
        if (g.test(tests[i], [&] { return signAt() == engine::kOperators[i].sign; })) {
            showOperator(g, i, tests[i] + 2, first, second);
            return;
        }
    }
}

void Form1::showOperator(Guard& g, int index, int firstStep, std::int32_t first,
                         std::int32_t second) {
    const engine::Operator op = engine::kOperators[index].op;
    g.step(firstStep, [&] { CorrectAnswer = engine::correctResult(op, first, second); });
    g.step(firstStep + 2, [&] { ProblemText = engine::problemText(op, first, second); });
    g.step(firstStep + 4, [&] { lblMultiOp->hide(); });
    const auto pics = pictures();
    for (int j = 0; j < 4; ++j) g.step(firstStep + 6 + 2 * j, [&] { pics[j]->setVisible(j == index); });
}

void Form1::fixedPick(Guard& g, std::int32_t first, std::int32_t second) {
    const auto ops = operatorBoxes();
    constexpr std::array<int, 4> tests{304, 310, 316, 322};
    for (int i = 0; i < 4; ++i) {
        if (g.test(tests[i], [&] { return ops[i]->value() == 1; })) {
            const engine::Operator op = engine::kOperators[i].op;
            g.step(tests[i] + 2, [&] { CorrectAnswer = engine::correctResult(op, first, second); });
            g.step(tests[i] + 4, [&] { ProblemText = engine::problemText(op, first, second); });
            return;
        }
    }
}

void Form1::PushButton8_Click() {
    Guard::run(where::kForm1EndGame, seams_.boxes, seams_.ending, [&](Guard& g) {
        g.step(100, [&] { hide(); });
        g.step(102, [&] { form2().show(); });
    });
}

void Form1::txtanswer_KeyPress(int& keyAscii) {
    Guard::run(where::kForm1KeyPress, seams_.boxes, seams_.ending, [&](Guard& g) {
        if (g.test(100, [&] { return !txtanswer->isEnabled(); })) return;
        if (g.test(102, [&] { return (keyAscii >= 48 && keyAscii <= 57) || keyAscii == 8; })) return;
        if (!g.test(104, [&] { return keyAscii == 13; })) {
            g.step(156, [&] { keyAscii = 0; });
            return;
        }
        // Judged the Enter way.
        std::int32_t typed = 0;
        g.step(106, [&] { typed = engine::readTypedAnswer(txtanswer->text().toStdString()); });
        g.step(108, [&] { Label5->show(); });
        judge(g, typed, 110, {112, 114, 116, 118, 126}, {130, 128, 132, 134, 142});
        g.step(144, [&] { lblscore->setText(number(engine::displayedScore(NumRight, NumWrong))); });
        g.step(146, [&] { PushButton1->setEnabled(true); });
        g.step(148, [&] { PushButton1->setFocus(Qt::OtherFocusReason); });
        g.step(150, [&] { Timer1->stop(); });
        g.step(152, [&] { SecondsElapsed = 0; });
        g.step(154, [&] { txtanswer->setEnabled(false); });
        if (g.test(154, [&] { return MultiOpMode; })) g.step(154, [&] { lblMultiOp->show(); });
    });
}

void Form1::judge(Guard& g, std::int32_t typed, int compareStep, BranchSteps right,
                  BranchSteps wrong) {
    if (g.test(compareStep, [&] { return typed == CorrectAnswer; })) {
        g.step(right.counter, [&] { engine::increment(NumRight); });
        g.step(right.message, [&] { lblmessage->setText(QStringLiteral("That's correct!")); });
        writeRow(g, right, typed, "Correct!");
    } else {
        g.step(wrong.message, [&] {
            lblmessage->setText(QStringLiteral("Wrong! Answer: ") + number(CorrectAnswer));
        });
        g.step(wrong.counter, [&] { engine::increment(NumWrong); });
        writeRow(g, wrong, typed, "Wrong!");
    }
}

void Form1::writeRow(Guard& g, const BranchSteps& steps, std::int32_t typed, const char* verdict) {
    // Should the row fail to be added, the cells below must not land in the
    // previous judgement's row, which the reference would otherwise still name.
    ResultRow = {};
    g.step(steps.row, [&] { ResultRow = form2().addRow(number(NumProb)); });
    const std::array<QString, 4> cells{qs(ProblemText), number(typed), number(CorrectAnswer),
                                       QString::fromLatin1(verdict)};
    for (int i = 0; i < 4; ++i)
        g.step(steps.firstSubItem + 2 * i, [&] { form2().setSubItem(ResultRow, i + 1, cells[i]); });
    g.step(steps.scoreLine, [&] {
        form2().Label1->setText(
            qs(engine::scoreLine(engine::displayedScore(NumRight, NumWrong), NumProb)));
    });
}

void Form1::Timer1_Timer() {
    // A tick that arrives while an error report waits is dropped: the
    // procedure behind the report may be judging this very problem.
    if (Guard::reportOpen()) return;
    Guard::run(where::kForm1Timer, seams_.boxes, seams_.ending,
               [&](Guard& g) { g.step(100, [&] { Answer(); }); });
}

void Form1::Answer() {
    Guard::run(where::kForm1Answer, seams_.boxes, seams_.ending, [&](Guard& g) {
        g.step(100, [&] { engine::increment(SecondsElapsed); });
        g.step(102, [&] { ProgressBar1->setMaximum(TimeLimit); });
        if (g.test(104, [&] { return SecondsElapsed <= TimeLimit; }))
            g.step(106, [&] { ProgressBar1->setValue(SecondsElapsed); });
        g.step(108, [&] {
            ProgressBar1->setText(QStringLiteral("You have ") +
                                  number(engine::checked16(TimeLimit - SecondsElapsed)) +
                                  QStringLiteral(" seconds to answer this question."));
        });
        // Repaints, keys and clicks that are waiting run here, inside the tick.
        g.step(110, [&] { QCoreApplication::processEvents(); });
        if (g.test(112, [&] { return SecondsElapsed < TimeLimit; })) return;

        g.step(114, [&] { ProgressBar1->setText(QStringLiteral("Time is over.")); });
        std::int32_t typed = 0;
        if (g.test(116, [&] { return txtanswer->text().isEmpty(); }))
            g.step(118, [&] { typed = 0; });
        else
            g.step(120, [&] { typed = engine::readTypedAnswer(txtanswer->text().toStdString()); });
        judge(g, typed, 122, {124, 126, 128, 130, 138}, {142, 140, 144, 146, 154});
        g.step(156, [&] { lblscore->setText(number(engine::displayedScore(NumRight, NumWrong))); });

        g.step(158, [&] { PushButton1->setEnabled(true); });
        const auto boxes = optionBoxes();
        for (int i = 0; i < 7; ++i) g.step(160 + 2 * i, [&] { boxes[i]->setEnabled(true); });
        g.step(174, [&] { Timer1->stop(); });
        g.step(174, [&] { txtanswer->setEnabled(false); });
        g.step(176, [&] { SecondsElapsed = 0; });
        g.step(176, [&] { pointer_.setMode(frame::PointerMode::Default); });
        g.step(178, [&] { ProgressBar1->setValue(0); });
        g.step(178, [&] { ProgressBar1->setText(QStringLiteral("Progress Bar")); });
        if (g.test(180, [&] { return MultiOpMode; })) g.step(182, [&] { lblMultiOp->show(); });
    });
}

// ------------------------------------------------ option boxes (no guard)

void Form1::OperatorBox_Click(int index) {
    if (seams_.ending.ended()) return;
    const auto ops = operatorBoxes();
    OperatorPicture* picture = pictures()[index];
    if (ops[index]->value() == 1) {
        bool another = false;
        for (int i = 0; i < 4; ++i)
            if (i != index && ops[i]->value() == 1) another = true;
        if (another) {
            lblMultiOp->show();
            MultiOpMode = true;
        } else {
            lblMultiOp->hide();
            MultiOpMode = false;
            picture->show();
        }
        return;
    }
    picture->hide();
    if (std::all_of(ops.begin(), ops.end(), [](CheckBox* b) { return b->value() == 0; })) {
        seams_.boxes.warn(QStringLiteral("You must select at least one operator"));
        if (seams_.ending.ended()) return;
        lblMultiOp->hide();
        MultiOpMode = false;
    }
}

void Form1::LevelBox_Click(int index) {
    if (seams_.ending.ended()) return;
    const auto levels = levelBoxes();
    if (levels[index]->value() == 1) return;
    bool other = false;
    for (int i = 0; i < 3; ++i)
        if (i != index && levels[i]->value() == 1) other = true;
    if (!other) seams_.boxes.warn(QStringLiteral("You must select at least one game level"));
}

}  // namespace windows
