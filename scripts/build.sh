#!/usr/bin/env bash
# Installs what is needed and builds the program into build/ (program folder: build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
