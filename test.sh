#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: once in the normal build, then
# again under AddressSanitizer, UndefinedBehaviorSanitizer and leak checking, with a bounded
# fuzzing run of the category reader.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh --test
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAPSTER_WERROR=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j"$(nproc)"

# clang builds this tree faster than gcc and brings libFuzzer; gcc serves where clang is missing.
compiler=g++
if command -v clang++ >/dev/null; then
    compiler=clang++
fi
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$compiler" \
    -DZAPSTER_SANITIZE=ON -DZAPSTER_WERROR=ON >/dev/null
cmake --build build-sanitize
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
