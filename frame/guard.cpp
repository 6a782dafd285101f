#include "guard.h"

#include <QCoreApplication>

#include "engine/fault.h"

namespace frame {

namespace {
FaultInjection* g_injection = nullptr;
}

void setFaultInjection(FaultInjection* injection) { g_injection = injection; }
FaultInjection* faultInjection() { return g_injection; }

namespace {
QString said(const char* text) { return QCoreApplication::translate("Error report", text); }
}  // namespace

std::string errorReportText(std::string_view description, std::string_view location, int step) {
    // A description is a marked text (engine/fault.h and the rooms' own), or
    // whatever a library's fault says, which no catalogue holds.
    const std::string own(description);
    std::string text = said(own.c_str()).toStdString();
    text += "\r\n";
    text += location;
    text += QCoreApplication::translate("Error report", "at line %1").arg(step).toStdString();
    text += "\r\r";
    text += QCoreApplication::translate("Error report", "Please email screenshot of this message to %1")
                .arg(QString::fromUtf8(kSupportAddress.data(), qsizetype(kSupportAddress.size())))
                .toStdString();
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
        report(QT_TRANSLATE_NOOP("Error report", "Unknown error"));
    }
    return true;
}

void Guard::report(std::string_view description) {
    struct Open {
        Open() { ++openReports_; }
        ~Open() { --openReports_; }
    } open;
    boxes_.show({said(kErrorTitle),
                 QString::fromStdString(errorReportText(description, location_, current_)),
                 MessageIcon::Exclamation});
    // The box may have been closed by the application ending.
    if (ending_.ended()) throw ApplicationEnded{};
}

}  // namespace frame
