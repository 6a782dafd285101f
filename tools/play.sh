#!/usr/bin/env bash
# Sets up a Debian machine, builds Quillory and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh play
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quillory
exec build/quillory
