#pragma once

namespace windows {

// Starts the game: the main window is created, loaded and shown centred, then
// the event loop runs until the game ends.
int runGame(int argc, char** argv);

}  // namespace windows
