#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j "$(nproc)"
