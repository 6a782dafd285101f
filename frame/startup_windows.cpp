#include <windows.h>

#include <cstdio>

#include "startup.h"

namespace frame {

// Qt keeps no runtime folder on Windows: there is none to make or find.
bool useExistingRuntimeFolder() { return true; }
void keepQtFromMakingARuntimeFolder() {}

namespace platform {

void tellNoDesktop() {
    // A GUI program has no console to print to; one started from a terminal
    // that gave it a standard error still gets the line there.
    std::fprintf(stderr, "%s\n", kNoDesktop);
    std::fflush(stderr);
    MessageBoxA(nullptr, kNoDesktop, "Quillory", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

bool runtimeFolderKeptAway() { return false; }

}  // namespace platform

}  // namespace frame
