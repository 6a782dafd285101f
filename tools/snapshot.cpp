// Renders the game's windows in named states to PNG files, offscreen, so that
// a developer can hold them against the layout. Not part of the game, which
// reads no command line.
//
//   snapshot OUTDIR [STATE...]      (no STATE: all of them)
//   QT_SCALE_FACTOR=2 snapshot OUTDIR   renders at a scale of 2
//   snapshot --language de OUTDIR   in a language of the catalogues (English
//                                   otherwise, whatever the desktop's)

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

#include "frame/language.h"
#include "rig/application.h"
#include "rig/rig.h"
#include "windows/form2.h"

namespace {

// One game in a folder of its own (see rig/rig.h), loaded as the program
// loads it, with a fixed random source and nothing that waits on the player.
struct Scene : rig::Rig<engine::Mt19937Source> {
    explicit Scene(bool skinned = false) {
        if (skinned) {
            QDir(folder()).mkpath(QStringLiteral("x"));
            QFile skin(dir.filePath(QStringLiteral("x/o.cjs")));
            if (skin.open(QIODevice::WriteOnly)) skin.write("skin");
        }
        load();
        random.seed(7);
    }
    void showAndActivate() {
        form1->showCentred();
        settle();
    }
    void answer(bool right) {
        windows::AnswerBox* box = form1->txtanswer;
        box->setText(QString::number(form1->game().correctAnswer() + (right ? 0 : 1)));
        int enter = 13;
        form1->txtanswer_KeyPress(enter);
        settle();
    }
};

// A state "before activation" is grabbed without running the event loop, which
// would let the activation open Question 1.
bool save(QWidget* w, const QString& path, bool settleFirst = true) {
    if (settleFirst) Scene::settle();
    const QPixmap shot = w->grab();
    const bool ok = shot.save(path, "PNG");
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), shot.width(),
                shot.height());
    return ok;
}

void tickBoxes(std::initializer_list<windows::CheckBox*> on,
               std::initializer_list<windows::CheckBox*> off) {
    // Clicks, so that the option rules run as for a player.
    for (auto* b : on)
        if (!b->isChecked()) b->click();
    for (auto* b : off)
        if (b->isChecked()) b->click();
}

using Render = std::function<bool(const QString& out)>;

std::map<QString, Render> states() {
    std::map<QString, Render> all;
    all["main-loaded"] = [](const QString& out) {
        Scene s;
        s.form1->showCentred();
        return save(s.form1.get(), out, false);
    };
    all["main-skinned"] = [](const QString& out) {
        Scene s(true);
        s.showAndActivate();
        return save(s.form1.get(), out);
    };
    const char* opNames[] = {"add", "sub", "mul", "div"};
    const char* levelNames[] = {"easy", "medium", "hard"};
    for (int op = 0; op < 4; ++op)
        for (int lv = 0; lv < 3; ++lv) {
            const QString name = QStringLiteral("question-%1-%2").arg(opNames[op], levelNames[lv]);
            all[name] = [op, lv](const QString& out) {
                Scene s;
                auto& f = *s.form1;
                const auto ops = f.operatorBoxes();
                const auto levels = f.levelBoxes();
                // Tick the wanted boxes first, so that no group is ever empty.
                tickBoxes({ops[op], levels[lv]}, {});
                for (int i = 0; i < 4; ++i)
                    if (i != op) tickBoxes({}, {ops[i]});
                for (int i = 0; i < 3; ++i)
                    if (i != lv) tickBoxes({}, {levels[i]});
                s.showAndActivate();
                return save(&f, out);
            };
        }
    all["multi-before"] = [](const QString& out) {
        Scene s;
        tickBoxes({s.form1->Check2, s.form1->Check3}, {});
        s.form1->showCentred();
        return save(s.form1.get(), out, false);
    };
    all["multi-picked"] = [](const QString& out) {
        Scene s;
        tickBoxes({s.form1->Check2, s.form1->Check3, s.form1->Check4}, {});
        s.showAndActivate();
        return save(s.form1.get(), out);
    };
    all["judged-right"] = [](const QString& out) {
        Scene s;
        s.showAndActivate();
        s.answer(true);
        return save(s.form1.get(), out);
    };
    all["judged-wrong"] = [](const QString& out) {
        Scene s;
        s.showAndActivate();
        s.answer(false);
        return save(s.form1.get(), out);
    };
    all["long-verdict"] = [](const QString& out) {
        // The widest texts: a six-digit answer and a six-digit correct result.
        Scene s;
        auto& f = *s.form1;
        tickBoxes({f.Check3, f.Check7}, {f.Check1, f.Check5});
        s.showAndActivate();
        s.answer(false);
        return save(&f, out);
    };
    all["countdown-4"] = [](const QString& out) {
        Scene s;
        s.showAndActivate();
        for (int i = 0; i < 4; ++i) s.form1->Timer1_Timer();
        return save(s.form1.get(), out);
    };
    all["timed-out"] = [](const QString& out) {
        Scene s;
        s.showAndActivate();
        for (int i = 0; i < engine::kTimeLimit; ++i) s.form1->Timer1_Timer();
        return save(s.form1.get(), out);
    };
    all["summary"] = [](const QString& out) {
        Scene s;
        s.showAndActivate();
        for (int i = 0; i < 7; ++i) {
            s.answer(i % 3 != 2);
            int enter = 13;
            s.form1->Form_KeyPress(enter);
            Scene::settle();
        }
        s.form1->PushButton8_Click();
        return save(&s.form1->form2(), out);
    };
    all["summary-empty"] = [](const QString& out) {
        Scene s;
        s.form1->showCentred();
        s.form1->PushButton8_Click();
        return save(&s.form1->form2(), out);
    };
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    rig::Application app(argc, argv);
    QStringList args = app.arguments().mid(1);
    std::optional<frame::Language> language;
    if (args.size() >= 2 && args.first() == QLatin1String("--language")) {
        language.emplace(args.at(1));
        if (language->code() != args.at(1)) {
            std::fprintf(stderr, "no catalogue for %s: %s\n", qPrintable(args.at(1)),
                         qPrintable(frame::catalogueLanguages().join(QLatin1Char(' '))));
            return 2;
        }
        language->install();
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: snapshot [--language CODE] OUTDIR [STATE...]\nstates:");
        for (const auto& [name, render] : states()) std::fprintf(stderr, " %s", qPrintable(name));
        std::fprintf(stderr, "\n");
        return 2;
    }
    const QString outDir = args.first();
    QDir().mkpath(outDir);
    const auto all = states();
    QStringList wanted = args.mid(1);
    if (wanted.isEmpty())
        for (const auto& [name, render] : all) wanted << name;
    int failures = 0;
    for (const QString& name : wanted) {
        const auto it = all.find(name);
        if (it == all.end()) {
            std::fprintf(stderr, "unknown state %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        if (!it->second(QDir(outDir).filePath(name + QStringLiteral(".png")))) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
