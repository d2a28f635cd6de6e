#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game among the sample category files.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zapster
cd examples
exec ../build/zapster
