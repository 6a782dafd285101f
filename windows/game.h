#pragma once

#include <functional>

namespace windows {

class Form1;

// Starts the game: the main window is created, loaded and shown centred, then
// the event loop runs until the game ends. A driver (tools/wayland_drive) may
// pass `alongside`, which the event loop calls once, just after the window is
// shown, with the running game's main window.
int runGame(int argc, char** argv, const std::function<void(Form1&)>& alongside = {});

}  // namespace windows
