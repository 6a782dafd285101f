#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTreeWidget>
#include <chrono>
#include <cstdio>
#include <random>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "frame/guard.h"
#include "player.h"
#include "support.h"

using testing_support::Game;
namespace where = frame::where;

namespace {

QByteArray imageBytes(const char* format) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray garbage(int size, bool cursorHeader) {
    std::mt19937 rng(size);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) c = char(rng());
    if (cursorHeader && size >= 6) bytes.replace(0, 6, QByteArray("\0\0\2\0\1\0", 6));
    return bytes;
}

std::string loadReport(std::string_view location, int step) {
    return frame::errorReportText("Invalid picture", location, step);
}

// Plays one problem to its row and ends the game, which loads the summary
// window (and its own look at the pointer file) if the row did not.
void playOneProblem(Game& g) {
    g.answer(true);
    g.click(g.form().PushButton8);
}

bool canRead(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly);
}

struct BadPointer {
    const char* what;
    std::function<void(Game&, const QString& path)> make;
};

// Whatever lies at HAND-M.CUR, the two windows that look at it report the
// failed load once each at their pointer step, and the game plays on.
void expectReportedOnceEachAndPlayed(const std::vector<BadPointer>& cases) {
    for (const BadPointer& c : cases) {
        SCOPED_TRACE(c.what);
        Game g;
        const QString path = QDir(g.folder()).filePath("HAND-M.CUR");
        c.make(g, path);
        const auto started = std::chrono::steady_clock::now();
        auto& f = g.start();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        EXPECT_EQ(testing_support::texts(g.boxes),
                  std::vector<std::string>{loadReport(where::kForm1Load, 110)});
        EXPECT_FALSE(f.pointer().hasCustomImage());
        EXPECT_EQ(f.lblQuestion->text(), "Question 1");
        playOneProblem(g);
        EXPECT_EQ(testing_support::texts(g.boxes),
                  (std::vector<std::string>{loadReport(where::kForm1Load, 110),
                                            loadReport(where::kForm2Load, 106)}));
        ASSERT_NE(g.summary(), nullptr);
        EXPECT_FALSE(g.summary()->pointer().hasCustomImage());
        EXPECT_EQ(g.summary()->rowCount(), 1);
        EXPECT_EQ(parts::ListView1(g.summary())->topLevelItem(0)->text(4), "Correct!");
    }
}

}  // namespace

TEST(BadFiles, HandPointerFilesThatAreNoPointer) {
    const QByteArray good = testing_support::cursorFile(4, 4);
    auto write = [](QByteArray bytes) {
        return [bytes](Game& g, const QString&) { g.writeFile("HAND-M.CUR", bytes); };
    };
    QByteArray huge = good;
    huge.append(QByteArray(40 * 1024 * 1024, '\0'));  // a real pointer with 40 MB behind it
    expectReportedOnceEachAndPlayed({
        {"empty", write(QByteArray())},
        {"truncated", write(good.left(good.size() / 3))},
        {"garbage", write(garbage(5000, false))},
        {"garbage behind a cursor header", write(garbage(5000, true))},
        {"an icon, not a cursor", write(imageBytes("ico"))},
        {"a PNG picture", write(imageBytes("png"))},
        {"a BMP picture", write(imageBytes("bmp"))},
        {"tens of megabytes", write(huge)},
        {"a folder", [](Game& g, const QString&) { QDir(g.folder()).mkdir("HAND-M.CUR"); }},
    });
}

// Files that would block or never end if opened like a pointer file.
TEST(BadFiles, HandPointerThatIsAPipeOrAnEndlessDevice) {
#ifdef _WIN32
    GTEST_SKIP() << "named pipes in a folder and /dev/zero are Unix's; Windows has neither";
#else
    expectReportedOnceEachAndPlayed({
        {"a named pipe", [](Game&, const QString& path) { mkfifo(QFile::encodeName(path).constData(), 0644); }},
        {"a link to an endless device",
         [](Game&, const QString& path) { QFile::link(QStringLiteral("/dev/zero"), path); }},
    });
#endif
}

// An unreadable pointer file exists, so both windows try it: the load fails
// and is reported. (Run as root, the file is readable and simply loads; on
// Windows mode 0 only makes it read-only, and it loads as well.)
TEST(BadFiles, UnreadableHandPointer) {
    Game g;
    g.writeFile("HAND-M.CUR", testing_support::cursorFile(4, 4));
    const QString path = QDir(g.folder()).filePath("HAND-M.CUR");
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
    const bool readable = canRead(path);
    auto& f = g.start();
    playOneProblem(g);
    if (readable) {
        EXPECT_TRUE(g.boxes.shown.empty());
        EXPECT_TRUE(f.pointer().hasCustomImage());
    } else {
        EXPECT_EQ(testing_support::texts(g.boxes),
                  (std::vector<std::string>{loadReport(where::kForm1Load, 110),
                                            loadReport(where::kForm2Load, 106)}));
        EXPECT_FALSE(f.pointer().hasCustomImage());
    }
    EXPECT_EQ(g.summary()->rowCount(), 1);
}

// Names that do not lead to a file are no pointer file at all: no report.
TEST(BadFiles, HandPointerThatIsNotThere) {
#ifdef _WIN32
    // A link made here would be a shortcut, itself a file: a dangling link
    // is Unix's.
    const std::vector<const char*> targets{""};
#else
    const std::vector<const char*> targets{"nowhere/HAND-M.CUR", ""};
#endif
    for (const char* target : targets) {
        Game g;
        const QString path = QDir(g.folder()).filePath("HAND-M.CUR");
        if (*target) {
            ASSERT_TRUE(QFile::link(QDir(g.folder()).filePath(target), path));
        }
        auto& f = g.start();
        playOneProblem(g);
        EXPECT_TRUE(g.boxes.shown.empty()) << testing_support::texts(g.boxes).front();
        EXPECT_FALSE(f.pointer().hasCustomImage());
        EXPECT_EQ(g.summary()->rowCount(), 1);
    }
#ifdef _WIN32
    GTEST_SKIP() << "only the absent file was tried: a dangling link is Unix's";
#endif
}

// The skin is looked up as a plain file: a folder in its place is no skin; an
// unreadable file is still found (only the skin component would read it), so
// the window takes the button-face colours. Neither is reported.
TEST(BadFiles, SkinFileThatIsAFolderOrUnreadable) {
    Game plain;
    const QColor white = plain.start().palette().color(QPalette::Window);

    Game folder;
    ASSERT_TRUE(QDir(folder.folder()).mkpath("x/o.cjs"));
    auto& f1 = folder.start();
    EXPECT_EQ(f1.palette().color(QPalette::Window), white);
    playOneProblem(folder);
    EXPECT_TRUE(folder.boxes.shown.empty());

    Game unreadable;
    unreadable.writeFile("x/o.cjs", QByteArray("skin"));
    ASSERT_EQ(chmod(QFile::encodeName(QDir(unreadable.folder()).filePath("x/o.cjs")).constData(), 0), 0);
    auto& f2 = unreadable.start();
    EXPECT_EQ(f2.palette().color(QPalette::Window), f2.palette().color(QPalette::Button));
    EXPECT_NE(f2.palette().color(QPalette::Window), white);
    playOneProblem(unreadable);
    EXPECT_TRUE(unreadable.boxes.shown.empty());
    EXPECT_EQ(unreadable.summary()->rowCount(), 1);
}

// A game in a few lines: the same seed must give the same line whatever the
// screen's scale and the fonts on the machine. The test below starts this
// binary again with --seed11-transcript to have it printed under another
// environment.
int testing_support::printSeed11Transcript() {
    const stress::Outcome out = stress::play(11, 600);
    if (out.failed()) {
        std::printf("the seeded game failed: %s\n", out.failure.c_str());
        return 1;
    }
    Game g;
    auto& f = g.start();
    std::printf("TRANSCRIPT opened=%lld right=%lld timeouts=%lld refused=%lld warnings=%lld "
                "deliveries=%lld window=%dx%d\n",
                out.stats.opened, out.stats.right, out.stats.timeOuts, out.stats.refused,
                out.stats.warnings, out.stats.deliveries, f.width(), f.height());
    return 0;
}

// A scale factor of 2 and a machine with only the default fonts change
// nothing of the game: the transcript of a seeded game is the same.
TEST(Environment, ScaleFactorAndBareFontsChangeNothing) {
    auto transcript = [](const QProcessEnvironment& env) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--seed11-transcript")});
        if (!p.waitForFinished(120000)) return std::string("(timed out)");
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        for (const QString& line : out.split('\n'))
            if (line.startsWith(QLatin1String("TRANSCRIPT"))) return line.toStdString();
        return "(no transcript; exit " + std::to_string(p.exitCode()) + ")\n" + out.toStdString();
    };
    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const std::string plain = transcript(base);
    ASSERT_EQ(plain.rfind("TRANSCRIPT", 0), 0u) << plain;

    QProcessEnvironment scaled = base;
    scaled.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    EXPECT_EQ(transcript(scaled), plain);

#ifdef _WIN32
    GTEST_SKIP() << "the scale factor was tried; a machine without the fonts is fontconfig's, not Windows's";
#endif

    // Only the fonts every Debian has: DejaVu, without the Liberation fonts
    // that stand in for the window's Arial and Times New Roman.
    QTemporaryDir conf;
    QFile fonts(conf.filePath("fonts.conf"));
    ASSERT_TRUE(fonts.open(QIODevice::WriteOnly));
    fonts.write("<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                "<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                "<cachedir>" + QFile::encodeName(conf.filePath("cache")) + "</cachedir></fontconfig>\n");
    fonts.close();
    QProcessEnvironment bare = base;
    bare.insert(QStringLiteral("FONTCONFIG_FILE"), fonts.fileName());
    EXPECT_EQ(transcript(bare), plain);
}
