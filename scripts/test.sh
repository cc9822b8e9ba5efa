#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test; then builds the core once
# more under AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=${PELZARO_JOBS:-$(nproc)}
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPELZARO_SANITIZE=ON -DPELZARO_BUILD_QT=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
