#!/usr/bin/env bash
# Installs what is missing, builds Tessera and runs every test headless; then builds it once more
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test again, leaks included;
# last, builds the Debian package and validates the desktop entry and the AppStream metadata.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs="$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSERA_ASAN=ON -DTESSERA_WERROR=ON
cmake --build build-asan --parallel "$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

scripts/package-check.sh
