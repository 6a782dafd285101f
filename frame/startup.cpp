#include "startup.h"

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <string>

namespace frame {

std::vector<char*> qtArguments(int argc, char** argv) {
    static char fallbackName[] = "quillory";
    char* name = (argc > 0 && argv && argv[0]) ? argv[0] : fallbackName;
    return {name, nullptr};
}

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>* held = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Everything Qt said before (which plugin, which display) is beside
        // the point for a player: one line, and no core dump.
        platform::tellNoDesktop();
        std::_Exit(1);
    }
    if (held)
        held->push_back({type, context.category ? context.category : "", text});
}

}  // namespace

PlatformStart::PlatformStart() {
    held = new std::vector<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdMessage);
}

void PlatformStart::started() {
    if (!held) return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& m : *held) {
        if (platform::runtimeFolderKeptAway() && m.text.startsWith(QLatin1String("QStandardPaths:"))) continue;
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
        qt_message_output(m.type, context, m.text);
    }
    delete held;
    held = nullptr;
}

PlatformStart::~PlatformStart() { started(); }

}  // namespace frame
