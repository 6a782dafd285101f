// The yardstick for the game's start-up: the least a Qt Widgets program does
// to put a window of the game's size with one label on the screen.
//
// With --game-fonts it also shows, as plain labels, the texts that stand on
// the game's window when Question 1 opens, each in the font the game's layout
// gives it: what Qt itself needs to draw that much text in those faces.
//
// With --countdown it counts down as a problem does, forever: a progress bar
// and a label with the seconds left, changed by a one-second QTimer; the
// least a Qt program wakes up for while a problem counts down.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

QFont font(const char* family, double points, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

struct Text {
    const char* text;
    const char* family;
    double points;
    bool bold;
    int x, y, w, h;
};

// Positions in pixels; fonts and texts as on the game's window.
const Text kGameTexts[] = {
    {"Addition", "Arial", 12, true, 152, 208, 86, 22},
    {"Subtraction", "Arial", 12, true, 152, 240, 134, 22},
    {"Multiplication", "Arial", 12, true, 152, 272, 134, 22},
    {"Division", "Arial", 12, true, 152, 304, 86, 22},
    {"Display 1 digit numbers (Easy)", "Arial", 12, true, 312, 208, 166, 38},
    {"Display 2 digit numbers (Medium)", "Arial", 12, true, 312, 248, 166, 38},
    {"Display 3 digit numbers (Hard)", "Arial", 12, true, 312, 288, 166, 38},
    {"Operator", "Arial", 14.25, true, 152, 176, 129, 25},
    {"Game Level", "Arial", 14.25, true, 312, 176, 129, 25},
    {"Your Score", "Arial", 14.25, true, 8, 416, 129, 25},
    {"End Game", "Arial", 11.25, true, 8, 376, 600, 27},
    {"You have 10 seconds to answer this question.", "Arial", 9, true, 8, 144, 600, 27},
    {"7", "Times New Roman", 48, true, 40, 24, 97, 81},
    {"5", "Times New Roman", 48, true, 224, 24, 105, 81},
    {"=", "MS Sans Serif", 41.25, true, 328, 24, 57, 57},
    {"0", "Times New Roman", 41.25, true, 8, 440, 131, 73},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool gameFonts = argc > 1 && std::strcmp(argv[1], "--game-fonts") == 0;
    QWidget window;
    window.setFixedSize(616, 520);  // the main window's client area
    QLabel label(QStringLiteral("Question 1"), &window);
    label.setGeometry(160, 416, 441, 25);
    if (gameFonts) {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        window.setFont(font("Arial", 9, true));
        label.setFont(font("Arial", 14.25, true));
        for (const Text& t : kGameTexts) {
            auto* l = new QLabel(QString::fromLatin1(t.text), &window);
            l->setFont(font(t.family, t.points, t.bold));
            l->setGeometry(t.x, t.y, t.w, t.h);
            l->setWordWrap(true);
        }
    }
    QTimer tick;
    if (argc > 1 && std::strcmp(argv[1], "--countdown") == 0) {
        auto* bar = new QProgressBar(&window);
        bar->setGeometry(8, 144, 600, 27);
        bar->setRange(0, 10);
        QObject::connect(&tick, &QTimer::timeout, bar, [bar, &label] {
            const int left = bar->value() > 0 ? bar->value() - 1 : 10;
            bar->setValue(left);
            label.setText(QStringLiteral("You have %1 seconds to answer this question.").arg(left));
        });
        tick.start(1000);
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - QPoint(308, 260));
    window.show();
    return app.exec();
}
