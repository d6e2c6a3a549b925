#!/usr/bin/env bash
# Installs what is missing, builds Tessera and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
