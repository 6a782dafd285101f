#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <cstdio>

#include "language.h"
#include "startup.h"

namespace frame {

namespace {

// Qt's complaints about a runtime folder that the game kept it from making.
bool keptAway = false;

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
    keptAway = true;
}

namespace platform {

void tellNoDesktop() {
    std::fprintf(stderr, "%s\n", translatedAtStart("Start-up", kNoDesktop).toLocal8Bit().constData());
    std::fflush(stderr);
}

bool runtimeFolderKeptAway() { return keptAway; }

}  // namespace platform

}  // namespace frame
