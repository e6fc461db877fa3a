#!/usr/bin/env bash
# How soon the game is heard, at a private sound server with a null sink:
#   playEffect to the effect's first samples     goal: under 30 ms
#   starting the melody to its first notes       (sound font read included)
# Run after `cmake --build --preset release`.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/release/bench/olk_sound_bench
[ -x "$program" ] || { echo "build the release preset first" >&2; exit 2; }
source scripts/null-sound-server.sh
start_null_sound_server
"$program"
