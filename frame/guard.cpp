#include "guard.h"

#include "engine/fault.h"

namespace frame {

namespace {
FaultInjection* g_injection = nullptr;
}

void setFaultInjection(FaultInjection* injection) { g_injection = injection; }
FaultInjection* faultInjection() { return g_injection; }

std::string errorReportText(std::string_view description, std::string_view location, int step) {
    std::string text;
    text += description;
    text += "\r\n";
    text += location;
    text += "at line ";
    text += std::to_string(step);
    text += "\r\r";
    text += "Please email screenshot of this message to ";
    text += kSupportAddress;
    return text;
}

void Guard::step(int number, engine::FunctionRef<void()> body) {
    attempt(number, false, [&] {
        body();
        return true;
    });
}

bool Guard::test(int number, engine::FunctionRef<bool()> condition) {
    return attempt(number, true, condition);
}

bool Guard::attempt(int number, bool condition, engine::FunctionRef<bool()> body) {
    if (ending_.ended()) throw ApplicationEnded{};
    current_ = number;
    try {
        if (g_injection && g_injection->shouldFault(location_, number, condition))
            throw engine::Fault(kInjectedFault);
        return body();
    } catch (const ApplicationEnded&) {
        throw;
    } catch (const std::exception& e) {
        report(e.what());
    } catch (...) {
        report("Unknown error");
    }
    return true;
}

void Guard::report(std::string_view description) {
    struct Open {
        Open() { ++openReports_; }
        ~Open() { --openReports_; }
    } open;
    boxes_.show({QString::fromUtf8(kErrorTitle.data(), qsizetype(kErrorTitle.size())),
                 QString::fromStdString(errorReportText(description, location_, current_)),
                 MessageIcon::Exclamation});
    // The box may have been closed by the application ending.
    if (ending_.ended()) throw ApplicationEnded{};
}

}  // namespace frame
