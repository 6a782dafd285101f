#include "startup.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>
#include <cstdio>
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
// Qt's complaints about a runtime folder that the game kept it from making.
bool dropRuntimeFolderMessages = false;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Everything Qt said before (which plugin, which display) is beside
        // the point for a player: one line, and no core dump.
        std::fprintf(stderr, "%s\n", kNoDesktop);
        std::fflush(stderr);
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
        if (dropRuntimeFolderMessages && m.text.startsWith(QLatin1String("QStandardPaths:"))) continue;
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
        qt_message_output(m.type, context, m.text);
    }
    delete held;
    held = nullptr;
}

PlatformStart::~PlatformStart() { started(); }

namespace {

// A runtime folder as the freedesktop rules want it: a real folder of ours
// that only we may enter.
bool privateFolder(const QByteArray& path) {
    struct stat st {};
    if (path.isEmpty() || path[0] != '/' || ::lstat(path.constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700;
}

}  // namespace

bool useExistingRuntimeFolder() {
    if (privateFolder(qgetenv("XDG_RUNTIME_DIR"))) return true;
    // Qt's own fallback, where an earlier run of some Qt program made it.
    if (const passwd* me = ::getpwuid(::geteuid())) {
        const QByteArray fallback =
            QFile::encodeName(QDir::tempPath() + QLatin1String("/runtime-")) + me->pw_name;
        if (privateFolder(fallback)) {
            qputenv("XDG_RUNTIME_DIR", fallback);
            return true;
        }
    }
    return false;
}

void keepQtFromMakingARuntimeFolder() {
    if (useExistingRuntimeFolder()) return;
    // None exists. Qt tries to make the one it is given, then one in the
    // temporary folder: below a device node neither can be made. The game
    // keeps no temporary files, so nothing else looks there.
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", "/dev/null");
    dropRuntimeFolderMessages = true;
}

}  // namespace frame
