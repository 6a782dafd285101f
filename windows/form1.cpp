#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "accessibility.h"
#include "engine/texts.h"
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
    board_ = std::make_unique<MainBoard>(*this);
    game_ = std::make_unique<engine::Game>(*board_, *board_, seams_.random);
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

    PushButton1 = new PushButton(qs(engine::texts::kStart), this);
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
    ProgressBar1->setText(qs(engine::texts::kBarAtRest));
    placeTwips(ProgressBar1, 120, 2160, 9000, 405);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    PushButton8 = new PushButton(QStringLiteral("End Game"), this);
    PushButton8->setObjectName(QStringLiteral("PushButton8"));
    PushButton8->setFont(fontOf("Arial", 11.25, true));
    placeTwips(PushButton8, 120, 5640, 9000, 405);

    lblQuestion = makeLabel(this, "lblQuestion", qs(engine::texts::kQuestion), headingFont, 2400,
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
        connect(ops[i], &QAbstractButton::clicked, this, [this, i] { game_->OperatorBox_Click(i); });
    const auto levels = levelBoxes();
    for (int i = 0; i < 3; ++i)
        connect(levels[i], &QAbstractButton::clicked, this, [this, i] { game_->LevelBox_Click(i); });
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
