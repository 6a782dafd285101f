#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/fault.h"
#include "engine/int16.h"
#include "frame/guard.h"
#include "frame/messages.h"
#include "support.h"

using engine::Fault;
using frame::Guard;
using testing_support::FaultAt;
using testing_support::RecordedEnding;
using testing_support::ScopedInjection;

namespace {

std::string text(const frame::Message& m) { return m.text.toStdString(); }

std::string reportFor(const std::string& description, const std::string& location, int step) {
    return description + "\r\n" + location + "at line " + std::to_string(step) +
           "\r\rPlease email screenshot of this message to support@quillory.example";
}

}  // namespace

TEST(Guard, FaultShowsOneExclamationBoxWithTheReport) {
    frame::RecordedMessageBoxes boxes;
    RecordedEnding ending;
    Guard::run(frame::where::kForm1Answer, boxes, ending, [](Guard& g) {
        g.step(124, [] { throw Fault(engine::faults::kOverflow); });
    });
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Application Error"));
    EXPECT_EQ(boxes.shown[0].icon, frame::MessageIcon::Exclamation);
    EXPECT_EQ(text(boxes.shown[0]),
              "Overflow\r\nin Quillory2021/08/31.Form1.Answer at line 124\r\r"
              "Please email screenshot of this message to support@quillory.example");
}

TEST(Guard, ResumesAfterFaultsAndStaysArmed) {
    frame::RecordedMessageBoxes boxes;
    RecordedEnding ending;
    std::int16_t counter = 32767;
    std::vector<int> ran;
    bool branchRan = false;
    Guard::run(frame::where::kForm1Next, boxes, ending, [&](Guard& g) {
        g.step(100, [&] { ran.push_back(100); });
        g.step(128, [&] { engine::increment(counter); });  // overflows: no effect
        g.step(130, [&] { ran.push_back(130); });
        // A test that faults runs the branch it guards.
        if (g.test(146, []() -> bool { throw Fault("Type mismatch"); })) branchRan = true;
        g.step(148, [&] { ran.push_back(148); });
        if (g.test(150, [] { return false; })) ran.push_back(-1);
        g.step(152, [&] { ran.push_back(152); });
    });
    EXPECT_EQ(counter, 32767);
    EXPECT_TRUE(branchRan);
    EXPECT_EQ(ran, (std::vector<int>{100, 130, 148, 152}));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(text(boxes.shown[0]), reportFor("Overflow", "in Quillory2021/08/31.Form1.chkNext_Click ", 128));
    EXPECT_EQ(text(boxes.shown[1]), reportFor("Type mismatch", "in Quillory2021/08/31.Form1.chkNext_Click ", 146));
}

TEST(Guard, UnguardedCalleeIsAbandonedAndReportedWithTheCallersStep) {
    frame::RecordedMessageBoxes boxes;
    RecordedEnding ending;
    std::vector<std::string> trail;
    const auto helper = [&] {
        trail.push_back("helper began");
        throw Fault("Invalid procedure call or argument");
        trail.push_back("helper went on");
    };
    Guard::run(frame::where::kForm2PlayAgain, boxes, ending, [&](Guard& g) {
        g.step(104, [&] { helper(); });
        g.step(106, [&] { trail.push_back("106"); });
    });
    EXPECT_EQ(trail, (std::vector<std::string>{"helper began", "106"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(text(boxes.shown[0]), reportFor("Invalid procedure call or argument",
                                              "in Quillory2021/08/31.Form2.PushButton8_Click ", 104));
}

TEST(Guard, InjectedFaultFailsExactlyThatStep) {
    frame::RecordedMessageBoxes boxes;
    RecordedEnding ending;
    std::vector<int> ran;
    const auto body = [&](Guard& g) {
        for (int n : {126, 128, 130}) g.step(n, [&] { ran.push_back(n); });
        if (g.test(132, [] { return false; })) ran.push_back(-132);
    };
    {
        FaultAt at(frame::where::kForm1Next, 128);
        ScopedInjection scope(at);
        Guard::run(frame::where::kForm1Next, boxes, ending, body);
        EXPECT_EQ(ran, (std::vector<int>{126, 130}));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(text(boxes.shown[0]), reportFor(frame::kInjectedFault, std::string(frame::where::kForm1Next), 128));
        EXPECT_EQ(at.asked, 4);  // every step and test is offered to the injection

        // The same step number elsewhere is left alone.
        ran.clear();
        Guard::run(frame::where::kForm1Answer, boxes, ending, body);
        EXPECT_EQ(ran, (std::vector<int>{126, 128, 130}));
        EXPECT_EQ(boxes.shown.size(), 1u);

        // An injected fault in a test runs the guarded branch.
        ran.clear();
        at.step = 132;
        Guard::run(frame::where::kForm1Next, boxes, ending, body);
        EXPECT_EQ(ran, (std::vector<int>{126, 128, 130, -132}));
        EXPECT_EQ(boxes.shown.size(), 2u);
    }
    EXPECT_EQ(frame::faultInjection(), nullptr);
}

TEST(Guard, NoStepRunsAfterTheEnding) {
    frame::RecordedMessageBoxes boxes;
    RecordedEnding ending;
    std::vector<int> ran;
    bool returned = false;
    Guard::run(frame::where::kForm2Exit, boxes, ending, [&](Guard& outer) {
        outer.step(100, [&] {
            // A guarded procedure called from a guarded one ends the application.
            Guard::run(frame::where::kForm1Answer, boxes, ending, [&](Guard& inner) {
                inner.step(100, [&] { ending.end(); });
                inner.step(102, [&] { ran.push_back(-102); });
            });
            returned = true;
        });
        outer.step(102, [&] { ran.push_back(-1); });
        if (outer.test(104, [] { return true; })) ran.push_back(-2);
    });
    EXPECT_TRUE(returned);
    EXPECT_TRUE(ran.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ending.count, 1);

    // An ended application starts no procedure at all.
    bool started = false;
    Guard::run(frame::where::kForm1Activate, boxes, ending, [&](Guard&) { started = true; });
    EXPECT_FALSE(started);
}

TEST(Guard, EndingWhileTheReportIsShownStopsTheProcedure) {
    // Closing a window while the report is up ends the application from
    // inside the box; the faulting procedure must not go on afterwards.
    struct EndingBoxes final : frame::MessageBoxes {
        explicit EndingBoxes(frame::Ending& e) : ending(e) {}
        void show(const frame::Message&) override {
            ++shown;
            ending.end();
        }
        frame::Ending& ending;
        int shown = 0;
    };
    RecordedEnding ending;
    EndingBoxes boxes(ending);
    bool after = false;
    Guard::run(frame::where::kForm1Timer, boxes, ending, [&](Guard& g) {
        g.step(100, [] { throw Fault("Overflow"); });
        g.step(102, [&] { after = true; });
    });
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_FALSE(after);
}
