#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "ending.h"
#include "engine/steps.h"
#include "messages.h"

namespace frame {

inline constexpr std::string_view kSupportAddress = "support@quillory.example";
inline constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("Error report", "Application Error");

// The report text, to the character: description, CR LF, the location text
// (it ends with a blank), "at line " and the step, two CRs, the e-mail
// request; the description and the fixed words in the reader's language, the
// location and the step as they are.
std::string errorReportText(std::string_view description, std::string_view location, int step);

// Lets a test make one step of one guarded procedure fail. Unset in the
// program, where the check is a single null test per step. `condition` tells
// a condition, whose fault runs the branch it guards, from a plain step.
class FaultInjection {
public:
    virtual ~FaultInjection() = default;
    virtual bool shouldFault(std::string_view location, int step, bool condition) = 0;
};
void setFaultInjection(FaultInjection* injection);
FaultInjection* faultInjection();
inline constexpr const char* kInjectedFault = "Injected fault";

// Thrown through a procedure once the application has ended, so that nothing
// after the ending runs; Guarded::run() stops it before it reaches Qt.
struct ApplicationEnded {};

// The error guard of an event procedure: each numbered step runs inside it, a
// fault is reported once in an "Application Error" box and the procedure goes
// on with the next step. A failed condition runs the branch it guards.
class Guard final : public engine::Steps {
public:
    Guard(std::string_view location, MessageBoxes& boxes, const Ending& ending)
        : location_(location), boxes_(boxes), ending_(ending) {}

    void step(int number, engine::FunctionRef<void()> body) override;
    // A condition that faults counts as true: the branch it guards runs.
    bool test(int number, engine::FunctionRef<bool()> condition) override;

    int currentStep() const { return current_; }

    // True while an error report waits for its OK. The box is modal, but
    // timers still fire in its event loop, and a countdown tick must not start
    // judging in the middle of the procedure that is waiting.
    static bool reportOpen() { return openReports_ > 0; }
    std::string_view location() const { return location_; }

    // Runs a guarded procedure body; an ending inside it stops it quietly.
    template <class F>
    static void run(std::string_view location, MessageBoxes& boxes, const Ending& ending, F&& body) {
        if (ending.ended()) return;
        Guard g(location, boxes, ending);
        try {
            std::forward<F>(body)(g);
        } catch (const ApplicationEnded&) {
        }
    }

private:
    // Runs one numbered step; a fault is reported and counts as true.
    bool attempt(int number, bool condition, engine::FunctionRef<bool()> body);
    void report(std::string_view description);

    std::string_view location_;
    MessageBoxes& boxes_;
    const Ending& ending_;
    int current_ = 0;
    static inline int openReports_ = 0;
};

// The location texts of the guarded procedures.
namespace where {
inline constexpr std::string_view kForm1EndGame = "in Quillory2021/08/31.Form1.PushButton8_Click ";
inline constexpr std::string_view kForm1Next = "in Quillory2021/08/31.Form1.chkNext_Click ";
inline constexpr std::string_view kForm1Activate = "in Quillory2021/08/31.Form1.Form_Activate ";
inline constexpr std::string_view kForm1Load = "in Quillory2021/08/31.Form1.Form_Load ";
inline constexpr std::string_view kForm1KeyPress = "in Quillory2021/08/31.Form1.txtAnswer_KeyPress ";
inline constexpr std::string_view kForm1Timer = "in Quillory2021/08/31.Form1.Timer1 ";
inline constexpr std::string_view kForm1Answer = "in Quillory2021/08/31.Form1.Answer ";
inline constexpr std::string_view kForm2Exit = "in Quillory2021/08/31.Form2.PushButton1_Click ";
inline constexpr std::string_view kForm2PlayAgain = "in Quillory2021/08/31.Form2.PushButton8_Click ";
inline constexpr std::string_view kForm2Load = "in Quillory2021/08/31.Form2.Form_Load ";
}  // namespace where

}  // namespace frame
