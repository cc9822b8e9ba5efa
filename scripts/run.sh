#!/usr/bin/env bash
# Sets up what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "${PELZARO_JOBS:-$(nproc)}" --target pelzaro
exec build/src/qt/pelzaro "$@"
