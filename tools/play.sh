#!/usr/bin/env bash
# Sets up a Debian machine, builds Quillory and starts the game. Only the game
# is configured and built, in a tree of its own (build-play/): the tests and
# benchmarks need libraries that `tools/setup.sh play` does not install, and
# build/ configured without them would leave tools/test.sh without tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh play
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLORY_TESTS=OFF -DQUILLORY_TOOLS=OFF -DQUILLORY_BENCH=OFF
cmake --build build-play --target quillory
exec build-play/quillory
