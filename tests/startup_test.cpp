#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QProcess>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QWindow>
#include <cstring>
#include <vector>

#include "frame/language.h"
#include "frame/main_module.h"
#include "frame/startup.h"
#include "rig/application.h"
#include "support.h"

using testing_support::Game;
using windows::Form1;

namespace {

// A random source that remembers how it was seeded.
class SeedRecorder final : public engine::UniformSource {
public:
    double next() override { return 0.5; }
    void reseed(double seconds) override { seeds.push_back(seconds); }
    std::vector<double> seeds;
};

// Puts the application name back as it was, whatever a test did to it.
struct AppNameRestorer {
    QString name = QCoreApplication::applicationName();
    ~AppNameRestorer() { QCoreApplication::setApplicationName(name); }
};

QByteArray pngBytes() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

void expectStartupCompleted(Game& game) {
    Form1& f = game.form();
    EXPECT_EQ(f.windowTitle(), "Quillory");
    EXPECT_EQ(f.game().timeLimit(), engine::kTimeLimit);
    EXPECT_EQ(f.game().NumProb, 0);
    EXPECT_EQ(f.game().NumRight, 0);
    EXPECT_EQ(f.game().secondsElapsed(), 0);
}

}  // namespace

TEST(Startup, LoadSetsCaptionCountersTimeLimitAndSeed) {
    Game game;
    SeedRecorder seeds;
    game.timeOfDay = 3723.5;  // 01:02:03.5
    game.source = &seeds;
    Form1& f = game.build();
    // Whatever the window held before, the load sets the counters.
    f.game().NumProb = 7;
    f.game().NumRight = 5;
    f.Form_Load();
    expectStartupCompleted(game);
    EXPECT_FALSE(f.windowIcon().isNull());
    EXPECT_EQ(seeds.seeds, (std::vector<double>{3723.5}));
    EXPECT_TRUE(game.boxes.shown.empty());
    EXPECT_EQ(game.ending.count, 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(game.summary(), nullptr);  // no other window at start-up
}

// The one test that holds the limit to its ten seconds; the others count in
// engine::kTimeLimit.
TEST(Startup, TimeLimitIsTenForEveryQuestion) {
    Game game;
    Form1& f = game.start();
    for (int q = 1; q <= 3; ++q) {
        EXPECT_EQ(f.ProgressBar1->text(), "You have 10 seconds to answer this question.");
        game.ticks(10);  // time out
        EXPECT_EQ(f.game().timeLimit(), 10);
        game.enter();
    }
    EXPECT_EQ(f.game().NumProb, 4);
}

TEST(Startup, ApplicationTitleRule) {
    EXPECT_EQ(frame::appTitleFor("Alpha Beta Gamma"), "Alpha Beta");
    EXPECT_EQ(frame::appTitleFor("Alpha Beta"), "Alpha");
    EXPECT_EQ(frame::appTitleFor("Quillory"), "Quillory");
    EXPECT_EQ(frame::appTitleFor(""), "");
    // 54 characters: the last word leaves 43, still too long, so one more goes.
    EXPECT_EQ(frame::appTitleFor("Aaaaaaaaaa Bbbbbbbbbb Cccccccccc Dddddddddd Eeeeeeeeee"),
              "Aaaaaaaaaa Bbbbbbbbbb Cccccccccc");
    // Exactly 40 after the first cut: nothing more is dropped.
    const QString forty = QString(19, 'a') + ' ' + QString(20, 'b');
    EXPECT_EQ(frame::appTitleFor(forty + " tail"), forty);
    for (const QString& name : {QStringLiteral("Learn Addition Subtraction Multiplication And Division Today"),
                                QStringLiteral("a b c d e f g h i j k l m n o p q r s t u v w x y z 1 2 3 4 5 6")}) {
        const QString t = frame::appTitleFor(name);
        EXPECT_LE(t.size(), 40) << t.toStdString();
        EXPECT_FALSE(t.isEmpty());
        EXPECT_TRUE(name.startsWith(t + ' ')) << t.toStdString();
    }
}

TEST(Startup, AppTitleIsTheProductNameAndCaptionsStayBare) {
    AppNameRestorer restore;
    QCoreApplication::setApplicationName(QStringLiteral("before start-up"));
    Game game;
    Form1& f = game.start();
    EXPECT_EQ(QCoreApplication::applicationName(), "Quillory");
    EXPECT_TRUE(game.boxes.shown.empty());
    EXPECT_EQ(f.windowTitle(), "Quillory");
    EXPECT_EQ(f.form2().windowTitle(), "Summary");
    ASSERT_NE(f.windowHandle(), nullptr);
    EXPECT_EQ(f.windowHandle()->title(), "Quillory");
    // A display name set by the game would be appended to the captions by
    // some platforms; unset, the display name follows the application name.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
}

TEST(Startup, WithoutHandPointerFileTheCustomPointerIsTheArrow) {
    Game game;
    Form1& f = game.start();
    EXPECT_TRUE(game.boxes.shown.empty());
    EXPECT_FALSE(f.pointer().hasCustomImage());
    f.pointer().setMode(frame::PointerMode::Custom);
    EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(f.Check1->cursor().shape(), Qt::ArrowCursor);
}

TEST(Startup, HandPointerFileGivesTheCustomPointerWithItsHotspot) {
    for (const QPoint hot : {QPoint(5, 7), QPoint(0, 0), QPoint(31, 20)}) {
        SCOPED_TRACE(hot.x());
        Game game;
        game.writeFile("HAND-M.CUR", testing_support::cursorFile(hot.x(), hot.y()));
        Form1& f = game.start(false);
        EXPECT_TRUE(game.boxes.shown.empty());
        ASSERT_TRUE(f.pointer().hasCustomImage());
        // Loading the picture does not switch the pointer on by itself.
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        f.pointer().setMode(frame::PointerMode::Custom);
        for (QWidget* w : std::initializer_list<QWidget*>{&f, f.Check3, f.txtanswer, f.lblNum1}) {
            EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor) << w->objectName().toStdString();
            EXPECT_EQ(w->cursor().hotSpot(), hot);
        }
        EXPECT_EQ(f.cursor().pixmap().size(), QSize(32, 32));
        f.pointer().setMode(frame::PointerMode::Default);
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        expectStartupCompleted(game);
    }
}

TEST(Startup, BadHandPointerFileIsReportedOnceAndStartupGoesOn) {
    const QByteArray good = testing_support::cursorFile(4, 4);
    ASSERT_GT(good.size(), 100);
    struct Case {
        const char* what;
        QByteArray bytes;
        bool folder = false;
    };
    const std::vector<Case> cases{
        {"empty", QByteArray()},
        {"header only", good.left(6)},
        {"directory cut short", good.left(21)},
        {"image header cut short", good.left(40)},
        {"pixels cut short", good.left(good.size() / 2)},
        {"last byte missing", good.left(good.size() - 1)},
        {"garbage", QByteArray(300, '\x5a')},
        {"PNG renamed", pngBytes()},
        {"folder", QByteArray(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        SeedRecorder seeds;
        game.source = &seeds;
        if (c.folder) {
            ASSERT_TRUE(QDir(game.folder()).mkdir("HAND-M.CUR"));
        } else {
            game.writeFile("HAND-M.CUR", c.bytes);
        }
        Form1& f = game.start(false);
        ASSERT_EQ(game.boxes.shown.size(), 1u) << testing_support::texts(game.boxes).back();
        EXPECT_EQ(game.boxes.shown[0].title, "Application Error");
        EXPECT_TRUE(game.boxes.shown[0].text.contains(
            QStringLiteral("\r\nin Quillory2021/08/31.Form1.Form_Load at line 110\r\r")))
            << game.boxes.shown[0].text.toStdString();
        EXPECT_FALSE(f.pointer().hasCustomImage());
        f.pointer().setMode(frame::PointerMode::Custom);
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        expectStartupCompleted(game);
        EXPECT_EQ(seeds.seeds.size(), 1u);
        EXPECT_EQ(game.ending.count, 0);
    }
}

TEST(Startup, QtIsGivenOnlyTheProgramName) {
    char name[] = "quillory", platform[] = "-platform", xcb[] = "xcb", reverse[] = "--reverse",
         style[] = "-style=windows", plain[] = "file.txt";
    char* argv[] = {name, platform, xcb, reverse, style, plain, nullptr};
    const std::vector<char*> args = frame::qtArguments(6, argv);
    ASSERT_EQ(args.size(), 2u);
    EXPECT_EQ(args[0], name);
    EXPECT_EQ(args[1], nullptr);

    char* none[] = {nullptr};
    for (const auto& got : {frame::qtArguments(0, none), frame::qtArguments(0, nullptr)}) {
        ASSERT_EQ(got.size(), 2u);
        ASSERT_NE(got[0], nullptr);
        EXPECT_GT(std::strlen(got[0]), 0u);
        EXPECT_EQ(got[1], nullptr);
    }
}

TEST(Startup, FileExistsForFilesAndFoldersOnly) {
    static_assert(noexcept(frame::FileExists(QString())));
    Game game;
    game.writeFile("present.txt", "x");
    game.writeFile("empty.txt", QByteArray());
    const QString dir = game.folder();
    EXPECT_TRUE(frame::FileExists(dir + "/present.txt"));
    EXPECT_TRUE(frame::FileExists(dir + "/empty.txt"));
    EXPECT_TRUE(frame::FileExists(dir));
    EXPECT_FALSE(frame::FileExists(dir + "/missing.txt"));
    EXPECT_FALSE(frame::FileExists(dir + "/missing/deeper.txt"));
    EXPECT_FALSE(frame::FileExists(QString()));
    EXPECT_FALSE(frame::FileExists(QStringLiteral("")));
    EXPECT_FALSE(frame::FileExists(dir + QChar(0) + "/present.txt"));
    EXPECT_FALSE(frame::FileExists(dir + "/present.txt/below"));
}

// What the program does at its start, in a process of its own: the language
// from the environment, the no-desktop text (said before Qt starts), then the
// catalogues installed into the application.
int testing_support::printChosenLanguage(int argc, char** argv) {
    frame::Language language;
    const QString noDesktop = frame::translatedAtStart("Start-up", frame::kNoDesktop);
    rig::Application app(argc, argv);
    language.install();
    std::printf("LANGUAGE code=%s qt=%d rtl=%d\nQUESTION %s\nNODESKTOP %s\n",
                qPrintable(language.code()), int(language.qtCatalogueLoaded()),
                int(QGuiApplication::layoutDirection() == Qt::RightToLeft),
                windows::gameText(engine::texts::kQuestion, {7}).toUtf8().constData(),
                noDesktop.toUtf8().constData());
    return 0;
}

// The language follows the desktop's list as Qt reads it (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG): the first entry that is English or has a
// catalogue decides, a regional variant falls back to its language, and
// everything else, C and POSIX among it, is the English of the sources.
TEST(Startup, TheLanguageFollowsTheDesktopAndEnglishStaysTheSources) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the user's display languages, not these variables";
#endif
    struct Shape {
        const char* language;  // LANGUAGE, or none
        const char* lcAll;
        const char* lang;
        const char* code;  // the catalogue chosen; "" for English
        bool qt;           // Debian has Qt's own catalogue for it
        bool rtl;
    };
    const Shape shapes[] = {
        {nullptr, nullptr, "de_AT.UTF-8", "de", true, false},
        {nullptr, nullptr, "es_MX.UTF-8", "es", true, false},
        {"en:de", nullptr, "de_DE.UTF-8", "", false, false},
        {nullptr, nullptr, "C", "", false, false},
        {nullptr, nullptr, "POSIX", "", false, false},
        {nullptr, nullptr, "xx_YY.UTF-8", "", false, false},
        {nullptr, nullptr, "en_GB.UTF-8", "", false, false},
        {nullptr, "ru_RU.UTF-8", "de_DE.UTF-8", "ru", true, false},
        {"zh_TW:pt_PT:pt_BR", nullptr, "C.UTF-8", "pt_BR", true, false},
        {nullptr, nullptr, "zh_SG.UTF-8", "zh_CN", true, false},
        {"xx:hi", nullptr, "en_US.UTF-8", "hi", false, false},
        {nullptr, nullptr, "ar_EG.UTF-8", "ar", true, true},
    };
    const QStringList catalogues = frame::catalogueLanguages();
    for (const Shape& s : shapes) {
        SCOPED_TRACE(std::string("LANGUAGE=") + (s.language ? s.language : "-") +
                     " LC_ALL=" + (s.lcAll ? s.lcAll : "-") + " LANG=" + s.lang);
        if (*s.code && !catalogues.contains(QLatin1String(s.code))) {
            ADD_FAILURE() << "no catalogue for " << s.code;
            continue;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(QLatin1String(name));
        if (s.language) env.insert(QStringLiteral("LANGUAGE"), QLatin1String(s.language));
        if (s.lcAll) env.insert(QStringLiteral("LC_ALL"), QLatin1String(s.lcAll));
        env.insert(QStringLiteral("LANG"), QLatin1String(s.lang));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--chosen-language")});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        auto line = [&](const char* head) {
            for (const QString& l : lines)
                if (l.startsWith(QLatin1String(head) + QLatin1Char(' '))) return l.mid(int(qstrlen(head)) + 1);
            return QStringLiteral("(none)");
        };
        EXPECT_EQ(line("LANGUAGE"), QStringLiteral("code=%1 qt=%2 rtl=%3").arg(QLatin1String(s.code)).arg(int(s.qt)).arg(int(s.rtl)));
        if (*s.code) {
            // The game's texts and the one said before Qt starts, translated.
            EXPECT_NE(line("QUESTION"), "Question 7");
            EXPECT_TRUE(line("QUESTION").contains(QLatin1Char('7'))) << line("QUESTION").toStdString();
            EXPECT_NE(line("NODESKTOP"), frame::kNoDesktop);
        } else {
            EXPECT_EQ(line("QUESTION"), "Question 7");
            EXPECT_EQ(line("NODESKTOP"), frame::kNoDesktop);
        }
    }
}
