#!/usr/bin/env bash
# Installs what is needed, builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (preset "sanitize", into build-sanitize/) and runs every test
# headless. Any report of either sanitizer fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset sanitize
cmake --build --preset sanitize -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
ctest --preset sanitize -j "$(nproc)"
