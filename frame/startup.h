#pragma once

#include <vector>

namespace frame {

// The arguments handed to Qt: the program's name and nothing else, because
// the game reads no command line (not even Qt's own options).
std::vector<char*> qtArguments(int argc, char** argv);

}  // namespace frame
