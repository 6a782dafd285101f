#!/usr/bin/env bash
# Sets up a Debian machine, builds Quillory with warnings as errors and runs
# every test, once in a plain build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh test

jobs=$(nproc 2>/dev/null || echo 2)
# The unit tests run offscreen; the checks in tools/ci.d start the real
# program on an X server of their own, so the platform is not exported.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The game speaks the desktop's language; the checks hold it to the English
# texts, whatever this machine's own language (a check of another language
# sets its own).
export LANGUAGE=en

echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORY_WERROR=ON
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build and test with address and undefined-behaviour sanitizers =="
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLORY_WERROR=ON \
  -DQUILLORY_SANITIZE=ON -DQUILLORY_TOOLS=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp \
QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# Further checks, one script each (real program under Xvfb, packaging, ...),
# each closed by its verdict on a line of its own.
for check in tools/ci.d/*.sh; do
  [ -e "$check" ] || continue
  name=$(basename "$check" .sh)
  echo "== $name =="
  if bash "$check"; then
    echo "== $name: PASS =="
  else
    echo "== $name: FAIL =="
    exit 1
  fi
done
