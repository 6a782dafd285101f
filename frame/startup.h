#pragma once

#include <QtGlobal>
#include <vector>

namespace frame {

// The arguments handed to Qt: the program's name and nothing else, because
// the game reads no command line (not even Qt's own options).
std::vector<char*> qtArguments(int argc, char** argv);

// What a player is told when there is no desktop to show the game on: in the
// terminal on Linux; on Windows, where a program of the GUI subsystem has no
// terminal, in a message box (the one cause there is a broken installation).
// Said in the player's language (translatedAtStart, language.h).
#ifdef _WIN32
inline constexpr const char* kNoDesktop = QT_TRANSLATE_NOOP(
    "Start-up",
    "Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.");
#else
inline constexpr const char* kNoDesktop =
    QT_TRANSLATE_NOOP("Start-up", "Quillory needs a graphical desktop (X11 or Wayland) and could not open one.");
#endif

// Qt aborts with a core dump when no platform plugin can start (no DISPLAY,
// no compositor, a plugin that fails or is missing). While one of these
// lives, Qt's messages are held back; a fatal one tells kNoDesktop alone and
// exits with status 1. Once the application object stands, started() passes
// the held messages on as they came.
class PlatformStart {
public:
    PlatformStart();
    ~PlatformStart();
    PlatformStart(const PlatformStart&) = delete;
    PlatformStart& operator=(const PlatformStart&) = delete;
    void started();
};

// Qt makes a runtime folder ($TMPDIR/runtime-USER) when XDG_RUNTIME_DIR names
// none, and the game writes nothing. Call before the application object: an
// existing private runtime folder is used; when there is none, Qt's look-ups
// are pointed where nothing can be created. (Windows has no runtime folder:
// there it does nothing.)
void keepQtFromMakingARuntimeFolder();
// Its first half, for programs that run the game inside themselves and may
// make a folder of their own: points XDG_RUNTIME_DIR at an existing private
// runtime folder, and says whether there was one.
bool useExistingRuntimeFolder();

// The platform's halves of the two above (startup_unix.cpp, startup_windows.cpp).
namespace platform {
// Tells the player kNoDesktop; the caller exits.
void tellNoDesktop();
// Whether Qt's complaints about the runtime folder it was kept from making
// are to be dropped.
bool runtimeFolderKeptAway();
}  // namespace platform

}  // namespace frame
