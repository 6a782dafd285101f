#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <map>

#include "frame/ink.h"
#include "support.h"
#include "windows/title_strip.h"

using frame::PointerMode;
using testing_support::Game;
using windows::Form1;

namespace {

// A mouse move with no button held, delivered the way the platform delivers
// it to the control under the pointer (unhandled moves go on to the parent).
void moveOver(QWidget* w, QPoint at = QPoint(-1, -1)) {
    if (at == QPoint(-1, -1)) at = w->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

std::vector<QLabel*> labels(Form1& f) {
    return {f.lblQuestion, f.Label5, f.lblMultiOp, f.Label3, f.Label2, f.lblmessage,
            f.lblscore,    f.Label1, f.lblNum1,    f.lblNum2, f.Label4};
}

QColor windowColour(const QWidget* w) { return w->palette().color(QPalette::Window); }

// A point of the window's own surface, with no control on it.
QPoint background(Form1& f) {
    const QPoint p(3, 3);
    EXPECT_EQ(f.childAt(p), nullptr);
    return p;
}

// A dark scheme: light text for dark surfaces, as a desktop's dark style gives.
QPalette darkScheme() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(46, 46, 46));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(240, 240, 240));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    return dark;
}

// Puts the desktop's scheme back when a test that changed it ends.
struct RestorePalette {
    QPalette p = QApplication::palette();
    ~RestorePalette() { QApplication::setPalette(p); }
};

// A check box's square as drawn, and its fill: the colour most of the square
// is painted in.
struct Square {
    QImage pixels;
    QColor fill;
};
Square squareOf(QWidget* box) {
    const int side = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
    const QImage shot = box->grab().toImage();
    Square sq{shot.copy(0, (box->height() - side) / 2, side, side), {}};
    std::map<QRgb, int> count;
    for (int y = 0; y < sq.pixels.height(); ++y)
        for (int x = 0; x < sq.pixels.width(); ++x) ++count[sq.pixels.pixel(x, y)];
    sq.fill = QColor(std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                         return a.second < b.second;
                     })->first);
    return sq;
}

}  // namespace

// ----------------------------------------------------------------- the skin

TEST(Theme, WithoutSkinTheLayoutColoursStay) {
    for (bool folderInstead : {false, true}) {
        SCOPED_TRACE(folderInstead ? "folder named o.cjs" : "no skin file");
        Game game;
        if (folderInstead) {
            ASSERT_TRUE(QDir().mkpath(game.folder() + "/x/o.cjs"));
        }
        Form1& f = game.start(false);
        EXPECT_EQ(windowColour(&f), QColor(Qt::white));
        for (auto* b : f.optionBoxes()) EXPECT_EQ(windowColour(b), QColor(Qt::white));
        EXPECT_EQ(windowColour(f.lblmessage), QColor(224, 224, 224));
        EXPECT_EQ(windowColour(f.lblscore), QColor(224, 224, 224));
        EXPECT_EQ(windowColour(f.lblMultiOp), QColor(128, 255, 128));
        for (QLabel* l : {f.lblQuestion, f.Label5, f.Label3, f.Label2, f.Label1, f.lblNum1})
            EXPECT_EQ(windowColour(l), QColor(Qt::white)) << l->objectName().toStdString();
        EXPECT_TRUE(game.boxes.shown.empty());

        f.showCentred();
        const QImage shot = f.grab().toImage();
        EXPECT_EQ(shot.pixelColor(background(f)), QColor(Qt::white));
    }
}

TEST(Theme, SkinGivesWindowBoxesAndLabelsTheButtonFace) {
    Game plain;
    Form1& before = plain.start(false);
    Game game;
    game.writeFile("x/o.cjs", QByteArray());  // the file's presence is what counts
    Form1& f = game.start(false);
    const QColor face = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(face, QColor(Qt::white));
    EXPECT_TRUE(game.boxes.shown.empty());

    EXPECT_EQ(windowColour(&f), face);
    for (auto* b : f.optionBoxes()) EXPECT_EQ(windowColour(b), face) << b->objectName().toStdString();
    for (QLabel* l : labels(f)) EXPECT_EQ(windowColour(l), face) << l->objectName().toStdString();

    // Everything else keeps its own look.
    EXPECT_EQ(f.txtanswer->palette().color(QPalette::Base), QColor(128, 255, 128));
    for (auto role : {QPalette::Button, QPalette::ButtonText}) {
        EXPECT_EQ(f.PushButton1->palette().color(role), before.PushButton1->palette().color(role));
        EXPECT_EQ(f.PushButton8->palette().color(role), before.PushButton8->palette().color(role));
    }
    for (auto role : {QPalette::Highlight, QPalette::Base})
        EXPECT_EQ(f.ProgressBar1->palette().color(role), before.ProgressBar1->palette().color(role));
    for (QWidget* own : std::initializer_list<QWidget*>{f.PushButton1, f.PushButton8, f.ProgressBar1,
                                                       f.imgAdd, f.imgSub, f.imgMul, f.imgDiv})
        EXPECT_FALSE(own->testAttribute(Qt::WA_SetPalette)) << own->objectName().toStdString();

    // And it shows: the window's surface and a box's empty corner are drawn in it.
    f.showCentred();
    EXPECT_EQ(f.grab().toImage().pixelColor(background(f)), face);
    const QImage box = f.Check1->grab().toImage();
    EXPECT_EQ(box.pixelColor(box.width() - 1, 0), face);
    const QImage plainBox = before.Check1->grab().toImage();
    EXPECT_EQ(plainBox.pixelColor(plainBox.width() - 1, 0), QColor(Qt::white));
}

TEST(Theme, TextsStayReadableWhenTheDesktopTurnsDarkWhileTheGameRuns) {
    const QPalette dark = darkScheme();
    RestorePalette restore;

    for (bool skin : {false, true}) {
        SCOPED_TRACE(skin ? "skin" : "no skin");
        Game game;
        if (skin) game.writeFile("x/o.cjs", QByteArray());
        Form1& f = game.start();
        QApplication::setPalette(dark);
        game.answer(false);
        Game::settle();
        const QImage shot = f.grab().toImage();
        // What is painted behind a control, read where its text does not reach.
        auto behind = [&](const QWidget* w) {
            return shot.pixelColor(w->geometry().bottomRight() - QPoint(2, 2));
        };
        for (QLabel* l : labels(f)) {
            if (!l->isVisible()) continue;
            const QColor ink = l->palette().color(QPalette::Active, QPalette::WindowText);
            EXPECT_GE(frame::contrast(ink, behind(l)), frame::kTextContrast)
                << l->objectName().toStdString();
        }
        for (auto* box : f.optionBoxes()) {
            ASSERT_FALSE(box->isEnabled());
            const QColor off = box->palette().color(QPalette::Disabled, QPalette::WindowText);
            const QColor on = box->palette().color(QPalette::Active, QPalette::WindowText);
            EXPECT_GE(frame::contrast(off, behind(box)), frame::kDisabledContrast)
                << box->objectName().toStdString();
            // Still greyed: nearer to what is behind it than the caption of a live box.
            EXPECT_LT(frame::contrast(off, behind(box)), frame::contrast(on, behind(box)));
        }
        EXPECT_GE(frame::contrast(f.txtanswer->palette().color(QPalette::Disabled, QPalette::Text),
                                  f.txtanswer->palette().color(QPalette::Base)),
                  frame::kTextContrast);

        // The summary, loaded under the dark scheme: the verdict cells' tint
        // stands out from the dark list and their words read on it.
        windows::Form2* summary = game.summary();
        ASSERT_NE(summary, nullptr);
        QTreeWidgetItem* row = parts::ListView1(summary)->topLevelItem(0);
        ASSERT_NE(row, nullptr);
        const QColor tint = row->background(4).color();
        EXPECT_LT(frame::contrast(tint, dark.color(QPalette::Base)), 2.0);
        EXPECT_GE(frame::contrast(row->foreground(4).color(), tint), frame::kTextContrast);
    }
}

TEST(Theme, CheckBoxSquaresOnTheWhiteStayLightUnderADarkDesktop) {
    RestorePalette restore;
    // The squares as the light desktop draws them, ticked and not, live and
    // switched off (while a problem is open, and after its time-out).
    std::vector<QImage> light;
    {
        Game game;
        Form1& f = game.start();
        for (auto* box : f.optionBoxes()) light.push_back(squareOf(box).pixels);
        game.ticks(engine::kTimeLimit);
        for (auto* box : f.optionBoxes()) light.push_back(squareOf(box).pixels);
    }
    QApplication::setPalette(darkScheme());
    for (bool skin : {false, true}) {
        SCOPED_TRACE(skin ? "skin: the desktop's button face behind"
                          : "no skin: the layout's white");
        Game game;
        if (skin) game.writeFile("x/o.cjs", QByteArray());
        Form1& f = game.start();
        std::vector<Square> dark;
        for (auto* box : f.optionBoxes()) dark.push_back(squareOf(box));
        game.ticks(engine::kTimeLimit);
        for (auto* box : f.optionBoxes()) dark.push_back(squareOf(box));
        ASSERT_EQ(dark.size(), light.size());
        for (std::size_t i = 0; i < dark.size(); ++i) {
            SCOPED_TRACE(f.optionBoxes()[i % 7]->objectName().toStdString() +
                         (i < 7 ? " during a problem" : " after it"));
            if (skin) {
                // The desktop's own look: its dark base fills the square.
                EXPECT_LT(frame::contrast(dark[i].fill, darkScheme().color(QPalette::Base)), 1.5);
            } else {
                EXPECT_EQ(dark[i].pixels, light[i]);
            }
        }
    }
}

TEST(Theme, TheTitleStripDimsWhileItsWindowIsInactive) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillory"));
    window.resize(400, 200);
    auto* strip = new windows::TitleStrip(&window, true);
    strip->setGeometry(0, 0, 400, windows::TitleStrip::kHeight);
    QWidget other;
    other.resize(100, 100);
    window.show();
    other.show();
    // Paints that reach the strip and its buttons after a change of activation.
    struct Paints : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            count += e->type() == QEvent::Paint;
            return false;
        }
    } paints;
    strip->installEventFilter(&paints);
    strip->closeButton()->installEventFilter(&paints);

    auto activate = [&](QWidget& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        paints.count = 0;
        QTest::qWait(50);
    };
    activate(window);
    const QImage active = strip->grab().toImage();
    activate(other);
    EXPECT_GE(paints.count, 2);  // the strip and the close button were drawn again
    const QImage inactive = strip->grab().toImage();
    activate(window);
    EXPECT_GE(paints.count, 2);
    EXPECT_EQ(strip->grab().toImage(), active);

    // The darkest pixel of the caption and of each button's sign, against the bar.
    auto darkest = [](const QImage& img, const QRect& r) {
        QColor d(Qt::white);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (img.pixelColor(x, y).lightness() < d.lightness()) d = img.pixelColor(x, y);
        return d;
    };
    const QColor bar = active.pixelColor(60, 5);
    const QColor barInactive = inactive.pixelColor(60, 5);
    const QRect caption(100, 2, 200, windows::TitleStrip::kHeight - 5);
    const QRect close = strip->closeButton()->geometry().adjusted(6, 6, -6, -6);
    for (const QRect& part : {caption, close}) {
        const double on = frame::contrast(darkest(active, part), bar);
        const double off = frame::contrast(darkest(inactive, part), barInactive);
        EXPECT_GE(on, frame::kTextContrast);
        EXPECT_LT(off, on - 1.0);  // visibly dimmer
        EXPECT_GE(off,
                  frame::kDisabledContrast - 0.2);  // and still read (anti-aliased edges aside)
    }
}

// -------------------------------------------------------------- the pointer

TEST(Pointer, ClickableControlsGiveTheHandAndTheSurfaceTheArrow) {
    Game game;
    game.writeFile("HAND-M.CUR", testing_support::cursorFile(6, 2));
    Form1& f = game.start();
    game.ticks(engine::kTimeLimit);  // between problems: the buttons and the boxes are enabled
    auto& pointer = f.pointer();
    ASSERT_EQ(pointer.mode(), PointerMode::Default);

    for (auto* box : f.optionBoxes()) {
        SCOPED_TRACE(box->objectName().toStdString());
        moveOver(box);
        EXPECT_EQ(pointer.mode(), PointerMode::Custom);
        EXPECT_EQ(f.cursor().shape(), Qt::BitmapCursor);
        moveOver(&f, background(f));
        EXPECT_EQ(pointer.mode(), PointerMode::Default);
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
    }
    for (QWidget* button : std::initializer_list<QWidget*>{f.PushButton1, f.PushButton8}) {
        SCOPED_TRACE(button->objectName().toStdString());
        moveOver(button);
        EXPECT_EQ(pointer.mode(), PointerMode::Custom);
        EXPECT_EQ(f.cursor().hotSpot(), QPoint(6, 2));
        moveOver(&f, background(f));
        EXPECT_EQ(pointer.mode(), PointerMode::Default);
    }
}

TEST(Pointer, ControlsWithoutAHandlerKeepWhateverShows) {
    Game game;
    Form1& f = game.start();
    auto& pointer = f.pointer();
    const std::vector<QWidget*> neutral{f.lblQuestion, f.Label3, f.lblmessage, f.lblNum1, f.Label4,
                                        f.imgAdd,      f.txtanswer, f.ProgressBar1};
    for (PointerMode showing : {PointerMode::Custom, PointerMode::Default}) {
        if (showing == PointerMode::Custom)
            moveOver(f.Check2);
        else
            moveOver(&f, background(f));
        ASSERT_EQ(pointer.mode(), showing);
        for (QWidget* w : neutral) {
            moveOver(w);
            EXPECT_EQ(pointer.mode(), showing) << w->objectName().toStdString();
        }
    }
}

TEST(Pointer, RealMouseMovesFollowTheSameRule) {
    Game game;
    Form1& f = game.start();
    auto& pointer = f.pointer();
    QTest::mouseMove(f.Check6);
    Game::settle();
    EXPECT_EQ(pointer.mode(), PointerMode::Custom);
    QTest::mouseMove(f.Label3);
    Game::settle();
    EXPECT_EQ(pointer.mode(), PointerMode::Custom);
    QTest::mouseMove(&f, background(f));
    Game::settle();
    EXPECT_EQ(pointer.mode(), PointerMode::Default);
    QTest::mouseMove(f.PushButton8);
    Game::settle();
    EXPECT_EQ(pointer.mode(), PointerMode::Custom);
}

TEST(Pointer, HourglassStaysOverEverything) {
    Game game;
    Form1& f = game.start();
    f.pointer().setMode(PointerMode::Hourglass);
    std::vector<QWidget*> all{f.PushButton1, f.PushButton8, f.txtanswer, f.lblNum2};
    for (auto* b : f.optionBoxes()) all.push_back(b);
    for (QWidget* w : all) {
        moveOver(w);
        EXPECT_EQ(f.pointer().mode(), PointerMode::Hourglass) << w->objectName().toStdString();
    }
    moveOver(&f, background(f));
    EXPECT_EQ(f.pointer().mode(), PointerMode::Hourglass);
    EXPECT_EQ(f.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(f.Check1->cursor().shape(), Qt::WaitCursor);
}

TEST(Pointer, SummaryWindowHasItsOwnRule) {
    Game game;
    game.writeFile("HAND-M.CUR", testing_support::cursorFile(3, 9));
    Form1& f = game.start();
    windows::Form2& s = f.form2();
    auto& pointer = s.pointer();
    const QPoint surface(2, 2);
    ASSERT_EQ(s.childAt(surface), nullptr);
    for (QWidget* button : std::initializer_list<QWidget*>{parts::PushButton8(&s), parts::PushButton1(&s)}) {
        SCOPED_TRACE(button->objectName().toStdString());
        moveOver(button);
        EXPECT_EQ(pointer.mode(), PointerMode::Custom);
        EXPECT_EQ(s.cursor().hotSpot(), QPoint(3, 9));
        moveOver(parts::Label1(&s));
        EXPECT_EQ(pointer.mode(), PointerMode::Custom);
        moveOver(parts::ListView1(&s)->viewport());
        EXPECT_EQ(pointer.mode(), PointerMode::Default);
        moveOver(button);
        moveOver(&s, surface);
        EXPECT_EQ(pointer.mode(), PointerMode::Default);
    }
    // Each window has its own mode.
    moveOver(parts::PushButton8(&s));
    EXPECT_EQ(f.pointer().mode(), PointerMode::Default);
    s.pointer().setMode(PointerMode::Hourglass);
    moveOver(parts::PushButton1(&s));
    moveOver(parts::ListView1(&s)->viewport());
    EXPECT_EQ(pointer.mode(), PointerMode::Hourglass);
}
