#!/usr/bin/env bash
# Installs what is needed, builds, and packs the program folder as
# build/package/brisvola-<version>-Linux.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cpack --config build/CPackConfig.cmake
ls -l build/package/brisvola-*-Linux.tar.gz
