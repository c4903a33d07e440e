#!/usr/bin/env bash
# Builds Kelpie and starts the desktop program; arguments are passed to it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/CMakeCache.txt ] || cmake --preset dev
cmake --build --preset dev
exec build/bin/kelpie "$@"
