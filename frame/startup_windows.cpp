#include <windows.h>

#include <cstdio>

#include "language.h"
#include "startup.h"

namespace frame {

// Qt keeps no runtime folder on Windows: there is none to make or find.
bool useExistingRuntimeFolder() { return true; }
void keepQtFromMakingARuntimeFolder() {}

namespace platform {

void tellNoDesktop() {
    // A GUI program has no console to print to; one started from a terminal
    // that gave it a standard error still gets the line there.
    const QString said = translatedAtStart("Start-up", kNoDesktop);
    std::fprintf(stderr, "%s\n", said.toUtf8().constData());
    std::fflush(stderr);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(said.utf16()), L"Quillory",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

bool runtimeFolderKeptAway() { return false; }

}  // namespace platform

}  // namespace frame
