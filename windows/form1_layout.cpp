#include "form1.h"

#include <QPainter>

#include "engine/texts.h"
#include "frame/ink.h"
#include "title_strip.h"

// What the main window looks like: its controls, where they stand, their
// fonts and colours, and the problem panel drawn behind them.

namespace windows {

namespace {


const QColor kGreen(128, 255, 128);
const QColor kLightGrey(224, 224, 224);
// The problem panel and its drop shadow, in twips.
const QRect kPanel(120, 120, 8535, 1755);
const QRect kShadow(510, 330, 8610, 1755);


// The problem row is arithmetic, which Arabic and Hebrew school books write
// left to right as well: number, operator, number, "=", answer. In a window
// laid out right to left it goes with the panel, to the panel's mirrored
// place, and keeps its order and its place on the panel.
void placeInProblemRow(QWidget* w, int l, int t, int width, int h) {
    w->setLayoutDirection(Qt::LeftToRight);
    placeTwips(w, l, t, width, h, kPanel);
}

template <class Label = QLabel>
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QFont font,
                  int l, int t, int w, int h, bool inProblemRow = false) {
    auto* label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(false);
    if (inProblemRow)
        placeInProblemRow(label, l, t, w, h);
    else
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

void Form1::buildControls() {
    setUpFixedWindow(this, 9240, 7800, Qt::WindowMinimizeButtonHint);

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
    placeInProblemRow(txtanswer, 5880, 360, 2625, 1335);

    auto makeBox = [&](const char* name, const QString& caption, int l, int t, int w, int h,
                       bool ticked) {
        auto* box = new CheckBox(caption, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setFont(boxFont);
        QPalette p = box->palette();
        p.setColor(QPalette::Window, Qt::white);
        box->setPalette(p);
        box->setChecked(ticked);
        placeTwips(box, l, t, w, h);
        return box;
    };
    Check7 = makeBox("Check7", tr("Display 3 digit numbers (Hard)"), 4680, 4320, 2490, 570, false);
    Check6 = makeBox("Check6", tr("Display 2 digit numbers (Medium)"), 4680, 3720, 2490, 570, false);
    Check5 = makeBox("Check5", tr("Display 1 digit numbers (Easy)"), 4680, 3120, 2490, 570, true);
    Check4 = makeBox("Check4", tr("Division"), 2280, 4560, 1290, 330, false);
    Check3 = makeBox("Check3", tr("Multiplication"), 2280, 4080, 2010, 330, false);
    Check2 = makeBox("Check2", tr("Subtraction"), 2280, 3600, 2010, 330, false);
    Check1 = makeBox("Check1", tr("Addition"), 2280, 3120, 1290, 330, true);

    PushButton1 = new PushButton(gameText(engine::texts::kStart), this);
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
    ProgressBar1->setText(gameText(engine::texts::kBarAtRest));
    placeTwips(ProgressBar1, 120, 2160, 9000, 405);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    PushButton8 = new PushButton(tr("End Game"), this);
    PushButton8->setObjectName(QStringLiteral("PushButton8"));
    PushButton8->setFont(fontOf("Arial", 11.25, true));
    placeTwips(PushButton8, 120, 5640, 9000, 405);

    // The counter stands without its number until the first problem.
    lblQuestion = makeLabel(this, "lblQuestion", gameText(engine::texts::kQuestion).arg(QString()), headingFont, 2400,
                            6240, 6615, 375);
    Label5 = makeLabel(this, "Label5", tr("Press Enter key to continue"), headingFont,
                       120, 5160, 9015, 495);
    lblMultiOp = makeLabel(this, "lblMultiOp", QStringLiteral("?"), fontOf("MS Sans Serif", 24, false),
                           2400, 720, 615, 615, true);
    makeOpaque(lblMultiOp, kGreen, false);
    lblMultiOp->hide();
    Label3 = makeLabel(this, "Label3", tr("Game Level"), headingFont, 4680, 2640, 1935, 375);
    Label2 = makeLabel(this, "Label2", tr("Operator"), headingFont, 2280, 2640, 1935, 375);
    lblmessage = makeLabel<FittingLabel>(this, "lblmessage", QString(), fontOf("Times New Roman", 36, true), 2400,
                           6600, 6615, 1095);
    makeOpaque(lblmessage, kLightGrey, true);
    lblmessage->setAlignment(Qt::AlignCenter);
    lblscore = makeLabel<FittingLabel>(this, "lblscore", QStringLiteral("0"), fontOf("Times New Roman", 41.25, true),
                         120, 6600, 1965, 1095);
    makeOpaque(lblscore, kLightGrey, true);
    lblscore->setAlignment(Qt::AlignCenter);
    Label1 = makeLabel(this, "Label1", tr("Your Score"), headingFont, 120, 6240, 1935, 375);

    auto makePicture = [&](const char* name, engine::Operator op, int l, int t, bool visible) {
        auto* pic = new OperatorPicture(op, this);
        pic->setObjectName(QString::fromLatin1(name));
        placeInProblemRow(pic, l, t, 480, 480);
        pic->setVisible(visible);
        return pic;
    };
    imgMul = makePicture("imgMul", engine::Operator::Multiplication, 2520, 720, false);
    imgSub = makePicture("imgSub", engine::Operator::Subtraction, 2400, 720, false);
    imgDiv = makePicture("imgDiv", engine::Operator::Division, 2520, 720, false);
    lblNum1 = makeLabel(this, "lblNum1", QStringLiteral("0"), fontOf("Times New Roman", 48, true), 600,
                        360, 1455, 1215, true);
    lblNum2 = makeLabel(this, "lblNum2", QStringLiteral("0"), fontOf("Times New Roman", 48, true), 3360,
                        360, 1575, 1215, true);
    Label4 = makeLabel(this, "Label4", QStringLiteral("="), fontOf("MS Sans Serif", 41.25, true), 4920,
                       360, 855, 855, true);
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

}

QColor Form1::paintedBehind(const QWidget* w) const {
    if (w->autoFillBackground()) return w->palette().color(w->backgroundRole());
    const QRect panel = placedTwips(this, kPanel).translated(0, layoutTop(this));
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

void Form1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(0, layoutTop(this));
    p.setPen(QPen(Qt::black, 1));
    auto shape = [&](const QRect& twipsRect, const QColor& fill) {
        p.setBrush(fill);
        p.drawRect(placedTwips(this, twipsRect).adjusted(0, 0, -1, -1));
    };
    shape(kShadow, kLightGrey);
    shape(kPanel, kGreen);
    // The divider is drawn like the text beside it, so it shows on the
    // button face of a dark desktop as well.
    p.setPen(QPen(frame::inkFor(palette().color(QPalette::Window)), 1));
    const QRect divider = placedTwips(this, QRect(4440, 2640, 15, 4920 - 2640));
    p.drawLine(divider.left(), divider.top(), divider.left(), divider.top() + divider.height());
}

}  // namespace windows
