#!/usr/bin/env bash
# The real program under Xvfb: Question 1 without a key, then a game played
# with real keys and clicks through End Game and Play Again.
set -euo pipefail
cd "$(dirname "$0")/../.."
timeout 180 bash tools/xvfb-play.sh build/quillory build/xvfb-play
