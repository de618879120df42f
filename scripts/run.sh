#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/brisvola
