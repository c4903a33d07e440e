#!/usr/bin/env bash
# Builds Kelpie and starts the desktop program; arguments are passed to it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/CMakeCache.txt ] || cmake --preset dev
cmake --build --preset dev
if [ -x build/bin/kelpie ]; then
    exec build/bin/kelpie "$@"
fi
echo "Built. The desktop program is not part of this build yet; what there is to run:"
echo "  build/tests/kelpie_model_tests   the radio-data tests (or: ctest --preset dev)"
ls build/bin 2>/dev/null | sed 's|^|  build/bin/|'
