#include "windows/game.h"

int main(int argc, char** argv) { return windows::runGame(argc, argv); }
