#include <gtest/gtest.h>

#include <QTreeWidget>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "frame/guard.h"
#include "support.h"

using testing_support::Game;
namespace where = frame::where;

namespace {

// One numbered step of one guarded procedure, as the guard begins it. Several
// steps may share a number; `occurrence` counts them from the moment the
// injector is armed, so each of them can be made to fail on its own.
struct Site {
    std::string location;
    int step = 0;
    int occurrence = 1;
    // A condition's fault runs the branch it guards, so the step after it
    // need not be the one a fault-free run takes next.
    bool condition = false;
    bool operator<(const Site& o) const {
        return std::tie(location, step, occurrence) < std::tie(o.location, o.step, o.occurrence);
    }
};

std::string describe(const Site& s) {
    return s.location + "at line " + std::to_string(s.step) + " (#" + std::to_string(s.occurrence) + ")";
}

// Records every step the guards begin and makes one chosen step fail.
class Injector final : public frame::FaultInjection {
public:
    void arm(std::optional<Site> target) {
        armed_ = true;
        target_ = std::move(target);
        counts_.clear();
        calls.clear();
        fired = false;
    }
    void disarm() { armed_ = false; }

    bool shouldFault(std::string_view location, int step, bool condition) override {
        if (!armed_) return false;
        const std::string loc(location);
        const int k = ++counts_[{loc, step}];
        calls.push_back({loc, step, k, condition});
        if (target_ && !fired && target_->location == loc && target_->step == step &&
            target_->occurrence == k) {
            fired = true;
            return true;
        }
        return false;
    }

    std::vector<Site> calls;
    bool fired = false;

private:
    bool armed_ = false;
    std::optional<Site> target_;
    std::map<std::pair<std::string, int>, int> counts_;
};

struct Flow {
    std::string name;
    std::function<void(Game&)> setup;    // brings a fresh game to the moment before
    std::function<void(Game&)> trigger;  // runs the procedures under test
};

void timeOut(Game& g) {
    g.ticks(engine::kTimeLimit);
}

// Ticks the wanted boxes first, then unticks the others, so that no group is
// ever left empty on the way (which would warn).
// With `fixed`, the operator boxes are all unticked first, so that the one
// ticked afterwards is the fixed pick and the "?" sign is gone.
void select(Game& g, std::array<bool, 4> ops, std::array<bool, 3> levels, bool fixed = false) {
    auto& f = g.form();
    const auto ob = f.operatorBoxes();
    const auto lb = f.levelBoxes();
    if (fixed)
        for (int i = 0; i < 4; ++i)
            if (ob[i]->value()) g.click(ob[i]);
    for (int i = 0; i < 4; ++i)
        if (ops[i] && !ob[i]->value()) g.click(ob[i]);
    for (int i = 0; i < 3; ++i)
        if (levels[i] && !lb[i]->value()) g.click(lb[i]);
    for (int i = 0; i < 4; ++i)
        if (!ops[i] && ob[i]->value()) g.click(ob[i]);
    for (int i = 0; i < 3; ++i)
        if (!levels[i] && lb[i]->value()) g.click(lb[i]);
}

// A game whose option boxes are free to change: the first problem timed out.
void startSelectable(Game& g) {
    g.writeFile("HAND-M.CUR", testing_support::cursorFile(3, 3));
    g.start();
    timeOut(g);
}

void withCursor(Game& g) {
    g.writeFile("HAND-M.CUR", testing_support::cursorFile(3, 3));
    g.start();
}

// How many Enter-Enter rounds, after `base`, until a press picks `sign` at random.
int roundsUntilPick(const std::function<void(Game&)>& base, std::string_view opText) {
    Game g;
    base(g);
    for (int n = 0; n < 200; ++n) {
        g.enter();
        if (g.form().game().problemText().find(opText) != std::string::npos) return n;
        g.enter();
    }
    return -1;
}

std::vector<Flow> flows() {
    std::vector<Flow> out;
    out.push_back({"start-up with a hand pointer",
                   [](Game& g) { g.writeFile("HAND-M.CUR", testing_support::cursorFile(3, 3)); },
                   [](Game& g) { g.start(); }});
    out.push_back({"a digit", withCursor, [](Game& g) { g.type("5"); }});
    out.push_back({"a letter", withCursor, [](Game& g) { g.type("a"); }});
    out.push_back({"Enter, right", withCursor, [](Game& g) { g.answer(true); }});
    out.push_back({"Enter, wrong", withCursor, [](Game& g) { g.answer(false); }});
    out.push_back({"a tick", withCursor, [](Game& g) { g.tick(); }});
    out.push_back({"time-out, empty",
                   [](Game& g) {
                       withCursor(g);
                       g.ticks(engine::kTimeLimit - 1);
                   },
                   [](Game& g) { g.tick(); }});
    out.push_back({"time-out, right",
                   [](Game& g) {
                       withCursor(g);
                       g.type(QString::number(g.form().game().correctAnswer()));
                       g.ticks(engine::kTimeLimit - 1);
                   },
                   [](Game& g) { g.tick(); }});
    out.push_back({"time-out, wrong",
                   [](Game& g) {
                       withCursor(g);
                       g.type(QString::number(g.form().game().correctAnswer() + 1));
                       g.ticks(engine::kTimeLimit - 1);
                   },
                   [](Game& g) { g.tick(); }});
    const auto multi = [](Game& g) {
        startSelectable(g);
        select(g, {true, true, false, false}, {true, false, false});
        g.enter();
    };
    out.push_back({"Enter with several operators", multi, [](Game& g) { g.answer(true); }});
    out.push_back({"time-out with several operators",
                   [multi](Game& g) {
                       multi(g);
                       g.ticks(engine::kTimeLimit - 1);
                   },
                   [](Game& g) { g.tick(); }});
    out.push_back({"End Game, summary loads", withCursor,
                   [](Game& g) { g.click(g.form().PushButton8); }});
    out.push_back({"Play Again",
                   [](Game& g) {
                       withCursor(g);
                       g.answer(true);
                       g.click(g.form().PushButton8);
                   },
                   [](Game& g) {
                       g.click(parts::PushButton8(g.summary()));
                       Game::settle();
                   }});
    out.push_back({"Exit Application",
                   [](Game& g) {
                       withCursor(g);
                       g.click(g.form().PushButton8);
                   },
                   [](Game& g) { g.click(parts::PushButton1(g.summary())); }});
    out.push_back({"a press with no operator",
                   [](Game& g) {
                       startSelectable(g);
                       g.click(g.form().Check1);
                   },
                   [](Game& g) { g.enter(); }});
    out.push_back({"a press with no level",
                   [](Game& g) {
                       startSelectable(g);
                       g.click(g.form().Check5);
                   },
                   [](Game& g) { g.enter(); }});
    // Every row of the level table, and every operator picked as the only one.
    const std::array<std::array<bool, 3>, 6> rows{{{true, true, true},
                                                   {true, true, false},
                                                   {false, true, true},
                                                   {true, false, false},
                                                   {false, true, false},
                                                   {false, false, true}}};
    for (std::size_t r = 0; r < rows.size(); ++r)
        out.push_back({"level row " + std::to_string(r + 1),
                       [levels = rows[r]](Game& g) {
                           startSelectable(g);
                           select(g, {true, false, false, false}, levels);
                       },
                       [](Game& g) { g.enter(); }});
    for (int op = 0; op < 4; ++op) {
        std::array<bool, 4> ops{};
        ops[op] = true;
        out.push_back({"fixed pick, operator " + std::to_string(op + 1),
                       [ops](Game& g) {
                           startSelectable(g);
                           select(g, ops, {false, false, true}, true);
                       },
                       [](Game& g) { g.enter(); }});
    }
    // The random pick of each operator: all four ticked, as many rounds as it
    // takes the seeded source to land on that operator.
    const auto all = [](Game& g) {
        startSelectable(g);
        select(g, {true, true, true, true}, {true, false, false});
    };
    for (int op = 0; op < 4; ++op) {
        const int n = roundsUntilPick(all, engine::kOperators[op].text);
        if (n < 0) continue;  // reported by the coverage check below
        out.push_back({"random pick, operator " + std::to_string(op + 1),
                       [all, n](Game& g) {
                           all(g);
                           for (int i = 0; i < n; ++i) {
                               g.enter();
                               g.enter();
                           }
                       },
                       [](Game& g) { g.enter(); }});
    }
    return out;
}

std::vector<std::string> errorReports(const frame::RecordedMessageBoxes& boxes, std::size_t from) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < boxes.shown.size(); ++i)
        if (boxes.shown[i].title == QStringLiteral("Application Error"))
            out.push_back(boxes.shown[i].text.toStdString());
    return out;
}

// Steps that, failing, leave the Start/Next button disabled with no problem
// open: nothing in the game enables it again, so no further problem opens.
const std::set<Site> kLeavesNoWayOn{{std::string(where::kForm1KeyPress), 146, 1},
                                    {std::string(where::kForm1Answer), 158, 1}};

// Plays on from wherever the game stands until a problem opened from here on
// has been judged into its row; returns what went wrong, or nothing.
std::optional<std::string> playsOn(Game& g) {
    auto& f = g.form();
    std::optional<std::string> opened;  // the problem text of a problem opened here
    int openedNumber = 0;
    const auto rows = [&] { return g.summary() ? g.summary()->rowCount() : 0; };
    for (int i = 0; i < 80; ++i) {
        if (g.ending.count) return "the application ended";
        const int before = rows();
        if (f.isHidden()) {
            if (!g.summary() || g.summary()->isHidden()) return "no window is on show";
            g.click(parts::PushButton8(g.summary()));
            Game::settle();
        } else if (f.Timer1->isActive()) {
            if (!opened) {
                opened = f.game().problemText();
                openedNumber = f.game().NumProb;
            }
            g.tick();
        } else {
            // A player who was warned ticks a box before pressing Enter again.
            const auto ops = f.operatorBoxes();
            const auto levels = f.levelBoxes();
            if (f.Check1->isEnabled() && std::none_of(ops.begin(), ops.end(), [](auto* b) { return b->value(); }))
                g.click(f.Check1);
            if (f.Check5->isEnabled() && std::none_of(levels.begin(), levels.end(), [](auto* b) { return b->value(); }))
                g.click(f.Check5);
            g.enter();
        }
        if (opened && rows() > before) {
            auto* row = parts::ListView1(g.summary())->topLevelItem(rows() - 1);
            if (row->text(1).toStdString() != *opened)
                return "row \"" + row->text(1).toStdString() + "\" for problem \"" + *opened + "\"";
            if (row->text(0) != QString::number(openedNumber)) return "row numbered " + row->text(0).toStdString();
            // A list that lost a column to a failed load step has no verdict cell.
            const bool right = row->text(2) == row->text(3);
            if (parts::ListView1(g.summary())->columnCount() == 5 &&
                row->text(4) != (right ? QStringLiteral("Correct!") : QStringLiteral("Wrong!")))
                return "verdict " + row->text(4).toStdString();
            return std::nullopt;
        }
    }
    return "no problem was played through to its row";
}

// A fault in the very step that shows the next window leaves none on show:
// the procedure carries on, but has no step left that would show one.
const std::set<Site> kLeavesNoWindow{{std::string(where::kForm1EndGame), 102, 1},
                                     {std::string(where::kForm2PlayAgain), 112, 1}};

}  // namespace

TEST(FaultWalk, EveryStepOfEveryGuardedProcedure) {
    Injector injector;
    testing_support::ScopedInjection installed(injector);
    const std::vector<Flow> all = flows();

    // Which flow reaches each step first, and what a fault-free run does.
    std::map<Site, std::size_t> firstFlow;
    std::vector<std::vector<Site>> nominal(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        Game g;
        all[i].setup(g);
        injector.arm(std::nullopt);
        all[i].trigger(g);
        injector.disarm();
        nominal[i] = injector.calls;
        // A rule loop repeats its steps many times; three occurrences reach
        // every step that shares its number with another, and each pass alike.
        for (const Site& s : injector.calls)
            if (s.occurrence <= 3) firstFlow.emplace(s, i);
    }

    // The walk must reach every guarded procedure and every branch named here.
    std::set<std::string> procedures;
    std::set<std::pair<std::string, int>> pairs;
    for (const auto& [s, flow] : firstFlow) {
        procedures.insert(s.location);
        pairs.insert({s.location, s.step});
    }
    // Each procedure names itself in its report by the text a player emails.
    std::set<std::string> named;
    for (const char* p : {"Form1.PushButton8_Click", "Form1.chkNext_Click", "Form1.Form_Activate",
                          "Form1.Form_Load", "Form1.txtAnswer_KeyPress", "Form1.Timer1", "Form1.Answer",
                          "Form2.PushButton1_Click", "Form2.PushButton8_Click", "Form2.Form_Load"})
        named.insert("in Quillory2021/08/31." + std::string(p) + " ");
    EXPECT_EQ(procedures, named);
    for (int step : {110, 148, 150, 154, 156, 168, 174, 180, 222, 226, 230, 234, 240, 256, 272, 288,
                     300, 306, 312, 318, 324, 326})
        EXPECT_TRUE(pairs.count({std::string(where::kForm1Next), step})) << "Next step " << step;
    for (int step : {118, 120, 124, 138, 140, 154, 182})
        EXPECT_TRUE(pairs.count({std::string(where::kForm1Answer), step})) << "Answer step " << step;
    for (int step : {102, 112, 126, 128, 142, 154, 156})
        EXPECT_TRUE(pairs.count({std::string(where::kForm1KeyPress), step})) << "KeyPress step " << step;
    EXPECT_TRUE(pairs.count({std::string(where::kForm1Load), 110}));
    EXPECT_TRUE(pairs.count({std::string(where::kForm2Load), 106}));

    int walked = 0;
    std::set<std::string> followOn;  // steps whose failure makes a later step fail too
    for (const auto& [site, flowIndex] : firstFlow) {
        SCOPED_TRACE(describe(site) + " via \"" + all[flowIndex].name + "\"");
        Game g;
        all[flowIndex].setup(g);
        const std::size_t shownBefore = g.boxes.shown.size();
        injector.arm(site);
        all[flowIndex].trigger(g);
        injector.disarm();
        ASSERT_TRUE(injector.fired);
        ++walked;

        // One report, naming the procedure and the step; whatever else shows
        // is a consequence of the failed step, never the injected fault again.
        const auto reports = errorReports(g.boxes, shownBefore);
        const std::string expected = frame::errorReportText(frame::kInjectedFault, site.location, site.step);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.front(), expected);
        EXPECT_EQ(std::count_if(reports.begin(), reports.end(),
                                [](const std::string& r) { return r.rfind(frame::kInjectedFault, 0) == 0; }),
                  1);
        if (reports.size() > 1) followOn.insert(describe(site) + ": " + reports[1].substr(0, reports[1].find('\r')));

        // The procedure goes on with the step after the failed one.
        const auto& calls = injector.calls;
        const auto at = std::find_if(calls.begin(), calls.end(), [&](const Site& s) {
            return s.location == site.location && s.step == site.step && s.occurrence == site.occurrence;
        });
        ASSERT_NE(at, calls.end());
        const auto index = std::size_t(at - calls.begin());
        const auto& base = nominal[flowIndex];
        ASSERT_GT(base.size(), index);
        auto nextIn = [&](const std::vector<Site>& seq) -> std::optional<int> {
            for (std::size_t k = index + 1; k < seq.size(); ++k)
                if (seq[k].location == site.location) return seq[k].step;
            return std::nullopt;
        };
        if (!at->condition) {
            EXPECT_EQ(nextIn(calls), nextIn(base)) << "the step after the failed one";
        }

        // And the game still plays a problem through to its row.
        const auto trouble = playsOn(g);
        if (kLeavesNoWindow.count(site)) {
            EXPECT_EQ(trouble, std::optional<std::string>("no window is on show"));
        } else if (kLeavesNoWayOn.count(site)) {
            EXPECT_EQ(trouble, std::optional<std::string>("no problem was played through to its row"));
        } else {
            EXPECT_EQ(trouble, std::nullopt);
        }
    }
    std::printf("fault walk: %d faulted steps (%zu distinct procedure and step pairs) in %zu "
                "procedures, reached by %zu flows\n",
                walked, pairs.size(), procedures.size(), all.size());
    for (const std::string& f : followOn) std::printf("  followed by a further report: %s\n", f.c_str());
    EXPECT_GT(walked, 200);
}

// A judgement whose row could not be added must not write its cells into the
// row of the judgement before it: that row is the record of another problem.
TEST(FaultWalk, AFailedRowLeavesThePreviousRowAlone) {
    struct Way {
        const char* name;
        std::string_view location;
        int rowStep;
        bool right;
        bool byTimeOut;
    };
    for (const Way& w : {Way{"Enter, right", where::kForm1KeyPress, 116, true, false},
                         Way{"Enter, wrong", where::kForm1KeyPress, 132, false, false},
                         Way{"time-out, right", where::kForm1Answer, 128, true, true},
                         Way{"time-out, wrong", where::kForm1Answer, 144, false, true}}) {
        SCOPED_TRACE(w.name);
        Injector injector;
        testing_support::ScopedInjection installed(injector);
        Game g;
        auto& f = g.start();
        g.answer(true);
        g.enter();
        auto* first = parts::ListView1(g.summary())->topLevelItem(0);
        QStringList before;
        for (int c = 0; c < 5; ++c) before << first->text(c);

        injector.arm(Site{std::string(w.location), w.rowStep, 1});
        g.type(QString::number(f.game().correctAnswer() + (w.right ? 0 : 1)));
        if (w.byTimeOut)
            g.ticks(engine::kTimeLimit);
        else
            g.enter();
        injector.disarm();
        ASSERT_TRUE(injector.fired);

        QStringList after;
        for (int c = 0; c < 5; ++c) after << first->text(c);
        EXPECT_EQ(after, before);
        EXPECT_EQ(g.summary()->rowCount(), 1);
        EXPECT_EQ(f.game().NumRight + f.game().NumWrong, 2);  // the judgement itself went on
    }
}
